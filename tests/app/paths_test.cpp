#include "paths.h"

#include <gtest/gtest.h>

namespace velm {
namespace {

TEST(OutputBase, DropsTheExtensionOfTheFileName) {
  EXPECT_EQ(OutputBase("/data/analyses.txt"), "/data/analyses");
}

TEST(OutputBase, LeavesADotInAFolderNameAlone) {
  EXPECT_EQ(OutputBase("/data/run.2024/analyses.txt"), "/data/run.2024/analyses");
  EXPECT_EQ(OutputBase("/data/run.2024/analyses"), "/data/run.2024/analyses");
}

TEST(OutputBase, KeepsANameWithoutADot) {
  EXPECT_EQ(OutputBase("/data/analyses"), "/data/analyses");
  EXPECT_EQ(OutputBase("analyses"), "analyses");
}

TEST(OutputBase, DeletesFourCharactersFromTheFirstDot) {
  // Short extensions end the deletion at the end of the name; longer or
  // repeated ones lose four characters only.
  EXPECT_EQ(OutputBase("/data/a.tx"), "/data/a");
  EXPECT_EQ(OutputBase("/data/a."), "/data/a");
  EXPECT_EQ(OutputBase("/data/a.text"), "/data/at");
  EXPECT_EQ(OutputBase("/data/a.b.txt"), "/data/axt");
}

TEST(StartDirFor, AnOrdinaryFolderGetsItsSlash) {
  EXPECT_EQ(StartDirFor("/opt/velm/bin"), "/opt/velm/bin/");
  EXPECT_EQ(StartDirFor("/opt/velm/bin/"), "/opt/velm/bin/");
  EXPECT_EQ(StartDirFor("/"), "/");
}

TEST(StartDirFor, ABundleStartsBesideTheBundle) {
  EXPECT_EQ(StartDirFor("/Users/ann/Velm62.app/Contents/MacOS"), "/Users/ann/");
  // Bundle names of any length, with blanks and dots.
  EXPECT_EQ(StartDirFor("/Applications/Velm 2.1 beta.app/Contents/MacOS"), "/Applications/");
  EXPECT_EQ(StartDirFor("/V.app/Contents/MacOS/"), "/");
}

TEST(StartDirFor, OnlyABundleFolderCounts) {
  EXPECT_EQ(StartDirFor("/data/Contents/MacOS"), "/data/Contents/MacOS/");
  EXPECT_EQ(StartDirFor("/data/Velm.app/Contents"), "/data/Velm.app/Contents/");
}

}  // namespace
}  // namespace velm
