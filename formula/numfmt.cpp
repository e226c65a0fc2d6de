#include "numfmt.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace velm {

std::string Pad(std::string_view s, int w) {
  std::string out;
  if (w > 0 && s.size() < static_cast<std::size_t>(w)) out.assign(w - s.size(), ' ');
  out.append(s);
  return out;
}

std::string FmtReal(long double x, int w, int d) {
  if (std::isnan(x)) return Pad("Nan", w);
  if (std::isinf(x)) return Pad(x > 0 ? "+Inf" : "-Inf", w);
  if (d < 0) d = 0;
  // The largest long double has 4933 integer digits.
  char buf[5000 + 64];
  // A value that is a double is converted as one (the exact same digits,
  // without the slower conversion of the wider type).
  const double asDouble = static_cast<double>(x);
  auto r = static_cast<long double>(asDouble) == x
               ? std::to_chars(buf, buf + sizeof buf, asDouble, std::chars_format::fixed, d)
               : std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, d);
  if (r.ec != std::errc{}) return Pad("Nan", w);
  return Pad(std::string_view(buf, r.ptr - buf), w);
}

std::string FmtInt(std::int64_t n, int w) { return Pad(std::to_string(n), w); }

std::int64_t RoundHalfEven(long double x) {
  // nearbyint rounds in the current rounding mode, which is to nearest,
  // halves to even, for the whole process.
  return static_cast<std::int64_t>(std::nearbyint(x));
}

}  // namespace velm
