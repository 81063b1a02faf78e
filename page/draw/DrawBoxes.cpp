// Boxes and ellipses of a page, and the two looks of its box buttons.
#include "page/draw/BoxShapes.h"
#include "page/draw/DrawParts.h"
#include "page/model/PageModel.h"

namespace vyr {

void DrawBoxes(TDrawPass& p, bool onTop) {
  for (const TBox& box : p.m.Boxes) {
    if (box.OnTop != onTop) continue;
    DrawBox(*p.target, BoxPaintOf(box));
  }
}

void DrawBoxButtons(TDrawPass& p) {
  const std::vector<TLinkArea>& areas = p.m.LinkNames.Areas;
  for (const TBox& box : p.m.Boxes) {
    if (box.FlashArea < 0 || static_cast<size_t>(box.FlashArea) >= areas.size()) continue;
    const QRect rect = ToQRect(areas[static_cast<size_t>(box.FlashArea)].Rect);
    if (!p.Preparable(rect)) continue;
    // The box is drawn black with white text: recolouring by mode 7 gives
    // its background the tint colour and its text the field colour.
    const QImage drawn = p.buffer.copy(rect);
    TAreaBitmaps& bitmaps = p.out.AreaBitmaps[static_cast<size_t>(box.FlashArea)];
    bitmaps.On = RecolorArea(drawn, box.OnColor, box.OnTextColor);
    // Without OFFCOLOR the box keeps its own look when the mouse is away.
    bitmaps.Off = box.OffColor == -1 ? drawn : RecolorArea(drawn, box.OffColor, box.OffTextColor);
    CopyPicture(p.buffer, rect.left(), rect.top(), bitmaps.Off);
  }
}

}  // namespace vyr
