// Whole-file tests: an analysis file run through the calculation as the Run
// button does, with the three output files read back.
#pragma once

#include <string>

#include "driver.h"
#include "numfmt.h"
#include "testutil.h"

namespace velm::test {

struct RunOutputs {
  std::string report, table, pwz;
};

inline std::string DataPath(const std::string& name) {
  return std::string(VELM_TEST_DATA) + "/" + name;
}

// The end-member's name and activity cells of a report row.
inline std::string ActivityCells(const std::string& name, const std::string& activity) {
  return Pad(name, 11) + Pad(activity, 12);
}

// Runs the input file at P kbar and T degC into a temporary folder.
inline RunOutputs RunFile(const std::string& inputPath, double P = 6, double T = 550) {
  TempDir dir;
  RunState S;
  CalculateFile(S, inputPath, dir / "out", P, T);
  return {ReadFile(dir / "out_o.txt"), ReadFile(dir / "out_tab.txt"),
          ReadFile(dir / "out_pwz.txt")};
}

// Runs analysis text given in the test itself.
inline RunOutputs RunText(const std::string& text, double P = 6, double T = 550) {
  TempDir dir;
  WriteFile(dir / "in.txt", text);
  return RunFile(dir / "in.txt", P, T);
}

}  // namespace velm::test
