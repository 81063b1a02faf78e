// Real fonts: the page's height rule, the faces standing in for the ones
// pages are written for, tracking, one font per font block.
#include <gtest/gtest.h>
#include <QFontInfo>

#include "page/layout/FontMetrics.h"

namespace vyr::test {
namespace {

TFontKey Key(std::string_view face, int32_t size, uint8_t style = 0) {
  TFontKey k;
  k.FontName = face;
  k.FontSize = size;
  k.Style = style;
  return k;
}

TEST(FontHeight, SizeStepsAreCharacterHeightsLargerSizesCellHeights) {
  const int32_t steps[] = {11, 13, 16, 19, 24, 32, 48};
  for (int32_t size = 1; size <= 7; ++size) {
    EXPECT_EQ(FontHeightOf(size).Pixels, steps[size - 1]);
    EXPECT_FALSE(FontHeightOf(size).IsCellHeight);
  }
  EXPECT_EQ(FontHeightOf(0).Pixels, 11);
  EXPECT_EQ(FontHeightOf(-5).Pixels, 11);
  EXPECT_EQ(FontHeightOf(9).Pixels, 9);
  EXPECT_TRUE(FontHeightOf(9).IsCellHeight);
  EXPECT_EQ(FontHeightOf(INT32_MAX).Pixels, kMaxCellHeight);
}

TEST(QtFontMetrics, SizeStepsGiveThatPixelSize) {
  TQtFontMetrics fm;
  for (int32_t size = 1; size <= 7; ++size) {
    const auto id = fm.Font(Key("Times New Roman", size));
    EXPECT_EQ(QFontInfo(fm.QtFont(id)).pixelSize(), FontHeightOf(size).Pixels);
    EXPECT_GT(fm.Info(id).Height, FontHeightOf(size).Pixels) << "the cell is taller than the characters";
    EXPECT_EQ(fm.Info(id).Height, fm.Info(id).Ascent + fm.Info(id).Descent);
  }
}

TEST(QtFontMetrics, LargerSizesFillTheirCellHeight) {
  TQtFontMetrics fm;
  for (const char* face : {"Times New Roman", "Arial", "Courier New", "Comic Sans MS", "Verdana"}) {
    for (const int32_t cell : {9, 16, 20, 40, 100, 720}) {
      SCOPED_TRACE(std::string(face) + " " + std::to_string(cell));
      const TFontInfo info = fm.Info(fm.Font(Key(face, cell)));
      EXPECT_LE(info.Height, cell);
      EXPECT_GE(info.Height, cell - std::max(2, cell / 20));
    }
  }
}

TEST(QtFontMetrics, WindowsFacesResolveToInstalledLookAlikes) {
  TQtFontMetrics fm;
  const std::pair<const char*, const char16_t*> faces[] = {
      {"Times New Roman", u"Liberation Serif"}, {"arial", u"Liberation Sans"}, {"Courier New", u"Liberation Mono"},
      {"Comic Sans MS", u"Comic Neue"},         {"Verdana", u"DejaVu Sans"},   {"TAHOMA", u"DejaVu Sans"}};
  for (const auto& [face, installed] : faces) {
    SCOPED_TRACE(face);
    EXPECT_EQ(ResolveFaceName(face), QString::fromUtf16(installed));
    EXPECT_EQ(QFontInfo(fm.QtFont(fm.Font(Key(face, 3)))).family(), QString::fromUtf16(installed));
  }
  EXPECT_EQ(ResolveFaceName("Georgia"), u"Georgia"_qs);
}

TEST(QtFontMetrics, OneFontPerFontBlockAndTrackingPerCharacter) {
  TQtFontMetrics fm;
  const auto plain = fm.Font(Key("Arial", 3));
  EXPECT_EQ(fm.Font(Key("Arial", 3)), plain);
  const auto bold = fm.Font(Key("Arial", 3, kBold));
  EXPECT_NE(bold, plain);
  const std::string word = "W\xF6rterbuch";  // Windows-1252
  const int32_t w = fm.TextWidth(plain, word, 0);
  EXPECT_GT(w, 40);
  EXPECT_GT(fm.TextWidth(bold, word, 0), w);
  EXPECT_EQ(fm.TextWidth(plain, word, 3), w + 3 * static_cast<int32_t>(word.size()));
  EXPECT_EQ(fm.TextWidth(plain, word, -1000), 0);
  EXPECT_EQ(fm.TextWidth(plain, "", 5), 0);
  // A word measured again gives the same width.
  EXPECT_EQ(fm.TextWidth(plain, word, 0), w);
}

TEST(FixedFontMetrics, GivesTheDocumentedNumbers) {
  TFixedFontMetrics fm;
  const auto id = fm.Font(Key("Arial", 3));
  EXPECT_EQ(fm.Info(id).Ascent, 16);
  EXPECT_EQ(fm.Info(id).Descent, 4);
  EXPECT_EQ(fm.Info(id).Height, 20);
  EXPECT_EQ(fm.TextWidth(id, "abc", 0), 24);
  EXPECT_EQ(fm.TextWidth(fm.Font(Key("Arial", 3, kBold)), "abc", 0), 27);
  const TFontInfo cell = fm.Info(fm.Font(Key("Arial", 20)));
  EXPECT_EQ(cell.Height, 20);
  EXPECT_EQ(cell.Descent, 4);
}

}  // namespace
}  // namespace vyr::test
