#pragma once
// Pages read, laid out with the real fonts and drawn into a page buffer, as
// the page control does it; pictures are small bitmaps written into a
// temporary page directory. The control is 200 x 150 pixels unless a test
// sets another size.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <string_view>

#include "page/draw/Blend.h"
#include "page/draw/PageDraw.h"
#include "page/layout/FontMetrics.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "page/reader/PageReader.h"
#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "tests/common/Pixels.h"
#include "tests/common/TempDir.h"

namespace vyr::test {

constexpr int32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kBlack = 0;

inline QRect QRectOf(const TPageRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

class DrawTest : public ::testing::Test {
 protected:
  DrawTest() {
    m.ClientWidth = 200;
    m.ClientHeight = 150;
    m.XPath = dir.path();
    m.XFile = "seite.htx";
    m.onPictureRequest = [](const std::string&, QImage&) {};
  }

  void Draw(std::string_view markup) {
    ReadPage(m, markup);
    Redraw();
  }
  void Redraw() {
    LayoutPage(m, fonts, l);
    buffer = MakePageBuffer(m, l);
    DrawPage(m, l, fonts, buffer, &r);
  }

  // A 24-bit bitmap file in the page directory.
  void Picture(const std::string& name, const QImage& image) {
    ASSERT_TRUE(image.convertToFormat(QImage::Format_RGB888).save(NativePath(dir.path() + name), "BMP"));
  }
  void SolidPicture(const std::string& name, int w, int h, int32_t colour) {
    Picture(name, test::SolidPicture(w, h, colour));
  }

  int32_t At(int x, int y) const { return At(buffer, x, y); }
  static int32_t At(const QImage& img, int x, int y) { return ColorAt(img, x, y); }
  // How many pixels of a rectangle lie within `tolerance` (sum of byte
  // differences) of the colour, or beyond it with `far`.
  static int CountBy(const QImage& img, const QRect& rect, int32_t colour, int tolerance, bool far) {
    const TRgb c = ColorToRgb(colour);
    int n = 0;
    const QRect r = rect & img.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) {
        const QRgb p = img.pixel(x, y);
        const int d = std::abs(qRed(p) - c.r) + std::abs(qGreen(p) - c.g) + std::abs(qBlue(p) - c.b);
        n += far ? d > tolerance : d <= tolerance;
      }
    return n;
  }
  // Pixels of exactly this colour.
  static int Count(const QImage& img, const QRect& rect, int32_t colour) {
    return CountBy(img, rect, colour, 0, false);
  }
  // Pixels near the colour (anti-aliased text).
  static int CountNear(const QImage& img, const QRect& rect, int32_t colour, int tolerance = 60) {
    return CountBy(img, rect, colour, tolerance, false);
  }
  // Pixels far from the colour.
  static int CountOther(const QImage& img, const QRect& rect, int32_t colour) {
    return CountBy(img, rect, colour, 200, true);
  }

  // The n-th element of a kind and its laid-out rectangle.
  int32_t IndexOf(TElementKind kind, int n = 0) const {
    for (size_t i = 0; i < m.Elements.size(); ++i)
      if (m.Elements[i].Kind == kind && n-- == 0) return static_cast<int32_t>(i);
    ADD_FAILURE() << "no element of kind " << ElementKindName(kind);
    return 0;
  }
  int32_t Word(std::string_view text) const {
    for (size_t i = 0; i < m.Elements.size(); ++i)
      if (m.Elements[i].Kind == ekWord && m.Elements[i].Text == text) return static_cast<int32_t>(i);
    ADD_FAILURE() << "no word " << text;
    return 0;
  }
  QRect Cell(int32_t element) const {
    const TLayoutElement& e = l.Elements[static_cast<size_t>(element)];
    return QRect(e.X, e.BaseY - e.Ascent, e.Width, e.Ascent + e.Descent);
  }
  // Where the n-th picture is drawn (and its link area lies).
  QRect PictureRect(int n = 0) const {
    const int32_t k = IndexOf(ekPicture, n);
    const TXText& x = m.Elements[static_cast<size_t>(k)];
    const TLayoutElement& e = l.Elements[static_cast<size_t>(k)];
    return QRect(PictureLeft(x, e, ColumnWidthOf(x, l.TextWidth)), e.BaseY - e.Ascent, e.Width, e.Ascent + e.Descent);
  }
  // The link area laid over an element.
  int32_t AreaOf(int32_t element) const {
    for (size_t i = 0; i < m.LinkNames.Areas.size(); ++i)
      if (m.LinkNames.Areas[i].Element == element) return static_cast<int32_t>(i);
    ADD_FAILURE() << "no area over element " << element;
    return 0;
  }

  TTempDir dir;
  TMessageRecorder messages;
  TPageModel m;
  TQtFontMetrics fonts;
  TPageLayout l;
  QImage buffer;
  TPageDrawResult r;
};

}  // namespace vyr::test
