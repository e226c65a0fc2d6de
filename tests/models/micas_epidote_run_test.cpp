// Whole run of micas_epidote.txt at 6 kbar, 550 degC: a phengite, a Ca-host
// white mica, a biotite and an epidote. The activity cells were worked from
// the analyses by hand and checked against micas_epidote_reference.py, which
// derives them without any code of the program. RT = 8.3143 * 823 = 6842.67 J.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "numfmt.h"
#include "../runfile.h"

namespace velm {
namespace {

using test::Count;
using test::ActivityCells;

TEST(MicasEpidoteRun, ActivityCellsAndFluidLine) {
  // The ordering is bracketed in every pass: no pause on standard output.
  std::ostringstream console;
  std::streambuf* const saved = std::cout.rdbuf(console.rdbuf());
  const auto out = test::RunFile(test::DataPath("micas_epidote.txt"));
  std::cout.rdbuf(saved);
  EXPECT_EQ(console.str(), "");
  const std::string& r = out.report;

  // Phengite Si 3.2, Al 2.6, Mg 0.1, Fe2 0.1, K 1 (S = 6.0: no estimate):
  // xAlT1 0.4, xSiT1 0.6, xAlM2A 0.8, x 0.5, xMgM2A = xFeM2A = 0.1. Ideal
  // 4 * 0.8 * 0.4 * 0.6 = 0.768 and 0.1 * 0.36 = 0.036; p = (0.8, 0.1, 0.1)
  // gives RT ln gamma 48 J and 768 J: 0.768 * 1.00704 = 0.773, 0.036 * 1.11878
  // = 0.0403. Neither Na nor Ca: pa and ma have no activity.
  EXPECT_EQ(Count(r, ActivityCells("mu", "0.77")), 1);
  EXPECT_EQ(Count(r, ActivityCells("cel", "0.040")), 1);
  EXPECT_EQ(Count(r, ActivityCells("fcel", "0.040")), 1);

  // Ca host Si 2.4, Al 3.6, Na 0.4, Ca 0.6: ideal pa 4 * 0.4 * 0.8 * 0.2 =
  // 0.256, ma 0.6 * 0.8^2 = 0.384. phi(pa) = 0.148/0.526, phi(ma) = 0.378/0.526;
  // pa: 0.7186^2 * 18000 * 0.74 + 4000 = 10878.5 J, gamma 4.9030: 1.255, above
  // the report's cap of 1.01, so not printed; ma: 0.2814^2 * 18000 * 1.26 =
  // 1795.6 J, gamma 1.3001: 0.499. No K: mu has no activity.
  EXPECT_EQ(Count(r, ActivityCells("pa", "-")), 2);  // in both white micas
  EXPECT_EQ(Count(r, ActivityCells("ma", "0.50")), 1);
  EXPECT_EQ(Count(r, ActivityCells("mu", "-")), 1);

  // Biotite Si 3, Al 1, Mg 1.5, Fe2 1.2, Fe3 0.2, K 1: xAlM1 0, x = 4/9,
  // xSiT1 0.4, xAlT1 0.6, xMgM1 0.8 * 5/9, xFeM1 0.8 * 4/9, xMgM2 5/9.
  // Ideal 4 * 0.4444 * 0.3086 * 0.4 * 0.36 = 0.07901 and 4 * 0.3556 * 0.1975
  // * 0.144 = 0.04045; p = (4/9, 4/9, 0, 0, 0.2): RT ln gamma 2748.8 J and
  // 3777.4 J, gamma 1.4944 and 1.7368: 0.118, 0.0703.
  EXPECT_EQ(Count(r, ActivityCells("phl", "0.118")), 1);
  EXPECT_EQ(Count(r, ActivityCells("ann", "0.070")), 1);
  EXPECT_EQ(Count(r, ActivityCells("east", "-")), 1);
  EXPECT_EQ(Count(r, "  SF model parameters: Wpa=12, Wpe=10, Wae=15 (kJ), setting Qod=0\n"), 1);

  // Epidote Ca 2, Al 2.6, Fe3 0.4, Si 3: f = 0.2; the ordering condition
  // RT ln((0.2 + Q)(0.8 + Q)/((0.2 - Q)(0.8 - Q))) = 26000 + 2000 Q gives
  // Q = 0.18681: FeM3 0.38681, FeM1 0.01319, AlM1 0.98681, AlM3 0.61319.
  // Ideal AlM1 AlM3 = 0.60510, AlM1 FeM3 = 0.38171; p = (0.61319, 0.37362,
  // 0.01319): RT ln gamma 154.9 J and 368.1 J, gamma 1.02290 and 1.05527:
  // 0.619, 0.403. fep is not printed.
  EXPECT_EQ(Count(r, ActivityCells("cz", "0.62")), 1);
  EXPECT_EQ(Count(r, ActivityCells("ep", "0.40")), 1);
  EXPECT_EQ(Count(r, "fep"), 1);  // only in the model line

  // All three are hydrous.
  EXPECT_NE(out.pwz.find("\n  q H2O\n"), std::string::npos);
}

}  // namespace
}  // namespace velm
