#include "form/checked_math.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "form/failure.h"

namespace n5 {
namespace {

TEST(RoundToInt16, RoundsHalfToEvenAndFailsOutsideTheRange) {
  struct Case {
    double value;
    int expected;
  } cases[] = {
      {2114.5, 2114},   {2115.5, 2116},     {2114.4999, 2114}, {2114.5001, 2115}, {0.5, 0},
      {1.5, 2},         {-0.5, 0},          {-1.5, -2},        {-2.5, -2},        {5385, 5385},
      {32767.4, 32767}, {-32768.5, -32768}, {32766.5, 32766},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundToInt16(c.value), c.expected) << c.value;

  for (double bad : {32767.5, 32768.0, -32768.6, -40000.0, std::nan(""),
                     std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(RoundToInt16(bad), Failure) << bad;
  }
}

TEST(Int16Arithmetic, IsOverflowTested) {
  EXPECT_EQ(Sub16(1800, 375), 1425);
  EXPECT_EQ(Add16(32766, 1), 32767);
  EXPECT_EQ(Sub16(-32767, 1), -32768);
  EXPECT_THROW(Add16(32767, 1), Failure);
  EXPECT_THROW(Sub16(-32768, 1), Failure);
  EXPECT_THROW(Sub16(0, -32768), Failure);
}

TEST(SingleArithmetic, FailsOnOverflowAndInvalidResults) {
  EXPECT_FLOAT_EQ(AddSingle(1800, 510), 2310);
  float big = std::numeric_limits<float>::max();
  EXPECT_THROW(AddSingle(big, big), Failure);
  EXPECT_THROW(SubSingle(-big, big), Failure);
  EXPECT_THROW(AddSingle(std::nanf(""), 1), Failure);
}

}  // namespace
}  // namespace n5
