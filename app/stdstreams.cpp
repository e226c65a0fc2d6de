#include "stdstreams.h"

#include <fcntl.h>
#include <unistd.h>

namespace velm {

void OpenClosedStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1) continue;
    // open() takes the lowest free descriptor; the ones below fd are open
    // by now, so that is fd itself.
    const int got = open("/dev/null", O_RDWR);
    if (got == fd) continue;
    // No /dev/null to be had: the descriptors stay as they are.
    if (got >= 0) close(got);
    return;
  }
}

}  // namespace velm
