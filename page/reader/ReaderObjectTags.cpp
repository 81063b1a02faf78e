// Pictures, boxes and the page objects: check boxes, buttons, the input
// line, typing fields, multiple choice, the drag tray, sentence building
// and the recorder.
#include <cstdio>
#include <optional>
#include <string>

#include "page/model/PageModel.h"
#include "page/reader/PageValues.h"
#include "page/reader/PictureList.h"
#include "page/reader/ReaderContext.h"
#include "platform/core/Random.h"
#include "text/Case.h"
#include "text/Trim.h"

namespace vyr {
namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kMaxPictureScale = 1000;   // percent
constexpr int32_t kMaxRequestedSide = 4000;  // pixels of a picture painted on request
constexpr int32_t kMaxChoiceCells = 50;      // answers per column and columns

int32_t OrZero(int32_t v) { return v == kNoCoord ? 0 : v; }

TPageRect RectOf(const TCoords& c) { return {c.x, c.y, c.x + OrZero(c.w), c.y + OrZero(c.h)}; }

std::vector<std::string> SplitTrimmed(std::string_view s, char sep) {
  std::vector<std::string> out;
  if (s.empty()) return out;
  for (;;) {
    const size_t at = s.find(sep);
    out.push_back(Trim(s.substr(0, at)));
    if (at == std::string_view::npos) return out;
    s.remove_prefix(at + 1);
  }
}

// "a,b": two integers, each trimmed.
std::pair<std::optional<int32_t>, std::optional<int32_t>> IntegerPair(std::string_view v) {
  const size_t comma = v.find(',');
  const auto first = ParseInteger(TrimView(v.substr(0, comma)));
  const auto second = comma == std::string_view::npos ? std::nullopt : ParseInteger(TrimView(v.substr(comma + 1)));
  return {first, second};
}

}  // namespace

void TReader::TagImg(TAttributeCursor& a) {
  f_.PicScale = 100;
  f_.PicAlign = 5;
  f_.PicBase = 0;
  f_.PicRadius = 0;
  f_.PicColor = 255;
  f_.PicAlpha = 255;
  f_.PicMode = 0;
  f_.PicHover = -1;
  f_.AltText.clear();
  std::string source;
  for (bool more = true; more;) {
    switch (a.Next({"SRC", "SCALE", "ALIGN", "USEMAP", "FLASH", "BASE", "RADIUS", "ALPHA", "TRANSPARENT", "MODE", "ALT",
                    "COLOR", "FCOLOR"})) {
      case 0: source = VariableText(m_, a.Quoted()); break;
      case 1: {
        const std::string_view v = a.Bare();
        const auto n = (!v.empty() && v.back() == '%') ? ParseInteger(v.substr(0, v.size() - 1)) : std::nullopt;
        f_.PicScale = n ? ClampInt(*n, 1, kMaxPictureScale) : 100;
        break;
      }
      case 2: {
        const std::string_view v = a.Bare();
        const char c = v.empty() ? 'L' : UpperChar(v[0]);
        f_.PicAlign = c == 'C' ? 1 : c == 'R' ? 2 : c == 'T' ? 3 : c == 'M' ? 4 : c == 'B' ? 5 : c == 'X' ? 6 : 0;
        break;
      }
      case 3: f_.UseMap = a.Quoted(); break;
      case 4: source += "|" + std::string(a.Quoted()); break;
      case 5: f_.PicBase = a.Integer(0, 500, 0); break;
      case 6: f_.PicRadius = a.Integer(0, 10000, 0); break;
      case 7: f_.PicAlpha = a.Integer(0, 100, 100) * 255 / 100; break;
      case 8: f_.PicAlpha = 255 - a.Integer(0, 255, 0); break;
      case 9: {
        const int32_t n = a.Integer(0, 10, 0);
        f_.PicMode = static_cast<uint8_t>(n >= 1 && n <= 8 ? n : n == 9 ? 7 + RandomInt(2) : n == 10 ? 9 : 0);
        break;
      }
      case 10: f_.AltText = a.Quoted(); break;
      case 11:
        f_.PicColor = Color(a);
        if (f_.PicMode == 0) f_.PicMode = 7;
        break;
      case 12:
        f_.PicMode = 7;
        f_.PicHover = Color(a) + kHoverColor;
        break;
      default: more = false; break;
    }
  }
  if (!source.empty()) pictureSource_ = std::move(source);
}

