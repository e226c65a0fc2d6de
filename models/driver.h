// The run driver: one analysis file becomes the report, table and phasewise
// files.
#pragma once

#include <string>

#include "calcdata.h"

namespace velm {

// Reads S.InFile (header line, analyses, end line "*") and writes every
// analysis to S.OutFile, S.TabFile and S.PwzFile; closes the four files.
// Before the call the files are open, the report's header lines written,
// P is in kbar and TK in kelvin. Any failure closes the four files (what
// was written stays written) and is passed on as an exception.
void RunCalculation(RunState& S);

// A whole run as the Run button makes it: opens the analysis file and
// creates base + "_o.txt", base + "_tab.txt" and base + "_pwz.txt", writes
// the report's header lines, sets P (kbar) and TK (TCelsius + 273 K) and
// runs the calculation. Files opened before a failure are closed again.
void CalculateFile(RunState& S, const std::string& inPath, const std::string& base, double P,
                   double TCelsius);

// The report line of an analysis whose code has no model.
inline constexpr const char* kNoModelText = "  no model for this mineral code: analysis skipped";

// The error of a header line that has more value columns than a list holds.
inline constexpr const char* kHeaderTooLong = "the header line has more than 25 columns";

}  // namespace velm
