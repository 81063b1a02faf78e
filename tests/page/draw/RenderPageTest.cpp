// Drawing a page file offscreen as the page control shows it.
#include "page/draw/RenderPage.h"
#include "tests/page/draw/DrawFixture.h"

namespace vyr::test {
namespace {

TEST_F(DrawTest, RenderingGivesTheWindowOrTheWholePage) {
  SolidPicture("rot.bmp", 30, 30, kRed);
  std::string page = "<body bgcolor=#00ff00><img src=\"rot.bmp\"> $[wer]<br>";
  for (int i = 0; i < 60; ++i) page += "Zeile<br>";
  const std::string file = dir.file("seite.html", page);
  TRenderOptions options;
  options.Width = 300;
  options.Height = 200;
  options.Variables = {{"wer", "Anna"}};
  const QImage view = RenderPage(file, options);
  ASSERT_EQ(view.size(), QSize(300, 200)) << file << (messages.texts().empty() ? "" : messages.texts()[0]);
  EXPECT_EQ(Count(view, view.rect(), kRed), 900);
  EXPECT_GT(Count(view, QRect(0, 0, 280, 200), kGreen), 0);
  EXPECT_EQ(CountNear(view, QRect(284, 0, 16, 200), kGreen), 0) << "the scroll bar's place";
  options.Full = true;
  const QImage full = RenderPage(file, options);
  EXPECT_EQ(full.width(), 300);
  EXPECT_GT(full.height(), 60 * 15);
  EXPECT_EQ(full.copy(0, 0, 280, 200), view.copy(0, 0, 280, 200));
  EXPECT_TRUE(messages.texts().empty());
}

TEST_F(DrawTest, RenderingAMissingPageGivesNoPicture) {
  EXPECT_TRUE(RenderPage(dir.path() + "fehlt.htx").isNull());
  EXPECT_EQ(messages.texts().size(), 1u);
}

}  // namespace
}  // namespace vyr::test