void TReader::EmitPicture() {
  const std::string& source = *pictureSource_;
  const size_t bar = source.find('|');
  if (bar != std::string::npos) {
    f_.PicIndex = LoadPicture(m_, std::string_view(source).substr(0, bar));
    f_.PicHover = LoadPicture(m_, std::string_view(source).substr(bar + 1));
  } else if (source[0] == '%' && m_.onPictureRequest) {
    const size_t eq = source.find('=');
    const std::string_view size =
        std::string_view(source).substr(1, eq == std::string::npos ? std::string::npos : eq - 1);
    const size_t x = size.find_first_of("xX");
    auto w = ParseInteger(size.substr(0, x));
    auto h = x == std::string_view::npos ? std::nullopt : ParseInteger(size.substr(x + 1));
    if (!w || !h) w = 100, h = 60;
    const std::string code = eq == std::string::npos ? std::string() : source.substr(eq + 1);
    f_.PicIndex = AddRequestedPicture(m_, code, ClampInt(*w, 1, kMaxRequestedSide), ClampInt(*h, 1, kMaxRequestedSide));
  } else {
    f_.PicIndex = LoadPicture(m_, source);
  }
  if (f_.PicRadius > 0 || f_.PicAlpha < 255 || f_.PicMode != 0) m_.Settings.NeedsBlending = true;
  TXText& picture = Append(ekPicture);
  picture.Format.TabPos = m_.Reader.PendingTab;
  m_.Reader.PendingTab = 0;
  f_.PicIndex = -1;
  f_.PicHover = -1;
  f_.UseMap.clear();
}

