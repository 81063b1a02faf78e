// The background picture and the pictures of a page, with the two looks of
// pictures that change under the mouse.
#include "page/draw/DrawParts.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"

namespace vyr {
namespace {

// A picture in the size it is drawn at; pictures blown up far beyond the
// page are sampled where they show instead of scaled whole.
void DrawStretched(TDrawPass& p, QImage& target, const QRect& rect, int32_t picture) {
  const int64_t area = static_cast<int64_t>(rect.width()) * rect.height();
  if (area <= static_cast<int64_t>(p.buffer.width()) * p.buffer.height())
    CopyPicture(target, rect.left(), rect.top(), p.Scaled(picture, rect.size()));
  else StretchPicture(target, rect, p.m.Pictures[static_cast<size_t>(picture)].Picture);
}

bool ValidPicture(const TPageModel& m, int32_t index) {
  return index >= 0 && static_cast<size_t>(index) < m.Pictures.size() &&
         !m.Pictures[static_cast<size_t>(index)].Picture.isNull();
}

}  // namespace

void DrawBackground(TDrawPass& p) {
  QImage& target = *p.target;
  FillRect(target, target.rect(), ColorToRgb(p.m.Settings.ColorBGR));
  const QImage& tile = p.m.Settings.BackgroundPicture;
  if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0) return;
  const QImage source = tile.format() == QImage::Format_RGB888 ? tile : tile.convertToFormat(QImage::Format_RGB888);
  // One band of tiles across the page, then the band down the page.
  QImage band(target.width(), std::min(source.height(), target.height()), QImage::Format_RGB888);
  for (int x = 0; x < band.width(); x += source.width()) CopyPicture(band, x, 0, source);
  for (int y = 0; y < target.height(); y += band.height()) CopyPicture(target, 0, y, band);
}

void DrawPictures(TDrawPass& p) {
  const TPageModel& m = p.m;
  const std::vector<int32_t>& flashing = p.flashing;
  QImage& target = *p.target;
  const size_t n = std::min(m.Elements.size(), p.l.Elements.size());
  for (size_t k = 0; k < n; ++k) {
    const TXText& x = m.Elements[k];
    if (x.Kind != ekPicture) continue;
    const tHTML_format& f = x.Format;
    const TLayoutElement& e = p.l.Elements[k];
    if (!ValidPicture(m, f.PicIndex) || e.Width <= 0 || e.Ascent + e.Descent <= 0) continue;
    const QImage& picture = m.Pictures[static_cast<size_t>(f.PicIndex)].Picture;
    // The same place the link area of the picture has.
    const QRect rect(PictureLeft(x, e, ColumnWidthOf(x, p.l.TextWidth)), e.BaseY - e.Ascent, e.Width,
                     e.Ascent + e.Descent);
    const int32_t area = p.Preparable(rect) ? flashing[k] : -1;
    const bool tinted = area >= 0 && f.PicHover >= kHoverColor;
    const bool stretched = f.PicScale != 100 || rect.size() != picture.size();
    const bool blended = f.PicRadius > 0 || f.PicAlpha < 255 || f.PicMode != 0;
    const QImage under = tinted ? target.copy(rect) : QImage();

    if (stretched) {
      DrawStretched(p, target, rect, f.PicIndex);
    } else if (blended) {
      BlendPicture(target, rect.left(), rect.top(), picture, TBlend{f.PicMode, f.PicAlpha, ColorToRgb(f.PicColor)},
                   p.Mask(rect.width(), rect.height(), f.PicRadius));
    } else {
      CopyPicture(target, rect.left(), rect.top(), picture);
    }
    p.out.PicturePlaces[static_cast<size_t>(f.PicIndex)] = rect;

    if (area >= 0) {
      TAreaBitmaps& bitmaps = p.out.AreaBitmaps[static_cast<size_t>(area)];
      if (tinted) {
        // Under the mouse the picture is tinted with its FCOLOR.
        bitmaps.On = under;
        const QImage& source = stretched ? p.Scaled(f.PicIndex, rect.size()) : picture;
        BlendPicture(bitmaps.On, 0, 0, source, TBlend{7, f.PicAlpha, ColorToRgb(f.PicHover - kHoverColor)},
                     stretched ? nullptr : p.Mask(rect.width(), rect.height(), f.PicRadius));
        bitmaps.Off = target.copy(rect);
      } else if (ValidPicture(m, f.PicHover)) {
        // A mouse-over picture in the picture's place.
        bitmaps.On = target.copy(rect);
        DrawStretched(p, bitmaps.On, QRect(QPoint(0, 0), rect.size()), f.PicHover);
        bitmaps.Off = target.copy(rect);
      }
    }
    if (!f.AltText.empty()) {
      p.out.Words.push_back({f.AltText.str(),
                             {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1},
                             true,
                             static_cast<int32_t>(k)});
    }
  }
}

}  // namespace vyr
