// The page under the mouse and the keys: hit testing on words, pictures,
// image maps, boxes and HOT areas, both buttons, the look-up, hover, hints,
// access keys, the Enter link, click-anywhere, history, timed jumps and the
// pop-up page.
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>

#include "page/widgets/ColorButton.h"
#include "platform/core/Files.h"
#include "tests/page/control/ControlFixture.h"
#include "text/Cp1252.h"

namespace vyr::test {
namespace {

class NavigationTest : public ControlFixture {
 protected:
  void SetUp() override {
    ControlFixture::SetUp();
    for (const char* name : {"b.html", "c.html", "d.html", "bild.html", "karte.html", "kasten.html", "rechts.html"})
      Page(name, std::string("<title>") + name + "</title>Seite");
    QImage picture(60, 40, QImage::Format_RGB888);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(NativePath(dir.path() + "bild.bmp")));
  }
};

TEST_F(NavigationTest, ClicksHitWordsPicturesMapsAndBoxes) {
  Page("a.html",
       "<a href=\"b.html\">Wort</a><br>"
       "<a href=\"bild.html\"><img src=\"bild.bmp\"></a><br>"
       "<map name=\"m\"><area shape=rect coords=\"0,0,30,20\" href=\"karte.html\"></map>"
       "<img src=\"bild.bmp\" usemap=\"m\">"
       "<box coords=200,200,80,40 href=\"kasten.html\">Kasten</box>");
  const std::pair<const char*, const char*> cases[] = {
      {"b.html", "b.html"}, {"bild.html", "bild.html"}, {"karte.html", "karte.html"}, {"kasten.html", "kasten.html"}};
  for (const auto& [link, file] : cases) {
    SCOPED_TRACE(link);
    ASSERT_TRUE(Open("a.html"));
    Click(link);
    EXPECT_EQ(page.XFile(), file);
  }
  // beside every link: nothing
  ASSERT_TRUE(Open("a.html"));
  QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(390, 290));
  EXPECT_EQ(page.XFile(), "a.html");
}

TEST_F(NavigationTest, LeftAndRightButtonTargets) {
  Page("a.html",
       "<a href=\"b.html\xB0"
       "rechts.html\">zwei Ziele</a> <a href=\"c.html\">nur links</a>");
  ASSERT_TRUE(Open("a.html"));
  Click("b.html\xB0rechts.html", Qt::RightButton);
  EXPECT_EQ(page.XFile(), "rechts.html");
  ASSERT_TRUE(Open("a.html"));
  Click("c.html", Qt::RightButton);
  EXPECT_EQ(page.XFile(), "a.html");
  Click("b.html\xB0rechts.html");
  EXPECT_EQ(page.XFile(), "b.html");
}

TEST_F(NavigationTest, HotAreaOpensItsNoteOnPressAndNoteLinksOnClick) {
  Page("a.html", "<a hot=\"Tipp\">heiß</a><br><a href=\"@Das ist ein Hinweis\">Hinweis</a>");
  ASSERT_TRUE(Open("a.html"));
  QTest::mousePress(&page, Qt::LeftButton, {}, At("@Tipp"));
  ASSERT_NE(page.NoteLabel(), nullptr);
  EXPECT_EQ(page.NoteLabel()->text(), u"Tipp"_qs);
  QTest::mouseRelease(&page, Qt::LeftButton, {}, At("@Tipp"));
  EXPECT_TRUE(page.NoteLabel()->isVisible());
  // a press beside every link closes it
  QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(390, 290));
  EXPECT_FALSE(page.NoteLabel()->isVisible());
  const std::string note = "%@Das ist ein Hinweis";
  Click(note);
  EXPECT_TRUE(page.NoteLabel()->isVisible());
  Click(note);
  EXPECT_FALSE(page.NoteLabel()->isVisible());
  Click(note);
  EXPECT_TRUE(page.NoteLabel()->isVisible());
}

