#pragma once
// page/layout: font metrics, measuring, lines, link areas and their names,
// the link check and the layout as JSON. No widgets.
//
// Page layout: measures every element of a read page, breaks the flow into
// lines inside the text columns, aligns and justifies them, places tab stops,
// pictures, check boxes, typing gaps and drag places, sizes the boxes that
// grow with their text, builds the link areas and works out the height of
// the page for the scroll bar.
//
// The layout keeps its own copy of what it adds to the elements (sizes,
// positions, the alignment it may change, the trailing blank it drops); the
// page's element list itself is never changed. What layout changes in the
// model: the link areas of the link-name table (rebuilt every time, names
// stay; map areas may add their targets as names) and the height of boxes
// without a fixed height.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "page/model/PageTables.h"

namespace vyr {

struct TPageModel;
struct TXText;
class TFontMetrics;

// The layout's part of one element.
struct TLayoutElement {
  int32_t Width = 0;           // advance width
  int32_t Height = 0;          // cell height
  int32_t Ascent = 0;          // above the baseline
  int32_t Descent = 0;         // below the baseline
  int32_t RunWidth = 0;        // first word of a run of words: the run's width; 0 elsewhere
  int32_t X = 0;               // left edge, page coordinates
  int32_t BaseY = 0;           // baseline, page coordinates
  uint8_t Align = 0;           // the element's alignment as laid out (block may become left at a line end)
  bool KeepsBaseline = false;  // starts a line on the baseline of the line before
  bool TextDropped = false;    // the trailing blank of a line: not drawn
};

struct TLayoutLine {
  int32_t First = 0;  // index of the line's first element
  int32_t Count = 0;
  int32_t BaseY = 0;
  int32_t Ascent = 0, Descent = 0, Height = 0;  // the line's largest values
};

// Where a typing gap's field stands (over its word).
struct TGapField {
  int32_t Task = -1;     // index in the typing task list
  int32_t Element = -1;  // the word the field covers
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
};

// A drag word: the place its block is dropped on.
struct TDragPlace {
  int32_t Item = -1;  // drag item n (task index 255 + n)
  int32_t Element = -1;
  TPageRect Rect;
  std::string Text;
};

struct TScrollBar {
  bool Visible = false;
  int32_t Max = 0;  // range 0 .. Max
  int32_t SmallStep = 5;
  int32_t PageStep = 0;
};

// The width of the vertical scroll bar, and the room kept free beside the text.
constexpr int32_t kScrollBarWidth = 16;

struct TPageLayout {
  std::vector<TLayoutElement> Elements;  // one per page element, in the same order
  std::vector<TLayoutLine> Lines;        // in order; Lines[i].First is the line start list
  int32_t TextWidth = 0;                 // client width - 16 (scroll bar) - 16
  int32_t ContentHeight = 16;            // at least 16
  int32_t ScrollPos = 0;
  TScrollBar ScrollBar;
  std::vector<TGapField> GapFields;    // one per typing gap that has a word
  std::vector<TDragPlace> DragPlaces;  // one per drag item that has a word, in page order
  int32_t DragBlockHeight = 0;         // the height of the first place; 0 = no place

  // The element's text as laid out: a trailing blank of a line is empty.
  std::string_view Text(const TPageModel& model, size_t element) const;
};

// Lays the page out at the model's client size (ClientWidth x ClientHeight).
// Keeps `layout.ScrollPos` where the new scroll range allows it.
void LayoutPage(TPageModel& model, TFontMetrics& metrics, TPageLayout& layout);

// Sets the scroll position (clamped to the range) and shows the scroll bar,
// even when the page would not need it.
void SetScrollPosition(TPageLayout& layout, int32_t clientHeight, int32_t position);

// A tab value of the format (101..109 tenths, other positive values percent,
// negative values pixels, 0 none) as pixels from the column's left edge.
int32_t TabPosition(int32_t tab, int32_t columnWidth);

// The width of an element's text column: -1 is the page's text width; any
// other negative width reaches the right edge of the text area.
int32_t ColumnWidthOf(const TXText& element, int32_t textWidth);

// Where a picture element is drawn: at the column's left edge ("L"),
// centred in the column ("C"), at its right edge ("R"), else at its X.
int32_t PictureLeft(const TXText& element, const TLayoutElement& laid, int32_t columnWidth);

}  // namespace vyr
