#include <gtest/gtest.h>

#include <string>

#include "../runfile.h"

namespace velm {
namespace {

// An end-member cell of the report: name in 11, activity in 12.
std::string Cell(const std::string& name, const std::string& activity) {
  return std::string(11 - name.size(), ' ') + name +
         std::string(12 - activity.size(), ' ') + activity;
}

// spr_osm_pmp_pre.txt gives four analyses as cations at 6 kbar, 550 degC
// (RT = 8.3143 * 823 = 6842.67 J). Each activity cell is the coefficient
// times the ideal activity, with the decimals of the ideal activity.
TEST(RunFile, SapphirineOsumilitePumpellyitePrehnite) {
  auto out = test::RunFile(test::DataPath("spr_osm_pmp_pre.txt"));
  const std::string& r = out.report;

  // spr: Mg3 Fe1.2 Al7.8 Si2 on 19.9 oxygens; the estimate gives Fe3 0.2,
  // Fe2 1.0. x 0.25, SiT 1, AlT 0, y -0.2, f 0.2: ideal a(spr4) = 0.75^4 =
  // 0.3164, a(fspr) = 0.25^4 = 0.0039; p = (0.75, -0.2, 0.25, 0, 0.2) gives
  // RT ln gamma 1010 and 9130 J: 0.3164 * 1.1591 = 0.367, 0.0039 * 3.7971 =
  // 0.01483. a(spr5) has AlT 0: no activity.
  EXPECT_NE(r.find("\n  mixing terms from Sunnick & Mardle 2014, J Met Geol\n"),
            std::string::npos);
  EXPECT_NE(r.find(Cell("spr4", "0.37")), std::string::npos);
  EXPECT_NE(r.find(Cell("fspr", "0.0148")), std::string::npos);
  EXPECT_NE(r.find(Cell("spr5", "-")), std::string::npos);

  // osm: K0.8 Na0.2 Mg1.5 Fe0.5 Al4.6 Si10.3, 17.9 cations (no estimate).
  // Ideal 0.3142875, 0.0057375, 0.0349208; p = (0.45, 0.05, 0.25, 0) gives
  // RT ln gamma 488.9, 9155.6 and 1822.2 J: gamma 1.0741, 3.8114, 1.3051,
  // activities 0.3376, 0.02187, 0.0456.
  EXPECT_NE(r.find(Cell("osma", "0.34")), std::string::npos);
  EXPECT_NE(r.find(Cell("osmm", "0.0219")), std::string::npos);
  EXPECT_NE(r.find(Cell("osfa", "0.046")), std::string::npos);

  // pmp: Ca4 Mg0.6 Fe2_0.4 Fe3_0.5 Al4.5 Si6, ideal: AlM1 0.9, AlM2 3.6;
  // a(mapm) = 0.9 * 0.6 * 0.9^4 = 0.354, a(fapm) = 0.9 * 0.4 * 0.9^4 = 0.236.
  EXPECT_NE(r.find(Cell("mapm", "0.35")), std::string::npos);
  EXPECT_NE(r.find(Cell("fapm", "0.24")), std::string::npos);

  // pre: Ca2 Al1.7 Fe3_0.3 Si3, ideal: a(pre) 0.70, a(fpre) 0.30.
  EXPECT_NE(r.find(Cell("pre", "0.70")), std::string::npos);
  EXPECT_NE(r.find(Cell("fpre", "0.30")), std::string::npos);

  // None of the four models declares water or CO2 for the phasewise file.
  EXPECT_NE(out.pwz.find("\n  q\n% add your other end-members here\n*\n"), std::string::npos);
  EXPECT_NE(out.pwz.find("spr4        0.37"), std::string::npos);
  EXPECT_NE(out.pwz.find(" pre        0.70"), std::string::npos);
}

}  // namespace
}  // namespace velm
