#include "page/control/WordList.h"

namespace vyr {
namespace {

bool IsLeadingMark(char c) { return c == '(' || c == '[' || c == '"'; }
bool IsTrailingMark(char c) {
  switch (c) {
    case '.':
    case ',':
    case ';':
    case ':':
    case '!':
    case '?':
    case '"':
    case ')':
    case ']': return true;
    default: return false;
  }
}

std::string_view WithoutLeading(std::string_view s) {
  while (!s.empty() && IsLeadingMark(s.front())) s.remove_prefix(1);
  return s;
}

void DropTrailing(std::string& s) {
  while (!s.empty() && IsTrailingMark(s.back())) s.pop_back();
}

}  // namespace

void TWordList::Clear() {
  texts_.clear();
  rects_.clear();
  LastHit = {};
}

void TWordList::Add(std::string_view word, const TPageRect& rect, bool sameGroup) {
  if (word.empty() || word == " ") return;
  if (!rects_.empty()) {
    TWordRect& last = rects_.back();
    std::string& entry = texts_[static_cast<size_t>(last.Text)];
    if (last.Rect.Top == rect.Top && last.Rect.Bottom == rect.Bottom && last.Rect.Right == rect.Left) {
      // glued to the word before it: the same entry, the same rectangle grows
      entry += word;
      DropTrailing(entry);
      last.Rect.Right = rect.Right;
      return;
    }
    if (sameGroup) {
      entry += ' ';
      entry += word;
      DropTrailing(entry);
      rects_.push_back({last.Text, rect});
      return;
    }
  }
  std::string text(WithoutLeading(word));
  DropTrailing(text);
  if (text.empty()) return;
  texts_.push_back(std::move(text));
  rects_.push_back({static_cast<int32_t>(texts_.size() - 1), rect});
}

const std::string* TWordList::Find(int32_t x, int32_t y) {
  for (const TWordRect& r : rects_) {
    if (x < r.Rect.Left || x > r.Rect.Right || y < r.Rect.Top || y > r.Rect.Bottom) continue;
    LastHit = r.Rect;
    return &texts_[static_cast<size_t>(r.Text)];
  }
  return nullptr;
}

}  // namespace vyr
