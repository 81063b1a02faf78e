// Following targets, one kind at a time, through the public FollowLink.
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

#include "platform/desktop/Shell.h"
#include "tests/page/control/ControlFixture.h"

namespace vyr::test {
namespace {

class FollowLinkTest : public ControlFixture {
 protected:
  void SetUp() override {
    ControlFixture::SetUp();
    SetShellOpenHandler([this](const std::string& t) {
      opened.push_back(t);
      return shellAnswer;
    });
    Page("b.html", "<title>B</title>Seite B");
    Page("doc.pdf", "%PDF");
    Page("a.html",
         "<alias #weiter=\"b.html\" #leer=\"\"><checkbox name=\"cb\">"
         "Start <a href=\"b.html\">B</a>");
    ASSERT_TRUE(Open("a.html"));
    page.OnRightClick = [this](TXPage*, const QRect& r, const std::string& t) {
      lookups.push_back(t);
      lookupRects.push_back(r);
    };
  }
  void TearDown() override { SetShellOpenHandler({}); }
  std::vector<std::string> opened, lookups;
  std::vector<QRect> lookupRects;
  bool shellAnswer = true;
};

struct TargetCase {
  const char* target;
  const char* file;     // the page shown afterwards
  const char* command;  // the last command the owner got, "" = none
  const char* opened;   // what the desktop was asked to open, "" = nothing
  const char* message;  // the start of the message shown, "" = none
};

TEST_F(FollowLinkTest, EveryKindOfTarget) {
  const TargetCase cases[] = {
      {"b.html", "b.html", "", "", ""},
      {"b.html@mit Hinweis", "b.html", "", "", ""},
      {"#weiter", "b.html", "", "", ""},
      {"#leer", "a.html", "", "", ""},
      {"\xA7vokabel", "a.html", "vokabel", "", ""},
      {"\xA7[vokabel]b.html", "b.html", "vokabel", "", ""},
      {"\xA7[ohne Klammer", "a.html", "ohne Klammer", "", ""},
      {"http://example.org/", "a.html", "", "http://example.org/", ""},
      {"https://example.org/", "a.html", "", "https://example.org/", ""},
      {"doc.pdf", "a.html", "", "doc.pdf", ""},
      {"fehlt.pdf", "a.html", "", "", "fehlt.pdf konnte nicht gefunden werden!"},
      {"fehlt.htx", "a.html", "", "", "Die Datei"},
      {"b.HTML", "a.html", "", "", ""},  // extensions compare exactly
      {"irgendwas.txt", "a.html", "", "", ""},
      {"+", "a.html", "", "", ""},  // no container: nothing to continue
  };
  for (const TargetCase& c : cases) {
    SCOPED_TRACE(c.target);
    ASSERT_TRUE(Open("a.html"));
    commands.clear();
    opened.clear();
    messages.clear();
    page.FollowLink(c.target, QRect(10, 10, 20, 10));
    EXPECT_EQ(page.XFile(), c.file);
    EXPECT_EQ(commands.empty() ? std::string() : commands.back(), c.command);
    if (*c.opened) {
      ASSERT_EQ(opened.size(), 1u);
      EXPECT_NE(opened[0].find(c.opened), std::string::npos) << opened[0];
    } else {
      EXPECT_TRUE(opened.empty());
    }
    if (*c.message) {
      ASSERT_FALSE(messages.texts().empty());
      EXPECT_NE(messages.texts().back().find(c.message), std::string::npos) << messages.texts().back();
    } else {
      EXPECT_TRUE(messages.texts().empty()) << messages.texts().front();
    }
  }
}

TEST_F(FollowLinkTest, DesktopFailuresAreReported) {
  shellAnswer = false;
  page.FollowLink("http://example.org/", {});
  page.FollowLink("doc.pdf", {});
  ASSERT_EQ(messages.texts().size(), 2u);
  EXPECT_EQ(messages.texts()[0], "Internet-Verbindung konnte nicht geöffnet werden!");
  EXPECT_NE(messages.texts()[1].find("doc.pdf konnte nicht geöffnet werden!"), std::string::npos);
}

TEST_F(FollowLinkTest, CheckBoxTogglesConditionAndTellsOwner) {
  page.FollowLink("+cb", {});
  EXPECT_TRUE(page.HasCondition("cb"));
  EXPECT_TRUE(page.Model().CheckBoxes.at(0).Checked);
  page.FollowLink("+cb", {});
  EXPECT_FALSE(page.HasCondition("cb"));
  page.FollowLink("+unbekannt", {});  // counts as unchecked
  EXPECT_EQ(commands, (std::vector<std::string>{"+cb", "-cb", "-unbekannt"}));
}

TEST_F(FollowLinkTest, LookUpGoesToRightClickHandlerOrOn) {
  page.FollowLink("?house", {});
  ASSERT_EQ(lookups, std::vector<std::string>{"house"});
  EXPECT_TRUE(lookupRects[0].isNull());
  page.OnRightClick = nullptr;
  page.FollowLink("?house", {});  // without a handler the target goes on and leads nowhere
  EXPECT_EQ(page.XFile(), "a.html");
  EXPECT_TRUE(messages.texts().empty());
}

TEST_F(FollowLinkTest, CommandBlocksMouseShowsHourglassAndSurvivesErrors) {
  bool blocked = false, hourglass = false;
  page.OnCommand = [&](TXPage* p, const std::string&) {
    blocked = !p->MouseEnabled();
    hourglass = p->cursor().shape() == Qt::WaitCursor;
    throw std::runtime_error("kaputt");
  };
  page.FollowLink("\xA7[los]b.html", {});
  EXPECT_TRUE(blocked);
  EXPECT_TRUE(hourglass);
  EXPECT_TRUE(page.MouseEnabled());
  EXPECT_NE(page.cursor().shape(), Qt::WaitCursor);
  EXPECT_EQ(page.XFile(), "b.html");  // the rest is followed after the error
  // The error is reported once.
  ASSERT_EQ(messages.texts().size(), 1u);
  EXPECT_EQ(messages.texts()[0], "Der Befehl \"los\" konnte nicht ausgeführt werden:\rkaputt");
}

TEST_F(FollowLinkTest, MouseInputDuringCommandIsDropped) {
  const QPoint link = At("b.html");
  page.OnCommand = [&](TXPage* p, const std::string&) {
    QTest::mouseClick(p, Qt::LeftButton, {}, link);  // arrives while input is off
    // and a click still waiting in the queue when the handler returns
    const QPointF at(link), global(p->mapToGlobal(link));
    QCoreApplication::postEvent(
        p, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        p, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  };
  page.FollowLink("\xA7warte", {});
  QTest::qWait(20);
  EXPECT_EQ(page.XFile(), "a.html");
  Click("b.html");  // and afterwards the mouse works again
  EXPECT_EQ(page.XFile(), "b.html");
}

TEST_F(FollowLinkTest, CommandHandlerMayHideTheCursor) {
  page.OnCommand = [](TXPage* p, const std::string&) { p->setCursor(Qt::BlankCursor); };
  page.FollowLink("\xA7verstecken", {});
  EXPECT_EQ(page.cursor().shape(), Qt::BlankCursor);
}

TEST_F(FollowLinkTest, RecorderAndChoiceCommandsStayOnThePage) {
  std::vector<std::string> choice, recorder;
  page.ChoiceAnswer = [&](const std::string& c) { choice.push_back(c); };
  page.RecorderCommand = [&](const std::string& c) { recorder.push_back(c); };
  page.FollowLink("\xA7mchx+", {});
  page.FollowLink("\xA7play", {});  // no recorder on the page: nothing
  page.FollowLink("\xA7rec", {});   // without a recorder an ordinary command
  EXPECT_EQ(choice, std::vector<std::string>{"mchx+"});
  EXPECT_TRUE(recorder.empty());
  EXPECT_EQ(commands, std::vector<std::string>{"rec"});
}

TEST_F(FollowLinkTest, NoteOpensClosesAndOpensAgain) {
  const QRect rect(20, 20, 40, 12);
  page.FollowLink("@Das ist ein Hinweis", rect);
  ASSERT_NE(page.NoteLabel(), nullptr);
  EXPECT_TRUE(page.NoteLabel()->isVisible());
  EXPECT_EQ(page.NoteLabel()->text(), u"Das ist ein Hinweis"_qs);
  EXPECT_EQ(page.NoteLabel()->pos(), QPoint(28, rect.bottom() + 8));
  page.FollowLink("@Das ist ein Hinweis", rect);
  EXPECT_FALSE(page.NoteLabel()->isVisible());
  page.FollowLink("@Das ist ein Hinweis", rect);
  EXPECT_TRUE(page.NoteLabel()->isVisible());
  // a click on the label closes it
  QTest::mouseClick(const_cast<QLabel*>(page.NoteLabel()), Qt::LeftButton);
  EXPECT_FALSE(page.NoteLabel()->isVisible());
}

TEST_F(FollowLinkTest, NoteNearTheBottomGoesAboveTheLink) {
  const QRect rect(390, 280, 10, 10);
  page.FollowLink("@unten rechts", rect);
  const QRect label = page.NoteLabel()->geometry();
  EXPECT_EQ(label.bottom() + 1, rect.top() - 8);
  EXPECT_LE(label.right(), page.width() - 8);
}

TEST_F(FollowLinkTest, EndClosesTheWindow) {
  page.FollowLink("END", {});
  EXPECT_FALSE(page.isVisible());
}

TEST_F(FollowLinkTest, PostedLinkWaitsForTheEventLoopAndDiesWithItsPage) {
  page.PostLink("b.html", {});
  EXPECT_EQ(page.XFile(), "a.html");  // not inside the handler that posted it
  QTest::qWait(20);
  EXPECT_EQ(page.XFile(), "b.html");
  // posted on a page that another page replaced before the loop ran: dropped
  page.PostLink("a.html", {});
  ASSERT_TRUE(Open("b.html"));
  QTest::qWait(20);
  EXPECT_EQ(page.XFile(), "b.html");
}

}  // namespace
}  // namespace vyr::test
