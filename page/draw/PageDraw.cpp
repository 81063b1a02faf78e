#include "page/draw/PageDraw.h"

#include <QPainter>
#include <algorithm>

#include "page/draw/DrawParts.h"
#include "page/draw/LomoAnimation.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "platform/core/Files.h"
#include "text/Case.h"

namespace vyr {

int32_t ResolvedColor(const TPageModel& m, int32_t colour, bool link) {
  if (colour == kPageTextColor) return m.Settings.ColorTXT;
  if (colour == kPageLinkColor || (link && colour == -1)) return m.Settings.LinkColor;
  return colour;
}

QColor PageColor(const TPageModel& model, int32_t colour, bool link) {
  return ToQColor(ResolvedColor(model, colour, link));
}

const TCoverage* TDrawPass::Mask(int width, int height, int radius) {
  if (radius <= 0) return nullptr;
  auto [it, added] = masks.try_emplace({width, height, radius});
  if (added) it->second = RadiusMask(width, height, radius);
  return it->second ? &*it->second : nullptr;
}

const QImage& TDrawPass::Scaled(int32_t picture, QSize size) {
  auto [it, added] = scaled.try_emplace({picture, size.width(), size.height()});
  if (added) {
    const QImage& source = m.Pictures[static_cast<size_t>(picture)].Picture;
    it->second = source.size() == size ? source
                                       : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                             .convertToFormat(QImage::Format_RGB888);
  }
  return it->second;
}

namespace {

std::vector<int32_t> FlashingAreas(const TPageModel& m) {
  std::vector<int32_t> out(m.Elements.size(), -1);
  const std::vector<TLinkArea>& areas = m.LinkNames.Areas;
  for (size_t i = 0; i < areas.size(); ++i) {
    const int32_t e = areas[i].Element;
    if (areas[i].Flashing && e >= 0 && static_cast<size_t>(e) < out.size() && out[static_cast<size_t>(e)] < 0)
      out[static_cast<size_t>(e)] = static_cast<int32_t>(i);
  }
  return out;
}

}  // namespace

QImage MakePageBuffer(const TPageModel& model, const TPageLayout& layout) {
  const int width = std::max<int32_t>(1, model.ClientWidth);
  const int64_t content = static_cast<int64_t>(layout.ContentHeight) + 16;
  // A page taller than the buffer can hold is drawn down to that height.
  const int64_t most = std::max<int64_t>(1, kMaxBufferPixels / width);
  const int height = static_cast<int>(std::min(most, std::max<int64_t>({1, model.ClientHeight, content})));
  QImage buffer(width, height, QImage::Format_RGB888);
  buffer.setDotsPerMeterX(3780);  // 96 dpi, as the page is measured
  buffer.setDotsPerMeterY(3780);
  return buffer;
}

void DrawPage(const TPageModel& model, const TPageLayout& layout, TQtFontMetrics& metrics, QImage& buffer,
              TPageDrawResult* result, TLomoAnimation* animation) {
  TPageDrawResult local;
  TPageDrawResult& out = result ? *result : local;
  out = {};
  out.AreaBitmaps.resize(model.LinkNames.Areas.size());
  out.PicturePlaces.resize(model.Pictures.size());
  if (buffer.isNull()) return;
  if (buffer.format() != QImage::Format_RGB888) buffer = buffer.convertToFormat(QImage::Format_RGB888);

  TDrawPass p(model, layout, metrics, buffer, out);
  p.flashing = FlashingAreas(model);
  TXBitmap work;
  if (model.Settings.NeedsBlending) {
    work = TXBitmap(buffer.width(), buffer.height());
    p.target = &work.Image();
    out.UsedWorkBitmap = true;
  } else {
    p.target = &buffer;
  }

  DrawBackground(p);
  DrawBoxes(p, false);
  // The tile animation: every tile filled once; its timer then draws on the buffer.
  if (model.Lomo.Present) {
    TLomoAnimation once;
    TLomoAnimation& lomo = animation ? *animation : once;
    if (lomo.Setup(model.Lomo, model.Pictures)) {
      lomo.FillAll(*p.target);
      out.AnimationTiles = static_cast<int>(lomo.Tiles().size());
      if (animation) animation->Start(&buffer);
    }
  } else if (animation) {
    animation->Clear();
  }
  DrawPictures(p);
  DrawBoxes(p, true);
  if (p.target != &buffer) {
    CopyPicture(buffer, 0, 0, *p.target);
    p.target = &buffer;
  }
  DrawTexts(p);
  DrawBoxButtons(p);

  const std::string& show = model.Settings.ShowAction;
  out.ShowAction = show;
  out.ShowActionIsLink = SameText(ExtractFileExt(show.substr(0, show.find('@'))), ".mp3");
}

}  // namespace vyr
