// Analysis files as they arrive from spreadsheets, hand edits and full
// disks: each either gives the result the file format defines or is refused
// with a message that says what is wrong, and the run never creates or
// changes a file other than its three outputs.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "../runfile.h"
#include "../testutil.h"
#include "driver.h"

namespace velm {
namespace {

const std::string kHeader = "SiO2 TiO2 Al2O3 Cr2O3 Fe2O3 FeO MnO MgO CaO Na2O K2O\n";
const std::string kOlivine = "40.8 0 0 0 0 9.5 0.14 49.2 0.05 0 0\n";

struct BadInput {
  const char* name;
  std::string bytes;
  // Empty: the run ends normally and `seen` must stand in the report.
  // Otherwise: the run is refused with this text, and `seen` in its detail.
  std::string error;
  std::string seen;
};

std::ostream& operator<<(std::ostream& os, const BadInput& c) { return os << c.name; }

class BadInputs : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputs, GiveTheDefinedResultOrSayWhatIsWrong) {
  const BadInput& c = GetParam();
  test::TempDir dir;
  const std::string in = dir / "in.txt";
  test::WriteFile(in, c.bytes);
  RunState S;
  std::string error, detail;
  try {
    CalculateFile(S, in, dir / "out", 6, 550);
  } catch (const InOutError& e) {
    error = e.what();
    detail = e.detail();
  }
  EXPECT_EQ(error, c.error);
  if (c.error.empty())
    EXPECT_NE(test::ReadFile(dir / "out_o.txt").find(c.seen), std::string::npos);
  else
    EXPECT_NE(detail.find(c.seen), std::string::npos) << detail;

  // Nothing but the three outputs beside the untouched input.
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    files.insert(entry.path().filename().string());
  EXPECT_EQ(files, (std::set<std::string>{"in.txt", "out_o.txt", "out_tab.txt", "out_pwz.txt"}));
  EXPECT_EQ(test::ReadFile(in), c.bytes);
  EXPECT_FALSE(S.OutFile.IsOpen());
  EXPECT_FALSE(S.InFile.IsOpen());
}

std::string ManyWords(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i) s += "w" + std::to_string(i) + " ";
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadInputs,
    ::testing::Values(
        BadInput{"Empty", "", "", "degC\n"},
        BadInput{"HeaderOnly", kHeader, "Invalid input", "the file ends where a number is due"},
        BadInput{"BinaryGarbage", std::string("\x7f" "ELF\x02\x01\x00\x00\xff\xfe\n\x01\x02", 13),
                 // One header word, an unknown code, then no value where one is due.
                 "Invalid input", "line 2: the file ends where a number is due"},
        BadInput{"CrOnlyLineEnds",
                 "SiO2 TiO2 Al2O3 Cr2O3 Fe2O3 FeO MnO MgO CaO Na2O K2O\rol a\r" +
                     std::string("40.8 0 0 0 0 9.5 0.14 49.2 0.05 0 0\r*\r"),
                 "", "totals  99.69   2.999"},
        BadInput{"CrLfLineEnds",
                 "SiO2 TiO2 Al2O3 Cr2O3 Fe2O3 FeO MnO MgO CaO Na2O K2O\r\nol a\r\n" +
                     std::string("40.8 0 0 0 0 9.5 0.14 49.2 0.05 0 0\r\n*\r\n"),
                 "", "totals  99.69   2.999"},
        BadInput{"WordForNumber", kHeader + "ol a\n40.8 0 0 0 0 abc 0.14 49.2 0.05 0 0\n*\n",
                 "Invalid input", "line 3: \"abc\" is not a number"},
        BadInput{"DecimalComma", kHeader + "ol a\n40,8 0 0 0 0 9.5 0.14 49.2 0.05 0 0\n*\n",
                 "Invalid input", "\"40,8\" is not a number"},
        BadInput{"BeyondDouble", kHeader + "ol a\n1e400 0 0 0 0 9.5 0.14 49.2 0.05 0 0\n*\n",
                 "Invalid input", "\"1e400\" is out of range"},
        // 1e308 wt% SiO2: two Si on four oxygens; its variance overflows, and
        // the deviation is written as NaN, not as a number.
        BadInput{"Huge", kHeader + "ol a\n1e308 0 0 0 0 0 0 0 0 0 0\n*\n", "", ".00   2.000     Nan"},
        BadInput{"NegativeZero", kHeader + "ol a\n40.8 -0 0 0 0 9.5 0.14 49.2 0.05 0 0\n*\n", "",
                 " TiO2    0.00   0.000"},
        BadInput{"Subnormal", kHeader + "ol a\n40.8 1e-320 0 0 0 9.5 0.14 49.2 0.05 0 0\n*\n", "",
                 " TiO2    0.00   0.000"},
        BadInput{"HeaderOfTwentySixColumns", ManyWords(26) + "\nol a\n1\n*\n",
                 kHeaderTooLong, ""},
        BadInput{"CodeLineOfThirtyWords", kHeader + "ol " + ManyWords(29) + "\n" + kOlivine + "*\n",
                 "", "ol w1\n"},
        BadInput{"MissingEndLine", kHeader + "ol a\n" + kOlivine, "Invalid input",
                 "(is the end line \"*\" missing?)"},
        // A label as long as a line may be, and one character more.
        BadInput{"LongestLine", kHeader + "ol " + std::string(kMaxLineLength - 3, 'x') + "\n" +
                                    kOlivine + "*\n",
                 "", "\nol xxxxxxxx"},
        BadInput{"TooLongLine", kHeader + "ol " + std::string(kMaxLineLength - 2, 'x') + "\n" +
                                    kOlivine + "*\n",
                 "Invalid input", "line 2: the line is longer than 1048576 characters"},
        BadInput{"EmptyLineForCodeLine", kHeader + "ol a\n" + kOlivine + "\nol b\n" + kOlivine,
                 "Invalid input", "\"ol\" is not a number"}),
    [](const auto& info) { return std::string(info.param.name); });

