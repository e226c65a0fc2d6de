#include "report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <sstream>
#include <vector>

#include "../testutil.h"
#include "calcdata.h"
#include "table.h"

namespace velm {
namespace {

using test::Lines;

class Report : public ::testing::Test {
 protected:
  void SetUp() override {
    S.TK = 823;
    InitTables(S);
    S.MinCode = 6;  // "g"
    S.SampleName = "grt-7";
    S.ModelText = "model line";
    S.FerricText = "ferric line";
    S.SiteMult = 2;
    S.CatSum = 8.0;
    wt[iSiO2] = 40.0;
    cat[iSi] = 1.0;
    S.CatVar[iSi] = 0.0001;
    S.Gamma.fill(1.0);
  }

  // Writes the block with nEm end-members; returns report and phasewise text.
  void Write(int nEm) {
    {
      S.OutFile.Create(dir / "o.txt");
      S.PwzFile.Create(dir / "p.txt");
      WriteAnalysisReport(S, wt, cat, act, 11, nEm, S.OutFile);
      S.OutFile.Close();
      S.PwzFile.Close();
    }
    report = Lines(test::ReadFile(dir / "o.txt"));
    pwz = test::ReadFile(dir / "p.txt");
  }

  // The activity part of row i: everything after the four formula cells.
  std::string ActivityCells(int row) const { return report[kFirstRow + row - 1].substr(29); }

