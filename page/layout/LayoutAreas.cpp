// What a finished line places besides its text: the link areas of its
// links, the fields of its typing gaps and the places of its drag words.
#include <algorithm>

#include "page/layout/LayoutParts.h"
#include "page/model/PageModel.h"

namespace vyr {
namespace {

// A box without a fixed height is read with this height; its areas grow with it.
constexpr int32_t kAutoBoxStartHeight = 20;

TPageRect ElementRect(const TLayoutElement& e, int32_t left) {
  return {left, ClampCoord(static_cast<int64_t>(e.BaseY) - e.Ascent), ClampCoord(static_cast<int64_t>(left) + e.Width),
          ClampCoord(static_cast<int64_t>(e.BaseY) + e.Descent)};
}

int32_t ScaledBy(int32_t v, int32_t percent) {
  return ClampCoord(static_cast<int64_t>(v) * std::max(0, percent) / 100);
}

}  // namespace

TLineItems::TLineItems(TPageModel& model, TPageLayout& layout)
    : m_(model),
      l_(layout),
      gapPlaced_(model.TippAufgaben.size(), false),
      dragPlaced_(static_cast<size_t>(std::max(0, model.DragAufgaben.Items)), false) {}

int32_t TLineItems::NameIndex(const std::string& target) {
  if (names_.empty())
    for (size_t i = m_.LinkNames.Names.size(); i-- > 0;) names_[m_.LinkNames.Names[i]] = static_cast<int32_t>(i);
  if (auto it = names_.find(target); it != names_.end()) return it->second;
  const int32_t index = m_.LinkNames.Add(target);
  names_.emplace(target, index);
  return index;
}

void TLineItems::PictureAreas(int32_t element, const TPageRect& picture) {
  const tHTML_format& f = m_.Elements[static_cast<size_t>(element)].Format;
  for (const tMap& map : m_.Maps) {
    if (map.Name != f.UseMap.view()) continue;
    // Map areas are written in picture pixels; they scale with the picture.
    for (const tArea& a : map.Areas) {
      const int32_t left = ClampCoord(static_cast<int64_t>(picture.Left) + ScaledBy(a.Left, f.PicScale));
      const int32_t top = ClampCoord(static_cast<int64_t>(picture.Top) + ScaledBy(a.Top, f.PicScale));
      const TPageRect r{left, top, ClampCoord(static_cast<int64_t>(left) + ScaledBy(a.Width, f.PicScale)),
                        ClampCoord(static_cast<int64_t>(top) + ScaledBy(a.Height, f.PicScale))};
      areas_.push_back({NameIndex(a.Target), element, r, false});
    }
    return;
  }
}

void TLineItems::PlaceLine(int32_t first, int32_t end) {
  for (int32_t k = first; k < end; ++k) {
    const TXText& x = m_.Elements[static_cast<size_t>(k)];
    const tHTML_format& f = x.Format;
    const TLayoutElement& e = l_.Elements[static_cast<size_t>(k)];
    if (x.Kind != ekWord && x.Kind != ekSpace && x.Kind != ekCheckBox && x.Kind != ekPicture) continue;
    if (x.Kind == ekSpace && e.Width == 0) continue;

    if (f.TaskIndex >= 0 && f.TaskIndex < kDragTaskBase) {
      // A typing gap: its field covers the word (a field with a border is
      // set 2 pixels higher and 4 pixels taller).
      const auto task = static_cast<size_t>(f.TaskIndex);
      if (x.Kind != ekWord || !IsFilled(x.Text) || task >= gapPlaced_.size() || gapPlaced_[task]) continue;
      gapPlaced_[task] = true;
      TGapField field{f.TaskIndex, k,
                      e.X,         ClampCoord(static_cast<int64_t>(e.BaseY) - e.Ascent),
                      e.Width,     ClampCoord(static_cast<int64_t>(e.Ascent) + e.Descent)};
      if (!m_.TippAufgaben[task].NoBorder) {
        field.Top -= 2;
        field.Height += 4;
      }
      l_.GapFields.push_back(field);
      continue;
    }
    if (f.TaskIndex >= kDragTaskBase) {
      const auto item = static_cast<size_t>(f.TaskIndex - kDragTaskBase);
      if (x.Kind != ekWord || !IsFilled(x.Text) || item >= dragPlaced_.size() || dragPlaced_[item]) continue;
      dragPlaced_[item] = true;
      const TPageRect r = ElementRect(e, e.X);
      if (l_.DragPlaces.empty()) l_.DragBlockHeight = ClampCoord(static_cast<int64_t>(r.Bottom) - r.Top);
      l_.DragPlaces.push_back({static_cast<int32_t>(item), k, r, x.Text});
      continue;
    }

    const bool picture = x.Kind == ekPicture;
    const int32_t left = picture ? PictureLeft(x, e, ColumnWidthOf(x, l_.TextWidth)) : e.X;
    if (picture && !f.UseMap.empty() &&
        std::any_of(m_.Maps.begin(), m_.Maps.end(), [&](const tMap& map) { return map.Name == f.UseMap.view(); })) {
      PictureAreas(k, ElementRect(e, left));
      continue;
    }
    if (f.LinkIndex < 0 || static_cast<size_t>(f.LinkIndex) >= m_.LinkNames.Names.size()) continue;
    // An empty link name leads nowhere (the text after an <EDIT> field).
    if (m_.LinkNames.Names[static_cast<size_t>(f.LinkIndex)].empty()) continue;
    const bool flashing = f.Flash || (picture && f.PicHover != -1);
    areas_.push_back({f.LinkIndex, k, ElementRect(e, left), flashing});
  }
}

void TLineItems::Finish() {
  std::vector<TLinkArea>& out = m_.LinkNames.Areas;
  out.clear();
  out.reserve(m_.LinkNames.FixedAreas.size() + areas_.size());
  for (const TFixedLinkArea& a : m_.LinkNames.FixedAreas) {
    TPageRect r = a.Rect;
    if (a.BoxIndex >= 0 && static_cast<size_t>(a.BoxIndex) < m_.Boxes.size()) {
      const TBox& b = m_.Boxes[static_cast<size_t>(a.BoxIndex)];
      if (b.AutoHeight) r.Bottom = ClampCoord(static_cast<int64_t>(r.Bottom) + b.Height - kAutoBoxStartHeight);
    }
    out.push_back({a.NameIndex, -1, r, a.Flashing});
  }
  out.insert(out.end(), areas_.begin(), areas_.end());
  m_.LinkNames.HoverFirst = m_.LinkNames.HoverLast = -1;
}

}  // namespace vyr
