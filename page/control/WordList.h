#pragma once
// The words of the page as the right-click look-up sees them: entries of
// text, each with one or more rectangles (page coordinates), filled from the
// words drawing reports. Words of one
// <W> group form one entry ("in front of"); a word glued to the one before
// it on the line continues that entry without a blank.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "page/model/PageTables.h"

namespace vyr {

struct TWordRect {
  int32_t Text = -1;  // index of the entry
  TPageRect Rect;
};

class TWordList {
 public:
  void Clear();
  // Adds a drawn word; sameGroup = it belongs to the <W> group of the word
  // added before. A blank starts no entry.
  void Add(std::string_view word, const TPageRect& rect, bool sameGroup);
  // The entry of the first rectangle holding the point (edges included), or
  // nullptr; the rectangle is remembered as LastHit.
  const std::string* Find(int32_t x, int32_t y);

  const std::vector<std::string>& Texts() const { return texts_; }
  const std::vector<TWordRect>& Rects() const { return rects_; }
  TPageRect LastHit;

 private:
  std::vector<std::string> texts_;
  std::vector<TWordRect> rects_;
};

}  // namespace vyr
