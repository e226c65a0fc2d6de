// The example file a new user is pointed to: one realistic analysis of each
// of the 23 mineral groups, run at 6 kbar and 550 degC.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "../runfile.h"

namespace velm {
namespace {

using test::Lines;

TEST(ExampleRun, EveryGroupGetsItsBlockColumnAndPhasewiseLine) {
  const auto out = test::RunFile(std::string(VELM_SOURCE_DIR) + "/examples/analyses.txt");
  const auto report = Lines(out.report);

  // 23 blocks, each opened by the rule and followed by its code line; each
  // code line is followed by a model line that is not empty.
  const char* codes[] = {"mu",  "bi",   "amph", "fsp", "ep",    "g",   "cpx", "opx",
                         "chl", "ta",   "scap", "ol",  "ctd",   "cd",  "st",  "sp",
                         "carb", "ilhem", "spr", "osm", "stp", "pmp", "pre"};
  int blocks = 0;
  for (std::size_t i = 0; i + 3 < report.size(); ++i) {
    if (report[i] != std::string(80, '_')) continue;
    ASSERT_LT(blocks, 23);
    const std::string code = report[i + 2].substr(0, report[i + 2].find(' '));
    EXPECT_EQ(code, codes[blocks]);
    EXPECT_GT(report[i + 3].size(), 4u) << code;
    EXPECT_EQ(report[i + 3].substr(0, 2), "  ") << code;
    ++blocks;
  }
  EXPECT_EQ(blocks, 23);
  EXPECT_EQ(out.report.find("no model for this mineral code"), std::string::npos);
  EXPECT_EQ(out.report.find("Nan"), std::string::npos);

  // The table: blocks of 8, 8 and 7 analyses.
  const auto table = Lines(out.table);
  ASSERT_EQ(table.size(), 3u * 37u);
  for (int b = 0; b < 3; ++b) {
    const std::string& sample = table[b * 37 + 5];
    EXPECT_EQ(std::count(sample.begin(), sample.end(), '\t'), b < 2 ? 8 : 7);
  }

  // The phasewise file: head line, one line per analysis, hydrous and
  // carbonate-bearing models named in the fluid line.
  const auto pwz = Lines(out.pwz);
  ASSERT_EQ(pwz.size(), 1u + 23u + 3u);
  EXPECT_EQ(pwz[24], "  q H2O CO2");
  EXPECT_EQ(pwz[26], "*");
}

}  // namespace
}  // namespace velm
