#include "page/layout/LinkCheck.h"

#include <cstdlib>

#include "page/layout/LinkName.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "page/reader/PageValues.h"
#include "page/sources/ContainerCall.h"
#include "platform/core/Files.h"
#include "text/Case.h"

namespace vyr {
namespace {

constexpr std::string_view kEmptyTarget = "(leeres Ziel)";
constexpr std::string_view kCommand = "\xA7";

// The part of a name the check looks at: the note cut, aliases replaced,
// a command's link part kept ("§" stands for "needs no file").
std::string CheckedText(const TPageModel& model, std::string_view name) {
  std::string t(name.substr(0, name.find('@')));
  if (t.empty() || t == "%") return std::string(kCommand);
  if (t.front() == '#') {
    t = ResolveAliasTarget(model, t);
    if (t.empty()) return std::string(kCommand);
  }
  if (t.starts_with("\xA7[")) {
    const size_t close = t.find(']');
    // A command without a link after it needs no file either.
    t = close == std::string::npos ? std::string() : t.substr(close + 1);
    if (t.empty()) return std::string(kCommand);
  }
  return t;
}

// Targets that are followed without a file.
bool NeedsNoFile(std::string_view t) {
  if (t.empty()) return true;
  switch (t.front()) {
    case '\xA7':
    case '-':
    case '?':
    case '+':
    case '@': return true;
    default: break;
  }
  return t.starts_with("http:") || t.starts_with("https:") || SameText(t, "END") || IsNextTaskLink(t);
}

class TChecker {
 public:
  TChecker(const TPageModel& model, const TLinkResolver& resolve) : m_(model), resolve_(resolve) {}

  void Check(std::string_view name) {
    if (name.empty()) {
      bad_.push_back({std::string(kEmptyTarget), {}});
      return;
    }
    const std::string checked = CheckedText(m_, name);
    // A link with a target for each mouse button: both must lead somewhere.
    std::string_view rest = checked;
    for (;;) {
      const size_t mark = rest.find(kRightButtonMark);
      const std::string part(rest.substr(0, mark));
      if (!CheckPart(part)) return Bad(name, part);
      if (mark == std::string_view::npos) return;
      rest.remove_prefix(mark + 1);
    }
  }
  std::vector<TBadLink> Result() { return std::move(bad_); }

 private:
  bool CheckPart(const std::string& part) {
    if (part.empty() || NeedsNoFile(part)) return true;
    // a container call names its container after FILE=; without one it leads nowhere
    const std::string path = Path(part);
    return !path.empty() && FileExists(path);
  }
  void Bad(std::string_view name, const std::string& part) { bad_.push_back({std::string(name), Path(part)}); }
  std::string Path(const std::string& part) const {
    std::string path = resolve_ ? resolve_(part) : ResolveName(m_, part);
    if (!path.empty() && path.front() == '*') path.erase(0, 1);
    return path;
  }

  const TPageModel& m_;
  const TLinkResolver& resolve_;
  std::vector<TBadLink> bad_;
};

}  // namespace

std::vector<TBadLink> CheckLinks(const TPageModel& model, const TLinkResolver& resolve) {
  TChecker check(model, resolve);
  const auto& names = model.LinkNames.Names;
  for (const TLinkArea& area : model.LinkNames.Areas) {
    const bool valid = area.NameIndex >= 0 && static_cast<size_t>(area.NameIndex) < names.size();
    check.Check(valid ? std::string_view(names[static_cast<size_t>(area.NameIndex)]) : std::string_view());
  }
  const TPageSettings& s = model.Settings;
  if (!s.EnterLink.empty()) check.Check(s.EnterLink);
  if (!s.ClickLink.empty()) check.Check(s.ClickLink);
  if (s.WaitInterval > 0 && !s.WaitTarget.empty()) check.Check(s.WaitTarget);
  for (const TXAlias& key : model.Keys)
    if (!key.text.empty()) check.Check(key.text);
  return check.Result();
}

namespace {

// A colour as drawn: the markers of the page's text and link colours resolved.
int32_t Drawn(const TPageModel& m, int32_t colour) {
  if (colour == kPageTextColor) return m.Settings.ColorTXT;
  if (colour == kPageLinkColor) return m.Settings.LinkColor;
  return colour;
}

// What lies under a point of the page: the last filled box over it, or the page.
int32_t BackgroundAt(const TPageModel& m, int32_t x, int32_t y) {
  for (auto box = m.Boxes.rbegin(); box != m.Boxes.rend(); ++box)
    if (box->Filled && x >= box->Left && x < box->Left + box->Width && y >= box->Top && y < box->Top + box->Height)
      return box->FillColor;
  return m.Settings.ColorBGR;
}

}  // namespace

std::string FirstHiddenSolvedWord(const TPageModel& model) {
  const auto& tasks = model.TippAufgaben;
  // A gap's word keeps the colour it was read in; text in a filled box lies on the box.
  for (const TXText& e : model.Elements) {
    const tHTML_format& f = e.Format;
    if (f.TaskIndex < 0 || static_cast<size_t>(f.TaskIndex) >= tasks.size() || e.Text.empty() || e.Text == " ")
      continue;
    if (!tasks[static_cast<size_t>(f.TaskIndex)].Reaction.empty()) continue;  // the owner moves on
    const bool inFilledBox = f.BoxIndex >= 0 && static_cast<size_t>(f.BoxIndex) < model.Boxes.size() &&
                             model.Boxes[static_cast<size_t>(f.BoxIndex)].Filled;
    const int32_t under =
        inFilledBox ? model.Boxes[static_cast<size_t>(f.BoxIndex)].FillColor : model.Settings.ColorBGR;
    if (Drawn(model, f.Color) == Drawn(model, under)) return e.Text;
  }
  // A field at a fixed place leaves its answer in the page's gap colour.
  for (const TTippAufgabe& t : tasks) {
    if (!t.IsEdit || !t.Reaction.empty() || t.Lsg.empty()) continue;
    if (Drawn(model, model.Settings.GapColor) == Drawn(model, BackgroundAt(model, t.Left + 1, t.Top + 1)))
      return t.Lsg.front();
  }
  return {};
}

std::string FirstDrawnUnderScrollBar(const TPageModel& model, const TPageLayout& layout) {
  if (!layout.ScrollBar.Visible) return {};
  const int64_t bar = static_cast<int64_t>(model.ClientWidth) - kScrollBarWidth;
  for (size_t i = 0; i < model.Boxes.size(); ++i) {
    const TBox& b = model.Boxes[i];
    const bool drawn = b.Filled || b.BorderWidth > 0;
    // A box is drawn to its right edge plus its offset (the shadow of a 3D box).
    const int64_t right = static_cast<int64_t>(b.Left) + b.Width + std::abs(static_cast<int64_t>(b.Offset));
    if (drawn && right >= bar) return "Kasten " + std::to_string(i + 1);
  }
  int picture = 0;
  for (size_t i = 0; i < model.Elements.size() && i < layout.Elements.size(); ++i) {
    const TXText& x = model.Elements[i];
    if (x.Kind != ekPicture) continue;
    ++picture;
    const TLayoutElement& e = layout.Elements[i];
    const int64_t left = PictureLeft(x, e, ColumnWidthOf(x, layout.TextWidth));
    if (e.Width > 0 && left + e.Width > bar) return "Bild " + std::to_string(picture);
  }
  return {};
}

std::string FirstBadLink(const TPageModel& model, const TLinkResolver& resolve) {
  std::vector<TBadLink> bad = CheckLinks(model, resolve);
  return bad.empty() ? std::string() : bad.front().Name;
}

}  // namespace vyr