void TReader::TagBox(TAttributeCursor& a) {
  // Keywords that set box fields only count after COORDS has made the box;
  // before it they are read into a record that is dropped.
  std::optional<TBox> box;
  TBox dropped;
  TBox* b = &dropped;
  std::string dir, lomo;
  bool hasLomo = false, dest = false, hasOnColor = false, hasOffColor = false, radiusRead = false;
  std::optional<TPageRect> zone2;
  int32_t speed = 500;
  for (bool more = true; more;) {
    switch (a.Next({"COORDS", "ALIGN",   "SHAPE",    "OFFSET", "COLOR",   "BCOLOR", "BWIDTH",  "RADIUS",
                    "DIR",    "LOMO",    "ZONE2",    "SPEED",  "TOP",     "DEST",   "ALPHA",   "MODE",
                    "HREF",   "ONCOLOR", "OFFCOLOR", "ONCOL2", "OFFCOL2", "YO",     "SPECIAL", "RETURN"})) {
      case 0: {
        const TCoords c = ParseCoords(m_, a.Bare());
        b = &box.emplace();
        hasOnColor = hasOffColor = radiusRead = false;
        b->Left = c.x;
        b->Top = c.y;
        // Without a width the box reaches the right edge, as if written with 0.
        b->Width = c.w == kNoCoord ? std::max(1, m_.ClientWidth - c.x) : std::max(0, c.w);
        b->AutoHeight = c.h == kNoCoord;
        b->Height = b->AutoHeight ? 20 : std::max(0, c.h);
        f_.ColumnLeft = b->Left;
        f_.ColumnWidth = b->Width;
        break;
      }
      case 1: {
        const std::string v = UpperCase(a.Bare());
        f_.Align = (v == "CENTER" || v == "M") ? 1 : (v == "RIGHT" || v == "R") ? 2 : v == "B" ? 3 : 0;
        break;
      }
      case 2: {
        const std::string v = UpperCase(a.Bare());
        if (v == "ROUNDRECT") b->Shape = bsRoundRect;
        else if (v == "ELLIPSE") b->Shape = bsEllipse;
        else if (v == "RANDOM") b->Shape = bsRandom;
        else if (v == "3D") b->Shape = bs3D;
        break;
      }
      case 3: b->Offset = a.Integer(-500, 500, 0); break;
      case 4:
        b->FillColor = Color(a);
        b->Filled = true;
        break;
      case 5: b->BorderColor = Color(a); break;
      case 6: b->BorderWidth = a.Integer(0, 500, 0); break;
      case 7:
        b->Radius = a.Integer(0, 10000, 30);
        radiusRead = radiusRead || b->Radius != 0;
        if (b->Shape == bsRectangle) b->Shape = bsRoundRect;
        break;
      case 8: dir = a.Quoted(); break;
      case 9:
        lomo = a.Quoted();
        if (!lomo.empty() && lomo[0] == '?') lomo = SpecialCode(lomo);
        hasLomo = true;
        break;
      case 10: zone2 = RectOf(ParseCoords(m_, a.Bare())); break;
      case 11: speed = a.Integer(0, 60000, 500); break;
      case 12: b->OnTop = true; break;
      case 13: dest = true; break;
      case 14: b->Opacity = a.Integer(0, 255, 255); break;
      case 15: b->Mode = static_cast<uint8_t>(a.Integer(0, 255, 255)); break;
      case 16: b->Href = PrepareBoxTarget(m_, a.Quoted()); break;
      case 17:
        b->OnColor = Color(a);
        hasOnColor = true;
        break;
      case 18:
        b->OffColor = Color(a);
        hasOffColor = true;
        break;
      case 19: b->OnTextColor = Color(a); break;
      case 20: b->OffTextColor = Color(a); break;
      case 21: b->TextOffset = a.Integer(0, 100, 0); break;
      case 22: break;
      case 23:
        if (box && !box->Href.empty()) m_.Settings.EnterLink = box->Href;
        break;
      default: more = false; break;
    }
  }
  if (!box) return;
  const auto index = static_cast<int32_t>(m_.Boxes.size());
  const TPageRect rect{box->Left, box->Top, box->Left + box->Width, box->Top + box->Height};
  if (!box->Href.empty()) {
    box->LinkIndex = m_.LinkNames.Add(box->Href);
    if (!hasOnColor) {
      m_.LinkNames.FixedAreas.push_back({box->LinkIndex, rect, false, index});
    } else {
      if (hasOffColor) {
        box->Filled = true;
        box->FillColor = 0;
        m_.Slots.Font = f_.Font();
        f_.Color = kWhite;
      }
      const int32_t inset = (box->BorderWidth + 1) / 2;
      box->FlashArea = static_cast<int32_t>(m_.LinkNames.FixedAreas.size());
      m_.LinkNames.FixedAreas.push_back({box->LinkIndex,
                                         {rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset},
                                         true,
                                         index});
    }
  }
  if (hasLomo) {
    TLomoBox animation;
    animation.BoxIndex = index;
    animation.Rect = rect;
    animation.HasZone2 = zone2.has_value();
    if (zone2) animation.Zone2 = *zone2;
    animation.Speed = speed;
    const std::string folder =
        dir.empty() ? std::string() : (dir.back() == '\\' || dir.back() == '/' ? dir : dir + "\\");
    for (const std::string& name : SplitTrimmed(lomo, '|')) {
      if (name.empty()) continue;
      const int32_t picture = LoadPicture(m_, folder + name);
      if (picture >= 0) animation.Pictures.push_back(picture);
    }
    animation.Present = !animation.Pictures.empty();
    if (animation.Present) m_.Lomo = std::move(animation);
  }
  if (dest) m_.Settings.DragTarget = rect;
  const bool rounded = box->Shape == bsRoundRect || box->Shape == bsEllipse;
  if ((rounded && (box->Filled || box->BorderWidth > 0)) || box->Opacity < 255 || box->Mode != 0 || radiusRead)
    m_.Settings.NeedsBlending = true;
  const int32_t top = box->Top + box->TextOffset;
  m_.Boxes.push_back(std::move(*box));
  f_.BoxIndex = index;
  f_.BoxTop = top;
  Append(ekBox);
  f_.BoxTop = -1;
}

