#include <QImage>

#include "tests/page/control/ControlFixture.h"

namespace vyr::test {
namespace {

using AnimationTest = ControlFixture;

TEST_F(AnimationTest, TheTileAnimationRunsWhileItsPageIsShown) {
  for (const char* name : {"k1.bmp", "k2.bmp"}) {
    QImage tile(60, 40, QImage::Format_RGB888);
    tile.fill(name[1] == '1' ? Qt::red : Qt::blue);
    ASSERT_TRUE(tile.save(dir.native() + u"/"_qs + QString::fromLatin1(name), "BMP"));
  }
  dir.file("mosaik.html", "<box coords=20,20,120,80 lomo=\"k1.bmp|k2.bmp\" speed=50><p>Mosaik");
  dir.file("leer.html", "<p>ohne Mosaik");
  ASSERT_TRUE(Open("mosaik.html"));
  EXPECT_TRUE(page.Animation().IsRunning());
  ASSERT_TRUE(Open("leer.html"));
  EXPECT_FALSE(page.Animation().IsRunning());  // the next page stops it
}

}  // namespace
}  // namespace vyr::test
