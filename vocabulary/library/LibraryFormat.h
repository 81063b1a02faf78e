#pragma once
// The library file: Windows-1252 text, comment lines "// text" and entries
// of ten lines (word, two meanings, context 1, its tip flag, context 2, its
// tip flag, word class, German-first flag, difficulty). Lines end at CR, LF
// or CR LF when read; written lines all end with CR LF.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/library/Vokabel.h"

namespace vyr {

// Result of a read that failed (I/O error, malformed entry, file too big).
constexpr int kLoadFailed = -2;
// Larger library files are not read at all.
constexpr size_t kMaxLibraryFileSize = size_t(64) << 20;
constexpr int kLinesPerEntry = 10;

struct TLibraryText {
  int result = 0;  // the number of entries, or kLoadFailed
  std::vector<std::string> comments;
  std::vector<TVokabel> entries;
};

// Reads the bytes of a library file. On failure the result is kLoadFailed
// and the lists hold what came before the faulty entry.
TLibraryText ParseLibrary(std::string_view bytes);

// The bytes of a library file: all comments first, then the entries.
std::string RenderLibrary(const std::vector<std::string>& comments, std::span<const TVokabel> entries);

// Builds an entry from its ten trimmed lines; false when the word class or
// the difficulty is not a number in 0..255. The sample list takes the
// German-first flag as set only when it is exactly "-1".
bool EntryFromLines(const std::string_view (&lines)[kLinesPerEntry], bool sampleFlags, TVokabel& entry);

// An optional sign and decimal digits with a value in 0..255.
bool ParseByteNumber(std::string_view text, uint8_t& value);
// A flag line is set unless it is exactly "0".
bool ParseFlag(std::string_view text);

// Control bytes (below 32) become blanks, so no field can break a line.
std::string WithoutControlBytes(std::string_view text);
// Whether a word, written as line 1 of an entry, would read back as a comment.
bool ReadsAsComment(std::string_view word);

}  // namespace vyr
