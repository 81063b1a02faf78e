// Text style and layout tags, <FONT> and <BODY>.
#include <string>
#include <utility>

#include "page/model/PageModel.h"
#include "page/reader/FontFaces.h"
#include "page/reader/PageValues.h"
#include "page/reader/PictureList.h"
#include "page/reader/ReaderContext.h"
#include "page/sources/PageName.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "platform/core/Random.h"
#include "text/Case.h"
#include "text/Trim.h"

namespace vyr {
namespace {

constexpr int32_t kMaxFontSize = 720;
constexpr int32_t kTabLimit = 100000;
constexpr int32_t kWhite = 0xFFFFFF;

uint8_t CharsetCode(std::string_view name) {
  static const std::pair<std::string_view, uint8_t> kCharsets[] = {
      {"ANSI", 0},    {"ARABIC", 178},  {"BALTIC", 186}, {"DEFAULT", 1},   {"EASTEUROPE", 238},
      {"GREEK", 161}, {"RUSSIAN", 204}, {"THAI", 222},   {"TURKISH", 162}, {"JAPANESE", 128},
  };
  const std::string upper = UpperCase(name);
  for (const auto& [n, code] : kCharsets)
    if (upper == n) return code;
  return 0;
}

bool FontInstalled(const TPageModel& m, const std::string& face) {
  return m.onFontInstalled ? m.onFontInstalled(face) : IsFontInstalled(face);
}

}  // namespace

bool TReader::TagTextStyle(std::string_view name) {
  TSaveSlots& s = m_.Slots;
  if (name == "B" || name == "STRONG") {
    f_.Style |= kBold;
  } else if (name == "/B" || name == "/STRONG") {
    f_.Style &= static_cast<uint8_t>(~kBold);
  } else if (name == "I" || name == "CITE") {
    f_.Style |= kItalic;
  } else if (name == "/I" || name == "/CITE") {
    f_.Style &= static_cast<uint8_t>(~kItalic);
  } else if (name == "U") {
    f_.Style |= kUnderline;
  } else if (name == "/U") {
    f_.Style &= static_cast<uint8_t>(~kUnderline);
  } else if (name == "EM") {
    s.Sentence = f_.Font();
    f_.Style |= kBold | kItalic;
  } else if (name == "/EM") {
    f_.Style &= static_cast<uint8_t>(~(kBold | kItalic));
  } else if (name.size() == 2 && name[0] == 'H' && name[1] >= '1' && name[1] <= '6') {
    s.Heading = f_.Font();
    f_.FontSize = 7 - (name[1] - '0');
    f_.Style |= kBold;
  } else if (name.size() == 3 && name[0] == '/' && name[1] == 'H' && name[2] >= '1' && name[2] <= '6') {
    f_.FontSize = s.Heading.FontSize;
    f_.Style = s.Heading.Style;
  } else if (name == "TT") {
    s.Teletype = f_.Font();
    f_.FontName = "Courier New";
    f_.FontSize -= 1;
  } else if (name == "/TT") {
    f_.FontSize += 1;
    f_.FontName = s.Teletype.FontName;
  } else if (name == "PRE") {
    s.Preformatted = f_.Font();
    f_.FontName = "Courier New";
    f_.FontSize = 2;
    f_.Pre = true;
  } else if (name == "/PRE") {
    f_.FontName = s.Preformatted.FontName;
    f_.FontSize = s.Preformatted.FontSize;
    f_.Pre = false;
  } else if (name == "W") {
    f_.PhraseId = RandomInt(100);
  } else if (name == "/W") {
    f_.PhraseId = -1;
  } else if (name == "INV") {
    if (f_.Color == f_.BackColor) {
      if (f_.Color == kWhite) f_.BackColor = 0;
      else if (f_.Color == 0) f_.BackColor = kWhite;
    }
    std::swap(f_.Color, f_.BackColor);
    f_.ClearBack = false;
  } else if (name == "/INV") {
    std::swap(f_.Color, f_.BackColor);
    f_.ClearBack = true;
  } else if (name == "CLEAR") {
    f_.ClearBack = true;
  } else if (name == "CENTER") {
    f_.Align = 1;
  } else if (name == "/CENTER") {
    f_.Align = 0;
  } else if (name == "RIGHT") {
    f_.Align = 2;
  } else if (name == "BLOCK") {
    f_.Align = 3;
  } else if (name == "P") {
    Append(ekParagraph);
  } else if (name == "BR") {
    Append(ekLineBreak);
  } else {
    return false;
  }
  return true;
}

// <X5>, <X!30>, <X-40>: the tab for the next word.
void TReader::TagTab(std::string_view name) {
  std::string_view rest = name.substr(1);
  const bool block = !rest.empty() && rest[0] == '!';
  if (block) rest.remove_prefix(1);
  if (rest.empty() || (rest[0] != '-' && (rest[0] < '0' || rest[0] > '9'))) return;
  const auto n = ParseInteger(rest);
  if (!n) return;
  int32_t v = ClampInt(*n, -kTabLimit, kTabLimit);
  if (rest.size() == 1 && *n >= 1) v = 100 + *n;  // tenths of the column
  tab_ = v;
  f_.Align = block ? 3 : 0;
}

// <+NAME>: a style defined by <FONT ID=NAME>.
void TReader::TagStyle(std::string_view writtenName) {
  const std::string name = UpperCase(writtenName);
  const std::string_view styleName = std::string_view(name).substr(1);
  const TXStyle* style = nullptr;
  for (auto it = m_.Styles.rbegin(); it != m_.Styles.rend() && !style; ++it)
    if (it->Name == styleName) style = &*it;
  if (!style) {
    ShowCourseMessage("KEIN + gefunden! " + name, msg::Ok | msg::IconInformation);
    return;
  }
  const bool hadClearBack = f_.ClearBack;
  const int32_t oldBack = f_.BackColor;
  f_.SetFont(style->Font);
  f_.Tracking = style->Tracking;
  if (style->Font.ClearBack && !hadClearBack) f_.BackColor = oldBack;
  if (f_.LineSpace < 1000) f_.LineSpace = style->LineSpace;
}

void TReader::TagFont(TAttributeCursor& a) {
  const TFontBlock atStart = f_.Font();
  const int32_t lineSpaceAtStart = f_.LineSpace, trackingAtStart = f_.Tracking;
  auto save = [&] { m_.Slots.Font = f_.Font(); };
  for (;;) {
    switch (a.Next({"SIZE", "COLOR", "FACE", "LINESPACE", "ID", "TRACKING", "BCOLOR", "FLASH", "LINK", "CHARSET"})) {
      case 0: {
        const std::string_view v = a.Bare();
        const bool relative = !v.empty() && (v[0] == '+' || v[0] == '-');
        const int32_t n = ParseInteger(v) ? ClampInt(*ParseInteger(v), 0, kMaxFontSize) : 3;
        save();
        f_.FontSize = relative ? ClampInt(int64_t(f_.FontSize) + n, INT32_MIN, kMaxFontSize) : n;
        break;
      }
      case 1: {
        const int32_t c = Color(a);
        save();
        f_.Color = c;
        break;
      }
      case 2: {
        std::string_view faces = a.Quoted();
        while (!faces.empty()) {
          const size_t comma = faces.find(',');
          const std::string face = Trim(faces.substr(0, comma));
          faces = comma == std::string_view::npos ? std::string_view() : faces.substr(comma + 1);
          if (!face.empty() && FontInstalled(m_, face)) {
            save();
            f_.FontName = face;
            break;
          }
        }
        break;
      }
      case 3:
        if (const auto n = a.IntegerOrNone(-500, 500)) f_.LineSpace = *n ? *n + 2000 : 0;
        break;
      case 4: {
        TXStyle style;
        style.Name = std::string(a.Bare());
        style.Font = f_.Font();
        style.LineSpace = f_.LineSpace;
        style.Tracking = f_.Tracking;
        m_.Styles.push_back(std::move(style));
        f_.SetFont(atStart);
        f_.LineSpace = lineSpaceAtStart;
        f_.Tracking = trackingAtStart;
        break;
      }
      case 5:
        if (const auto n = a.IntegerOrNone(-500, 500)) f_.Tracking = *n;
        break;
      case 6: {
        const std::string_view v = a.Bare();
        if (SameText(v, "OFF")) {
          f_.ClearBack = true;
        } else {
          const int32_t c = ParseColorValue(v);
          save();
          f_.BackColor = c;
          f_.ClearBack = false;
        }
        break;
      }
      case 7: {
        const int32_t c = Color(a);
        save();
        f_.FlashColor = c;
        break;
      }
      case 8: {
        const int32_t c = Color(a);
        save();
        f_.LinkColor = c;
        break;
      }
      case 9: {
        const uint8_t code = CharsetCode(a.Bare());
        save();
        f_.Charset = code;
        break;
      }
      default: return;
    }
  }
}

void TReader::TagBody(TAttributeCursor& a) {
  TPageSettings& s = m_.Settings;
  for (;;) {
    switch (a.Next({"BGCOLOR", "TEXT", "LINK", "GAP", "KLOTZ", "KBGR", "BACKGROUND", "MCHAN", "MCHAUS", "WAIT",
                    "ONSHOW", "FORM"})) {
      case 0: s.ColorBGR = Color(a); break;
      case 1: s.ColorTXT = Color(a); break;
      case 2: s.LinkColor = Color(a); break;
      case 3: s.GapColor = Color(a); break;
      case 4: s.BlockColor = Color(a); break;
      case 5: s.HoleColor = Color(a); break;
      case 6: {
        const std::string_view name = a.Bare();
        if (name.empty()) break;
        const std::string path = InPageDirectory(m_.XPath, name);
        QImage picture = ReadPictureFile(path);
        if (!picture.isNull()) {  // a background that cannot be loaded is left out
          s.Background = path;
          s.BackgroundPicture = std::move(picture);
        }
        break;
      }
      case 7:
      case 8: Color(a); break;
      case 9: {
        const std::string_view v = a.Quoted();
        const size_t comma = v.find(',');
        const std::string interval = VariableText(m_, TrimView(v.substr(0, comma)));
        const std::string target =
            comma == std::string_view::npos ? std::string() : VariableText(m_, TrimView(v.substr(comma + 1)));
        s.WaitInterval = std::max<int32_t>(0, ParseInteger(interval).value_or(0));
        s.WaitTarget = target;
        break;
      }
      case 10: s.ShowAction = VariableText(m_, a.Quoted()); break;
      case 11:
        s.FormColor = true;
        a.SkipBlanks();
        if (!StartsWithText(a.Rest(), "=")) return;  // written without "=" it ends the tag
        a.Bare();
        break;
      default: return;
    }
  }
}

}  // namespace vyr
