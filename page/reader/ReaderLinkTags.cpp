// Link tags: <A>, <ONCLICK>, image maps.
#include <string>

#include "page/model/PageModel.h"
#include "page/reader/PageValues.h"
#include "page/reader/ReaderContext.h"
#include "text/Case.h"

namespace vyr {
namespace {

// What Enter and access keys follow: the target without its note ("@…");
// a note link ("@text") is kept whole.
std::string TargetWithoutNote(const std::string& target) {
  if (!target.empty() && target[0] == '@') return target;
  return target.substr(0, target.find('@'));
}

}  // namespace

void TReader::TagA(TAttributeCursor& a) {
  std::string target;  // the prepared target of HREF; empty = none
  TTippAufgabe* gap = nullptr;
  bool noBorder = false;
  for (bool more = true; more;) {
    switch (a.Next({"HREF", "RETURN", "GAP", "HOT", "DRAG", "FOCUS", "KEY", "NOBORDER"})) {
      case 0: {
        const std::string_view raw = a.Quoted();
        m_.Slots.Link = f_.Font();
        bool samePage = false;
        target = PrepareLinkTarget(m_, raw, &samePage);
        if (samePage) return;  // a link to the page being shown is no link
        if (a.Search("FLASH")) {
          f_.FlashColor = Color(a);
          f_.Flash = true;
        } else {
          f_.Flash = f_.FlashColor != -1;
        }
        if (target.empty()) break;
        if (target[0] == '@') {
          f_.HotMark = true;
          f_.LinkIndex = m_.LinkNames.Add("%" + target);
        } else {
          f_.Color = f_.LinkColor != -1 ? f_.LinkColor : kPageLinkColor;
          if (!f_.Flash) f_.Style |= kUnderline;
          f_.LinkIndex = m_.LinkNames.Add(target);
        }
        break;
      }
      case 1:
        if (!target.empty()) m_.Settings.EnterLink = TargetWithoutNote(target);
        break;
      case 2: {
        std::string lsg, help, tip = "Hilfe mit F12!", reaction;
        if (a.Take("LSG")) lsg = a.Quoted();
        if (a.Take("HELP")) help = a.Quoted();
        if (a.Search("TIP")) tip = a.Quoted();
        if (a.Search("REACTION")) reaction = a.Quoted();
        m_.Slots.Link = f_.Font();
        gap = NewTippAufgabe();
        if (!gap) break;
        gap->Lsg = SplitGapSolutions(lsg);
        gap->Hilfe = std::move(help);
        gap->Tip = std::move(tip);
        gap->Reaction = std::move(reaction);
        f_.Color = m_.Settings.GapColor;
        f_.LinkIndex = gap->LinkIndex = m_.LinkNames.Add("");
        f_.TaskIndex = static_cast<int32_t>(m_.TippAufgaben.size() - 1);
        break;
      }
      case 3: {
        const std::string_view v = a.Quoted();
        if (v.empty()) break;
        m_.Slots.Link = f_.Font();
        f_.HotMark = true;
        f_.LinkIndex = m_.LinkNames.Add("@" + std::string(v));
        break;
      }
      case 4:
        m_.Slots.Link = f_.Font();
        f_.LinkIndex = m_.LinkNames.Add("");
        f_.TaskIndex = kDragTaskBase + m_.DragAufgaben.Items++;
        break;
      case 5: break;
      case 6: {
        const std::string_view v = a.Bare();
        if (!target.empty()) m_.Keys.Set(SameText(v, "ESC") ? std::string_view("\x1B") : v, TargetWithoutNote(target));
        break;
      }
      case 7: noBorder = true; break;
      default: more = false; break;
    }
  }
  if (gap && noBorder) gap->NoBorder = true;
}

void TReader::TagEndA() {
  f_.LinkIndex = -1;
  f_.TaskIndex = -1;
  f_.HotMark = false;
  f_.Color = m_.Slots.Link.Color;
  f_.Style = m_.Slots.Link.Style;
}

void TReader::TagOnClick(TAttributeCursor& a) {
  if (!a.Take("HREF")) return;
  const std::string target(a.Quoted());
  m_.Settings.ClickLink = target;
  if (a.Search("RETURN") && m_.Settings.EnterLink.empty()) m_.Settings.EnterLink = target;
}

void TReader::TagMap(TAttributeCursor& a) {
  if (!a.Take("NAME")) return;
  m_.Maps.push_back({std::string(a.Bare()), {}});
}

void TReader::TagArea(TAttributeCursor& a) {
  if (!a.Take("SHAPE") || !SameText(a.Bare(), "RECT")) return;
  if (!a.Take("COORDS")) return;
  const std::string coords(a.Quoted());
  std::string target;
  if (a.Search("HREF")) target = a.Quoted();
  if (m_.Maps.empty()) return;
  const TCoords c = ParseCoords(m_, coords);
  m_.Maps.back().Areas.push_back({c.x, c.y, c.w == kNoCoord ? 0 : c.w, c.h == kNoCoord ? 0 : c.h, std::move(target)});
}

}  // namespace vyr
