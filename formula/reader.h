// Words of the analysis file: a word is a run of characters other than TAB,
// blank and comma; runs of separators count as one and separators at either
// end of a line are ignored.
#pragma once

#include <cstdint>
#include <string>

#include "calcdata.h"

namespace velm {

bool IsSeparator(char c);

void StripLeadingSeparators(std::string& s);
void StripTrailingSeparators(std::string& s);
void StripSeparators(std::string& s);

// The first separator of a non-empty s; its last character when it has none.
char FirstSeparator(const std::string& s);

// Splits line into words[1..n]. Slots above n keep what an earlier line put
// there. n counts every word of the line; only the first 25 are stored.
void SplitWords(std::string line, stringvec& words, std::int32_t& n);

// Position 1..25 of s in list, 25 when absent. Strips s and, in place, the
// entries of list up to the matching one (all 25 when none matches).
std::int32_t FindInList(std::string& s, stringvec& list);

// Reads one line of f and splits it; at the end of the file n is 0 and the
// words are left as they were.
void ReadWords(TextIn& f, stringvec& words, std::int32_t& n);

}  // namespace velm
