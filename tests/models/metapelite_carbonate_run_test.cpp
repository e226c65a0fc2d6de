// Whole run of metapelite_carbonate.txt at 6 kbar, 550 degC: one analysis
// each of chloritoid, staurolite, cordierite and scapolite, and a dolomite
// and a calcite. The activity cells were worked from the analyses by hand
// and checked against metapelite_carbonate_reference.py, which derives them
// without any code of the program. RT = 8.3143 * 823 = 6842.67 J.
#include <gtest/gtest.h>

#include <string>

#include "numfmt.h"
#include "../runfile.h"

namespace velm {
namespace {

using test::Count;
using test::ActivityCells;

TEST(MetapeliteCarbonateRun, ActivityCellsAndFluidLine) {
  const auto out = test::RunFile(test::DataPath("metapelite_carbonate.txt"));
  const std::string& r = out.report;

  // Chloritoid: x = 7/9, xMn 0.1, xMg 0.2, xFe 0.7; xFe3 0.2, xAl 0.8. Ideal
  // sqrt(0.8) * (0.2, 0.7, 0.1) = 0.1789, 0.6261, 0.0894; p = (0.2, 0.7, 0.1,
  // 0.2) gives gamma 1.4871, 1.0195, 1.0704: 0.266, 0.638, 0.0957.
  EXPECT_EQ(Count(r, ActivityCells("mctd", "0.27")), 1);
  EXPECT_EQ(Count(r, ActivityCells("fctd", "0.64")), 1);
  EXPECT_EQ(Count(r, ActivityCells("mnctd", "0.096")), 1);
  EXPECT_EQ(Count(r, "  WFeMg=1.5, WMgMn=1.5, WFeMn=0 (kJ)\n"), 1);

  // Staurolite: FeO made 5 % ferric first (Fe2O3 0.055555 * 14.105 = 0.78);
  // Fe3 0.160, Fe2 3.041, Mg 1.000, Ti 0.150: x = 0.7525, f = 0.0800,
  // t = 0.0750, xAl = 0.8199. a = 0.2475^4 * 0.6723 = 0.00252 and
  // 0.7525^4 * 0.6723 = 0.2155; gamma 3.841 and 1.179: 0.0097, 0.254.
  EXPECT_EQ(Count(r, ActivityCells("mst", "0.0097")), 1);
  EXPECT_EQ(Count(r, ActivityCells("fst", "0.25")), 1);
  EXPECT_EQ(Count(r, "Fe2O3    0.78"), 1);

  // Cordierite: h = 0.72156; Mg 1.5025, Fe2 0.4007, Mn 0.1002: x = 0.2105,
  // xMn = 0.0501, xMg = 0.7499, xFe = 0.2000. Ideal 0.5624(1 - h) = 0.1566,
  // 0.0400(1 - h) = 0.01114, 0.00251(1 - h) = 0.000698, 0.5624h = 0.4058;
  // gamma 1.0434, 2.1734, 1.7148, 1.0744.
  EXPECT_EQ(Count(r, ActivityCells("crd", "0.16")), 1);
  EXPECT_EQ(Count(r, ActivityCells("fcrd", "0.024")), 1);
  EXPECT_EQ(Count(r, ActivityCells("mncrd", "0.00120")), 1);
  EXPECT_EQ(Count(r, ActivityCells("hcrd", "0.44")), 1);
  EXPECT_EQ(Count(r, "  Water content: 0.72 from Ludrick & Hobbelt\n"), 1);

  // Scapolite: xCa = 3/4, xNa = 0.8/4: 0.75^4 = 0.3164, 9.48 * 0.4219 * 0.2 = 0.7999.
  EXPECT_EQ(Count(r, ActivityCells("me ", "0.32")), 1);
  EXPECT_EQ(Count(r, ActivityCells("miz", "0.80")), 1);

  // Dolomite: xCaA 1, xMg 0.6, xFe 0.3: 0.6 exp(360/RT) = 0.632,
  // 0.3 exp(1960/RT) = 0.3995.
  EXPECT_EQ(Count(r, ActivityCells("dol", "0.63")), 1);
  EXPECT_EQ(Count(r, ActivityCells("ank", "0.40")), 1);

  // Calcite: Ca 1.8 (0.8 over the Ca site): p = (0.9, 0.05, 0.03, 0.02);
  // gamma 1.0196, 17.945, 4.542, 6.760: 0.918, 0.897, 0.136, 0.135 (the
  // decimals from the ideal 0.9, 0.05, 0.03, 0.02).
  EXPECT_EQ(Count(r, ActivityCells("cc", "0.92")), 1);
  EXPECT_EQ(Count(r, ActivityCells("mag", "0.897")), 1);
  EXPECT_EQ(Count(r, ActivityCells("sid", "0.136")), 1);
  EXPECT_EQ(Count(r, ActivityCells("rhc", "0.135")), 1);

  // Chloritoid and staurolite are hydrous, scapolite and carbonate carry CO2.
  EXPECT_NE(out.pwz.find("\n  q H2O CO2\n"), std::string::npos);
  EXPECT_NE(out.pwz.find("\n me         0.32"), std::string::npos);
  // The two cation-total models show no oxygen basis.
  EXPECT_NE(out.table.find("   Oxygens\t      6.0\t     46.0\t     18.0\t      0.0\t      0.0\t"
                           "      0.0\n"),
            std::string::npos);
}

}  // namespace
}  // namespace velm
