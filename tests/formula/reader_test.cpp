#include "reader.h"

#include <gtest/gtest.h>

#include <limits>

#include "../testutil.h"
#include "calcdata.h"
#include "textfile.h"

namespace velm {
namespace {

std::int32_t Split(const std::string& line, stringvec& w) {
  std::int32_t n = -1;
  SplitWords(line, w, n);
  return n;
}

TEST(SplitWords, MixedSeparatorsCountAsOne) {
  stringvec w{};
  EXPECT_EQ(Split("SiO2,TiO2 Al2O3\tCr2O3", w), 4);
  EXPECT_EQ(w[1], "SiO2");
  EXPECT_EQ(w[2], "TiO2");
  EXPECT_EQ(w[3], "Al2O3");
  EXPECT_EQ(w[4], "Cr2O3");

  EXPECT_EQ(Split(",, g ,  sample 7 ,", w), 3);
  EXPECT_EQ(w[1], "g");
  EXPECT_EQ(w[2], "sample");
  EXPECT_EQ(w[3], "7");

  EXPECT_EQ(Split("a,,b", w), 2);
  EXPECT_EQ(w[1], "a");
  EXPECT_EQ(w[2], "b");
  EXPECT_EQ(Split("a , b", w), 2);
  EXPECT_EQ(w[2], "b");
}

TEST(SplitWords, OtherCharactersBelongToTheWord) {
  stringvec w{};
  EXPECT_EQ(Split("grt;rim a/b", w), 2);
  EXPECT_EQ(w[1], "grt;rim");
  EXPECT_EQ(w[2], "a/b");
}

TEST(SplitWords, EmptyLineAndShortLineLeaveOlderSlots) {
  stringvec w{};
  EXPECT_EQ(Split("one two three four five", w), 5);
  EXPECT_EQ(Split(" \t,, ", w), 0);
  EXPECT_EQ(Split("", w), 0);
  EXPECT_EQ(w[1], "one");
  EXPECT_EQ(Split("six seven", w), 2);
  EXPECT_EQ(w[1], "six");
  EXPECT_EQ(w[2], "seven");
  EXPECT_EQ(w[3], "three");
  EXPECT_EQ(w[5], "five");
}

TEST(SplitWords, WordsBeyondTheTwentyFifthAreCountedButNotStored) {
  stringvec w{};
  std::string line;
  for (int i = 1; i <= 30; ++i) line += "w" + std::to_string(i) + " ";
  EXPECT_EQ(Split(line, w), 30);
  EXPECT_EQ(w[25], "w25");
  EXPECT_EQ(w[0], "");  // nothing spills into the unused slot
}

TEST(FindInList, StripsTheEntriesItPassesAndInitTablesRestoresThem) {
  RunState S;
  InitTables(S);
  std::string feo = "FeO";
  EXPECT_EQ(FindInList(feo, S.OxName), 6);
  const char* stripped[] = {"SiO2", "TiO2", "Al2O3", "Cr2O3", "Fe2O3", "FeO"};
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(S.OxName[i], stripped[i - 1]) << i;
  EXPECT_EQ(S.OxName[7], "  MnO");  // not reached by the search
  EXPECT_EQ(S.OxName[11], "  K2O");

  InitTables(S);
  EXPECT_EQ(S.OxName[1], " SiO2");
  EXPECT_EQ(S.OxName[6], "  FeO");
}

TEST(FindInList, ExactMatchAndAbsentWords) {
  RunState S;
  InitTables(S);
  std::string lower = "feo";
  EXPECT_EQ(FindInList(lower, S.OxName), 25);
  EXPECT_EQ(S.OxName[11], "K2O");  // a failed search strips every entry

  std::string scap = " scap,";
  EXPECT_EQ(FindInList(scap, S.MinCodeList), 11);
  EXPECT_EQ(scap, "scap");

  std::string empty;
  EXPECT_EQ(FindInList(empty, S.MinCodeList), 24);
  std::string empty2;
  EXPECT_EQ(FindInList(empty2, S.OxName), 12);
}

TEST(ReadWords, AllThreeLineEndsAndEndOfFile) {
  test::TempDir dir;
  test::WriteFile(dir / "in.txt", "a b\r\nc\rd,e\nlast");
  TextIn f;
  f.Open(dir / "in.txt");
  stringvec w{};
  std::int32_t n = 0;
  ReadWords(f, w, n);
  EXPECT_EQ(n, 2);
  ReadWords(f, w, n);
  EXPECT_EQ(n, 1);
  EXPECT_EQ(w[1], "c");
  ReadWords(f, w, n);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(w[2], "e");
  ReadWords(f, w, n);
  EXPECT_EQ(n, 1);
  EXPECT_EQ(w[1], "last");
  ReadWords(f, w, n);  // end of file: no error, words untouched
  EXPECT_EQ(n, 0);
  EXPECT_EQ(w[1], "last");
}

TEST(TextIn, RealsAcrossLinesAndInvalidInput) {
  test::TempDir dir;
  test::WriteFile(dir / "in.txt", "  40.5\t-0.01\r\n\r\n 1e2 .5 rest of line\n7,5\n");
  TextIn f;
  f.Open(dir / "in.txt");
  EXPECT_EQ(f.ReadReal(), 40.5);
  EXPECT_EQ(f.ReadReal(), -0.01);
  EXPECT_EQ(f.ReadReal(), 100.0);
  EXPECT_EQ(f.ReadReal(), 0.5);
  f.SkipLine();
  // A decimal comma is not a number.
  try {
    f.ReadReal();
    FAIL() << "7,5 was read as a number";
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "Invalid input");
  }
  EXPECT_THROW(f.ReadReal(), InOutError);  // past the end of the file
}

TEST(TextIn, InvalidInputSaysWhereAndWhat) {
  test::TempDir dir;
  test::WriteFile(dir / "in.txt", "head\r\n1 2\r3\n\n  4 x\x01y\n5");
  TextIn f;
  f.Open(dir / "in.txt");
  f.ReadLine();
  for (int i = 0; i < 4; ++i) f.ReadReal();
  try {
    f.ReadReal();
    FAIL();
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "Invalid input");
    EXPECT_EQ(e.detail(), "line 5: \"x?y\" is not a number");
  }
  f.SkipLine();
  EXPECT_EQ(f.ReadReal(), 5.0);
  try {
    f.ReadReal();
    FAIL();
  } catch (const InOutError& e) {
    EXPECT_EQ(e.detail(),
              "line 6: the file ends where a number is due (is the end line \"*\" missing?)");
  }
}

TEST(ConvertDecimal, BelowTheDoubleRangeIsANumberBeyondItIsNot) {
  double v = -1;
  EXPECT_EQ(ConvertDecimal("1e-400", v), DecimalResult::Ok);
  EXPECT_EQ(v, 0.0);
  EXPECT_EQ(ConvertDecimal("-1e-400", v), DecimalResult::Ok);
  EXPECT_EQ(v, 0.0);
  // 1e-320 / 2^-1074 = 2024.02: the nearest subnormal is 2024 * 2^-1074.
  EXPECT_EQ(ConvertDecimal("1e-320", v), DecimalResult::Ok);
  EXPECT_EQ(v, 2024 * std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(ConvertDecimal("1e400", v), DecimalResult::OutOfRange);
  EXPECT_EQ(ConvertDecimal("-1e400", v), DecimalResult::OutOfRange);
}

TEST(TextIn, MissingFileIsReportedByName) {
  TextIn f;
  try {
    f.Open("/nonexistent-folder/x.txt");
    FAIL();
  } catch (const InOutError& e) {
    EXPECT_EQ(std::string(e.what()), "File not found: /nonexistent-folder/x.txt");
  }
}

}  // namespace
}  // namespace velm
