#pragma once
// Case mapping, case-free comparison and the one collation, all over
// Windows-1252 bytes and independent of the machine's locale, so that sorting
// and binary search always agree.
#include <string>
#include <string_view>

namespace vyr {

char UpperChar(char c);  // "ä" -> "Ä", "ÿ" -> "Ÿ"; "ß" and "µ" stay as they are
char LowerChar(char c);
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);

// Comparison ignoring case: <0, 0, >0 by the upper-cased bytes.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
bool StartsWithText(std::string_view s, std::string_view prefix);  // ignoring case
// Where `what` first stands in `s` at or after `from`, ignoring case; npos
// when it does not.
size_t FindText(std::string_view s, std::string_view what, size_t from = 0);

// The collation for sorting and binary search: letters with accents and
// umlauts sort with their base letter ("ä" with "a", "ß" as "ss"), case is
// ignored first; ties are broken by accent, then case, then the bytes, so the
// order is total and deterministic.
int CollateCompare(std::string_view a, std::string_view b);
// The same collation without the case tie-break: 0 exactly for texts that
// are equal ignoring case (SameText), otherwise by base letters, accents,
// then the upper-cased bytes. The order of every case-free list (sorting,
// binary search, insertion, the cursor of a list dialog).
int CollateCompareNoCase(std::string_view a, std::string_view b);
// Whether s begins with prefix by base letters alone (case and accents
// aside): the texts that do form one unbroken stretch of a list sorted by
// either collation, so a prefix search scans from the prefix's sorted place
// while this holds.
bool CollateStartsWith(std::string_view s, std::string_view prefix);
struct CollateLess {
  bool operator()(std::string_view a, std::string_view b) const { return CollateCompare(a, b) < 0; }
};

}  // namespace vyr
