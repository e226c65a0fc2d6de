// The report file: its two header lines and one block per analysis (formula,
// activities with standard deviations), written together with the
// analysis' line of the phasewise file.
#pragma once

#include <cstdint>

#include "calcdata.h"

namespace velm {

// The program line of every report.
inline constexpr const char* kReportTitle = "Velm 62 - activity-composition calculations";

// The two header lines: the program line, then P (kbar) and T (degrees
// Celsius, rounded half to even) of the run.
void WriteReportHeader(TextOut& f, double P, double TCelsius);

// One analysis: the block to f (after the empty line the driver writes) and
// the phasewise line to S.PwzFile. act holds the activities (ideal, without
// their coefficients) of slots 1..nEm. Sets WtSum.
void WriteAnalysisReport(RunState& S, const doublevec& wt, const doublevec& cat,
                         const doublevec& act, std::int32_t nRows, std::int32_t nEm, TextOut& f);

// The model-error standard deviation of a reported activity a: a relative
// error of the mean site fraction a^(1/n) of 15 % of (1 - y)^2, at least
// 2.5 %, carried to a through its power n (n = SiteMult).
void ModelErrorSd(const RunState& S, double a, double& sd);

// Decade steps that bring v (a copy, scaled in place) above 1: a value
// written with k + 1 decimals shows two significant digits.
void DecimalsFor(double& v, std::int32_t& k);

// The opening of a report block: four empty lines, the rule, an empty line.
void WriteBlockOpening(TextOut& f);

}  // namespace velm