  static constexpr int kFirstRow = 12;  // 4 empty, rule, empty, code, 2 texts, empty, head, empty
  test::TempDir dir;
  RunState S;
  doublevec wt{}, cat{}, act{};
  std::vector<std::string> report;
  std::string pwz;
};

TEST_F(Report, BlockLayout) {
  S.EmName[1] = "py";
  act[1] = 0.5;
  S.AVar[1] = 0.01 * 0.01;
  Write(1);
  ASSERT_EQ(report.size(), 25u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(report[i], "");
  EXPECT_EQ(report[4], std::string(80, '_'));
  EXPECT_EQ(report[5], "");
  EXPECT_EQ(report[6], "g grt-7");
  EXPECT_EQ(report[7], "  model line");
  EXPECT_EQ(report[8], "  ferric line");
  EXPECT_EQ(report[9], "");
  EXPECT_EQ(report[10],
            "oxide    wt % cations      sd               activity          sd     %");
  EXPECT_EQ(report[11], "");
  // 0.5 with SiteMult 2: y = 0.7071, floor 0.15 (1 - y)^2 = 0.0129 < 0.025,
  // so sd = 2 * 0.5 * 0.025 = 0.025, above the propagated 0.01. The sd takes
  // its decimals from 0.01, which three decade steps scale to exactly 1 and
  // a fourth above it: 4 decimals. The percentage is 100 * 0.025 / 0.5 = 5.
  EXPECT_EQ(report[12], " SiO2   40.00   1.000   0.010         py        0.50      0.0250     5");
  EXPECT_EQ(report[13], " TiO2    0.00   0.000   0.000");
  EXPECT_EQ(report[22], "  K2O    0.00   0.000   0.000");
  EXPECT_EQ(report[23], "");
  EXPECT_EQ(report[24], "totals  40.00   8.000");
  EXPECT_EQ(pwz, "  py        0.50      0.0250    \n");
}

TEST_F(Report, WarningLineOnlyWhenThereIsOne) {
  S.WarnText = "a warning";
  Write(0);
  EXPECT_EQ(report[9], "  a warning");
  EXPECT_EQ(report.size(), 26u);
  EXPECT_EQ(pwz, "\n");  // one (empty) phasewise line per analysis
}

TEST_F(Report, WorkedRowWithCoefficientAndModelErrorFloor) {
  S.EmName[1] = "alm";
  act[1] = 0.35;
  S.Gamma[1] = 1.2;
  S.AVar[1] = 0.0123 * 0.0123;
  Write(1);
  // Reported 1.2 * 0.35 = 0.42 with 2 decimals from 0.35; floor
  // 2 * 0.42 * 0.025 = 0.021 beats 0.0123 and gets 3 decimals from 0.0123;
  // 100 * 0.021 / 0.42 = 5.
  EXPECT_EQ(ActivityCells(1), "        alm        0.42       0.021     5");
  EXPECT_EQ(pwz, " alm        0.42       0.021    \n");
}

TEST_F(Report, ActivitiesThatCannotBePrinted) {
  const char* names[] = {"", "a", "b", "c", "d", "e"};
  for (int i = 1; i <= 5; ++i) S.EmName[i] = names[i];
  act[1] = 0.3, S.AVar[1] = 0.09;  // sd equal to the activity
  act[2] = 1.0, S.Gamma[2] = 1.02;  // reported activity above 1.01
  act[3] = std::nan("");
  act[4] = 1.0, S.AVar[4] = 0;  // exactly 1: printed with one decimal
  act[5] = 0.5, S.Gamma[5] = 0;  // coefficient underflowed: no percentage
  S.SiteMult = 1;
  Write(5);
  const std::string dashes = std::string(11, ' ') + "-" + std::string(11, ' ') + "-     -";
  EXPECT_EQ(ActivityCells(1), std::string(10, ' ') + "a" + dashes);
  EXPECT_EQ(ActivityCells(2), std::string(10, ' ') + "b" + dashes);
  EXPECT_EQ(ActivityCells(3), std::string(10, ' ') + "c" + dashes);
  // a = 1 gives y = 1 and a floor of 0.025 * 1 * 1 = 0.025.
  EXPECT_EQ(ActivityCells(4), "          d         1.0         0.0     2");
  EXPECT_EQ(ActivityCells(5), "          e        0.00         0.0     -");
  EXPECT_EQ(report[kFirstRow + 5], "  FeO    0.00   0.000   0.000");  // row 6 has no end-member
  EXPECT_EQ(pwz.find("   a"), std::string::npos);
}

TEST_F(Report, PercentageOfAnyIntegerWidthAndDashBeyondIt) {
  // Ideal activity 0.5 with sd 0.01 (two decimals and four), SiteMult 2.
  // The model-error floor of activities this small is far below 0.01, so
  // 100 sd is the double 1.0 in every row.
  const char* names[] = {"", "a", "b", "c", "d"};
  const double gammas[] = {0, 1e-16, 0x1p-62 * (1 + 0x1p-52), 0x1p-62, 1e-20};
  for (int i = 1; i <= 4; ++i) {
    S.EmName[i] = names[i];
    act[i] = 0.5;
    S.Gamma[i] = gammas[i];
    S.AVar[i] = 1e-4;
  }
  Write(4);
  // 1 / (0.5 * 1e-16): the double 1e-16 halved is 4.9999999999999998955e-17,
  // whose reciprocal 2.00000000000000004e16 rounds to 2e16.
  EXPECT_EQ(ActivityCells(1), "          a        0.00      0.010020000000000000000");
  // 1 / 2^-63 (1 + 2^-52) = 2^63 - 2^11 + 2^-41..., which extended precision
  // holds as 2^63 - 2048: the largest percentages still print whole, and
  // like every item wider than its field they run into the cell before.
  EXPECT_EQ(ActivityCells(2), "          b        0.00      0.01009223372036854773760");
  // 2^63 itself, and 2e20, have no 64-bit integer.
  EXPECT_EQ(ActivityCells(3), "          c        0.00      0.0100     -");
  EXPECT_EQ(ActivityCells(4), "          d        0.00      0.0100     -");
}

TEST(DecimalsFor, TwoSignificantDigitsBelowOne) {
  auto decimals = [](double v) {
    std::int32_t k = -1;
    DecimalsFor(v, k);
    return k + 1;
  };
  EXPECT_EQ(decimals(0.5), 2);
  EXPECT_EQ(decimals(0.1), 3);  // 0.1 * 10 is exactly 1, not above it
  EXPECT_EQ(decimals(0.05), 3);
  EXPECT_EQ(decimals(1.0), 1);
  EXPECT_EQ(decimals(2.5), 1);
  EXPECT_EQ(decimals(5e-8), 8);
  // The threshold is the extended 1e-8, which the double 1e-8 exceeds.
  EXPECT_EQ(decimals(1e-8), 8);
  EXPECT_EQ(decimals(9e-9), 1);
}

TEST(ReportHeader, PressureAndRoundedTemperature) {
  test::TempDir dir;
  TextOut f;
  f.Create(dir / "h.txt");
  WriteReportHeader(f, 6, 550);
  WriteReportHeader(f, 12.25, 550.5);
  WriteReportHeader(f, 6, 551.5);
  f.Close();
  EXPECT_EQ(test::ReadFile(dir / "h.txt"),
            "Velm 62 - activity-composition calculations\n"
            "Calculations for P = 6.0 kbar and T =  550 degC\n"
            "Velm 62 - activity-composition calculations\n"
            "Calculations for P = 12.2 kbar and T =  550 degC\n"
            "Velm 62 - activity-composition calculations\n"
            "Calculations for P = 6.0 kbar and T =  552 degC\n");
}

class Table : public ::testing::Test {
 protected:
  void SetUp() override {
    S.TK = 823;
    InitTables(S);
    S.TabCount = 0;
    S.EndOfInput = false;
    S.TabFile.Create(dir / "t.txt");
  }
  void Add(const std::string& sample, int minCode, double nOx) {
    S.SampleName = sample;
    S.MinCode = minCode;
    S.NOx = nOx;
    S.Wt[iSiO2] = 40.125;
    S.Cat[iSi] = 1.0;
    S.WtSum = 99.5;
    S.CatSum = 3.0;
    AddTabColumn(S);
  }
  std::vector<std::string> Finish() {
    S.EndOfInput = true;
    AddTabColumn(S);
    S.TabFile.Close();
    return Lines(test::ReadFile(dir / "t.txt"));
  }
  test::TempDir dir;
  RunState S;
};

TEST_F(Table, ThreeAnalysesMakeOneBlockAtTheEnd) {
  for (int i = 1; i <= 3; ++i) Add("s" + std::to_string(i), 12, 4);
  EXPECT_EQ(test::ReadFile(dir / "t.txt"), "");  // nothing before the end line
  auto t = Finish();
  ASSERT_EQ(t.size(), 37u);
  EXPECT_EQ(t[5], "    Sample\t       s1\t       s2\t       s3");
  EXPECT_EQ(t[6], "       Min\t       ol\t       ol\t       ol");
  EXPECT_EQ(t[7], "");
  EXPECT_EQ(t[8], "      SiO2\t    40.12\t    40.12\t    40.12");  // 40.125 is a tie
  EXPECT_EQ(t[20], "    Totals\t    99.50\t    99.50\t    99.50");
  EXPECT_EQ(t[22], "   Oxygens\t      4.0\t      4.0\t      4.0");
  EXPECT_EQ(t[24], "        Si\t    1.000\t    1.000\t    1.000");
  EXPECT_EQ(t[36], "       Sum\t    3.000\t    3.000\t    3.000");
}

TEST_F(Table, EightAnalysesThenALabelBlock) {
  for (int i = 1; i <= 8; ++i) Add("s", 12, 4);
  auto t = Finish();
  ASSERT_EQ(t.size(), 74u);
  EXPECT_EQ(std::count(t[5].begin(), t[5].end(), '\t'), 8);
  EXPECT_EQ(t[37 + 5], "    Sample");
  EXPECT_EQ(t[37 + 36], "       Sum");
}

TEST_F(Table, NineAnalysesAndNone) {
  for (int i = 1; i <= 9; ++i) Add("s", 12, 4);
  auto t = Finish();
  ASSERT_EQ(t.size(), 74u);
  EXPECT_EQ(t[37 + 5], "    Sample\t        s");
}

TEST_F(Table, LongLabelWidensItsCellAndCationTotalModelsShowZeroOxygens) {
  Add("a-long-sample-label", 11, 0);
  auto t = Finish();
  EXPECT_EQ(t[5], "    Sample\ta-long-sample-label");
  EXPECT_EQ(t[6], "       Min\t     scap");
  EXPECT_EQ(t[22], "   Oxygens\t      0.0");
}

TEST(TableEmpty, NoAnalysisGivesALabelBlock) {
  test::TempDir dir;
  RunState S;
  InitTables(S);
  S.TabFile.Create(dir / "t.txt");
  S.EndOfInput = true;
  AddTabColumn(S);
  S.TabFile.Close();
  auto t = Lines(test::ReadFile(dir / "t.txt"));
  ASSERT_EQ(t.size(), 37u);
  EXPECT_EQ(t[8], "      SiO2");
}

}  // namespace
}  // namespace velm
