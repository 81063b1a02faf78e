#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "shell/startup/AccentCycle.h"
#include "shell/startup/UserSettings.h"
#include "tests/shell/startup/StartUpFixture.h"

using namespace vyr;
using vyr::test::StartUpTest;

TEST_F(StartUpTest, ResolveAliasCodesForEveryAlias) {
  ASSERT_TRUE(start());
  const std::string dir = t.dir("aufnahmen");
  const std::string file = t.file("aufnahmen\\Hallo.wav", "RIFF");
  TEnvironment& env = Env();
  struct Row {
    const char* prefix;
    std::string* directory;
    int whenEmpty;
  };
  for (const Row& r :
       {Row{"XE:", &env.waveDirectory, 4}, Row{"XX:", &env.extensionRecordings, 5}, Row{"XU:", &env.ownRecordings, 5},
        Row{"XR:", &env.rechtRecordings, 5}, Row{"XW:", &env.wirtschaftRecordings, 5}, Row{"SK:", &env.skDirectory, 4},
        Row{"SX:", &env.sxDirectory, 4}}) {
    std::string full;
    *r.directory = "";
    EXPECT_EQ(ResolveAlias(std::string(r.prefix) + "\\hallo.wav", full), r.whenEmpty) << r.prefix;
    EXPECT_EQ(full, "");
    *r.directory = dir;
    EXPECT_EQ(ResolveAlias(std::string(r.prefix) + "\\HALLO.WAV", full), kAliasFound) << r.prefix;
    EXPECT_EQ(full, dir + "HALLO.WAV");
    EXPECT_EQ(ResolveAlias(std::string(r.prefix) + "\\fehlt.wav", full), kAliasNotFound) << r.prefix;
    *r.directory = "-";  // marked as not found at start
    EXPECT_EQ(ResolveAlias(std::string(r.prefix) + "\\hallo.wav", full), kAliasNotFound) << r.prefix;
    *r.directory = "";
  }
  std::string full;
  EXPECT_EQ(ResolveAlias(file, full), kAliasFound);  // a plain path stays as it is
  EXPECT_EQ(full, file);
  EXPECT_EQ(ResolveAlias(t.path() + "nix.wav", full), kAliasNotFound);
  EXPECT_EQ(ResolveAlias("xe:\\hallo.wav", full), kAliasNotFound);  // the prefix in any case
}

TEST_F(StartUpTest, OwnRecordingsAreKeptAtTheUserKey) {
  ASSERT_TRUE(start());
  Env().userName = "Jürgen";
  Env().ownRecordings = t.dir("meine aufnahmen");
  ASSERT_TRUE(SaveDirectories(kSaveOwnRecordings));
  EXPECT_EQ(reg().ReadString("Software\\vyr\\vyr englisch\\5\\Jürgen", "Eigene Waves").value_or(""),
            Env().ownRecordings);
  const std::string saved = Env().ownRecordings;
  Env().ownRecordings.clear();
  ReadUserSettings();
  EXPECT_EQ(Env().ownRecordings, saved);  // read back where it was written
  EXPECT_TRUE(reg().KeyExists(kDirectoriesKey));
}

TEST_F(StartUpTest, UserSettingsKeyAndDisplaySettings) {
  EXPECT_EQ(UserSettingsKey(), "Software\\vyr\\vyr englisch\\5\\Anonym");
  Env().userName = "Anna";
  EXPECT_EQ(UserSettingsKey(), "Software\\vyr\\vyr englisch\\5\\Anna");

  ReadUserSettings();  // nothing stored: the dark grey default, no window mode
  EXPECT_EQ(Env().backdropColour, kDefaultBackdropColour);
  EXPECT_FALSE(Env().windowMode);

  Env().backdropExists = true;
  Env().backdropColour = 0x00336699;
  Env().windowMode = true;
  SaveUserDisplaySettings();
  ResetEnvironment();
  Env().userName = "anna";
  Env().mainWindowExists = true;
  bool switched = false;
  Env().switchToWindowMode = [&] { switched = true; };
  ReadUserSettings();
  EXPECT_EQ(Env().backdropColour, 0x00336699);
  EXPECT_TRUE(switched);  // the main window exists: it switches
}

TEST(SpecialCharacter, GroupsCycleTheCharacterBeforeTheCaret) {
  struct Row {
    const char* before;
    int caret;
    const char* after;
  };
  for (const Row& r : {Row{"a", 1, "á"}, Row{"æ", 1, "a"}, Row{"xAy", 2, "xÁy"}, Row{"?", 1, "¿"}, Row{"¡", 1, "?"},
                       Row{"œ", 1, "o"}, Row{"Œ", 1, "O"}, Row{"ü", 1, "u"}, Row{"ç", 1, "c"}, Row{"b", 1, "b"},
                       Row{"a", 0, "a"}, Row{"", 0, ""}, Row{"ab", 5, "ab"}}) {
    std::string s = r.before;
    CycleSpecialCharacter(s, r.caret);
    EXPECT_EQ(s, r.after) << r.before << " @" << r.caret;
  }
}

TEST(SpecialCharacter, F1InAnEditFieldKeepsTheCaret) {
  QLineEdit edit;
  edit.setText(u"cafe au lait"_qs);
  edit.setCursorPosition(4);
  EXPECT_TRUE(CycleSpecialCharacter(&edit, Qt::Key_F1));
  EXPECT_EQ(edit.text(), u"café au lait"_qs);
  EXPECT_EQ(edit.cursorPosition(), 4);
  EXPECT_FALSE(CycleSpecialCharacter(&edit, Qt::Key_F2));
}
