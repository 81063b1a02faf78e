#include "superlearning/options/OptionMappings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "page/reader/MarkupEscape.h"
#include "platform/core/Files.h"
#include "text/Trim.h"

namespace vyr {

int FrameDelayMs(int p) {
  p = std::clamp(p, 1, kFrameDelayPositions);
  if (p < 50) return p * 20;
  if (p <= 90) return (p - 40) * 100;
  if (p <= 140) return (p - 80) * 500;
  return 30000 + (p - 140) * 5000;
}

int FrameDelayPosition(int t) {
  int p;
  if (t < 1000) p = t / 20;
  else if (t < 5000) p = t / 100 + 40;
  else if (t <= 30000) p = t / 500 + 80;
  else p = 140 + (t - 30000) / 5000;
  return std::clamp(p, 1, kFrameDelayPositions);
}

std::string FormatDecimal(double value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", value);
  std::string s = buf;
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

std::string FrameDelayLabel(int t) {
  if (t < 1000) return std::to_string(t) + " ms";
  if (t >= 60000) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d min", t / 60000, t % 60000 / 1000);
    return buf;
  }
  return FormatDecimal(t / 1000.0) + " s";
}

namespace {

// A decimal number with "." as its separator, the whole text.
std::optional<double> ParseNumber(std::string_view s) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::fixed);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

int ParseTextDelay(std::string_view text) {
  // The decimal comma first; then the point in its place.
  std::string s(Trim(text));
  std::optional<double> seconds;
  if (s.find('.') == std::string::npos) {
    std::replace(s.begin(), s.end(), ',', '.');
    seconds = ParseNumber(s);
  } else if (s.find(',') == std::string::npos) {
    seconds = ParseNumber(s);
  }
  if (!seconds) return 0;
  return static_cast<int>(std::lround(std::clamp(*seconds, 0.0, 100.0) * 1000));
}

std::string FormatTextDelay(int ms) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%1.1f", ms / 1000.0);
  std::string s = buf;
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

std::string IntervalText(int seconds) {
  if (seconds == 60) return "1 Minute";
  if (seconds > 59) return std::to_string(seconds / 60) + " Minuten";
  return std::to_string(seconds) + " Sekunden";
}

int ParseInterval(std::string_view text) {
  if (text == "1 Minute") return 60;
  const auto number = [](std::string_view digits) -> int {
    int v = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    return ec == std::errc() && end == digits.data() + digits.size() && v >= 0 ? v : -1;
  };
  for (const auto& [ending, factor] : {std::pair<std::string_view, int>{" Sekunden", 1}, {" Minuten", 60}})
    if (text.size() > ending.size() && text.substr(text.size() - ending.size()) == ending) {
      const int v = number(text.substr(0, text.size() - ending.size()));
      return v < 0 || v > 100000 ? 0 : v * factor;
    }
  return 0;
}

std::string ColourText(int colour) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(colour) & 0xFFFFFFu);
  return buf;
}

std::optional<int> ParseColourText(std::string_view text) {
  if (text.empty()) return std::nullopt;
  unsigned v = 0;
  for (char c : text) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return std::nullopt;
    v = ((v << 4) | static_cast<unsigned>(d)) & 0xFFFFFFu;
  }
  return static_cast<int>(v);
}

int SwapRedBlue(int c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

std::string WebColour(int rgb) { return "#" + ColourText(rgb); }

std::string TechnoPreviewMarkup(const TTechnoPreview& p) {
  char buf[160];
  std::string m = "<body bgcolor=" + WebColour(p.background) + " text=" + WebColour(p.text) + ">";
  const std::string picture = p.pictureDir + "vorschau.jpg";
  if (!p.pictureDir.empty() && FileExists(picture)) {
    std::snprintf(buf, sizeof buf, " mode=%d transparent=%d>", p.mode, p.transparency * 255 / 100);
    m += "<box coords=0,0,160><img src=\"" + EscapeMarkupAttribute(picture) + "\" color=" + WebColour(p.tint) + buf;
  }
  const int h = p.height * p.border / 534;
  if (h > 0) {
    std::snprintf(buf, sizeof buf, "<box coords=0,0,160,%d color=#0 top><box coords=0,%d,160,%d color=#0 top>", h,
                  100 - h, h);
    m += buf;
  }
  m += "<box coords=0,40,160 align=m><font face=\"" + EscapeMarkupAttribute(p.font) +
       ", courier new\" size=2>*vyr techno";
  return m;
}

}  // namespace vyr
