// Pictures on the page: plain, stretched, blended, rounded, with mouse-over
// looks, and the picture list behind them.
#include "page/reader/PageReader.h"
#include "page/reader/PictureList.h"
#include "tests/page/draw/DrawFixture.h"

namespace vyr::test {
namespace {

// Left half black, right half white.
QImage HalfBlack(int w, int h) {
  QImage img(w, h, QImage::Format_RGB888);
  FillRect(img, img.rect(), ColorToRgb(kWhite));
  FillRect(img, QRect(0, 0, w / 2, h), ColorToRgb(kBlack));
  return img;
}

TEST_F(DrawTest, APictureIsDrawnUnchangedAtItsPlace) {
  Picture("halb.bmp", HalfBlack(40, 20));
  Draw("Text <img src=\"halb.bmp\">");
  const QRect pic = PictureRect();
  ASSERT_EQ(pic.size(), QSize(40, 20));
  EXPECT_EQ(Count(buffer, pic, kBlack), 20 * 20);
  EXPECT_EQ(Count(buffer, pic, kWhite), 20 * 20);
  EXPECT_EQ(At(pic.left(), pic.top()), kBlack);
  EXPECT_EQ(At(pic.right(), pic.bottom()), kWhite);
  EXPECT_EQ(r.PicturePlaces.at(0), pic);
}

TEST_F(DrawTest, AScaledPictureIsStretchedAndIgnoresAlphaModeAndRadius) {
  SolidPicture("rot.bmp", 40, 40, kRed);
  Draw("<img src=\"rot.bmp\" scale=50% alpha=50 mode=4 radius=10>");
  const QRect pic = PictureRect();
  ASSERT_EQ(pic.size(), QSize(20, 20));
  EXPECT_EQ(Count(buffer, pic, kRed), 400);  // corners included: no mask
}

TEST_F(DrawTest, ModeSevenTintsTheDarkPartsAndLeavesWhiteWhite) {
  Picture("halb.bmp", HalfBlack(40, 20));
  Draw("<img src=\"halb.bmp\" mode=7 color=#ff0000>");
  const QRect pic = PictureRect();
  const int32_t dark = At(pic.left() + 5, pic.center().y());
  EXPECT_GE(ColorToRgb(dark).r, 250);
  EXPECT_LE(ColorToRgb(dark).g, 2);
  EXPECT_EQ(At(pic.right() - 5, pic.center().y()), kWhite);
}

TEST_F(DrawTest, OpacityAndRadiusBlendThePictureIntoThePage) {
  SolidPicture("schwarz.bmp", 40, 40, kBlack);
  Draw("<body bgcolor=#ffffff><img src=\"schwarz.bmp\" alpha=50 radius=12>");
  const QRect pic = PictureRect();
  const TRgb middle = ColorToRgb(At(pic.center().x(), pic.center().y()));
  EXPECT_NEAR(middle.r, 128, 2);  // white + 127 x (0 - 255) / 256
  EXPECT_EQ(At(pic.left(), pic.top()), kWhite) << "the rounded corner shows the page";
  EXPECT_TRUE(r.UsedWorkBitmap);
}

// The hit area of a picture is where the picture is drawn, whatever its alignment.
TEST_F(DrawTest, ALinkedPictureIsDrawnWhereItsLinkAreaLies) {
  SolidPicture("rot.bmp", 30, 20, kRed);
  for (const char* align : {"left", "center", "right", ""}) {
    SCOPED_TRACE(align);
    // (The words are red as well: a picture that leaves its place in the line may lie under them.)
    Draw(std::string("<font color=#ff0000>Wort <a href=\"ziel.htx\"><img src=\"rot.bmp\" align=") + align +
         "></a> Ende");
    const int32_t k = IndexOf(ekPicture);
    const QRect area = QRectOf(m.LinkNames.Areas.at(static_cast<size_t>(AreaOf(k))).Rect);
    EXPECT_EQ(area, PictureRect());
    EXPECT_EQ(Count(buffer, area, kRed), 30 * 20);
  }
}

TEST_F(DrawTest, AnFColorPictureGetsATintedAndAPlainLook) {
  Picture("halb.bmp", HalfBlack(40, 20));
  Draw("<a href=\"ziel.htx\"><img src=\"halb.bmp\" fcolor=#00ff00></a>");
  const int32_t area = AreaOf(IndexOf(ekPicture));
  const TAreaBitmaps& b = r.AreaBitmaps.at(static_cast<size_t>(area));
  ASSERT_TRUE(b.IsSet());
  EXPECT_EQ(b.On.size(), QSize(40, 20));
  EXPECT_EQ(ColorToRgb(At(b.On, 5, 10)).g, 255);  // the dark half tinted green over the white page
  EXPECT_LE(ColorToRgb(At(b.On, 5, 10)).r, 2);
  EXPECT_EQ(At(b.On, 35, 10), kWhite);
  const QRect pic = PictureRect();
  EXPECT_EQ(b.Off, buffer.copy(pic));
}

TEST_F(DrawTest, AMouseOverPictureBecomesTheOnLookOfItsArea) {
  SolidPicture("rot.bmp", 30, 20, kRed);
  SolidPicture("blau.bmp", 30, 20, kBlue);
  Draw("<a href=\"ziel.htx\"><img src=\"rot.bmp\" flash=\"blau.bmp\"></a>");
  const TAreaBitmaps& b = r.AreaBitmaps.at(static_cast<size_t>(AreaOf(IndexOf(ekPicture))));
  ASSERT_TRUE(b.IsSet());
  EXPECT_EQ(Count(b.On, b.On.rect(), kBlue), 600);
  EXPECT_EQ(Count(b.Off, b.Off.rect(), kRed), 600);
  EXPECT_EQ(Count(buffer, PictureRect(), kRed), 600);
}

TEST_F(DrawTest, APictureUsedTwiceIsLoadedOnceAndAKeptOneOutlivesThePage) {
  SolidPicture("rot.bmp", 10, 10, kRed);
  SolidPicture("blau.bmp", 10, 10, kBlue);
  Draw("<img src=\"rot.bmp\"> <img src=\"ROT.BMP\"> <img src=\"*blau.bmp\">");
  ASSERT_EQ(m.Pictures.size(), 2u);
  EXPECT_EQ(Count(buffer, buffer.rect(), kRed), 200);  // both drawn from the one entry
  Draw("neu");
  ASSERT_EQ(m.Pictures.size(), 1u);
  EXPECT_TRUE(m.Pictures[0].Keep);
  EXPECT_EQ(At(m.Pictures[0].Picture, 0, 0), kBlue);
  Draw("<img src=\"blau.bmp\">");  // shared with the kept one
  EXPECT_EQ(m.Pictures.size(), 1u);
  EXPECT_EQ(Count(buffer, buffer.rect(), kBlue), 100);
}

TEST_F(DrawTest, ACorruptPictureDrawsNothingAndIsReportedOnce) {
  // A bitmap header of 2147483647 x 2147483647 pixels, 24 bits, and no pixels.
  dir.file("kaputt.bmp", std::string_view("BM\x10\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\xFF\xFF\xFF\x7F\xFF\xFF\xFF\x7F"
                                          "\x01\0\x18\0",
                                          30));
  Draw("<img src=\"kaputt.bmp\"> Text <img src=\"kaputt.bmp\">");
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{"Das Bild " + dir.path() + "kaputt.bmp konnte nicht geladen werden!"}));
  EXPECT_EQ(m.Elements[static_cast<size_t>(IndexOf(ekPicture))].Format.PicIndex, -1);
  EXPECT_EQ(Count(buffer, QRect(0, 0, 200, 10), kWhite), 2000);
  // The next page tries again.
  messages.clear();
  Draw("<img src=\"kaputt.bmp\">");
  EXPECT_EQ(messages.texts().size(), 1u);
}

}  // namespace
}  // namespace vyr::test

namespace vyr::test {
namespace {

// A picture blown up far beyond the page is sampled where it shows; its
// link gets no prepared looks (they would be larger than the page).
TEST_F(DrawTest, APictureScaledFarBeyondThePageIsDrawnWithoutHugeCopies) {
  Picture("halb.bmp", HalfBlack(1000, 1000));
  Draw("<a href=\"ziel.htx\"><img src=\"halb.bmp\" scale=1000% fcolor=#00ff00></a>");
  const QRect pic = PictureRect();
  ASSERT_EQ(pic.size(), QSize(10000, 10000));
  EXPECT_EQ(At(pic.left() + 10, 140), kBlack);
  EXPECT_FALSE(r.AreaBitmaps.at(static_cast<size_t>(AreaOf(IndexOf(ekPicture)))).IsSet());
}

}  // namespace
}  // namespace vyr::test