// Two analysis files that must give the same three output files.
void ExpectSameRun(const std::string& text, const std::string& same) {
  const test::RunOutputs expected = test::RunText(text), got = test::RunText(same);
  EXPECT_EQ(got.report, expected.report);
  EXPECT_EQ(got.table, expected.table);
  EXPECT_EQ(got.pwz, expected.pwz);
}

TEST(BadFiles, AValueBelowTheDoubleRangeIsZero) {
  const std::string zero = kHeader + "ol a\n" + kOlivine + "*\n";
  std::string tiny = zero;
  ExpectSameRun(zero, tiny.replace(tiny.find("40.8 0"), 6, "40.8 1e-400"));
}

TEST(BadFiles, AUtf8ByteOrderMarkIsSkipped) {
  const std::string plain = test::ReadFile(test::DataPath("olivine.txt"));
  ExpectSameRun(plain, "\xEF\xBB\xBF" + plain);
}

TEST(BadFiles, Utf16TextIsRefusedBeforeAnyOutput) {
  // "SiO2" in UTF-16, little- and big-endian, each after its byte-order mark.
  for (const std::string& bytes : {std::string("\xFF\xFES\0i\0O\0" "2\0", 10),
                                  std::string("\xFE\xFF\0S\0i\0O\0" "2", 10)}) {
    test::TempDir dir;
    test::WriteFile(dir / "in.txt", bytes);
    RunState S;
    try {
      CalculateFile(S, dir / "in.txt", dir / "out", 6, 550);
      ADD_FAILURE() << "UTF-16 text was read";
    } catch (const InOutError& e) {
      EXPECT_STREQ(e.what(), "The file is UTF-16 text: save it as plain text (UTF-8)");
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "out_o.txt"));
    EXPECT_FALSE(S.InFile.IsOpen());
  }
}

TEST(BadFiles, AFileWithoutLineEndsEndsAtTheLineLimit) {
  // /dev/zero picked by mistake: one endless line of NUL bytes.
  test::TempDir dir;
  RunState S;
  try {
    CalculateFile(S, "/dev/zero", dir / "out", 6, 550);
    FAIL();
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "Invalid input");
    EXPECT_EQ(e.detail(), "line 1: the line is longer than 1048576 characters");
  }
}

TEST(BadFiles, AFolderAsInput) {
  test::TempDir dir;
  RunState S;
  try {
    CalculateFile(S, dir.path().string(), dir / "out", 6, 550);
    FAIL();
  } catch (const InOutError& e) {
    EXPECT_EQ(std::string(e.what()), "Is a folder, not a file: " + dir.path().string());
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "out_o.txt"));
}

TEST(BadFiles, AnOutputFolderThatDoesNotExist) {
  test::TempDir dir;
  test::WriteFile(dir / "in.txt", kHeader + "ol a\n" + kOlivine + "*\n");
  RunState S;
  try {
    CalculateFile(S, dir / "in.txt", dir / "gone/out", 6, 550);
    FAIL();
  } catch (const InOutError& e) {
    EXPECT_EQ(std::string(e.what()), "Folder not found, cannot create " + (dir / "gone/out_o.txt"));
  }
  EXPECT_FALSE(S.InFile.IsOpen());
}

}  // namespace
}  // namespace velm
