#include "page/layout/LinkName.h"

#include "page/model/PageModel.h"

namespace vyr {

TLinkParts SplitLinkName(std::string_view name) {
  const size_t at = name.find('@');
  if (at == std::string_view::npos) return {std::string(name), {}};
  return {std::string(name.substr(0, at)), std::string(name.substr(at + 1))};
}

std::string ResolveAliasTarget(const TPageModel& model, std::string_view target) {
  if (target.empty() || target.front() != '#') return std::string(target);
  if (model.Aliases.empty()) return {};
  const std::string* text = model.Aliases.Find(target);
  if (!text) return {};
  return text->substr(0, text->find('@'));
}

std::string ButtonTarget(std::string_view target, bool rightButton) {
  const size_t mark = target.find(kRightButtonMark);
  if (mark == std::string_view::npos) return rightButton ? std::string() : std::string(target);
  return std::string(rightButton ? target.substr(mark + 1) : target.substr(0, mark));
}

TLinkHit HitTest(const tNamed_rectangle_list& links, int32_t x, int32_t y) {
  for (size_t i = 0; i < links.Areas.size(); ++i) {
    const TLinkArea& a = links.Areas[i];
    if (x < a.Rect.Left || x > a.Rect.Right || y < a.Rect.Top || y > a.Rect.Bottom) continue;
    TLinkHit hit;
    hit.Area = static_cast<int32_t>(i);
    hit.Flashing = a.Flashing;
    if (a.NameIndex >= 0 && static_cast<size_t>(a.NameIndex) < links.Names.size())
      hit.Parts = SplitLinkName(links.Names[static_cast<size_t>(a.NameIndex)]);
    return hit;
  }
  return {};
}

std::pair<int32_t, int32_t> AreaRun(const tNamed_rectangle_list& links, int32_t area) {
  const auto n = static_cast<int32_t>(links.Areas.size());
  if (area < 0 || area >= n) return {-1, -1};
  const auto& v = links.Areas;
  auto joined = [&](int32_t a, int32_t b) {  // b follows a in the same link
    return v[a].NameIndex == v[b].NameIndex && v[a].Element >= 0 && v[b].Element == v[a].Element + 1;
  };
  int32_t first = area, last = area;
  while (first > 0 && joined(first - 1, first)) --first;
  while (last + 1 < n && joined(last, last + 1)) ++last;
  return {first, last};
}

}  // namespace vyr
