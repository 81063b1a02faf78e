#include "page/layout/FontMetrics.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

// Word widths kept per font before the store starts afresh.
constexpr size_t kMaxCachedWords = 1 << 16;

int32_t Tracked(int64_t width, size_t characters, int32_t tracking) {
  const int64_t w = width + static_cast<int64_t>(tracking) * static_cast<int64_t>(characters);
  return static_cast<int32_t>(std::clamp<int64_t>(w, 0, INT32_MAX / 2));
}

struct TStringHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

}  // namespace

size_t TFontKeyHash::operator()(const TFontKey& k) const {
  size_t h = std::hash<std::string_view>{}(k.FontName.view());
  h = h * 31 + static_cast<size_t>(static_cast<uint32_t>(k.FontSize));
  h = h * 31 + k.Style;
  return h * 31 + k.Charset;
}

TFontHeight FontHeightOf(int32_t fontSize) {
  static constexpr std::array<int32_t, 7> kSteps = {11, 13, 16, 19, 24, 32, 48};
  if (fontSize < 1) fontSize = 1;
  if (fontSize <= 7) return {kSteps[static_cast<size_t>(fontSize - 1)], false};
  return {std::min(fontSize, kMaxCellHeight), true};
}

// ---------------------------------------------------------------------------
// Qt fonts

struct TQtFontMetrics::TEntry {
  QFont Font;
  QFontMetrics Metrics;
  TFontInfo Info;
  std::unordered_map<std::string, int32_t, TStringHash, std::equal_to<>> Widths;

  TEntry(const QFont& f, const QFontMetrics& m) : Font(f), Metrics(m) {}
};

TQtFontMetrics::TQtFontMetrics() : device_(1, 1, QImage::Format_RGB32) {
  // 96 dots per inch
  device_.setDotsPerMeterX(3780);
  device_.setDotsPerMeterY(3780);
}

TQtFontMetrics::~TQtFontMetrics() = default;

TFontMetrics::TFontId TQtFontMetrics::Font(const TFontKey& key) {
  if (auto it = ids_.find(key); it != ids_.end()) return it->second;

  QFont font(ResolveFaceName(key.FontName.view()));
  font.setBold(key.Style & kBold);
  font.setItalic(key.Style & kItalic);
  font.setUnderline(key.Style & kUnderline);
  // Widths are those of the characters one after the other, without kerning.
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferFullHinting);
  const TFontHeight height = FontHeightOf(key.FontSize);
  int pixels = height.Pixels;
  if (height.IsCellHeight) {
    // The largest pixel size whose cell is not higher than asked for.
    const auto cellAt = [&](int p) {
      font.setPixelSize(p);
      return QFontMetrics(font, &device_).height();
    };
    font.setPixelSize(100);
    const QFontMetricsF reference(font, &device_);
    const double ratio = reference.height() > 0 ? reference.height() / 100.0 : 1.0;
    pixels = std::max(1, static_cast<int>(std::lround(height.Pixels / ratio)));
    for (int step = 0; step < 8 && pixels > 1 && cellAt(pixels) > height.Pixels; ++step) --pixels;
    for (int step = 0; step < 8 && cellAt(pixels + 1) <= height.Pixels; ++step) ++pixels;
  }
  font.setPixelSize(pixels);

  auto entry = std::make_unique<TEntry>(font, QFontMetrics(font, &device_));
  entry->Info = {entry->Metrics.ascent(), entry->Metrics.descent(), entry->Metrics.height()};
  const auto id = static_cast<TFontId>(fonts_.size());
  fonts_.push_back(std::move(entry));
  ids_.emplace(key, id);
  return id;
}

TFontInfo TQtFontMetrics::Info(TFontId font) {
  if (font < 0 || static_cast<size_t>(font) >= fonts_.size()) return {};
  return fonts_[static_cast<size_t>(font)]->Info;
}

int32_t TQtFontMetrics::TextWidth(TFontId font, std::string_view text, int32_t tracking) {
  if (font < 0 || static_cast<size_t>(font) >= fonts_.size() || text.empty()) return 0;
  TEntry& e = *fonts_[static_cast<size_t>(font)];
  auto it = e.Widths.find(text);
  if (it == e.Widths.end()) {
    if (e.Widths.size() >= kMaxCachedWords) e.Widths.clear();
    it = e.Widths.emplace(std::string(text), e.Metrics.horizontalAdvance(ToUnicode(text))).first;
  }
  return Tracked(it->second, text.size(), tracking);
}

QFont TQtFontMetrics::QtFont(TFontId font) const {
  if (font < 0 || static_cast<size_t>(font) >= fonts_.size()) return {};
  return fonts_[static_cast<size_t>(font)]->Font;
}

// ---------------------------------------------------------------------------
// Fixed metrics

TFontMetrics::TFontId TFixedFontMetrics::Font(const TFontKey& key) {
  if (auto it = ids_.find(key); it != ids_.end()) return it->second;
  const TFontHeight height = FontHeightOf(key.FontSize);
  TEntry e;
  if (height.IsCellHeight) {
    e.Info.Descent = height.Pixels / 5;
    e.Info.Ascent = height.Pixels - e.Info.Descent;
  } else {
    e.Info.Ascent = height.Pixels;
    e.Info.Descent = height.Pixels / 4;
  }
  e.Info.Height = e.Info.Ascent + e.Info.Descent;
  e.CharWidth = e.Info.Ascent / 2 + ((key.Style & kBold) ? 1 : 0);
  const auto id = static_cast<TFontId>(fonts_.size());
  fonts_.push_back(e);
  ids_.emplace(key, id);
  return id;
}

TFontInfo TFixedFontMetrics::Info(TFontId font) {
  if (font < 0 || static_cast<size_t>(font) >= fonts_.size()) return {};
  return fonts_[static_cast<size_t>(font)].Info;
}

int32_t TFixedFontMetrics::CharWidth(TFontId font) const {
  if (font < 0 || static_cast<size_t>(font) >= fonts_.size()) return 0;
  return fonts_[static_cast<size_t>(font)].CharWidth;
}

int32_t TFixedFontMetrics::TextWidth(TFontId font, std::string_view text, int32_t tracking) {
  return Tracked(static_cast<int64_t>(CharWidth(font)) * static_cast<int64_t>(text.size()), text.size(), tracking);
}

}  // namespace vyr
