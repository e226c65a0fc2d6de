#include "numfmt.h"

#include <gtest/gtest.h>

#include <limits>

namespace velm {
namespace {

TEST(NumberWriter, RightAlignedFixedPoint) {
  EXPECT_EQ(FmtReal(3.14159, 8, 2), "    3.14");
  EXPECT_EQ(FmtReal(-1.5, 6, 2), " -1.50");
  EXPECT_EQ(FmtReal(0.0, 8, 3), "   0.000");
  EXPECT_EQ(FmtReal(123456.789, 4, 2), "123456.79");  // a longer item widens
  EXPECT_EQ(FmtReal(2.5, 0, 1), "2.5");
  EXPECT_EQ(Pad("fo", 11), "         fo");
  EXPECT_EQ(Pad("a long label", 9), "a long label");
  EXPECT_EQ(FmtInt(5, 6), "     5");
  EXPECT_EQ(FmtInt(-12, 2), "-12");
}

TEST(NumberWriter, ExactBinaryValueDecidesTies) {
  // 24.25 is exact in binary: a true tie, rounded to even.
  EXPECT_EQ(FmtReal(24.25, 0, 1), "24.2");
  EXPECT_EQ(FmtReal(0.125, 0, 2), "0.12");
  // 2.675 is stored just below the decimal: it rounds down.
  EXPECT_EQ(FmtReal(2.675, 0, 2), "2.67");
  // An extended value is written without first rounding it to double.
  EXPECT_EQ(FmtReal(0.1L, 0, 20), "0.10000000000000000000");
  EXPECT_EQ(FmtReal(0.1, 0, 20), "0.10000000000000000555");
}

TEST(NumberWriter, NonFiniteValues) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FmtReal(inf, 8, 3), "    +Inf");
  EXPECT_EQ(FmtReal(-inf, 8, 3), "    -Inf");
  EXPECT_EQ(FmtReal(std::numeric_limits<double>::quiet_NaN(), 8, 2), "     Nan");
  EXPECT_EQ(FmtReal(std::numeric_limits<double>::quiet_NaN(), 0, 2), "Nan");
}

TEST(NumberWriter, RoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(550.5), 550);
  EXPECT_EQ(RoundHalfEven(551.5), 552);
  EXPECT_EQ(RoundHalfEven(4.5000001), 5);
}

}  // namespace
}  // namespace velm
