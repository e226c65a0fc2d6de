#include "driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "../runfile.h"
#include "../testutil.h"

namespace velm {
namespace {

using test::Lines;
using test::Count;

using test::RunText;

const char* kHeader = "SiO2 TiO2 Al2O3 Cr2O3 Fe2O3 FeO MnO MgO CaO Na2O K2O\n";
const char* kForsterite = "40.8 0 0 0 0 9.5 0.14 49.2 0.05 0 0\n";

// The golden files were derived by olivine_reference.py, an independent
// re-derivation of the formula, model, derivatives and report layout; the
// first analysis was also worked by hand (Si 1.001, Mg 1.799, Fe 0.195 on 4
// oxygens; M1 Mg 0.9022, M2 Mg 0.8967 -> a(fo) 0.809, gamma 1.0112 -> 0.82).
// The input has its columns out of slot order, a twelfth column, a comma in
// the header, a negative TiO2, values spread over lines with an empty line
// among them, extra words on a code line, a code line without a label and an
// analysis given as cations.
TEST(RunFile, OlivineGoldenFiles) {
  auto out = test::RunFile(test::DataPath("olivine.txt"));
  EXPECT_EQ(out.report, test::ReadFile(test::DataPath("olivine_expected_o.txt")));
  EXPECT_EQ(out.table, test::ReadFile(test::DataPath("olivine_expected_tab.txt")));
  EXPECT_EQ(out.pwz, test::ReadFile(test::DataPath("olivine_expected_pwz.txt")));
}

TEST(RunFile, LineEndsDoNotMatter) {
  std::string text = std::string(kHeader) + "ol a\n" + kForsterite + "*\n";
  auto lf = RunText(text);
  std::string cr = text, crlf;
  std::replace(cr.begin(), cr.end(), '\n', '\r');
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(RunText(cr).report, lf.report);
  EXPECT_EQ(RunText(crlf).report, lf.report);
}

TEST(RunFile, EightAndNineAnalysesInTheTable) {
  std::string eight = kHeader;
  for (int i = 0; i < 8; ++i) eight += "ol s\n" + std::string(kForsterite);
  auto out8 = RunText(eight + "*\n");
  auto t8 = Lines(out8.table);
  ASSERT_EQ(t8.size(), 74u);
  EXPECT_EQ(t8[37 + 5], "    Sample");  // the end line writes a label block
  EXPECT_EQ(Lines(out8.pwz).size(), 8u + 4u);

  auto out9 = RunText(eight + "ol last\n" + kForsterite + "*\n");
  auto t9 = Lines(out9.table);
  ASSERT_EQ(t9.size(), 74u);
  EXPECT_EQ(t9[37 + 5], "    Sample\t     last");
}

TEST(RunFile, UnknownCodeIsReportedAndSkipped) {
  auto out = RunText(std::string(kHeader) + "xyz odd 1\n" + kForsterite + "ol b\n" +
                     kForsterite + "*\n");
  EXPECT_NE(out.report.find("\n\n\n\n\n" + std::string(80, '_') + "\n\nxyz odd\n" +
                            kNoModelText + "\n"),
            std::string::npos);
  EXPECT_EQ(Count(out.report, "ol b\n"), 1);
  EXPECT_EQ(Count(out.pwz, "  fo "), 1);
  EXPECT_EQ(Lines(out.table)[5], "    Sample\t        b");
}

TEST(RunFile, NegativeValuesAndNegativeZeroAreTakenAsZero) {
  auto out = RunText(std::string(kHeader) + "ol a\n40.8 -0 0 0 0 9.5 0.14 49.2 -0.05 0 0\n*\n");
  EXPECT_NE(out.report.find(" TiO2    0.00   0.000"), std::string::npos);
  EXPECT_NE(out.report.find("  CaO    0.00   0.000"), std::string::npos);
  EXPECT_EQ(out.report.find("-0.00"), std::string::npos);
}

TEST(RunFile, ZeroAnalysisGivesNan) {
  auto out = RunText(std::string(kHeader) + "ol zero\n0 0 0 0 0 0 0 0 0 0 0\n*\n");
  // NaN cations are not differentiated: their deviation stays 0.
  EXPECT_NE(out.report.find(" SiO2     Nan     Nan   0.000"), std::string::npos);
  EXPECT_NE(out.report.find("totals    Nan     Nan"), std::string::npos);
  EXPECT_NE(out.report.find("         fo           -           -     -"), std::string::npos);
}

TEST(RunFile, UnnamedOxidesDoNotCarryAnEstimateToTheNextAnalysis) {
  // No Fe2O3 column: both analyses get the same estimate. Were the first
  // one's Fe2O3 kept, the second would get none.
  const char* header = "SiO2 TiO2 Al2O3 Cr2O3 FeO MnO MgO CaO Na2O K2O\n";
  const char* fa = "34.5 0 0 0 37.0 0.4 27.5 0.1 0 0\n";
  auto out = RunText(std::string(header) + "ol a\n" + fa + "ol b\n" + fa + "*\n");
  EXPECT_EQ(Count(out.report, "Fe2O3    2.06   0.044"), 2);
}

TEST(RunFile, MissingEndLineEndsWithInvalidInput) {
  test::TempDir dir;
  test::WriteFile(dir / "in.txt", std::string(kHeader) + "ol a\n" + kForsterite);
  RunState S;
  try {
    CalculateFile(S, dir / "in.txt", dir / "out", 6, 550);
    FAIL() << "the run ended without an error";
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "Invalid input");
  }
  // What was written stays written, and the files are closed.
  EXPECT_FALSE(S.OutFile.IsOpen());
  EXPECT_FALSE(S.InFile.IsOpen());
  EXPECT_NE(test::ReadFile(dir / "out_o.txt").find("ol a\n"), std::string::npos);
  EXPECT_EQ(test::ReadFile(dir / "out_pwz.txt").substr(0, 46),
            "% phasewise file (requires editing before use)");
}

TEST(RunFile, AWordWhereANumberIsDue) {
  EXPECT_THROW(RunText(std::string(kHeader) + "ol a\n40.8 0 0 0 0 9,5 0 49 0 0 0\n*\n"),
               InOutError);
}

TEST(RunFile, EmptyFileEndsWithoutError) {
  auto out = RunText("");
  EXPECT_EQ(Lines(out.report).size(), 2u);
  EXPECT_EQ(out.pwz,
            "% phasewise file (requires editing before use)\n  q\n"
            "% add your other end-members here\n*\n");
  EXPECT_EQ(Lines(out.table).size(), 37u);
}

TEST(RunFile, HeaderOfMoreThanTwentyFiveColumnsIsRefused) {
  std::string header;
  for (int i = 0; i < 26; ++i) header += "c" + std::to_string(i) + " ";
  try {
    RunText(header + "\nol a\n1 2 3\n*\n");
    FAIL();
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), kHeaderTooLong);
  }
}

TEST(RunFile, MissingInputIsNamed) {
  test::TempDir dir;
  RunState S;
  try {
    CalculateFile(S, dir / "absent.txt", dir / "out", 6, 550);
    FAIL();
  } catch (const InOutError& e) {
    EXPECT_EQ(std::string(e.what()), "File not found: " + (dir / "absent.txt"));
  }
}

}  // namespace
}  // namespace velm
