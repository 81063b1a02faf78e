#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QMenu>
#include <QTest>

#include "page/control/PageControl.h"
#include "platform/desktop/Shell.h"
#include "shell/startup/SharedObjects.h"
#include "shell/window/Backdrop.h"
#include "shell/window/MainWindow.h"
#include "tests/shell/startup/StartUpFixture.h"
#include "text/ZStream.h"

using namespace vyr;
using vyr::test::StartUpTest;

namespace {

class MainWindowTest : public StartUpTest {
 protected:
  void SetUp() override {
    StartUpTest::SetUp();
    page("main.htx", "<TITLE>Start</TITLE><P>Willkommen $[program]");
    page("bye.htx", "<P>Auf Wiedersehen!");
  }
  void page(const std::string& name, const std::string& markup) { t.file("vyr\\hvyr\\" + name, Deflate(markup)); }
  std::string text(const TXPage* p) const {
    std::string s;
    for (const auto& e : p->Model().Elements) s += e.Text;
    return s;
  }
};

}  // namespace

TEST_F(MainWindowTest, FormCreateShowsTheStartPageWithItsConditions) {
  t.file("vyr\\wave\\VYR_E");
  ini("[vyr englisch]\r\nWave-Verzeichnis=" + prog + "wave\\\r\n");
  ASSERT_TRUE(start());
  TMain main;
  EXPECT_EQ(main.windowTitle(), u"vyr englisch"_qs);
  EXPECT_EQ(main.XPage()->XFile(), "main.htx");
  EXPECT_EQ(text(main.XPage()), "Willkommen *vyr englisch");  // the special code answered
  for (const char* on : {"e", "cdrom"}) EXPECT_TRUE(main.XPage()->HasCondition(on)) << on;
  for (const char* off : {"online", "mute", "login"}) EXPECT_FALSE(main.XPage()->HasCondition(off)) << off;
  EXPECT_TRUE(shown().empty());
}

TEST_F(MainWindowTest, WindowModeAndFullScreenWithBackdrop) {
  ASSERT_TRUE(start());
  Env().backdropColour = 0xC0C0C0;
  TMain main;
  EXPECT_EQ(main.Backdrop()->Colour(), 0xC0C0C0);
  main.SetWindowMode(true);
  main.ShowInMode();
  EXPECT_TRUE(Env().windowMode);
  EXPECT_FALSE(main.Backdrop()->isVisible());
  EXPECT_EQ(main.size(), QSize(800, 572));
  EXPECT_EQ(main.XPage()->pos(), QPoint(0, 0));

  QTest::keyClick(main.XPage(), Qt::Key_F5);  // F5 switches to full screen
  EXPECT_FALSE(Env().windowMode);
  EXPECT_TRUE(main.Backdrop()->isVisible());
  main.resize(1024, 768);
  EXPECT_EQ(main.XPage()->geometry(), QRect(112, 98, 800, 572));  // centred on the backdrop
  EXPECT_EQ(main.XPage()->size(), QSize(800, 572));

  QTest::keyClick(&main, Qt::Key_F5);
  EXPECT_TRUE(Env().windowMode);
  // The backdrop's colour menu changes what is saved for the user.
  main.Backdrop()->Menu()->actions()[4]->trigger();
  EXPECT_EQ(Env().backdropColour, 0xFFFFFF);
}

TEST_F(MainWindowTest, ClosingGoesThroughTheFarewellPage) {
  ASSERT_TRUE(start());
  TMain main;
  main.SetWindowMode(true);
  main.ShowInMode();
  EXPECT_FALSE(main.close());  // first request: the farewell page
  EXPECT_EQ(main.XPage()->XFile(), "bye.htx");
  EXPECT_FALSE(main.ShuttingDown());
  main.PageCommand("end");  // "end" on the farewell page shuts down
  EXPECT_TRUE(main.ShuttingDown());
  EXPECT_FALSE(main.isVisible());
}

