#pragma once
// The text format record every page element carries: the reader keeps one
// current format and gives each element a copy of it.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace vyr {

// Colour values are 0x00BBGGRR (red in the low byte). Two markers stand for
// the page's own colours and are resolved when the text is drawn.
constexpr int32_t kPageTextColor = 2147483647;
constexpr int32_t kPageLinkColor = 1610612735;
// A palette entry n is written "i<n>" and stored as n + kPaletteColor.
constexpr int32_t kPaletteColor = 16777216;
// `PicHover` from this value on is an FCOLOR colour plus this value.
constexpr int32_t kHoverColor = 167772160;
// A coordinate that was not written.
constexpr int32_t kNoCoord = -1000000;
// Typing gaps have the task indexes 0..254; drag item n has 255 + n.
constexpr int32_t kDragTaskBase = 255;

// Style bits.
constexpr uint8_t kBold = 1, kItalic = 2, kUnderline = 4;

// A font face name of at most 40 characters, copied with the format without
// touching the heap.
class TFontName {
 public:
  static constexpr size_t kMax = 40;
  TFontName() = default;
  TFontName(std::string_view s) { assign(s); }  // NOLINT: written like a string
  TFontName(const char* s) { assign(s); }       // NOLINT
  TFontName& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  TFontName& operator=(const char* s) { return *this = std::string_view(s); }
  void assign(std::string_view s) {
    len_ = static_cast<uint8_t>(s.size() < kMax ? s.size() : kMax);
    if (len_) std::memcpy(buf_, s.data(), len_);
  }
  std::string_view view() const { return {buf_, len_}; }
  std::string str() const { return std::string(view()); }
  bool operator==(const TFontName& o) const { return view() == o.view(); }
  bool operator==(std::string_view s) const { return view() == s; }
  bool operator==(const char* s) const { return view() == std::string_view(s); }

 private:
  char buf_[kMax] = {};
  uint8_t len_ = 0;
};

// A text field of the format that is nearly always empty (ALT text, map
// name): shared and never changed in place, so copying a format with it
// costs a pointer copy.
class TPageText {
 public:
  TPageText() = default;
  TPageText(std::string_view s) { *this = s; }  // NOLINT: written like a string
  TPageText& operator=(std::string_view s) {
    text_ = s.empty() ? nullptr : std::make_shared<const std::string>(s);
    return *this;
  }
  std::string_view view() const { return text_ ? std::string_view(*text_) : std::string_view(); }
  std::string str() const { return std::string(view()); }
  bool empty() const { return !text_; }
  void clear() { text_.reset(); }
  bool operator==(std::string_view s) const { return view() == s; }
  bool operator==(const char* s) const { return view() == std::string_view(s); }
  bool operator==(const TPageText& o) const { return view() == o.view(); }

 private:
  std::shared_ptr<const std::string> text_;
};

// The fields from `Style` to `Charset`: what the save slots of the reader hold.
struct TFontBlock {
  uint8_t Style = 0;
  TFontName FontName{"Times New Roman"};
  int32_t FontSize = 3;
  int32_t Color = kPageTextColor;
  int32_t LinkColor = -1;
  int32_t BackColor = 0;
  bool ClearBack = true;
  int32_t FlashColor = -1;
  bool HotMark = false;
  uint8_t Charset = 0;
};

struct tHTML_format {
  int32_t TagCount = -1;     // one more for every tag read
  int32_t TabPos = 0;        // tab of the element; 0 = none, 101..109 tenths, other > 0 percent, < 0 pixels
  int32_t BoxIndex = -1;     // box elements (and the text after them): index in the box list
  int32_t CheckIndex = -1;   // check box element: index in the check box list
  int32_t ColumnLeft = 8;    // left edge of the text column
  int32_t BoxTop = -1;       // box element: top of its text; -1 = none
  int32_t ColumnWidth = -1;  // -1 = the page's text width
  int32_t CheckSize = 0;
  int32_t CheckGap = 0;
  int32_t LineSpace = 1;  // 0..1000 from a style; above 1000: explicit value + 2000
  uint8_t Align = 0;      // 0 left, 1 centred, 2 right, 3 block
  // font block
  uint8_t Style = 0;
  TFontName FontName{"Times New Roman"};
  int32_t FontSize = 3;  // 1..7 size steps, above 7 cell height in pixels
  int32_t Color = kPageTextColor;
  int32_t LinkColor = -1;
  int32_t BackColor = 0;
  bool ClearBack = true;
  int32_t FlashColor = -1;
  bool HotMark = false;
  uint8_t Charset = 0;
  // end of the font block
  int32_t LinkIndex = -1;  // index in the link-name table; -1 = no link
  bool Flash = false;
  int32_t Tracking = 0;
  int32_t TaskIndex = -1;  // 0..254 typing gap, 255 + n drag item n
  bool Pre = false;
  int32_t PhraseId = -1;  // <W> group 0..99
  int32_t PicIndex = -1;
  int32_t PicRadius = 0;
  int32_t PicAlpha = 255;
  uint8_t PicMode = 0;
  int32_t PicColor = 255;
  int32_t PicHover = -1;
  int32_t PicScale = 100;
  int32_t PicBase = 0;
  uint8_t PicAlign = 0;
  TPageText AltText;
  TPageText UseMap;

  TFontBlock Font() const {
    return {Style, FontName, FontSize, Color, LinkColor, BackColor, ClearBack, FlashColor, HotMark, Charset};
  }
  void SetFont(const TFontBlock& f) {
    Style = f.Style;
    FontName = f.FontName;
    FontSize = f.FontSize;
    Color = f.Color;
    LinkColor = f.LinkColor;
    BackColor = f.BackColor;
    ClearBack = f.ClearBack;
    FlashColor = f.FlashColor;
    HotMark = f.HotMark;
    Charset = f.Charset;
  }
};

}  // namespace vyr
