#pragma once
// The result of laying a page out as JSON (UTF-8), for the page tool and for
// tests: the text width, the page height and scroll range, every element
// with its kind, text, sizes and position, the lines, the link areas with
// their names and rectangles, the gap fields, the drag places and the boxes
// as laid out. Fields appear in a fixed order.
#include <string>

namespace vyr {

struct TPageModel;
struct TPageLayout;

std::string LayoutToJson(const TPageModel& model, const TPageLayout& layout);

}  // namespace vyr
