#include "form/checked_math.h"

#include <cmath>
#include <limits>

#include "form/failure.h"

namespace n5 {
namespace {

std::int16_t Narrow(int value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw Failure("Overflow");
  }
  return static_cast<std::int16_t>(value);
}

float Finite(float value) {
  if (!std::isfinite(value)) throw Failure("Overflow");
  return value;
}

}  // namespace

std::int16_t Add16(std::int16_t a, std::int16_t b) {
  return Narrow(int{a} + int{b});
}
std::int16_t Sub16(std::int16_t a, std::int16_t b) {
  return Narrow(int{a} - int{b});
}

float AddSingle(float a, float b) {
  return Finite(Finite(a) + Finite(b));
}
float SubSingle(float a, float b) {
  return Finite(Finite(a) - Finite(b));
}

std::int16_t RoundToInt16(double value) {
  if (std::isnan(value)) throw Failure("Overflow");
  // Round half to even by hand, independent of the floating-point rounding mode.
  double floor = std::floor(value);
  double fraction = value - floor;
  double rounded = floor;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1.0;
  if (rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max()) {
    throw Failure("Overflow");
  }
  return static_cast<std::int16_t>(rounded);
}

}  // namespace n5
