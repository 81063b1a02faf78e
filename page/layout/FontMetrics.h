#pragma once
// Text measurement for page layout: one small interface, a Qt implementation
// on a 96 dpi device with the page's height rule, and a fixed implementation
// with deterministic widths for tests and tools.
//
// The page's height rule: font sizes 1 to 7 are size steps with the
// character heights 11, 13, 16, 19, 24, 32 and 48 pixels (the height of the
// characters without internal leading); a size above 7 is the height of the
// whole character cell in pixels; 0 or less counts as 1.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "page/model/PageFormat.h"
#include "page/reader/FontFaces.h"

namespace vyr {

// What of a font block decides how text in it measures.
struct TFontKey {
  uint8_t Style = 0;
  TFontName FontName{"Times New Roman"};
  int32_t FontSize = 3;
  uint8_t Charset = 0;

  static TFontKey Of(const tHTML_format& f) { return {f.Style, f.FontName, f.FontSize, f.Charset}; }
  static TFontKey Of(const TFontBlock& f) { return {f.Style, f.FontName, f.FontSize, f.Charset}; }
  bool operator==(const TFontKey& o) const {
    return Style == o.Style && FontSize == o.FontSize && Charset == o.Charset && FontName == o.FontName;
  }
};

struct TFontKeyHash {
  size_t operator()(const TFontKey& k) const;
};

// The height a font size asks for: a character height (sizes 1 to 7) or a
// cell height (larger sizes, at most kMaxCellHeight).
struct TFontHeight {
  int32_t Pixels = 16;
  bool IsCellHeight = false;
};
constexpr int32_t kMaxCellHeight = 2000;
TFontHeight FontHeightOf(int32_t fontSize);

// The font's vertical metrics, as the page uses them.
struct TFontInfo {
  int32_t Ascent = 0;   // pixels above the baseline
  int32_t Descent = 0;  // pixels below the baseline
  int32_t Height = 0;   // cell height: the height of any text extent
};

class TFontMetrics {
 public:
  using TFontId = int32_t;
  virtual ~TFontMetrics() = default;
  // The font made from a font block; the same block always gives the same id.
  virtual TFontId Font(const TFontKey& key) = 0;
  virtual TFontInfo Info(TFontId font) = 0;
  // Advance width of a Windows-1252 text with `tracking` extra pixels after
  // every character (negative tracking narrows; the width never drops below 0).
  virtual int32_t TextWidth(TFontId font, std::string_view text, int32_t tracking) = 0;
};

// Real fonts through QFont/QFontMetrics. Needs a running QGuiApplication.
// Fonts, their metrics and the widths of words already measured are kept
// per font block.
class TQtFontMetrics : public TFontMetrics {
 public:
  TQtFontMetrics();
  ~TQtFontMetrics() override;
  TFontId Font(const TFontKey& key) override;
  TFontInfo Info(TFontId font) override;
  int32_t TextWidth(TFontId font, std::string_view text, int32_t tracking) override;
  // The realised font, for drawing text the way it was measured.
  QFont QtFont(TFontId font) const;

 private:
  struct TEntry;
  QImage device_;  // 96 dpi
  std::vector<std::unique_ptr<TEntry>> fonts_;
  std::unordered_map<TFontKey, TFontId, TFontKeyHash> ids_;
};

// Deterministic metrics without real fonts. For a character height e (sizes
// 1 to 7): ascent e, descent e div 4; for a cell height h (larger sizes):
// descent h div 5, ascent h - descent. Every character, blanks included, is
// ascent div 2 pixels wide, one more in bold. Size 3 therefore gives 8-pixel
// characters, ascent 16, descent 4, height 20.
class TFixedFontMetrics : public TFontMetrics {
 public:
  TFontId Font(const TFontKey& key) override;
  TFontInfo Info(TFontId font) override;
  int32_t TextWidth(TFontId font, std::string_view text, int32_t tracking) override;
  int32_t CharWidth(TFontId font) const;

 private:
  struct TEntry {
    TFontInfo Info;
    int32_t CharWidth = 0;
  };
  std::vector<TEntry> fonts_;
  std::unordered_map<TFontKey, TFontId, TFontKeyHash> ids_;
};

}  // namespace vyr
