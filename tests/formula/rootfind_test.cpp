#include "rootfind.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

namespace velm {
namespace {

// The ordering condition as the epidote model sets it up at 550 degC.
EpOrderArgs Epidote(double f) {
  EpOrderArgs a;
  a.TK = 823;
  a.dH = -25000;
  a.Wef = 1000;
  a.Wcf = 3000;
  a.Wce = 1000;
  a.f = f;
  return a;
}

// A condition that is the constant dH: no temperature, no interactions.
// With f = 0.5 its site fractions stay positive for -0.5 < x < 0.5.
EpOrderArgs Constant(double value) {
  EpOrderArgs a;
  a.dH = value;
  a.f = 0.5;
  return a;
}

constexpr const char* kBracketPause = "pause in RTBIS\nRoot must be bracketed for bisection.\n";

TEST(EpOrderFunc, EveryParameterInItsPlace) {
  // m1 2, m2 0.5, T 500 K, dH -1000, a5..a7 100, 200, 300, W 400, 500, 600,
  // q3 0.1, f 0.3 at x = 0.05:
  //   q1 = 0.7*0.9 - 0.05/2 = 0.605, q2 = 0.3 - 0.05/0.5 = 0.2, q4 = 0.095;
  //   8.3143*2*0.5*500 * ln((0.395 - 0.1)*0.8 / (0.2*0.605)) = 8033.2088
  //   + (2.5*100 - 300*0.5 - 200*2)*0.1 = -30
  //   + (2.5*400 - 500*2)*0.605 = 0
  //   + (2.5*600 - 500*0.5)*0.2 = 250
  //   + (-0.5*400 - 600*2)*0.095 = -133
  //   - 1000 = 1864.14772 J.
  EpOrderArgs a{2, 0.5, 500, -1000, 100, 200, 300, 400, 500, 600, 0.1, 0.3};
  EXPECT_NEAR(EpOrderFunc(a, 0.05), 1864.14772163472, 1e-8);
}

TEST(RTBIS, FindsTheEpidoteOrderParameterQuietly) {
  // Roots of RT ln((f+Q)(1-f+Q)/((f-Q)(1-f-Q))) = 26000 + 2000 Q at
  // RT = 6842.6689, solved independently to 1e-20.
  struct Case {
    double f, upper, root;
  } cases[] = {{0.5, 0.5 - 1e-6, 0.375967798466609},
               {0.2, 0.2 - 1e-6, 0.186810138243808},
               {0.7, 0.3 - 1e-6, 0.273019857484524},
               {0.01, 0.01 - 1e-6, 0.00955511481997765}};
  for (const Case& c : cases) {
    std::ostringstream out;
    std::istringstream in;
    EXPECT_NEAR(RTBIS(Epidote(c.f), 1e-6, c.upper, 1e-6, out, in), c.root, 1e-6) << c.f;
    EXPECT_EQ(out.str(), "") << c.f;
  }
}

TEST(RTBIS, ZeroAtTheLowerEndPausesThenStartsFromTheUpperEnd) {
  // A condition that is 0 everywhere: F(x1)*F(x2) = 0 is no change of sign.
  // rtb starts at x2, the first midpoint evaluates to exactly 0 and is
  // returned at once: 0.3 + (0.1 - 0.3)/2.
  std::ostringstream out;
  std::istringstream in("go on\n");
  const double root = RTBIS(Constant(0.0), 0.1, 0.3, 1e-9, out, in);
  EXPECT_EQ(root, 0.3 + (0.1 - 0.3) * 0.5);
  EXPECT_EQ(out.str(), kBracketPause);
  EXPECT_TRUE(in.peek() == std::char_traits<char>::eof());  // the one line was read
}

TEST(RTBIS, NegativeEverywhereClimbsToTheUpperEnd) {
  // Every midpoint is at or below 0 and replaces rtb: over the bracket
  // -0.25..0.25 the j-th step is 2^-(j+1) and rtb = 0.25 - 2^-(j+1);
  // 2^-10 (j = 9) is the first step below 1e-3.
  std::ostringstream out;
  std::istringstream in("first\nsecond\n");
  EXPECT_EQ(RTBIS(Constant(-1.0), -0.25, 0.25, 1e-3, out, in), 0.25 - std::ldexp(1.0, -10));
  EXPECT_EQ(out.str(), kBracketPause);
  std::string rest;
  std::getline(in, rest);
  EXPECT_EQ(rest, "second");  // exactly one line was taken
}

TEST(RTBIS, PositiveEverywhereReturnsTheUpperEnd) {
  std::ostringstream out;
  std::istringstream in;  // at its end: the pause returns at once
  EXPECT_EQ(RTBIS(Constant(1.0), -0.25, 0.25, 1e-3, out, in), 0.25);
  EXPECT_EQ(out.str(), kBracketPause);
}

TEST(RTBIS, FortyHalvingsWithoutConvergencePause) {
  // A zero tolerance is never met: after 40 halvings rtb = 0.25 - 2^-41.
  std::ostringstream out;
  std::istringstream in("a\nb\nc\n");
  EXPECT_EQ(RTBIS(Constant(-1.0), -0.25, 0.25, 0.0, out, in), 0.25 - std::ldexp(1.0, -41));
  EXPECT_EQ(out.str(), std::string(kBracketPause) + "pause in RTBIS - too many bisections\n");
  std::string rest;
  std::getline(in, rest);
  EXPECT_EQ(rest, "c");  // one line per pause
}

TEST(RTBIS, NanBracketEndRunsAllHalvings) {
  // F(NaN) is NaN: the product is NaN (no bracketing message), dx is NaN, no
  // exit test passes, and rtb stays at x1, where F is below 0.
  std::ostringstream out;
  std::istringstream in;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(RTBIS(Constant(-1.0), 0.25, nan, 1e-6, out, in), 0.25);
  EXPECT_EQ(out.str(), "pause in RTBIS - too many bisections\n");
}

}  // namespace
}  // namespace velm
