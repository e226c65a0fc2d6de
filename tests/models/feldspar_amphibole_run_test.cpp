// Feldspar and amphibole analyses run as a whole file at 6 kbar and 550 degC
// (RT = 8.3143 * 823 = 6842.67 J). The analyses are given as cations, so the
// formulae are known; the activity cells below are worked by hand. The sd
// cells come from the derivatives and are not checked here.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../runfile.h"

namespace velm {
namespace {

using test::Lines;

// The report block of the analysis with this label, up to the next block.
std::string Block(const std::string& report, const std::string& codeLine) {
  const auto at = report.find("\n" + codeLine + "\n");
  if (at == std::string::npos) return "";
  const auto end = report.find(std::string(80, '_'), at);
  return report.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

// Name in 11 and activity in 12, as a report row shows them; "-" cells when
// the activity is not printed.
std::string Cell(const std::string& name, const std::string& activity) {
  return std::string(11 - name.size(), ' ') + name + std::string(12 - activity.size(), ' ') +
         activity;
}

class FeldsparAmphiboleFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    out = new test::RunOutputs(test::RunFile(test::DataPath("feldspar_amphibole.txt")));
  }
  static void TearDownTestSuite() { delete out; }
  static test::RunOutputs* out;
};
test::RunOutputs* FeldsparAmphiboleFile::out = nullptr;

TEST_F(FeldsparAmphiboleFile, IntermediatePlagioclase) {
  // Na 0.5, Ca 0.5, Al 1.5, Si 2.5 and Fe 0.02 given as FeO: the driver
  // turns the iron ferric, FeO 0.529 wt% -> Fe2O3 1.111341 * 0.529 = 0.59,
  // on 8.03 oxygens scaled to 8: Fe3 0.02 * 8/8.03 = 0.020.
  // xCa = 0.5, Tc = 2632 * 0.38 = 1000 K >= 823 K: Ibar1.
  // phi(ab) = 0.3215/0.8215 = 0.39136, phi(an) = 0.60864.
  //   ab: RT ln g = dGab + phi(an)^2 * 15000 * 2 * 0.643/1.643
  //              = -2820.76 + 4349.2 = 1528.4 J: g = 1.2503, a = 0.625 -> 0.63
  //   an: RT ln g = phi(ab)^2 * 15000 * 2/1.643 = 2796.6 J: g = 1.5049, a = 0.75
  //   san: ln a = 0 and g = 66: above 1.01, so no activity is printed.
  const std::string b = Block(out->report, "fsp an50");
  ASSERT_FALSE(b.empty());
  EXPECT_NE(b.find("\n  Ibar1 plag assumed\n"), std::string::npos);
  EXPECT_NE(b.find(Cell("ab", "0.63")), std::string::npos);
  EXPECT_NE(b.find(Cell("an", "0.75")), std::string::npos);
  EXPECT_NE(b.find(Cell("san", "-")), std::string::npos);
  EXPECT_NE(b.find("\nFe2O3    0.59   0.020"), std::string::npos);
  EXPECT_NE(b.find("\n  FeO    0.00   0.000"), std::string::npos);
}

TEST_F(FeldsparAmphiboleFile, AlkaliFeldspar) {
  // Na 0.8, K 0.2: alkali feldspar. phi(ab) = 0.5144/0.7144 = 0.72004,
  // phi(san) = 0.27996.
  //   ab: RT ln g = phi(san)^2 * 18269.6 * 2 * 0.643/1.643 = 1120.8 J:
  //       g = 1.1780, a = 0.8 * 1.1780 = 0.942 -> 0.94
  //   an: taken as reference (ln a = 0), g = 3.97 > 1.01: not printed
  //   san: phi(ab)^2 * 18269.6 * 2/1.643 = 11530 J: 0.2 * 5.39 > 1.01
  const std::string b = Block(out->report, "fsp alkali");
  ASSERT_FALSE(b.empty());
  EXPECT_NE(b.find("\n  Alkali feldspar assumed\n"), std::string::npos);
  EXPECT_NE(b.find(Cell("ab", "0.94")), std::string::npos);
  EXPECT_NE(b.find(Cell("an", "-")), std::string::npos);
  EXPECT_NE(b.find(Cell("san", "-")), std::string::npos);
}

TEST_F(FeldsparAmphiboleFile, Amphiboles) {
  // act50: Si 8, Mg 2.5, Fe2 2.5, Ca 2, all iron as FeO; f = 1, no ferric.
  // a(tr) = 0.5^3 * 0.5^2 = 0.03125, g = exp(5000/RT) = 2.0766:
  // 0.0649 -> 0.065 (three decimals from 0.03125); fact the same.
  std::string b = Block(out->report, "amph act50");
  ASSERT_FALSE(b.empty());
  EXPECT_NE(b.find("\n  Mixing model of Ostrand et al. (2007)\n"), std::string::npos);
  EXPECT_NE(b.find(Cell("tr", "0.065")), std::string::npos);
  EXPECT_NE(b.find(Cell("fact", "0.065")), std::string::npos);
  EXPECT_NE(b.find(Cell("ts", "-")), std::string::npos);
  EXPECT_NE(b.find("\nFe2O3    0.00   0.000"), std::string::npos);

  // cumm50: Si 8, Mg 3.5, Fe2 3.5: a = 0.25 * 0.125 * 0.25 = 0.0078125,
  // g = exp(33500 * 0.25/RT) = 3.4006: 0.02657 -> 0.0266 for both.
  b = Block(out->report, "amph cumm50");
  ASSERT_FALSE(b.empty());
  EXPECT_NE(b.find(Cell("cumm", "0.0266")), std::string::npos);
  EXPECT_NE(b.find(Cell("grun", "0.0266")), std::string::npos);

  // glauc-rieb: Si 8, Al 1, Fe3 1, Mg 1.5, Fe2 1.5, Na 2: a = 0.03125 for gl,
  // fgl and rieb, each with RT ln g = 3000 J: g = 1.5502, 0.0484 -> 0.048;
  // tr has no Mg on M2 (xMgM2 = 0).
  b = Block(out->report, "amph glauc-rieb");
  ASSERT_FALSE(b.empty());
  EXPECT_NE(b.find(Cell("gl", "0.048")), std::string::npos);
  EXPECT_NE(b.find(Cell("fgl", "0.048")), std::string::npos);
  EXPECT_NE(b.find(Cell("rieb", "0.048")), std::string::npos);
  EXPECT_NE(b.find(Cell("tr", "-")), std::string::npos);

  // between: Si 8, Mg 6, Ca 1: xCaM4 = 0.5, no sub-model, no rows.
  b = Block(out->report, "amph between");
  ASSERT_FALSE(b.empty());
  EXPECT_NE(b.find("\n  composition outside the amphibole sub-models: no activities\n"),
            std::string::npos);
  // SiO2 480.72 of 778.72 g (MgO 241.92, CaO 56.08): 61.73 wt%.
  EXPECT_NE(b.find("\n SiO2   61.73   8.000"), std::string::npos);
}

TEST_F(FeldsparAmphiboleFile, PhasewiseLines) {
  const auto lines = Lines(out->pwz);
  ASSERT_EQ(lines.size(), 1u + 6u + 3u);
  EXPECT_EQ(lines[1].substr(0, 16), "  ab        0.63");
  EXPECT_EQ(lines[2].substr(0, 16), "  ab        0.94");
  EXPECT_EQ(lines[3].substr(0, 16), "  tr       0.065");
  EXPECT_EQ(lines[4].substr(0, 16), "cumm      0.0266");
  EXPECT_EQ(lines[5].substr(0, 16), "  gl       0.048");
  EXPECT_EQ(lines[6], "");  // the amphibole between the sub-models
  EXPECT_EQ(lines[7], "  q H2O");
}

}  // namespace
}  // namespace velm