TEST_F(NavigationTest, RightClickLooksUpWordsAndGroups) {
  Page("a.html", "Das (Haus), <w>in front of</w> it.");
  ASSERT_TRUE(Open("a.html"));
  std::vector<std::string> found;
  page.OnRightClick = [&](TXPage*, const QRect& r, const std::string& t) {
    EXPECT_FALSE(r.isNull());
    found.push_back(t);
  };
  const auto& rects = page.WordList().Rects();
  ASSERT_GE(rects.size(), 4u);
  auto centre = [&](size_t i) {
    const TPageRect& r = rects[i].Rect;
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  };
  QTest::mouseClick(&page, Qt::RightButton, {}, centre(1));  // (Haus),
  QTest::mouseClick(&page, Qt::RightButton, {}, centre(3));  // front
  EXPECT_EQ(found, (std::vector<std::string>{"Haus", "in front of"}));
}

TEST_F(NavigationTest, ScrolledPageHitsInPageCoordinates) {
  std::string body;
  for (int i = 0; i < 40; ++i) body += "Zeile<br>";
  body += "<a href=\"b.html\">tief unten</a>";
  for (int i = 0; i < 40; ++i) body += "<br>Zeile";
  Page("a.html", body);
  ASSERT_TRUE(Open("a.html"));
  const QRect link = Area("b.html");
  page.SetScrollPos(link.top() - 10);
  ASSERT_EQ(page.ScrollPos(), link.top() - 10);
  QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(link.left() + 2, 10));  // the page coordinate is link.top()
  EXPECT_EQ(page.XFile(), "b.html");
}

