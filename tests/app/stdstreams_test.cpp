#include "stdstreams.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <initializer_list>

namespace velm {
namespace {

// Closes the given standard descriptors in a child and repairs them. The
// child exits with 0 when each of 0, 1 and 2 that was closed is now
// /dev/null and each other one still holds its own file, else with 1 + fd.
int RepairInChild(std::initializer_list<int> toClose) {
  const pid_t pid = fork();
  if (pid == 0) {
    struct stat null {}, st {}, want[3] {};
    stat("/dev/null", &null);
    for (int fd = 0; fd <= 2; ++fd)
      if (fstat(fd, &want[fd]) != 0) want[fd] = null;
    for (int fd : toClose) {
      close(fd);
      want[fd] = null;
    }
    OpenClosedStandardStreams();
    for (int fd = 0; fd <= 2; ++fd)
      if (fstat(fd, &st) != 0 || st.st_dev != want[fd].st_dev || st.st_ino != want[fd].st_ino)
        _exit(1 + fd);
    _exit(0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(StandardStreams, ClosedOnesGetDevNullAndOpenOnesStay) {
  EXPECT_EQ(RepairInChild({1}), 0);
  EXPECT_EQ(RepairInChild({0, 2}), 0);
  EXPECT_EQ(RepairInChild({0, 1, 2}), 0);
}

}  // namespace
}  // namespace velm
