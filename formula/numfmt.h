// Number output of the report, table and phasewise files: every item right-
// aligned in a field of a minimum width (a longer item widens the field),
// reals in fixed-point notation with a given number of decimals, infinities
// as "+Inf" / "-Inf" and NaN as "Nan".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velm {

// s right-aligned in width w; a longer s is returned whole.
std::string Pad(std::string_view s, int w);

// x in fixed point with d decimals, right-aligned in w. The conversion is
// that of the exact binary value, correctly rounded (24.25 to one decimal is
// "24.2"), and does not depend on the process's locale.
std::string FmtReal(long double x, int w, int d);

// An integer right-aligned in w.
std::string FmtInt(std::int64_t n, int w);

// x rounded to the nearest integer, halves to even. x must be finite.
std::int64_t RoundHalfEven(long double x);

}  // namespace velm
