#include <gtest/gtest.h>

#include <string>

#include "../runfile.h"

namespace velm {
namespace {

// The report cells of one end-member: its name in 11 and its activity in 12.
std::string Cells(const std::string& name, const std::string& activity) {
  return std::string(11 - name.size(), ' ') + name + std::string(12 - activity.size(), ' ') +
         activity;
}

// Four analyses given as cations per formula unit, at 6 kbar and 550 degC
// (RT = 8.3143 * 823 = 6842.67 J). Each printed activity is gamma times the
// ideal activity, with the decimals of two significant digits of the ideal
// activity; gamma from the asymmetric sums over the proportions p.
TEST(RunFile, GarnetAndPyroxeneActivities) {
  auto out = test::RunFile(test::DataPath("garnet_pyroxenes.txt"));
  const std::string& r = out.report;

  // g: X Mg 1.2, Fe 1.2, Ca 0.45, Mn 0.15; Y Al 2. xMg = xFe = 0.4,
  // xCa = 0.15, xMn = 0.05; p = (0.4, 0.15, 0.4, 0, 0.05).
  EXPECT_NE(r.find(Cells("py", "0.114")), std::string::npos);     // 0.064 * exp(3977.78/RT)
  EXPECT_NE(r.find(Cells("gr", "0.0157")), std::string::npos);    // 0.003375 * exp(10519.06/RT)
  EXPECT_NE(r.find(Cells("alm", "0.059")), std::string::npos);    // 0.064 * exp(-557.59/RT)
  EXPECT_NE(r.find(Cells("spss", "0.00011")), std::string::npos); // 0.000125 * exp(-1031.37/RT)
  EXPECT_NE(r.find(Cells("kho", "-")), std::string::npos);        // no Fe3 on Y

  // cpx, Na 0.3: site mixing (xSiT 0.95, xAlT 0.05, xAlM1 0.3, xMgM1 0.45,
  // xFeM1 0.15; p = (0.45, 0.15, 0.1, 0.2, 0.1, 0)).
  EXPECT_NE(r.find(Cells("di", "0.54")), std::string::npos);    // 0.30702 * exp(3812.83/RT)
  EXPECT_NE(r.find(Cells("hed", "0.19")), std::string::npos);   // 0.10234 * exp(4285.27/RT)
  EXPECT_NE(r.find(Cells("cats", "0.19")), std::string::npos);  // 0.13865 * exp(2217.19/RT)
  EXPECT_NE(r.find(Cells("jd", "0.377")), std::string::npos);   // 0.08772 * exp(9968.28/RT)
  EXPECT_NE(r.find(Cells("acm", "0.111")), std::string::npos);  // 0.02924 * exp(9117.88/RT)

  // cpx, Na 0.5: ordered, ideal: min(xMgM1 0.38, Ca 0.5), min(xFeM1 0.12,
  // Ca 0.5), min(xAlM1 0.47, Na 0.5), Fe3 0.03; cats without a value.
  EXPECT_NE(r.find("  Assumed P2/n ordered pyroxene: ideal coupled mixing\n"), std::string::npos);
  EXPECT_NE(r.find(Cells("di", "0.38")), std::string::npos);
  EXPECT_NE(r.find(Cells("hed", "0.12")), std::string::npos);
  EXPECT_NE(r.find(Cells("cats", "-")), std::string::npos);
  EXPECT_NE(r.find(Cells("jd", "0.47")), std::string::npos);
  EXPECT_NE(r.find(Cells("acm", "0.030")), std::string::npos);

  // opx: xSiT 0.95, xAlT 0.05, xAlM1 0.05, xMgM1 1.305/1.85, xFeM1 0.36/1.85,
  // xMgM2 1.3775/1.85, xFeM2 0.38/1.85; p = (0.6946, 0.2054, 0.05, 0.05, 0, 0).
  EXPECT_NE(r.find(Cells("en", "0.54")), std::string::npos);     // 0.51194 * exp(358.83/RT)
  EXPECT_NE(r.find(Cells("fs", "0.042")), std::string::npos);    // 0.03896 * exp(548.76/RT)
  EXPECT_NE(r.find(Cells("mgts", "0.121")), std::string::npos);  // 0.02458 * exp(10882.98/RT)

  EXPECT_NE(out.pwz.find("  q\n"), std::string::npos);  // no fluid end-members
}

}  // namespace
}  // namespace velm