void TReader::TagEllipse(TAttributeCursor& a) {
  std::optional<TBox> box;
  TBox dropped;  // what is written before COORDS
  TBox* b = &dropped;
  int32_t centreY = 0;
  for (bool more = true; more;) {
    switch (a.Next({"COORDS", "COLOR", "BCOLOR", "BWIDTH"})) {
      case 0: {
        const TCoords c = ParseCoords(m_, a.Bare());
        b = &box.emplace();
        b->Shape = bsEllipse;
        b->Width = c.w == kNoCoord ? 0 : std::max(0, c.w);
        b->AutoHeight = c.h == kNoCoord;
        b->Height = b->AutoHeight ? 0 : std::max(0, c.h);
        b->Left = c.x - b->Width / 2;
        b->Top = c.y - b->Height / 2;
        centreY = c.y;
        break;
      }
      case 1:
        b->FillColor = Color(a);
        b->Filled = true;
        break;
      case 2: b->BorderColor = Color(a); break;
      case 3: b->BorderWidth = a.Integer(0, 500, 0); break;
      default: more = false; break;
    }
  }
  if (!box) return;
  m_.Settings.NeedsBlending = true;
  m_.Boxes.push_back(std::move(*box));
  f_.BoxIndex = static_cast<int32_t>(m_.Boxes.size() - 1);
  f_.BoxTop = centreY;
  Append(ekBox);
  f_.BoxTop = -1;
}

void TReader::TagCheckBox(TAttributeCursor& a) {
  // A check box written without COORDS gets the usual size.
  f_.CheckSize = 13;
  f_.CheckGap = 4;
  std::string name;
  bool checked = false;
  for (bool more = true; more;) {
    switch (a.Next({"COORDS", "FLASH", "NAME", "CHECKED"})) {
      case 0: {
        const auto [size, gap] = IntegerPair(a.Bare());
        f_.CheckSize = size ? ClampInt(*size, 1, 500) : 13;
        f_.CheckGap = gap ? ClampInt(*gap, 0, 500) : 4;
        break;
      }
      case 1: f_.FlashColor = Color(a); break;
      case 2: name = a.Quoted(); break;
      case 3: checked = true; break;
      default: more = false; break;
    }
  }
  checked = checked || m_.Bedingung.Has(name);
  m_.CheckBoxes.push_back({name, f_.CheckSize, checked});
  f_.CheckIndex = static_cast<int32_t>(m_.CheckBoxes.size() - 1);
  f_.LinkIndex = m_.LinkNames.Add("+" + name);
  f_.Flash = false;
  // The box is drawn as a link; the text after it is no link and keeps its colour.
  const int32_t colour = f_.Color;
  f_.Color = kPageLinkColor;
  Append(ekCheckBox);
  f_.LinkIndex = -1;
  f_.Color = colour;
}

void TReader::TagButton(TAttributeCursor& a) {
  TPageButton b;
  for (bool more = true; more;) {
    switch (a.Next({"COORDS", "CAPTION", "HREF", "COLOR", "FLASH", "3D"})) {
      case 0: {
        const TCoords c = ParseCoords(m_, a.Bare());
        b.Left = c.x, b.Top = c.y, b.Width = std::max(0, OrZero(c.w)), b.Height = std::max(0, OrZero(c.h));
        break;
      }
      case 1: b.Caption = a.Quoted(); break;
      case 2: b.Befehl = a.Quoted(); break;
      case 3: b.Color = Color(a); break;
      case 4: b.FlashColor = Color(a); break;
      case 5: b.MouseOver3D = true; break;
      default: more = false; break;
    }
  }
  m_.Buttons.push_back(std::move(b));
}

void TReader::TagInput(TAttributeCursor& a) {
  m_.Slots.Link = f_.Font();
  TInputLine line;
  line.Present = true;
  for (bool more = true; more;) {
    switch (a.Next({"COORDS", "NAME", "VALUE", "COLOR", "NOBORDER", "PASSWORD", "MAXL", "UPPER", "LOWER"})) {
      case 0: {
        const TCoords c = ParseCoords(m_, a.Bare());
        line.Left = c.x, line.Top = c.y;
        line.Width = c.w == kNoCoord ? std::max(1, m_.ClientWidth - c.x) : std::max(0, c.w);
        break;
      }
      case 1: line.Name = a.Quoted(); break;
      case 2: {
        const std::string_view v = a.Quoted();
        if (!v.empty() && !line.Name.empty()) m_.Variables.Set(line.Name, v);
        break;
      }
      case 3: line.Color = Color(a); break;
      case 4: line.NoBorder = true; break;
      case 5: line.Password = true; break;
      case 6: line.MaxLength = a.Integer(0, 200, 0); break;
      case 7: line.Upper = true; break;
      case 8: line.Lower = true; break;
      default: more = false; break;
    }
  }
  line.Font = f_;
  m_.InputLine = std::move(line);
}

