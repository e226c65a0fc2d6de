// Test harness: runs one analysis file through the calculation exactly as
// the Run button does, without the window.
//   run_file P T input outbase
// P in kbar, T in degrees Celsius; writes outbase_o.txt, outbase_tab.txt and
// outbase_pwz.txt.
#include <cstdio>
#include <exception>
#include <string>

#include "driver.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: run_file P T input outbase\n");
    return 2;
  }
  try {
    velm::RunState S;
    velm::CalculateFile(S, argv[3], argv[4], std::stod(argv[1]), std::stod(argv[2]));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "run_file: %s\n", e.what());
    return 1;
  }
  return 0;
}
