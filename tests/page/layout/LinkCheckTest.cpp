// The link check on good and bad pages.
#include <gtest/gtest.h>
#include "page/layout/FontMetrics.h"
#include "page/layout/LinkCheck.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "page/reader/PageLoader.h"
#include "platform/core/MessageRecorder.h"
#include "tests/common/TempDir.h"

namespace vyr::test {
namespace {

class LinkCheckTest : public ::testing::Test {
 protected:
  std::vector<TBadLink> Check(const std::string& markup) {
    loader.SetXPath(dir.path());
    loader.ReadMarkup(markup);
    LayoutPage(model, metrics, layout);
    return CheckLinks(model);
  }
  TTempDir dir;
  TMessageRecorder messages;
  TPageModel model;
  TPageLoader loader{model};
  TFixedFontMetrics metrics;
  TPageLayout layout;
};

TEST_F(LinkCheckTest, GoodLinksOfEveryKind) {
  dir.file("da.html", "x");
  dir.file("kurs.vyr", "x");
  dir.file("ton.wav", "x");
  const auto bad = Check(
      "<alias #a=\"da.html\" #leer=\"\"><checkbox name=\"k\">"
      "<a href=\"da.html\">1</a><a href=\"da.html@Notiz\">2</a><a href=\"@nur Notiz\">3</a>"
      "<a hot=\"heiß\">4</a><a href=\"#a\">5</a><a href=\"#leer\">6</a><a href=\"\xA7[cmd]da.html\">7</a>"
      "<a href=\"\xA7[cmd]\">8</a><a href=\"\xA7"
      "cmd\">9</a><a href=\"http://x.de\">10</a><a href=\"-\">11</a>"
      "<a href=\"?word\">12</a><a href=\"+\">13</a><a href=\"ex\">14</a><a href=\"END\">15</a>"
      "<a href=\"EX PICK=2 FILE=kurs.vyr\">16</a><a href=\"ton.wav\">17</a>"
      "<a href=\"da.html\xB0"
      "da.html\">18</a>"
      "<map name=\"m\"><area shape=rect coords=\"0,0,5,5\" href=\"da.html\"></map><img src=\"%5x5=x\" usemap=\"m\">");
  EXPECT_TRUE(bad.empty()) << bad.front().Name;
}

TEST_F(LinkCheckTest, BadLinksWithTheirTargets) {
  dir.file("da.html", "x");
  const auto bad = Check(
      "<a href=\"weg.html@mit Notiz\">1</a><a href=\"\xA7[cmd]weg2.html\">2</a>"
      "<a href=\"EX FILE=fehlt.vyr\">3</a><a href=\"da.html\xB0"
      "rechts.html\">4</a>"
      "<box coords=0,0,10,10 href=\"kasten.htx\"></box><body wait=\"10,zeit.html\">");
  ASSERT_EQ(bad.size(), 6u);
  EXPECT_EQ(bad[0].Name, "kasten.htx");  // box areas come first
  EXPECT_EQ(bad[1].Name, "weg.html@mit Notiz");
  EXPECT_EQ(bad[1].Target, dir.path() + "weg.html");
  EXPECT_EQ(bad[2].Name, "\xA7[cmd]weg2.html");
  EXPECT_EQ(bad[3].Name, "EX FILE=fehlt.vyr");
  EXPECT_EQ(bad[4].Target, dir.path() + "rechts.html");
  EXPECT_EQ(bad[5].Name, "zeit.html");
  EXPECT_EQ(FirstBadLink(model), "kasten.htx");
}

TEST_F(LinkCheckTest, SolvedWordsDrawnInTheColourUnderThem) {
  struct Case {
    const char* markup;
    const char* hidden;
  };
  for (const Case& c : {
           Case{"<a gap lsg=\"house\">house</a>", "house"},  // white on a white page
           Case{"<body gap=#008000><a gap lsg=\"house\">house</a>", ""},
           Case{"<a gap lsg=\"house\">house</a><body gap=#008000>", "house"},  // read after the gap
           Case{"<body bgcolor=#000080 gap=#000080 text=#ffffff><a gap lsg=\"x\">sea</a>", "sea"},
           Case{"<box coords=0,0,300,100 color=#ffff00><a gap lsg=\"x\">sun</a>", ""},  // on the box
           Case{"<a gap lsg=\"x\" reaction=\"vokabel\">word</a>", ""},                  // reported, never shown
           Case{"<edit coords=10,10,80,20 lsg=\"home; house\">", "home"},
           Case{"<body gap=#c00000><edit coords=10,10,80,20 lsg=\"home\">", ""},
       }) {
    model = TPageModel();
    Check(c.markup);
    EXPECT_EQ(FirstHiddenSolvedWord(model), c.hidden) << c.markup;
  }
}

TEST_F(LinkCheckTest, TallPagesDrawNothingUnderTheScrollBar) {
  const std::string tall = "<box coords=10,2000,100,20>unten";
  struct Case {
    const char* markup;
    const char* under;
  };
  for (const Case& c : {
           Case{"<box coords=638,92,140,80 color=#ffff00>", ""},
           Case{"<box coords=638,92,150,80 color=#ffff00>", "Kasten 1"},  // to 788: under the bar from 784
           Case{"<box coords=14,10,770,50>", ""},                         // not drawn: neither filled nor framed
           Case{"<box coords=10,10,100,20><box coords=638,92,140,80 shape=3d offset=6 bcolor=#000000 bwidth=2>",
                "Kasten 2"},  // its shadow reaches under the bar
           Case{"<box coords=700,10,80,30><img src=\"%90x30=x\">", "Bild 1"},
       }) {
    model = TPageModel();
    model.onPictureRequest = [](const std::string&, QImage&) {};  // painted pictures stay white
    Check(c.markup + tall);
    EXPECT_EQ(FirstDrawnUnderScrollBar(model, layout), c.under) << c.markup;
  }
  model = TPageModel();
  Check("<box coords=638,92,150,80 color=#ffff00>");  // a page that fits shows no bar
  EXPECT_EQ(FirstDrawnUnderScrollBar(model, layout), "");
}

TEST_F(LinkCheckTest, EmptyNameIsReported) {
  Check("text");
  model.LinkNames.Areas.push_back({model.LinkNames.Add(""), -1, {0, 0, 5, 5}, false});
  EXPECT_EQ(FirstBadLink(model), "(leeres Ziel)");
}

}  // namespace
}  // namespace vyr::test
