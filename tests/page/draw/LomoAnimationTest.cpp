#include <gtest/gtest.h>

#include <QSignalSpy>
#include <set>

#include "page/draw/Blend.h"
#include "page/draw/LomoAnimation.h"
#include "page/model/PageTables.h"
#include "platform/core/Random.h"
#include "tests/common/Pixels.h"

namespace vyr {
namespace {

using test::ColorAt;
QImage Solid(int w, int h, int32_t color) { return test::SolidPicture(w, h, color); }

struct TileSizeCase {
  std::vector<QSize> pictures;
  QSize expected;
};

class TileSizes : public ::testing::TestWithParam<TileSizeCase> {};

TEST_P(TileSizes, FollowTheWidestAndTallestPicture) {
  std::vector<QImage> pictures;
  for (const QSize s : GetParam().pictures) pictures.push_back(Solid(s.width(), s.height(), 0));
  EXPECT_EQ(TLomoAnimation::TileSizeOf(pictures), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sets, TileSizes,
                         ::testing::Values(TileSizeCase{{{60, 40}}, {60, 40}},  // exactly two thirds
                                           TileSizeCase{{{100, 64}},
                                                        {100, 67}},  // near 66: 66 + 1 (200 not divisible by 3)
                                           TileSizeCase{{{100, 60}}, {100, 60}},  // 6 away: kept
                                           TileSizeCase{{{40, 30}}, {50, 34}},    // at least 50 wide; 30 is near 33
                                           TileSizeCase{{{30, 20}, {40, 70}}, {50, 70}}  // the tallest
                                           ));

TEST(Tiles, AreaMustHoldWholeTileColumns) {
  EXPECT_TRUE(TLomoAnimation::TilesOf(QRect(0, 0, 130, 40), QSize(50, 40)).empty());
  const auto four = TLomoAnimation::TilesOf(QRect(10, 20, 100, 80), QSize(50, 40));
  ASSERT_EQ(four.size(), 4u);
  EXPECT_EQ(four[0], QRect(10, 20, 50, 40));
  EXPECT_EQ(four[3], QRect(60, 60, 50, 40));
}

TEST(Tiles, ColumnsWithARestAreHalved) {
  // 2 whole tiles and a rest: no tiles at all.
  EXPECT_TRUE(TLomoAnimation::TilesOf(QRect(0, 0, 50, 100), QSize(50, 40)).empty());
  // 1 and a rest: two halves of 30.
  const auto two = TLomoAnimation::TilesOf(QRect(0, 0, 50, 60), QSize(50, 40));
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[1], QRect(0, 30, 50, 30));
  // 3 and a rest: 130 = 65 + 65, each 32 + 33.
  const auto pieces = TLomoAnimation::TilesOf(QRect(0, 0, 50, 130), QSize(50, 40));
  ASSERT_EQ(pieces.size(), 4u);
  int y = 0;
  for (const QRect& r : pieces) {
    EXPECT_EQ(r.top(), y);
    EXPECT_LE(r.height(), 40);
    y += r.height();
  }
  EXPECT_EQ(y, 130);
  EXPECT_EQ(pieces[0].height(), 32);
  EXPECT_EQ(pieces[1].height(), 33);
}

TEST(Lomo, NoUsablePictureOrNoTilesMeansNoAnimation) {
  TLomoAnimation a;
  EXPECT_FALSE(a.Setup({QImage()}, QRect(0, 0, 100, 40), std::nullopt, 500));
  EXPECT_FALSE(a.Setup({Solid(50, 40, 0)}, QRect(0, 0, 130, 40), std::nullopt, 500));
  EXPECT_FALSE(a.IsPresent());
  EXPECT_TRUE(a.Setup({Solid(50, 40, 0)}, QRect(0, 0, 130, 40), QRect(0, 100, 50, 40), 500));  // the second zone
  EXPECT_EQ(a.Tiles().size(), 1u);
}

TEST(Lomo, EveryTileGetsAPictureAndNothingElseChanges) {
  SetRandomSeed(3);
  TLomoAnimation a;
  const int32_t colours[] = {0x0000FF, 0x00FF00, 0xFF0000};
  ASSERT_TRUE(a.Setup({Solid(50, 40, colours[0]), Solid(50, 40, colours[1]), Solid(25, 20, colours[2])},
                      QRect(10, 10, 100, 80), std::nullopt, 500));
  QImage page = Solid(130, 110, 0xFFFFFF);
  a.FillAll(page);
  std::set<int32_t> seen;
  for (int y = 0; y < 110; ++y)
    for (int x = 0; x < 130; ++x) {
      const int32_t v = ColorAt(page, x, y);
      if (QRect(10, 10, 100, 80).contains(x, y)) {
        ASSERT_TRUE(v == colours[0] || v == colours[1] || v == colours[2]) << x << "," << y;
        seen.insert(v);
      } else {
        ASSERT_EQ(v, 0xFFFFFF) << x << "," << y;
      }
    }
  // Each quarter of a tile is one colour: a narrower picture quarters it.
  for (const QRect& tile : a.Tiles())
    for (int qy = 0; qy < 2; ++qy)
      for (int qx = 0; qx < 2; ++qx) {
        const int x0 = tile.left() + qx * 25, y0 = tile.top() + qy * 20;
        for (int y = y0; y < y0 + 20; ++y)
          for (int x = x0; x < x0 + 25; ++x) ASSERT_EQ(ColorAt(page, x, y), ColorAt(page, x0, y0));
      }
  EXPECT_GE(seen.size(), 2u);
}

TEST(Lomo, SetsThatCannotBeHalvedStillFill) {
  // Quarters of 50 are 25 wide; a 30-wide picture never fits them.
  SetRandomSeed(11);
  TLomoAnimation a;
  ASSERT_TRUE(a.Setup({Solid(100, 60, 0x0000FF), Solid(30, 30, 0x00FF00)}, QRect(0, 0, 200, 60), std::nullopt, 500));
  QImage page = Solid(200, 60, 0xFFFFFF);
  for (int i = 0; i < 50; ++i) a.FillAll(page);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_NE(ColorAt(page, x, y), 0xFFFFFF);
}

TEST(Lomo, TimerStepsFillOneTileAndReportIt) {
  SetRandomSeed(5);
  TLomoAnimation a;
  ASSERT_TRUE(a.Setup({Solid(50, 40, 0x0000FF)}, QRect(0, 0, 100, 40), std::nullopt, 250));
  EXPECT_EQ(a.Interval(), 250);
  QImage page = Solid(100, 40, 0xFFFFFF);
  QSignalSpy changed(&a, &TLomoAnimation::TileChanged);
  a.Start(&page);
  EXPECT_TRUE(a.IsRunning());
  a.Step();
  ASSERT_EQ(changed.count(), 1);
  const QRect tile = changed.at(0).at(0).toRect();
  EXPECT_TRUE(tile == QRect(0, 0, 50, 40) || tile == QRect(50, 0, 50, 40));
  EXPECT_EQ(ColorAt(page, tile.left() + 5, 5), 0x0000FF);
  a.Stop();
  EXPECT_FALSE(a.IsRunning());
  // Without a picture to draw into, a step stops the animation.
  a.Start(nullptr);
  a.Step();
  EXPECT_FALSE(a.IsRunning());
  EXPECT_EQ(changed.count(), 1);
  // A speed of 0 would keep the program busy.
  ASSERT_TRUE(a.Setup({Solid(50, 40, 0)}, QRect(0, 0, 50, 40), std::nullopt, 0));
  EXPECT_EQ(a.Interval(), 10);
}

TEST(Lomo, FromThePageTables) {
  tPicture_list pictures(2);
  pictures[0].Picture = Solid(60, 40, 0x00FF00);
  pictures[1].Picture = Solid(60, 40, 0x0000FF);
  TLomoBox lomo;
  lomo.Present = true;
  lomo.Rect = {0, 0, 120, 80};
  lomo.Pictures = {1, 7};  // 7 is no entry
  lomo.Speed = 300;
  TLomoAnimation a;
  ASSERT_TRUE(a.Setup(lomo, pictures));
  EXPECT_EQ(a.TileSize(), QSize(60, 40));
  EXPECT_EQ(a.Tiles().size(), 4u);
  EXPECT_EQ(a.Interval(), 300);
  QImage page = Solid(120, 80, 0xFFFFFF);
  a.FillAll(page);
  EXPECT_EQ(ColorAt(page, 100, 70), 0x0000FF);
  lomo.Present = false;
  EXPECT_FALSE(a.Setup(lomo, pictures));
}

}  // namespace
}  // namespace vyr
