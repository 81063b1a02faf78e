#pragma once
// The pieces of drawing a page (PageDraw.cpp runs them in order): the state
// one drawing pass shares, and one function per stage.
#include <QImage>
#include <QRect>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "page/draw/Blend.h"
#include "page/draw/PageDraw.h"

namespace vyr {

struct TPageModel;
struct TPageLayout;
struct TXText;
class TQtFontMetrics;

struct TDrawPass {
  TDrawPass(const TPageModel& model, const TPageLayout& layout, TQtFontMetrics& metrics, QImage& buffer,
            TPageDrawResult& result)
      : m(model), l(layout), metrics(metrics), buffer(buffer), out(result) {}

  const TPageModel& m;
  const TPageLayout& l;
  TQtFontMetrics& metrics;
  QImage& buffer;
  TPageDrawResult& out;
  // Background, boxes and pictures go here: the work bitmap on pages that
  // blend, else the buffer itself.
  QImage* target = nullptr;
  // The flashing link area laid over each element, -1 where there is none.
  std::vector<int32_t> flashing;

  // Prepared once per pass: rounded masks and scaled pictures, by size.
  std::map<std::tuple<int, int, int>, std::optional<TCoverage>> masks;
  std::map<std::tuple<int32_t, int, int>, QImage> scaled;
  const TCoverage* Mask(int width, int height, int radius);
  // Whether an area is small enough for prepared bitmaps: no larger than
  // the buffer (a picture scaled far beyond the page gets no mouse-over look).
  bool Preparable(const QRect& rect) const {
    return !rect.isEmpty() && rect.intersects(buffer.rect()) &&
           static_cast<int64_t>(rect.width()) * rect.height() <= static_cast<int64_t>(buffer.width()) * buffer.height();
  }
  const QImage& Scaled(int32_t picture, QSize size);
};

// A colour value of the page with the page-colour markers resolved
// (0x00BBGGRR; palette entries stay palette entries).
int32_t ResolvedColor(const TPageModel& m, int32_t colour, bool link);
// The text and background colours of a word. A background that holds a
// page-colour marker (what <INV> makes of the default colours) is resolved
// too, and its text then takes the page background so the inversion shows.
std::pair<int32_t, int32_t> TextColors(const TPageModel& m, const TXText& element);

void DrawBackground(TDrawPass& p);
void DrawBoxes(TDrawPass& p, bool onTop);
void DrawPictures(TDrawPass& p);
void DrawTexts(TDrawPass& p);
void DrawBoxButtons(TDrawPass& p);

}  // namespace vyr
