#pragma once
// Drawing the boxes of a page (<BOX>, <ELLIPSE>) onto a 24-bit picture: the
// five shapes, fill and border, opacity and blend mode. Curved and slanted
// edges are anti-aliased by 4 x 4 sampling.
//
// A box reaches from (x - offset, y - offset) to (x + w + offset, y + h +
// offset), one pixel further right and down when it has a border, which lies
// inside that area. A translucent box (opacity below 255 or a mode) blends
// its fill and its border with the box's mode, tinting toward its own colour
// in the tint modes.
#include <QImage>
#include <cstdint>

namespace vyr {

struct TBox;

struct TBoxPaint {
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  bool Filled = false;
  int32_t FillColor = 0;
  int32_t BorderColor = 0;
  int32_t BorderWidth = 0;
  uint8_t Shape = 0;  // 0 rectangle, 1 rounded, 2 ellipse, 3 random bands, 4 shadowed
  int32_t Radius = 30;
  int32_t Offset = 0;
  int32_t Opacity = 255;
  uint8_t Mode = 0;
};

TBoxPaint BoxPaintOf(const TBox& box);

// Only boxes that are filled or have a border are drawn.
bool BoxIsDrawn(const TBoxPaint& box);
// Draws onto a Format_RGB888 picture, clipped to it. Random bands take their
// heights from the program's random generator.
void DrawBox(QImage& target, const TBoxPaint& box);

}  // namespace vyr
