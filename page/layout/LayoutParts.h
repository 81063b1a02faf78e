#pragma once
// The steps of page layout, one file each: measuring and runs, line
// building with columns and boxes, and the link areas, gap fields and drag
// places of a finished line.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "page/layout/PageLayout.h"

namespace vyr {

class TFontMetrics;

// Coordinates stay within this range however large a page grows.
constexpr int64_t kMaxLayoutCoord = 1'000'000'000;
inline int32_t ClampCoord(int64_t v) {
  return static_cast<int32_t>(v < -kMaxLayoutCoord ? -kMaxLayoutCoord : v > kMaxLayoutCoord ? kMaxLayoutCoord : v);
}

// A word with text to show: neither empty nor a single blank.
inline bool IsFilled(std::string_view text) { return !text.empty() && text != " "; }

// One text measurement per element (two for a typing gap); sizes, ascent and
// descent of every element.
void MeasureElements(const TPageModel& model, TFontMetrics& metrics, TPageLayout& layout);
// The width of every run of words with no other element between them, on
// its first word.
void SumRuns(const TPageModel& model, TPageLayout& layout);

// Collects what the finished lines place: link areas, gap fields, drag places.
class TLineItems {
 public:
  TLineItems(TPageModel& model, TPageLayout& layout);
  // The elements [first, end) of a line just positioned.
  void PlaceLine(int32_t first, int32_t end);
  // Puts the fixed areas (boxes with a target, recorder buttons) first, with
  // the final box heights, then the element areas, into the link-name table.
  void Finish();

 private:
  int32_t NameIndex(const std::string& target);
  void PictureAreas(int32_t element, const TPageRect& picture);

  TPageModel& m_;
  TPageLayout& l_;
  std::vector<TLinkArea> areas_;
  std::vector<bool> gapPlaced_;
  std::vector<bool> dragPlaced_;
  std::unordered_map<std::string, int32_t> names_;  // built on first use by map areas
};

}  // namespace vyr
