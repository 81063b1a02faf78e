// Layout ends for every size, column width and spacing a page can carry,
// and keeps its coordinates in range.
#include <random>

#include "tests/page/layout/LayoutFixture.h"

namespace vyr::test {
namespace {

using Robustness = LayoutTest;

void ExpectSaneCoordinates(const TPageLayout& l) {
  for (const TLayoutElement& e : l.Elements) {
    EXPECT_LE(std::abs(static_cast<int64_t>(e.X)), 1'000'000'000);
    EXPECT_LE(std::abs(static_cast<int64_t>(e.BaseY)), 1'000'000'000);
    EXPECT_GE(e.Width, 0);
  }
  EXPECT_GE(l.ContentHeight, 16);
}

TEST_F(Robustness, AnyControlWidthEnds) {
  for (const int32_t width : {0, 1, 10, 31, 32, 33, 40}) {
    SCOPED_TRACE(width);
    m.ClientWidth = width;
    Lay("aaaa bbbb<X5>cccc <center>dddd</center> <block>eeee ffff<br>gggg <img src=\"%40x20=b\" align=c>");
    EXPECT_EQ(l.TextWidth, std::max(0, width - 32));
    EXPECT_EQ(W("bbbb").BaseY - W("aaaa").BaseY, kLineStep);
    ExpectLinesCoverElements();
    ExpectSaneCoordinates(l);
  }
}

TEST_F(Robustness, AColumnWithoutWidthReachesTheRightEdge) {
  // A format that still carries "no width" from a coordinate list.
  Lay("aaaa bbbb cccc dddd eeee ffff");
  for (TXText& e : m.Elements) {
    e.Format.ColumnLeft = 50;
    e.Format.ColumnWidth = -1000000;
  }
  Relayout();
  EXPECT_EQ(ColumnWidthOf(m.Elements[0], l.TextWidth), 158);
  EXPECT_EQ(Lines(), "aaaa bbbb cccc dddd|eeee ffff");
  for (size_t i = 0; i < m.Elements.size(); ++i) {
    if (m.Elements[i].Kind == ekWord) {
      EXPECT_LE(l.Elements[i].X + l.Elements[i].Width, 8 + 200);
    }
  }
}

TEST_F(Robustness, ExtremeValuesInTheMarkupEnd) {
  const std::string pages[] = {
      "<font size=720>x y z</font> <font size=+700><font size=+700><font size=+700>x",
      "<font linespace=-500>a b c<p>d<br>e",
      "<font linespace=500>a b c<p>d<br>e",
      "<font tracking=-500>aaaa bbbb</font> <font tracking=500>cc dd ee",
      "<X99999>a <X-99999>b <X109>c",
      "<box coords=-10050,-20000,1>a b c<box coords=*-50,*-9999,3,3>d e",
      "<img src=\"%10000x10000=b\" scale=1000%> <img src=\"%1x1=b\" base=500 align=t> x",
      "<checkbox coords=500,500> <checkbox coords=0,0> a",
      "<block><X!5>a<X!9>b<X!1>c<br><X!5><br>",
      "<pre>" + std::string(5000, 'x') + " " + std::string(5000, 'y') + "</pre>",
  };
  for (const std::string& page : pages) {
    SCOPED_TRACE(page.substr(0, 60));
    Lay(page);
    ExpectLinesCoverElements();
    ExpectSaneCoordinates(l);
  }
}

TEST_F(Robustness, ExtremeValuesInTheFormatEnd) {
  // Formats the reader would not make, as a page control given a model by
  // other means might still carry them.
  Lay("a b <img src=\"%30x30=b\"> <checkbox> c<box coords=10,10,10>d<br>e<p>f");
  const int32_t extremes[] = {INT32_MIN, -1000001, -1, 0, 1, 1001, 2000, 3000, INT32_MAX};
  std::mt19937 random(11);
  const tFormatted_text_list original = m.Elements;
  for (int round = 0; round < 200; ++round) {
    m.Elements = original;
    for (TXText& e : m.Elements) {
      auto pick = [&] { return extremes[random() % std::size(extremes)]; };
      tHTML_format& f = e.Format;
      switch (random() % 9) {
        case 0: f.ColumnWidth = pick(); break;
        case 1: f.ColumnLeft = pick(); break;
        case 2: f.LineSpace = pick(); break;
        case 3: f.TabPos = pick(); break;
        case 4: f.FontSize = pick(); break;
        case 5: f.CheckSize = pick(), f.CheckGap = pick(); break;
        case 6: f.PicBase = pick(), f.PicScale = pick(); break;
        case 7: f.Tracking = pick(); break;
        default: f.BoxTop = pick(), f.BoxIndex = pick(), f.TaskIndex = pick(), f.LinkIndex = pick(); break;
      }
      f.Align = static_cast<uint8_t>(random() % 5);
    }
    Relayout();
    ExpectLinesCoverElements();
    ExpectSaneCoordinates(l);
  }
}

TEST_F(Robustness, RandomMarkupEnds) {
  const char* pieces[] = {"wort ",
                          "<br>",
                          "<p>",
                          "<block>",
                          "<center>",
                          "<right>",
                          "<X5>",
                          "<X!3>",
                          "<X-20>",
                          "<box coords=20,40,60>",
                          "<box coords=0,0,0,0>",
                          "<ellipse coords=50,50,20>",
                          "<font linespace=-40>",
                          "<font size=1>",
                          "<font size=7>",
                          "<pre>",
                          "</pre>",
                          "<img src=\"%30x10=b\" align=x>",
                          "<a href=\"x.htx\">",
                          "</a>",
                          "<a gap lsg=\"x\" help=\"\">",
                          "<a drag>",
                          "<checkbox>",
                          "sehrlangeswortohneende",
                          "  "};
  std::mt19937 random(5);
  for (int round = 0; round < 100; ++round) {
    std::string page;
    for (int k = 0; k < 60; ++k) page += pieces[random() % std::size(pieces)];
    Lay(page);
    ExpectLinesCoverElements();
    ExpectSaneCoordinates(l);
  }
}

}  // namespace
}  // namespace vyr::test
