// Fuzz target: arbitrary bytes as an analysis file, run through the whole
// calculation with the outputs in a temporary folder. A run may end with an
// input-output error (that is its way of refusing a file); anything else —
// a crash, a sanitizer report, a hang — is a fault.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "driver.h"

namespace {

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto p = std::filesystem::temp_directory_path() / ("velm-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(p);
    return p;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string in = (Folder() / "in.txt").string();
  if (std::FILE* f = std::fopen(in.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  } else {
    return 0;
  }
  velm::RunState S;
  try {
    velm::CalculateFile(S, in, (Folder() / "out").string(), 6, 550);
  } catch (const velm::InOutError&) {
  }
  return 0;
}
