#pragma once
// Reads the attribute text of a tag left to right. Keywords are compared
// without regard to case (they are ASCII); characters 1..32 before an item are
// skipped. A malformed value leaves the cursor where the fault was found, so
// the next keyword is normally not recognised and the tag's reading ends.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace vyr {

class TAttributeCursor {
 public:
  explicit TAttributeCursor(std::string_view text) : s_(text) {}

  void SkipBlanks();
  bool AtEnd();
  // Keyword loop: the index of the first keyword (in list order) that the text
  // ahead begins with, consumed; -1 when none matches.
  int Next(std::initializer_list<std::string_view> keywords);
  // Fixed order: the keyword directly ahead, consumed.
  bool Take(std::string_view keyword);
  // Search: the keyword anywhere ahead; the cursor moves past it.
  bool Search(std::string_view keyword);

  // "=" and the text up to the next blank, one leading and one trailing
  // double quote removed. Without "=": the rest after the next blank.
  std::string_view Bare();
  // "=", a double quote, the value, a double quote; empty on any fault.
  std::string_view Quoted();
  // A bare decimal integer clamped to min..max; not a number gives def.
  int32_t Integer(int32_t min, int32_t max, int32_t def);
  // A bare decimal integer clamped to min..max; nullopt when not a number.
  std::optional<int32_t> IntegerOrNone(int32_t min, int32_t max);

  std::string_view Rest() const { return s_.substr(pos_); }
  size_t Position() const { return pos_; }

 private:
  std::string_view s_;
  size_t pos_ = 0;
};

// A value without one leading and one trailing double quote.
std::string_view StripOneQuote(std::string_view v);
// A decimal integer with an optional sign that fits 32 bits, nothing else.
std::optional<int32_t> ParseInteger(std::string_view s);
int32_t ClampInt(int64_t v, int32_t min, int32_t max);

}  // namespace vyr
