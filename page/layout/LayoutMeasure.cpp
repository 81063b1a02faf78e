// Measuring the elements of a page and summing the runs of words.
#include <algorithm>
#include <cmath>

#include "page/layout/FontMetrics.h"
#include "page/layout/LayoutParts.h"
#include "page/model/PageModel.h"

namespace vyr {
namespace {

// A picture size scaled by a percentage, rounded to the nearest pixel
// (halves to even).
int32_t Scaled(int32_t size, int32_t percent) {
  const double v = std::nearbyint(static_cast<double>(size) * std::max(0, percent) / 100.0);
  return ClampCoord(static_cast<int64_t>(v));
}

bool StartsLine(TElementKind k) { return k == ekLineBreak || k == ekParagraph || k == ekBox; }

void MeasurePicture(const TPageModel& m, const tHTML_format& f, TLayoutElement& e) {
  if (f.PicIndex < 0 || static_cast<size_t>(f.PicIndex) >= m.Pictures.size()) return;
  const QImage& picture = m.Pictures[static_cast<size_t>(f.PicIndex)].Picture;
  e.Width = Scaled(picture.width(), f.PicScale);
  e.Height = Scaled(picture.height(), f.PicScale);
  if (f.PicBase != 0) e.Ascent = f.PicBase;
  else if (f.PicAlign == 4) e.Ascent = e.Height / 2;      // middle
  else if (f.PicAlign == 6) e.Ascent = e.Height * 2 / 3;  // two thirds
  else e.Ascent = e.Height;
  e.Descent = ClampCoord(static_cast<int64_t>(e.Height) - e.Ascent);
}

}  // namespace

void MeasureElements(const TPageModel& m, TFontMetrics& metrics, TPageLayout& l) {
  // Neighbouring elements nearly always share their font: look it up once.
  bool haveFont = false;
  TFontKey lastKey;
  TFontMetrics::TFontId font = 0;
  TFontInfo info;

  for (size_t i = 0; i < m.Elements.size(); ++i) {
    const TXText& x = m.Elements[i];
    const tHTML_format& f = x.Format;
    TLayoutElement& e = l.Elements[i];
    e.Align = f.Align;
    switch (x.Kind) {
      case ekCheckBox:
        e.Width = ClampCoord(static_cast<int64_t>(std::max(0, f.CheckSize)) + std::max(0, f.CheckGap));
        e.Height = e.Ascent = std::max(0, f.CheckSize);
        break;
      case ekPicture: MeasurePicture(m, f, e); break;
      case ekWord:
      case ekSpace: {
        if (x.Kind == ekSpace && i > 0 && StartsLine(m.Elements[i - 1].Kind)) {
          // A blank written before a break ends up after it; the line does
          // not begin with it.
          e.TextDropped = true;
          break;
        }
        const TFontKey key = TFontKey::Of(f);
        if (!haveFont || !(key == lastKey)) {
          font = metrics.Font(key);
          info = metrics.Info(font);
          lastKey = key;
          haveFont = true;
        }
        e.Height = info.Height;
        e.Ascent = info.Ascent;
        e.Descent = info.Descent;
        if (f.Pre) {
          e.Width = metrics.TextWidth(font, x.Text, 0);
        } else if (f.TaskIndex >= 0 && f.TaskIndex < kDragTaskBase && IsFilled(x.Text)) {
          // A typing gap: room for typing beyond its place holder.
          const int64_t room = static_cast<int64_t>(metrics.TextWidth(font, x.Text, f.Tracking)) +
                               metrics.TextWidth(font, "abc", f.Tracking);
          e.Width = ClampCoord(room + room / 10 + 8);
        } else if (f.TaskIndex >= kDragTaskBase && IsFilled(x.Text)) {
          // A drag word is as wide as the blocks dropped on it.
          e.Width = std::max(0, m.DragAufgaben.BlockWidth);
        } else {
          e.Width = metrics.TextWidth(font, x.Text, f.Tracking);
        }
        break;
      }
      case ekLineBreak:
      case ekParagraph:
      case ekBox: break;
    }
  }
}

void SumRuns(const TPageModel& m, TPageLayout& l) {
  const size_t n = m.Elements.size();
  for (size_t i = 0; i < n;) {
    if (m.Elements[i].Kind != ekWord) {
      ++i;
      continue;
    }
    const size_t first = i;
    int64_t width = 0;
    for (; i < n && m.Elements[i].Kind == ekWord; ++i) width += l.Elements[i].Width;
    // A run at the very end of the page counts like any other, so its words
    // stay together there too.
    l.Elements[first].RunWidth = ClampCoord(width);
  }
}

}  // namespace vyr
