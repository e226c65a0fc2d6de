#include "paths.h"

#include <gtest/gtest.h>

namespace velm {
namespace {

TEST(OutputBase, DeletesFourCharactersFromTheLastDotOfTheFileName) {
  const struct {
    const char* path;
    const char* base;
  } cases[] = {
      {"/data/analyses.txt", "/data/analyses"},
      {"analyses.txt", "analyses"},
      // Several dots: only the extension goes, so the names keep apart.
      {"/data/grt.1.txt", "/data/grt.1"},
      {"/data/grt.2.txt", "/data/grt.2"},
      {"/data/2024.05.grt.txt", "/data/2024.05.grt"},
      // No dot in the file's own name, whatever the folders hold.
      {"/data/analyses", "/data/analyses"},
      {"analyses", "analyses"},
      {"/data/run.2024/analyses", "/data/run.2024/analyses"},
      {"/data/run.2024/analyses.txt", "/data/run.2024/analyses"},
      // A short extension ends the deletion at the end of the name; a long
      // one loses four characters only.
      {"/data/a.tx", "/data/a"},
      {"/data/a.", "/data/a"},
      {"/data/a.text", "/data/at"},
      {"/data/a.b.text", "/data/a.bt"},
  };
  for (const auto& c : cases) EXPECT_EQ(OutputBase(c.path), c.base) << c.path;
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