TEST_F(NavigationTest, HoverChangesCursorLookAndReportsTheLink) {
  Page("a.html", "<a href=\"b.html\" flash=#ff0000>blinkt hier</a> Text <a href=\"c.html@Zur Seite C\">C</a>");
  ASSERT_TRUE(Open("a.html"));
  std::vector<std::string> anchors;
  page.OnAnkerChange = [&](TXPage*, const std::string& a) { anchors.push_back(a); };
  QTest::mouseMove(&page, At("b.html"));
  EXPECT_EQ(page.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_GE(page.HoverFirst(), 0);
  EXPECT_GT(page.HoverLast(), page.HoverFirst());  // the run: both words and the blank
  const QImage shown = page.grab().toImage();
  const QPoint p = At("b.html");
  bool red = false;
  for (int x = p.x() - 10; x < p.x() + 10; ++x)
    for (int y = p.y() - 6; y < p.y() + 6; ++y)
      red |= shown.pixelColor(x, y).red() > 200 && shown.pixelColor(x, y).green() < 80;
  EXPECT_TRUE(red);
  QTest::mouseMove(&page, QPoint(390, 290));
  EXPECT_EQ(page.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(page.HoverFirst(), -1);
  QTest::mouseMove(&page, At("c.html@Zur Seite C"));
  EXPECT_EQ(anchors, (std::vector<std::string>{"b.html", "", "c.html"}));
  // the note shows as a hint after half a second
  EXPECT_TRUE(WaitFor([&] { return page.HintWindow() && page.HintWindow()->isVisible(); }));
  EXPECT_EQ(page.HintWindow()->text(), u"Zur Seite C"_qs);
}

TEST_F(NavigationTest, AnOpenNoteShowsNoHintWithItsText) {
  Page("a.html", "Ein Klick auf <a href=\"@Sagt man nur bei der ersten Begegnung.\">How do you do?</a> hier.");
  ASSERT_TRUE(Open("a.html"));
  const QPoint link = At("%@Sagt man nur bei der ersten Begegnung.");
  QTest::mouseMove(&page, link);
  ASSERT_TRUE(WaitFor([&] { return page.HintWindow() && page.HintWindow()->isVisible(); }));
  QTest::mouseClick(&page, Qt::LeftButton, {}, link);
  ASSERT_TRUE(page.NoteLabel() && page.NoteLabel()->isVisible());
  EXPECT_FALSE(page.HintWindow()->isVisible());
  // Resting on the link again while the note is open brings no hint.
  QTest::mouseMove(&page, QPoint(390, 290));
  QTest::mouseMove(&page, link);
  EXPECT_FALSE(page.HintScheduled());
}

TEST_F(NavigationTest, ABoxButtonGoesOutWhenTheMouseMovesOntoAPageButton) {
  Page("a.html",
       "<box coords=20,20,120,40 href=\"b.html\" oncolor=#2060c0 offcolor=#404040>Kasten"
       "<button coords=140,20,120,40 caption=\"Knopf\" href=\"c.html\">");
  ASSERT_TRUE(Open("a.html"));
  ASSERT_EQ(page.PageButtons().size(), 1u);
  QTest::mouseMove(&page, QPoint(130, 40));
  ASSERT_GE(page.HoverFirst(), 0);
  QTest::mouseMove(page.PageButtons()[0], QPoint(5, 20));  // straight on, no move over the page between
  EXPECT_EQ(page.HoverFirst(), -1);
}

TEST_F(NavigationTest, HintsUseTheirWholeWidthBeforeTheyWrap) {
  // One line when the text fits into the hint's 120 pixels, several lines no wider than that.
  const QFontMetrics fm(QApplication::font("QLabel"));
  const std::string shortText = "Die Seitensprache", longText = "Die Seitensprache im Überblick mit allen Tags";
  ASSERT_LE(fm.horizontalAdvance(ToUnicode(shortText)), 120);
  Page("a.html", "<a href=\"b.html@" + shortText + "\">B</a> <a href=\"c.html@" + longText + "\">C</a>");
  ASSERT_TRUE(Open("a.html"));
  QTest::mouseMove(&page, At("b.html@" + shortText));
  ASSERT_TRUE(WaitFor([&] { return page.HintWindow() && page.HintWindow()->isVisible(); }));
  EXPECT_LT(page.HintWindow()->height(), 2 * fm.lineSpacing());
  QTest::mouseMove(&page, At("c.html@" + longText));
  ASSERT_TRUE(
      WaitFor([&] { return page.HintWindow()->isVisible() && page.HintWindow()->text() == ToUnicode(longText); }));
  EXPECT_LE(page.HintWindow()->width(), 120 + 8);
  EXPECT_LT(page.HintWindow()->height(), 4 * fm.lineSpacing());  // three lines at most
}

TEST_F(NavigationTest, DragTargetPageHandsHintsToTheOwner) {
  Page("a.html", "<box coords=300,200,80,60 dest></box><a href=\"b.html@Hier ablegen\">Ziel</a>");
  ASSERT_TRUE(Open("a.html"));
  std::vector<std::string> hints;
  page.OnHintChange = [&](TXPage*, const std::string& h) { hints.push_back(h); };
  QTest::mouseMove(&page, At("b.html@Hier ablegen"));
  QTest::mouseMove(&page, QPoint(390, 150));
  QTest::qWait(600);
  EXPECT_EQ(hints, (std::vector<std::string>{"Hier ablegen", ""}));
  EXPECT_TRUE(page.HintWindow() == nullptr || !page.HintWindow()->isVisible());
}

TEST_F(NavigationTest, ReadingKeysScrollATallPage) {
  std::string body;
  for (int i = 0; i < 80; ++i) body += "Zeile<br>";
  Page("a.html", body);
  ASSERT_TRUE(Open("a.html"));
  const TScrollBar& bar = page.Layout().ScrollBar;
  ASSERT_TRUE(bar.Visible);
  struct Case {
    Qt::Key key;
    int from, to;
  };
  for (const Case& c : {Case{Qt::Key_Down, 100, 105}, Case{Qt::Key_Up, 100, 95}, Case{Qt::Key_PageDown, 100, 384},
                        Case{Qt::Key_PageUp, 300, 16}, Case{Qt::Key_End, 100, bar.Max}, Case{Qt::Key_Home, 100, 0},
                        Case{Qt::Key_Up, 2, 0}, Case{Qt::Key_PageDown, bar.Max - 1, bar.Max}}) {
    page.SetScrollPos(c.from);
    QTest::keyClick(&page, c.key);
    EXPECT_EQ(page.ScrollPos(), c.to) << c.key << " from " << c.from;
  }
}

TEST_F(NavigationTest, ATallPageIsShownUpToItsScrollBar) {
  Page("a.html", "<body bgcolor=#ffff00><box coords=10,2000,100,20>unten");
  ASSERT_TRUE(Open("a.html"));
  ASSERT_TRUE(page.Layout().ScrollBar.Visible);
  const QImage shown = page.grab().toImage();
  const int beside = page.width() - kScrollBarWidth - 1;  // the last column left of the bar
  EXPECT_EQ(shown.pixelColor(beside, 100), QColor(255, 255, 0));
}

TEST_F(NavigationTest, AccessKeysEnterLinkAndClickAnywhere) {
  Page("a.html", "<a href=\"b.html\" key=b>B</a> <a href=\"c.html\" return>C</a>");
  ASSERT_TRUE(Open("a.html"));
  QTest::keyClick(&page, Qt::Key_B);
  EXPECT_EQ(page.XFile(), "b.html");
  ASSERT_TRUE(Open("a.html"));
  QTest::keyClick(&page, Qt::Key_Return);
  EXPECT_EQ(page.XFile(), "c.html");
  Page("e.html", "<a href=\"b.html\" return>B</a><onclick href=\"d.html\">");
  ASSERT_TRUE(Open("e.html"));
  page.FollowLink("\xA7nichts", {});
  QTest::keyClick(&page, Qt::Key_Return);
  EXPECT_EQ(page.XFile(), "b.html");
  ASSERT_TRUE(Open("e.html"));
  QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(390, 290));
  EXPECT_EQ(page.XFile(), "d.html");
}

TEST_F(NavigationTest, EnterLinkIsFollowedOnce) {
  Page("a.html", "<a href=\"\xA7weiter\" return>weiter</a>");
  ASSERT_TRUE(Open("a.html"));
  QTest::keyClick(&page, Qt::Key_Return);
  QTest::keyClick(&page, Qt::Key_Return);
  EXPECT_EQ(commands, std::vector<std::string>{"weiter"});
}

TEST_F(NavigationTest, HistoryGoesBackAndStaysAtItsStart) {
  Page("a.html", "<a href=\"-\">zurück</a>");
  Page("b.html", "<a href=\"-\">zurück</a>");
  ASSERT_TRUE(Open("a.html"));
  ASSERT_TRUE(Open("b.html"));
  ASSERT_TRUE(Open("b.html"));  // the same page again is no new entry
  EXPECT_EQ(page.History().size(), 2u);
  Click("-");
  EXPECT_EQ(page.XFile(), "a.html");
  EXPECT_EQ(page.History().size(), 1u);
  Click("-");  // one entry: the page stays
  EXPECT_EQ(page.XFile(), "a.html");
  EXPECT_EQ(page.History().size(), 1u);
  // a page that went away meanwhile: the history stays as it was
  ASSERT_TRUE(Open("b.html"));
  ASSERT_TRUE(RemoveFile(dir.path() + "a.html"));
  ForgetDirectoryCache();
  page.FollowLink("-", {});
  EXPECT_EQ(page.XFile(), "b.html");
  EXPECT_EQ(page.History().size(), 2u);
}

TEST_F(NavigationTest, ConditionsAndVariablesLiveAcrossPages) {
  Page("lektion01.html", "<a href=\"!+\">weiter</a> <if next>NEXT</if>");
  Page("lektion02.html", "<if gelesen>JA<else>NEIN</if> $[name]");
  page.SetVariable("name", "Anna");
  ASSERT_TRUE(Open("lektion01.html"));
  EXPECT_TRUE(page.HasCondition("next"));
  page.SetCondition("gelesen", true);
  Click(dir.path() + "lektion02.html");
  EXPECT_EQ(page.XFile(), "lektion02.html");
  std::string words;
  for (const TXText& e : page.Model().Elements) words += e.Text;
  EXPECT_EQ(words, "JA Anna");
  EXPECT_EQ(page.GetVariable("NAME"), "Anna");
}

TEST_F(NavigationTest, TimedJumpFiresOnlyWithAutoJump) {
  Page("a.html", "<body wait=\"30,b.html\">warten");
  ASSERT_TRUE(Open("a.html"));
  EXPECT_TRUE(WaitFor([&] { return page.XFile() == "b.html"; }));
  page.AutoJump = false;
  ASSERT_TRUE(Open("a.html"));
  QTest::qWait(120);
  EXPECT_EQ(page.XFile(), "a.html");
  // a page read before the time is up takes its jump with it
  page.AutoJump = true;
  ASSERT_TRUE(Open("a.html"));
  ASSERT_TRUE(Open("c.html"));
  QTest::qWait(120);
  EXPECT_EQ(page.XFile(), "c.html");
}

TEST_F(NavigationTest, PopupShowsTogglesAndHidesOnOuterClick) {
  Page("a.html", "Außen <a href=\"b.html\">B</a>");
  ASSERT_TRUE(Open("a.html"));
  std::vector<std::string> lookups;
  page.OnRightClick = [&](TXPage*, const QRect&, const std::string& t) { lookups.push_back(t); };
  page.ShowPopupPage("eins", 50, 40, 150, 100, "<a href=\"?dog\">dog</a>");
  TXPage* popup = page.PopupPage();
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_TRUE(popup->HTMLChild());
  EXPECT_EQ(popup->geometry(), QRect(50, 40, 150, 100));
  // its look-ups go to the outer page
  const tNamed_rectangle_list& links = popup->Model().LinkNames;
  ASSERT_EQ(links.Areas.size(), 1u);
  const TPageRect& r = links.Areas[0].Rect;
  QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  EXPECT_EQ(lookups, std::vector<std::string>{"dog"});
  page.ShowPopupPage("zwei", 50, 40, 150, 100, "anders");
  EXPECT_TRUE(popup->isVisible());
  EXPECT_EQ(popup->Model().Elements.at(0).Text, "anders");
  page.ShowPopupPage("zwei", 50, 40, 150, 100, "anders");
  EXPECT_FALSE(popup->isVisible());
  page.ShowPopupPage("zwei", 50, 40, 150, 100, "anders");
  QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(390, 290));
  EXPECT_FALSE(popup->isVisible());
  // a click beside the pop-up's links hides it too
  page.ShowPopupPage("zwei", 50, 40, 150, 100, "anders");
  QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(140, 90));
  EXPECT_FALSE(popup->isVisible());
  // a new page takes it away
  page.ShowPopupPage("drei", 50, 40, 150, 100, "x");
  ASSERT_TRUE(Open("b.html"));
  EXPECT_FALSE(popup->isVisible());
}