TEST_F(MainWindowTest, ARestartShowsTheBackdropColourAndModeChosenBefore) {
  ASSERT_TRUE(start());
  {
    TMain main;
    EXPECT_EQ(main.Backdrop()->Colour(), 0);           // nothing chosen yet: black
    main.Backdrop()->Menu()->actions()[5]->trigger();  // "Hellgrau"
    QTest::keyClick(main.XPage(), Qt::Key_F5);         // window mode
    main.PageCommand("end");                           // the farewell page
    main.PageCommand("end");
    ASSERT_TRUE(main.ShuttingDown());
  }
  // The next run of the program.
  TRegistry::Reload();
  ResetEnvironment();
  ASSERT_TRUE(start());
  TMain main;
  EXPECT_EQ(main.Backdrop()->Colour(), 0xC0C0C0);
  EXPECT_TRUE(Env().windowMode);
}

TEST_F(MainWindowTest, WithoutAFarewellPageTheProgramStillCloses) {
  for (const char* bye : {"", "broken"}) {
    SetUp();
    RemoveFile(prog + "hvyr\\bye.htx");
    if (*bye) t.file("vyr\\hvyr\\bye.htx", "kein zlib");
    ASSERT_TRUE(start());
    std::vector<std::string> order;
    TShutdownSteps steps;
    steps.saveUserAndRelease = [&] { order.push_back("user"); };
    steps.releaseSuperOptions = [&] { order.push_back("super"); };
    steps.releaseRecordings = [&] {
      order.push_back("recordings");
      throw std::runtime_error("x");
    };
    steps.releaseMusic = [&] { order.push_back("music"); };
    steps.releaseLibrary = [&] { order.push_back("library"); };
    TMain main(steps);
    main.SetWindowMode(true);
    main.ShowInMode();
    EXPECT_TRUE(main.close()) << bye;
    EXPECT_TRUE(main.ShuttingDown());
    // A failing step stops nothing; the options outlive the user's save,
    // and the music player (whose volume they save) outlives the options.
    EXPECT_EQ(order, (std::vector<std::string>{"recordings", "user", "super", "music", "library"}));
    TearDown();
  }
}

TEST_F(MainWindowTest, ShutdownEmptiesRecordingDirectoriesNotFound) {
  ini("[vyr englisch]\r\nAufnahmen Recht=C:\\fehlt\\\r\n");
  ASSERT_TRUE(start());
  {
    TMain main;
    main.PageCommand("end");  // not on the farewell page: shows it
    main.PageCommand("end");
    EXPECT_TRUE(main.ShuttingDown());
  }
  EXPECT_NE(iniText().find("Aufnahmen Recht=\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, CommandsOfMissingFeaturesSaySo) {
  ASSERT_TRUE(start());
  TMain main;
  messages->clear();
  main.PageCommand("goabfrage,vstart");
  EXPECT_EQ(shown(), (std::vector<std::string>{kFeatureMissingMessage, kFeatureMissingMessage}));
  std::string opened;
  SetShellOpenHandler([&](const std::string& target) {
    opened = target;
    return true;
  });
  main.PageCommand("www.Example.org");
  EXPECT_EQ(opened, "http://www.example.org");
  main.PageCommand("www");
  EXPECT_EQ(opened, prog + "hvyr\\homepage.html");
  SetShellOpenHandler({});
}

TEST_F(MainWindowTest, RightClickShowsTheHyperBaseExplanation) {
  t.file("vyr\\hvyr\\E_gaps\\hyper.txt", "house\r\ndas Haus; siehe {home}\r\n\r\n");
  ASSERT_TRUE(start({.createHyperBase = CreateHyperBase}));
  TMain main;
  ASSERT_TRUE(main.XPage()->OnRightClick);
  main.XPage()->OnRightClick(main.XPage(), QRect(), "house");
  const TXPage* popup = main.XPage()->findChild<TXPage*>();
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->isVisibleTo(main.XPage()));
  std::string words;
  for (const auto& e : popup->Model().Elements) words += e.Text;
  EXPECT_NE(words.find("Haus;"), std::string::npos);
  main.XPage()->OnRightClick(main.XPage(), QRect(), "nichts");  // no explanation: nothing happens
  EXPECT_TRUE(shown().empty());
}
