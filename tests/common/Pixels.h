#pragma once
// Reading and making small test pictures.
#include <QImage>
#include <cstdint>

#include "page/draw/Blend.h"

namespace vyr::test {

// The pixel of any picture as bytes.
inline TRgb PixelOf(const QImage& img, int x, int y) {
  const QRgb p = img.pixel(x, y);
  return {uint8_t(qRed(p)), uint8_t(qGreen(p)), uint8_t(qBlue(p))};
}
// The pixel as a colour value (0x00BBGGRR).
inline int32_t ColorAt(const QImage& img, int x, int y) { return RgbToColor(PixelOf(img, x, y)); }

// A 24-bit picture in one colour value.
inline QImage SolidPicture(int w, int h, int32_t color) {
  QImage img(w, h, QImage::Format_RGB888);
  FillRect(img, img.rect(), ColorToRgb(color));
  return img;
}

}  // namespace vyr::test
