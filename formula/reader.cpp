#include "reader.h"

namespace velm {

bool IsSeparator(char c) { return c == '\t' || c == ' ' || c == ','; }

void StripLeadingSeparators(std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && IsSeparator(s[i])) ++i;
  s.erase(0, i);
}

void StripTrailingSeparators(std::string& s) {
  std::size_t n = s.size();
  while (n > 0 && IsSeparator(s[n - 1])) --n;
  s.resize(n);
}

void StripSeparators(std::string& s) {
  StripLeadingSeparators(s);
  StripTrailingSeparators(s);
}

char FirstSeparator(const std::string& s) {
  for (char c : s)
    if (IsSeparator(c)) return c;
  return s.back();
}

void SplitWords(std::string line, stringvec& words, std::int32_t& n) {
  // Each word runs from a non-separator to the next separator; runs of
  // separators and separators at either end count for nothing. One pass
  // over the line, so a long line costs time in proportion to its length.
  n = 0;
  const std::size_t end = line.size();
  std::size_t at = 0;
  for (;;) {
    while (at < end && IsSeparator(line[at])) ++at;
    if (at == end) break;
    std::size_t stop = at;
    while (stop < end && !IsSeparator(line[stop])) ++stop;
    ++n;
    // A line of more than 25 words: the words beyond the 25th have no slot.
    if (n <= kSlots) words[n].assign(line, at, stop - at);
    at = stop;
  }
}

std::int32_t FindInList(std::string& s, stringvec& list) {
  StripSeparators(s);
  for (std::int32_t i = 1; i <= kSlots; ++i) {
    StripSeparators(list[i]);
    if (s == list[i]) return i;
  }
  return kSlots;
}

void ReadWords(TextIn& f, stringvec& words, std::int32_t& n) {
  SplitWords(f.ReadLine(), words, n);
}

}  // namespace velm
