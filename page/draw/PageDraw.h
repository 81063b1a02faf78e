#pragma once
// page/draw: drawing a laid-out page (text, boxes, pictures, blending, box
// shapes, the tile animation) and rendering a page offscreen. Qt Gui only.
//
// Drawing a laid-out page into its buffer: once after every layout; the
// screen then only copies from the buffer.
//
// The order: background colour and tiled background picture, the boxes that
// are not on top, the tile animation, the pictures, the boxes on top (all of
// it on a 24-bit work bitmap copied onto the buffer when the page blends),
// then text and check boxes element by element, then the box buttons.
//
// What the page control needs afterwards comes back in `TPageDrawResult`:
// the prepared on/off bitmaps of every flashing link area (index-aligned with
// `model.LinkNames.Areas`, so hovering swaps bitmaps instead of redrawing),
// the word list with the drawn words' rectangles, the pictures of the typing
// gaps, where each picture was drawn, and the page's show action.
#include <QImage>
#include <QRect>
#include <cstdint>
#include <string>
#include <vector>

#include "page/model/PageTables.h"

namespace vyr {

struct TPageModel;
struct TPageLayout;
class TQtFontMetrics;
class TLomoAnimation;

// The two looks of a flashing link area, each as large as the area's
// rectangle (`model.LinkNames.Areas[i].Rect`, page coordinates). Both null
// for an area that does not flash (or lies outside the buffer).
struct TAreaBitmaps {
  QImage On;   // under the mouse
  QImage Off;  // normal
  bool IsSet() const { return !On.isNull() && !Off.isNull(); }
};

// One entry of the word list: the drawn words (and the ALT texts of
// pictures) with their rectangles in page coordinates. `NewEntry` is false
// for a word that continues the phrase (<W>) of the word before it.
struct TDrawnWord {
  std::string Text;  // Windows-1252
  TPageRect Rect;
  bool NewEntry = true;
  int32_t Element = -1;
};

// The picture of a typing gap: the solution as drawn on the page, one pixel
// taller than its word; the page itself shows the empty gap.
struct TGapPicture {
  int32_t Task = -1;     // index in the typing task list
  int32_t Element = -1;  // the gap's word
  QRect Rect;            // where it was taken from (page coordinates)
  QImage Picture;
};

struct TPageDrawResult {
  std::vector<TAreaBitmaps> AreaBitmaps;  // one per entry of model.LinkNames.Areas
  std::vector<TDrawnWord> Words;
  std::vector<TGapPicture> GapPictures;
  std::vector<QRect> PicturePlaces;  // one per entry of model.Pictures: where it was last drawn (null = not drawn)
  // <BODY ONSHOW>: a target ending in ".mp3" is followed as a link (it plays
  // the sound); any other text is a command for the owner. Run it after the
  // page is shown.
  std::string ShowAction;
  bool ShowActionIsLink = false;
  bool UsedWorkBitmap = false;
  int AnimationTiles = 0;  // tiles of the tile animation filled
};

// The buffer is as wide as the control and as tall as the larger of the
// client height and the content height + 16, but holds at most this many
// pixels (192 MB): the rest of a page taller than that stays undrawn.
constexpr int64_t kMaxBufferPixels = 64'000'000;
QImage MakePageBuffer(const TPageModel& model, const TPageLayout& layout);

// Draws the whole page into `buffer` (made by MakePageBuffer). With
// `animation` the page's tile animation is set up in it, filled once and its
// timer started on `buffer` (the caller keeps the buffer in place while it
// runs and repaints the tiles it reports); without it the tiles are filled
// once and nothing runs.
void DrawPage(const TPageModel& model, const TPageLayout& layout, TQtFontMetrics& metrics, QImage& buffer,
              TPageDrawResult* result = nullptr, TLomoAnimation* animation = nullptr);

// A colour value of the page (0x00BBGGRR, or the page text / link colour markers).
QColor PageColor(const TPageModel& model, int32_t colour, bool link = false);

}  // namespace vyr
