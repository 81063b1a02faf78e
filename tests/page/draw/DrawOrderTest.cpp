// The page buffer and the order in which a page's layers are drawn.
#include "page/draw/LomoAnimation.h"
#include "tests/page/draw/DrawFixture.h"

namespace vyr::test {
namespace {

TEST_F(DrawTest, TheBufferHasTheClientHeightOrTheContentHeightPlus16) {
  Draw("kurz");
  EXPECT_EQ(buffer.size(), QSize(200, 150));
  std::string lang;
  for (int i = 0; i < 40; ++i) lang += "Zeile<br>";
  Draw(lang);
  ASSERT_GT(l.ContentHeight + 16, 150);
  EXPECT_EQ(buffer.size(), QSize(200, l.ContentHeight + 16));
  // The page is drawn all the way down: the last line's text is there.
  const QRect last = Cell(Word("Zeile") + 0);
  EXPECT_GT(CountOther(buffer, QRect(0, l.ContentHeight - 40, 200, 40), kWhite), 0) << last.top();
}

TEST_F(DrawTest, ABackgroundPictureIsTiledFromTheTopLeftCorner) {
  m.ClientWidth = 800;
  m.ClientHeight = 572;
  QImage tile(40, 40, QImage::Format_RGB888);
  FillRect(tile, tile.rect(), ColorToRgb(kWhite));
  FillRect(tile, QRect(0, 0, 2, 2), ColorToRgb(kRed));
  Picture("muster.bmp", tile);
  Draw("<body background=muster.bmp bgcolor=#00ff00>");
  int corners = 0;
  for (int y = 0; y < 572; y += 40)
    for (int x = 0; x < 800; x += 40) corners += At(x, y) == kRed && At(x + 1, y + 1) == kRed;
  EXPECT_EQ(corners, 20 * 15);
  EXPECT_EQ(Count(buffer, buffer.rect(), kRed), 20 * 15 * 4);  // the last row of tiles is cut below its corner
  EXPECT_EQ(Count(buffer, buffer.rect(), kGreen), 0);
}

// Boxes below the pictures, boxes on top above them, text above everything.
TEST_F(DrawTest, BoxesPicturesBoxesOnTopAndTextAreDrawnInThatOrder) {
  SolidPicture("rot.bmp", 30, 30, kRed);
  Draw("<box coords=0,0,200,100 color=#0000ff><img src=\"rot.bmp\">");
  const QRect pic = PictureRect();
  EXPECT_EQ(At(pic.center().x(), pic.center().y()), kRed);  // the picture covers the box
  EXPECT_EQ(At(pic.right() + 5, pic.center().y()), kBlue);
  Draw("<box coords=0,0,200,100 color=#0000ff top><img src=\"rot.bmp\"> <inv>XX</inv>");
  EXPECT_EQ(At(pic.center().x(), pic.center().y()), kBlue);  // the box on top covers the picture
  // The inverted word's background is drawn over the box on top.
  const QRect word = Cell(Word("XX"));
  EXPECT_GT(Count(buffer, word, kBlack), word.width() * word.height() / 2);
}

TEST_F(DrawTest, OnlyBlendingPagesUseTheWorkBitmapAndBothLookTheSame) {
  SolidPicture("rot.bmp", 30, 30, kRed);
  Draw("<box coords=10,10,50,50 color=#00ff00><img src=\"rot.bmp\">");
  EXPECT_FALSE(r.UsedWorkBitmap);
  const QImage plain = buffer;
  Draw("<box coords=10,10,50,50 color=#00ff00><img src=\"rot.bmp\"><box coords=150,100,20,20 color=#000000 alpha=128>");
  EXPECT_TRUE(r.UsedWorkBitmap);
  EXPECT_EQ(buffer.copy(0, 0, 140, 90), plain.copy(0, 0, 140, 90));
  EXPECT_EQ(At(160, 110), 0x7F7F7F);  // black over white at half opacity
}

TEST_F(DrawTest, EveryBoxShapeIsDrawnInsideItsRectangle) {
  // shape, whether the centre and the corner show the fill colour
  const struct {
    const char* shape;
    bool corner;
  } cases[] = {{"", true},
               {"shape=roundrect radius=20", false},
               {"shape=ellipse", false},
               {"shape=3d offset=5 bwidth=2 bcolor=#000000", true},
               {"shape=random radius=6", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shape);
    Draw(std::string("<box coords=20,20,100,80 color=#ff0000 ") + c.shape + ">");
    if (std::string_view(c.shape).find("random") == std::string_view::npos) {
      EXPECT_EQ(At(70, 60), kRed) << "the middle";
      EXPECT_EQ(At(21, 21) == kRed || At(21, 21) == kBlack, c.corner) << "the corner";
    } else {
      // Bands of random heights with random gaps, reaching the bottom.
      EXPECT_GT(Count(buffer, QRect(20, 20, 101, 81), kRed), 0);
    }
    EXPECT_EQ(At(5, 5), kWhite) << "outside";
    EXPECT_EQ(At(190, 140), kWhite) << "outside";
  }
}

TEST_F(DrawTest, TheShowActionIsHandedBackAndSoundTargetsAreLinks) {
  Draw("<body onshow=\"intro.mp3\">x");
  EXPECT_EQ(r.ShowAction, "intro.mp3");
  EXPECT_TRUE(r.ShowActionIsLink);
  Draw("<body onshow=\"\xA7gosuper\">x");
  EXPECT_FALSE(r.ShowActionIsLink);
}

}  // namespace
}  // namespace vyr::test

namespace vyr::test {
namespace {

TEST_F(DrawTest, AVeryTallPageGetsABoundedBuffer) {
  m.ClientWidth = 800;
  l.ContentHeight = 2'000'000;
  EXPECT_EQ(MakePageBuffer(m, l).size(), QSize(800, static_cast<int>(kMaxBufferPixels / 800)));
}

TEST_F(DrawTest, TheTileAnimationIsFilledOnceAndHandedOverRunning) {
  m.ClientWidth = 400;
  m.ClientHeight = 300;
  SolidPicture("k1.bmp", 60, 40, kRed);
  SolidPicture("k2.bmp", 30, 20, kBlue);
  Draw("<box coords=20,20,120,80 lomo=\"k1.bmp|k2.bmp\" speed=100>");
  EXPECT_EQ(r.AnimationTiles, 4);  // filled once even without an animation to run
  EXPECT_EQ(Count(buffer, QRect(20, 20, 120, 80), kRed) + Count(buffer, QRect(20, 20, 120, 80), kBlue), 120 * 80);
  TLomoAnimation animation;
  DrawPage(m, l, fonts, buffer, &r, &animation);
  EXPECT_TRUE(animation.IsRunning());
  EXPECT_EQ(animation.Interval(), 100);
  // A box whose width is no multiple of the tile width gets no tiles.
  Draw("<box coords=20,20,130,80 lomo=\"k1.bmp\">");
  DrawPage(m, l, fonts, buffer, &r, &animation);
  EXPECT_EQ(r.AnimationTiles, 0);
  EXPECT_FALSE(animation.IsRunning());
  EXPECT_EQ(At(30, 30), kWhite);
}

}  // namespace
}  // namespace vyr::test