void TReader::TagEdit(TAttributeCursor& a) {
  m_.Slots.Link = f_.Font();
  TTippAufgabe* field = NewTippAufgabe();
  if (field) {
    f_.Color = m_.Settings.GapColor;
    f_.LinkIndex = field->LinkIndex = m_.LinkNames.Add("");
    field->IsEdit = true;
    field->Tip.clear();
    field->Width = 121;
    field->Height = 21;
    field->Font = f_;
  }
  TTippAufgabe ignored;  // the values of a field that could not be made are read and dropped
  TTippAufgabe& t = field ? *field : ignored;
  for (bool more = true; more;) {
    switch (a.Next({"COORDS", "LSG", "HELP", "TIP", "REACTION", "COLOR", "NOBORDER", "INIT"})) {
      case 0: {
        const TCoords c = ParseCoords(m_, a.Bare());
        t.Left = c.x, t.Top = c.y;
        if (c.w != kNoCoord) t.Width = std::max(0, c.w);
        if (c.h != kNoCoord) t.Height = std::max(0, c.h);
        break;
      }
      case 1: t.Lsg = SplitEditSolutions(VariableText(m_, a.Quoted())); break;
      case 2: t.Hilfe = VariableText(m_, a.Quoted()); break;
      case 3: t.Tip = VariableText(m_, a.Quoted()); break;
      case 4: t.Reaction = a.Quoted(); break;
      case 5: t.Color = Color(a); break;
      case 6: t.NoBorder = true; break;
      case 7: t.Init = VariableText(m_, a.Quoted()); break;
      default: more = false; break;
    }
  }
}

void TReader::TagMultiple(TAttributeCursor& a) {
  TMultipleChoice& mc = m_.Multiple;
  TCoords cell{};
  int32_t perColumn = 0, columns = 0;
  for (bool more = true; more;) {
    switch (a.Next({"COORDS", "DIM", "COLOR", "TXT", "REACTION"})) {
      case 0: cell = ParseCoords(m_, a.Bare()); break;
      case 1: {
        const auto [rows, cols] = IntegerPair(a.Bare());
        perColumn = rows ? ClampInt(*rows, 0, kMaxChoiceCells) : 0;
        columns = cols ? ClampInt(*cols, 0, kMaxChoiceCells) : 0;
        break;
      }
      case 2: a.Bare(); break;
      case 3: {
        const std::string_view v = a.Quoted();
        if (mc.Answered) break;  // the question shows its result with the answers it had
        mc.Answers.clear();
        if (!v.empty())
          for (std::string_view rest = v;;) {
            const size_t bar = rest.find('|');
            mc.Answers.emplace_back(rest.substr(0, bar));
            if (bar == std::string_view::npos) break;
            rest.remove_prefix(bar + 1);
          }
        mc.Correct = mc.Answers.empty() ? -1 : 0;
        const int n = static_cast<int>(mc.Answers.size());
        for (int swaps = 4 + RandomInt(12); n > 0 && swaps > 0; --swaps) {
          const int i = RandomInt(n), j = RandomInt(n);
          std::swap(mc.Answers[static_cast<size_t>(i)], mc.Answers[static_cast<size_t>(j)]);
          if (mc.Correct == i) mc.Correct = j;
          else if (mc.Correct == j) mc.Correct = i;
        }
        break;
      }
      case 4: mc.Reaction = a.Bare(); break;
      default: more = false; break;
    }
  }
  const int64_t w = OrZero(cell.w), h = OrZero(cell.h);
  std::string markup;
  char buf[160];
  for (int32_t k = 1; k <= perColumn * columns; ++k) {
    const int32_t i = k - 1, column = i / perColumn, row = i % perColumn;
    const long long x = cell.x + column * w, y = cell.y + row * h;
    std::snprintf(buf, sizeof buf, "<box coords=%lld,%lld,%lld,%lld align=m>", x, y, static_cast<long long>(w),
                  static_cast<long long>(h));
    markup += buf;
    if (static_cast<size_t>(i) >= mc.Answers.size()) continue;
    const std::string& answer = mc.Answers[static_cast<size_t>(i)];
    const bool correct = i == mc.Correct;
    const std::string key = std::to_string(k);
    if (!mc.Answered) {
      markup += correct ? "<a href=\"\xA7mchx+@" + key + "\" key=" + key + ">"
                        : "<a href=\"\xA7mchx-[" + answer + "]@" + key + "\" key=" + key + ">";
      markup += answer + "</a>";
    } else if (!correct) {
      markup += "<st>" + answer + "</st>";
    } else {
      markup += "<u>" + answer + "</u>";
      std::snprintf(buf, sizeof buf, "<box coords=%lld,%lld,1,%lld color=#ff00ff> ", x, static_cast<long long>(cell.y),
                    static_cast<long long>(row * h + h / 2));
      markup += buf;
      std::snprintf(buf, sizeof buf, "<box coords=%lld,%lld,%d,1 color=#ff00ff> ", x, static_cast<long long>(y + h / 2),
                    200);
      markup += buf;
    }
  }
  insertAfterTag_ = std::move(markup);
}

