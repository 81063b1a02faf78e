#pragma once
// The page-level tables the elements point into: link names, boxes, check
// boxes, pictures, image maps and styles.
#include <QImage>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "page/model/PageFormat.h"

namespace vyr {

struct TPageRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TPageRect&) const = default;
};
inline QRect ToQRect(const TPageRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

// A clickable area; layout builds these for the elements that are links.
struct TLinkArea {
  int32_t NameIndex = -1;
  int32_t Element = -1;  // -1 = not tied to an element
  TPageRect Rect;
  bool Flashing = false;
};

// An area the reader already knows the place of (a box with a target, the
// recorder's buttons); layout copies these into the areas every time.
struct TFixedLinkArea {
  int32_t NameIndex = -1;
  TPageRect Rect;
  bool Flashing = false;
  int32_t BoxIndex = -1;  // the mouse-over box the area belongs to
};

// Link names (`target@note`, duplicates allowed) and the areas laid over them.
struct tNamed_rectangle_list {
  std::vector<std::string> Names;
  std::vector<TLinkArea> Areas;
  std::vector<TFixedLinkArea> FixedAreas;
  int32_t HoverFirst = -1, HoverLast = -1;

  int32_t Add(std::string_view name) {
    Names.emplace_back(name);
    return static_cast<int32_t>(Names.size() - 1);
  }
  void Clear() {
    Names.clear();
    Areas.clear();
    FixedAreas.clear();
    HoverFirst = HoverLast = -1;
  }
};

enum TBoxShape : uint8_t { bsRectangle = 0, bsRoundRect = 1, bsEllipse = 2, bsRandom = 3, bs3D = 4 };

// One <BOX> or <ELLIPSE>.
struct TBox {
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  bool Filled = false;
  int32_t FillColor = 0;
  int32_t OnColor = -1, OffColor = -1;
  int32_t OnTextColor = 0xFFFFFF, OffTextColor = 0xFFFFFF;
  int32_t FlashArea = -1;   // index of the box's flashing area in the fixed areas
  int32_t TextOffset = 0;   // YO
  int32_t BorderColor = 0;  // black until BCOLOR is read
  int32_t BorderWidth = 0;
  bool AutoHeight = false;
  bool OnTop = false;
  TBoxShape Shape = bsRectangle;
  int32_t Radius = 30;
  int32_t Offset = 0;
  int32_t Opacity = 255;
  uint8_t Mode = 0;
  std::string Href;        // the box's link target, prepared
  int32_t LinkIndex = -1;  // its name in the link-name table
};
using TBoxList = std::vector<TBox>;

struct TCheckBox {
  std::string Name;
  int32_t Size = 0;
  bool Checked = false;
};
using TCheckBoxList = std::vector<TCheckBox>;

struct TXPicture {
  QImage Picture;                  // 24 bits per pixel
  std::string Name;                // as resolved, without a leading "*"
  bool Keep = false;               // kept across pages
  bool Requested = false;          // painted by the owner on request ("%WxH=code")
  std::string Code;                // the request code
  int32_t LastX = -1, LastY = -1;  // where it was last drawn
};
using tPicture_list = std::vector<TXPicture>;

struct tArea {
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;  // in picture pixels
  std::string Target;
};
using tAreaList = std::vector<tArea>;

struct tMap {
  std::string Name;  // compared with USEMAP exactly
  tAreaList Areas;
};
using tMapList = std::vector<tMap>;

// A named font block defined by <FONT ID=…>; kept across pages.
struct TXStyle {
  std::string Name;  // as written
  TFontBlock Font;
  int32_t LineSpace = 1;
  int32_t Tracking = 0;
};
using TXStyleList = std::vector<TXStyle>;

// The tile animation of a page (<BOX LOMO>).
struct TLomoBox {
  bool Present = false;
  int32_t BoxIndex = -1;
  TPageRect Rect;  // the box
  bool HasZone2 = false;
  TPageRect Zone2;
  int32_t Speed = 500;            // milliseconds
  std::vector<int32_t> Pictures;  // indexes in the picture list
};

}  // namespace vyr
