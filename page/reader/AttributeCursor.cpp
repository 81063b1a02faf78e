#include "page/reader/AttributeCursor.h"

#include "text/Case.h"

namespace vyr {
namespace {

bool IsBlank(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

}  // namespace

std::string_view StripOneQuote(std::string_view v) {
  if (!v.empty() && v.front() == '"') v.remove_prefix(1);
  if (!v.empty() && v.back() == '"') v.remove_suffix(1);
  return v;
}

std::optional<int32_t> ParseInteger(std::string_view s) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  if (i == s.size()) return std::nullopt;
  int64_t v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return std::nullopt;
    v = v * 10 + (s[i] - '0');
    if (v > int64_t(INT32_MAX) + 1) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > INT32_MAX || v < INT32_MIN) return std::nullopt;
  return static_cast<int32_t>(v);
}

int32_t ClampInt(int64_t v, int32_t min, int32_t max) {
  return static_cast<int32_t>(v < min ? min : (v > max ? max : v));
}

void TAttributeCursor::SkipBlanks() {
  while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
}

bool TAttributeCursor::AtEnd() {
  SkipBlanks();
  return pos_ >= s_.size();
}

int TAttributeCursor::Next(std::initializer_list<std::string_view> keywords) {
  SkipBlanks();
  int index = 0;
  for (std::string_view k : keywords) {
    if (StartsWithText(s_.substr(pos_), k)) {
      pos_ += k.size();
      return index;
    }
    ++index;
  }
  return -1;
}

bool TAttributeCursor::Take(std::string_view keyword) {
  SkipBlanks();
  if (!StartsWithText(s_.substr(pos_), keyword)) return false;
  pos_ += keyword.size();
  return true;
}

bool TAttributeCursor::Search(std::string_view keyword) {
  const size_t at = FindText(s_, keyword, pos_);
  if (at == std::string_view::npos) return false;
  pos_ = at + keyword.size();
  return true;
}

std::string_view TAttributeCursor::Bare() {
  SkipBlanks();
  if (pos_ < s_.size() && s_[pos_] == '=') {
    const size_t start = ++pos_;
    while (pos_ < s_.size() && !IsBlank(s_[pos_])) ++pos_;
    return StripOneQuote(s_.substr(start, pos_ - start));
  }
  // No "=": what follows the next blank, which is rarely a valid value.
  size_t b = pos_;
  while (b < s_.size() && !IsBlank(s_[b])) ++b;
  const std::string_view rest = b < s_.size() ? s_.substr(b + 1) : std::string_view();
  pos_ = s_.size();
  return StripOneQuote(rest);
}

std::string_view TAttributeCursor::Quoted() {
  SkipBlanks();
  if (pos_ >= s_.size() || s_[pos_] != '=') return {};
  ++pos_;
  if (pos_ >= s_.size() || s_[pos_] != '"') return {};
  const size_t start = ++pos_;
  const size_t close = s_.find('"', start);
  if (close == std::string_view::npos) {
    pos_ = s_.size();
    return {};
  }
  pos_ = close + 1;
  return s_.substr(start, close - start);
}

std::optional<int32_t> TAttributeCursor::IntegerOrNone(int32_t min, int32_t max) {
  const auto v = ParseInteger(Bare());
  if (!v) return std::nullopt;
  return ClampInt(*v, min, max);
}

int32_t TAttributeCursor::Integer(int32_t min, int32_t max, int32_t def) {
  return IntegerOrNone(min, max).value_or(def);
}

}  // namespace vyr