void TReader::TagKlotz(TAttributeCursor& a) {
  tDragAufgabenListe& d = m_.DragAufgaben;
  const auto pageMinusLeft = [&] { return m_.ClientWidth - (d.TrayLeft >= 0 ? d.TrayLeft : 80); };
  for (bool more = true; more;) {
    switch (a.Next({"FALSCH", "Y", "NR", "LEFT", "RIGHT", "WIDTH", "COORDS"})) {
      case 0:
        for (std::string& block : SplitTrimmed(a.Quoted(), '/'))
          if (!block.empty()) d.Falsch.push_back(std::move(block));
        break;
      case 1: m_.Settings.TrayTop = a.Integer(0, 1000, 350); break;
      case 2: {
        // At least one block per row: the tray is laid out by rows.
        d.PerRow = std::max(1, a.Integer(0, 100, 4));
        if (d.PerRow == 4) d.BlockWidth = 120;
        else if (d.PerRow == 5) d.BlockWidth = 100;
        else if (d.PerRow == 6) d.BlockWidth = 80;
        break;
      }
      case 3: d.TrayLeft = a.Integer(0, 1000, 80); break;
      case 4: d.TrayRight = a.Integer(0, 1000, pageMinusLeft()); break;
      case 5: d.BlockWidth = std::max(1, a.Integer(0, 1000, pageMinusLeft())); break;
      case 6: {
        const TCoords c = ParseCoords(m_, a.Bare());
        d.TrayLeft = c.x;
        m_.Settings.TrayTop = c.y;
        d.TrayRight = c.x + (c.w == kNoCoord ? m_.ClientWidth - c.x : c.w);
        break;
      }
      default: more = false; break;
    }
  }
}

void TReader::TagSatz(TAttributeCursor& a) {
  m_.Slots.Sentence = f_.Font();
  std::string parts;
  TCoords c{};
  for (bool more = true; more;) {
    switch (a.Next({"TEILE", "COORDS"})) {
      case 0: parts = a.Quoted(); break;
      case 1: c = ParseCoords(m_, a.Bare()); break;
      default: more = false; break;
    }
  }
  if (parts.empty() || c.x <= 0) return;
  tSatzteilListe task;
  task.Rect = RectOf(c);
  task.Parts = SplitTrimmed(parts, '/');
  for (const std::string& p : task.Parts) task.Correct += (task.Correct.empty() ? "" : " ") + p;
  task.Correct = Trim(task.Correct);
  m_.Satzbau.push_back(std::move(task));
}

void TReader::TagRecorder(TAttributeCursor& a) {
  if (!m_.RecorderAvailable) return;
  TRecorderBinding& r = m_.Recorder;
  r.Present = true;
  for (bool more = true; more;) {
    switch (a.Next({"C-REC", "C-PLAY", "PICTURES", "COLOR", "MAX"})) {
      case 0:
        r.Rec = RectOf(ParseCoords(m_, a.Bare()));
        m_.LinkNames.FixedAreas.push_back({m_.LinkNames.Add("\xA7rec@REC"), r.Rec, false, -1});
        break;
      case 1:
        r.Play = RectOf(ParseCoords(m_, a.Bare()));
        m_.LinkNames.FixedAreas.push_back({m_.LinkNames.Add("\xA7play@PLAY"), r.Play, false, -1});
        break;
      case 2: r.Pictures = a.Quoted(); break;
      case 3: r.Color = Color(a); break;
      case 4: r.Max = a.Integer(2, 20, 4); break;
      default: more = false; break;
    }
  }
}

}  // namespace vyr
