#pragma once

#include <cstdint>

// The launcher's arithmetic: 16-bit signed integers whose operations are tested for overflow,
// and single-precision coordinates whose sums are tested for overflow and invalid results.
// A failed test throws n5::Failure, so that the statement doing the arithmetic fails.
namespace n5 {

std::int16_t Add16(std::int16_t a, std::int16_t b);
std::int16_t Sub16(std::int16_t a, std::int16_t b);

// a + b in single precision; fails when the result is infinite or not a number.
float AddSingle(float a, float b);
float SubSingle(float a, float b);

// The nearest 16-bit integer, an exact half going to the even neighbour (2114.5 -> 2114,
// 2115.5 -> 2116). Fails when the value is not a number or does not fit.
std::int16_t RoundToInt16(double value);

}  // namespace n5