TEST_F(NavigationTest, PopupWrapsItsTextTheSameWayTheFirstTimeAndLater) {
  Page("a.html", "Text");
  ASSERT_TRUE(Open("a.html"));
  const std::string markup =
      "<body bgcolor=#ffffe1><font size=1><box coords=10,10,-10,-10 >das Haus; siehe auch home und flat, "
      "das Heim, die Wohnung und das Zuhause";
  // The widest right edge of the pop-up's words: inside its box, 200 - 10 pixels.
  const auto right = [&] {
    const TXPage* popup = page.PopupPage();
    int most = 0;
    for (size_t i = 0; i < popup->Layout().Elements.size(); ++i)
      if (popup->Model().Elements[i].Kind == ekWord)
        most = std::max(most, popup->Layout().Elements[i].X + popup->Layout().Elements[i].Width);
    return most;
  };
  page.ShowPopupPage("house", 20, 20, 200, 60, markup);
  const int first = right();
  page.ShowPopupPage("house", 20, 20, 200, 60, markup);  // hidden
  page.ShowPopupPage("house", 20, 20, 200, 60, markup);
  EXPECT_LE(first, 190);
  EXPECT_EQ(right(), first);
}

TEST_F(NavigationTest, PopupBesideTheRightClick) {
  Page("a.html", "Text");
  ASSERT_TRUE(Open("a.html"));
  QTest::mouseClick(&page, Qt::RightButton, {}, QPoint(100, 50));
  page.ShowPopupPage("k", -10, -5, 120, 80, "x");
  EXPECT_EQ(page.PopupPage()->pos(), QPoint(109, 54));
  page.PopupPage()->hide();
  QTest::mouseClick(&page, Qt::RightButton, {}, QPoint(350, 250));
  page.ShowPopupPage("k", -10, -5, 120, 80, "x");
  EXPECT_EQ(page.PopupPage()->pos(), QPoint(400 - 120, 250 - 5 - 80));
}

TEST_F(NavigationTest, BadLinkIsReportedAfterEveryLoad) {
  Page("a.html", "<a href=\"b.html\">gut</a> <a href=\"weg.html@mit Notiz\">schlecht</a>");
  std::vector<std::string> bad;
  page.OnBadLink = [&](TXPage*, const std::string& b) { bad.push_back(b); };
  ASSERT_TRUE(Open("a.html"));
  ASSERT_TRUE(Open("b.html"));
  EXPECT_EQ(bad, (std::vector<std::string>{"weg.html@mit Notiz", ""}));
}

}  // namespace
}  // namespace vyr::test
