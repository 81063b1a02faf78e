#include "page/reader/PageValues.h"

#include <cstdio>

#include "page/model/PageModel.h"
#include "page/reader/AttributeCursor.h"
#include "page/sources/PageName.h"
#include "platform/core/Files.h"
#include "platform/core/Random.h"
#include "text/Case.h"
#include "text/Trim.h"

namespace vyr {
namespace {

constexpr int32_t kWhite = 0xFFFFFF;
// Colour names defined in terms of each other stop after this many steps.
constexpr int kMaxColorNameSteps = 16;
// Computed coordinates stay within this range, so sums of them cannot overflow.
constexpr int32_t kCoordLimit = 100000;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int32_t HexColor(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return 0xFF0000;
  uint32_t v = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return 0xFF0000;
    v = (v << 4) | static_cast<uint32_t>(d);
  }
  return static_cast<int32_t>(((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF));
}

int32_t RandomChannel() { return RandomInt(6) * 51; }

}  // namespace

int32_t ParseColor(const TPageModel& m, std::string_view value) {
  if (value.empty()) return kWhite;
  std::string s(StripOneQuote(LowerCase(value)));
  if (s == "random") return RandomChannel() | (RandomChannel() << 8) | (RandomChannel() << 16);
  if (!s.empty() && s[0] == '$') {
    const TXAliasList& vars = m.OuterVariables ? *m.OuterVariables : m.Variables;
    s = vars.Get(std::string_view(s).substr(1));
  }
  for (int step = 0; !s.empty() && s[0] != '#' && s[0] != 'i' && s[0] != '?'; ++step)
    s = step < kMaxColorNameSteps ? m.ColorNames.Get(s) : std::string();
  if (!s.empty() && s[0] == '?') {
    const std::string_view groups = std::string_view(s).substr(1);
    const int n = static_cast<int>((groups.size() + 1) / 7);
    const std::string_view pick = n > 0 ? groups.substr(static_cast<size_t>(RandomInt(n)) * 7, 6) : groups;
    s = "#" + std::string(pick);
  }
  if (s.empty()) return kWhite;
  if (s[0] == '#') return HexColor(std::string_view(s).substr(1));
  if (s[0] == 'i') {
    const auto n = ParseInteger(std::string_view(s).substr(1));
    return (n && *n >= 0 && *n < kPaletteColor) ? *n + kPaletteColor : 128 + kPaletteColor;
  }
  return kWhite;
}

TCoords ParseCoords(const TPageModel& m, std::string_view value) {
  std::string text(StripOneQuote(value));
  if (!text.empty() && text[0] == '#') text = m.Aliases.Get(text);
  std::string_view items[4];
  {
    std::string_view rest = text;
    for (int i = 0; i < 4 && !rest.empty(); ++i) {
      const size_t comma = rest.find(',');
      items[i] = TrimView(rest.substr(0, comma));
      rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
      if (comma == std::string_view::npos) break;
    }
  }
  const int64_t W = m.ClientWidth, H = m.ClientHeight;
  auto number = [](std::string_view item, bool* star) -> int64_t {
    *star = !item.empty() && item[0] == '*';
    if (*star) item.remove_prefix(1);
    return ParseInteger(item).value_or(kNoCoord);
  };
  auto position = [&](std::string_view item, int64_t size) -> int32_t {
    bool star = false;
    const int64_t n = number(item, &star);
    int64_t v = n;
    if (star) v = size / 2 + n;
    else if (n < -10000) v = size + n % 10000;
    return ClampInt(v, -kCoordLimit, kCoordLimit);
  };
  auto extent = [&](std::string_view item, int64_t size, int64_t origin) -> int32_t {
    bool star = false;
    const int64_t n = number(item, &star);
    if (n == kNoCoord) return kNoCoord;
    return ClampInt(n < 1 ? size + n - origin : n, -kCoordLimit, kCoordLimit);
  };
  TCoords c;
  c.x = position(items[0], W);
  c.y = position(items[1], H);
  c.w = extent(items[2], W, c.x);
  c.h = extent(items[3], H, c.y);
  return c;
}

std::string VariableText(const TPageModel& m, std::string_view value) {
  if (!value.empty() && value[0] == '$') return m.Variables.Get(value.substr(1));
  return std::string(value);
}

std::string ResolveName(const TPageModel& m, std::string_view name) {
  return m.onResolve ? m.onResolve(std::string(name)) : ResolvePageName(name, m.XPath);
}

std::string NumberedPage(TPageModel& m, bool next) {
  const std::string& file = m.XFile;
  size_t dot = file.find('.');
  if (dot == std::string::npos) dot = file.size();
  size_t start = dot, len = 0;
  int64_t n = 0;
  bool pad = false;
  if (dot >= 2 && ParseInteger(std::string_view(file).substr(dot - 2, 2))) {
    start = dot - 2;
    len = 2;
    pad = true;
    n = *ParseInteger(std::string_view(file).substr(start, 2));
  } else if (dot >= 1 && ParseInteger(std::string_view(file).substr(dot - 1, 1))) {
    start = dot - 1;
    len = 1;
    n = *ParseInteger(std::string_view(file).substr(start, 1));
  }
  n += next ? 1 : -1;
  char digits[24];
  std::snprintf(digits, sizeof digits, pad ? "%02lld" : "%lld", static_cast<long long>(n));
  const std::string name = file.substr(0, start) + digits + file.substr(start + len);
  const std::string path = InPageDirectory(m.XPath, name);
  const char* condition = next ? "next" : "prev";
  if (!file.empty() && FileExists(path)) {
    m.Bedingung.Set(condition, true);
    return path;
  }
  m.Bedingung.Set(condition, false);
  return {};
}

std::string PrepareLinkTarget(TPageModel& m, std::string_view target, bool* samePage) {
  if (samePage) *samePage = false;
  const size_t at = target.find('@');
  const std::string_view note = at == std::string_view::npos ? std::string_view() : target.substr(at);
  std::string_view t = target.substr(0, at);
  if (!t.empty() && t[0] == '*') t.remove_prefix(1);
  std::string result;
  if (!t.empty() && t[0] == '#') {
    const std::string* alias = m.Aliases.Find(t);
    result = (alias && !alias->empty() && (*alias)[0] == '*') ? alias->substr(1) : std::string(t);
    return result + std::string(note);
  }
  const bool plain = t.empty() || (t[0] != '$' && t[0] != '!');
  result = VariableText(m, t);
  if (!result.empty() && result[0] == '!') result = NumberedPage(m, result.size() > 1 && result[1] == '+');
  if (plain && samePage && !result.empty() && !m.XFile.empty())
    *samePage = SameText(ResolveName(m, result), IncludeTrailingBackslash(m.XPath) + m.XFile);
  return result + std::string(note);
}

std::string PrepareBoxTarget(TPageModel& m, std::string_view target) {
  std::string t(target);
  if (!t.empty() && t[0] == '$') {
    std::string v = m.Variables.Get(std::string_view(t).substr(1));
    if (!v.empty()) t = std::move(v);
  }
  if (!t.empty() && t[0] == '!') t = NumberedPage(m, t.size() > 1 && t[1] == '+');
  return t;
}

std::vector<std::string> SplitGapSolutions(std::string_view lsg) {
  std::vector<std::string> out;
  if (lsg.empty()) return out;
  for (;;) {
    const size_t p = lsg.find("; ");
    out.emplace_back(lsg.substr(0, p));
    if (p == std::string_view::npos) break;
    lsg.remove_prefix(p + 2);
  }
  return out;
}

std::vector<std::string> SplitEditSolutions(std::string_view lsg) {
  std::vector<std::string> out;
  if (lsg.empty()) return out;
  for (;;) {
    const size_t p = lsg.find(';');
    out.push_back(Trim(lsg.substr(0, p)));
    if (p == std::string_view::npos) break;
    lsg.remove_prefix(p + 1);
  }
  return out;
}

}  // namespace vyr
