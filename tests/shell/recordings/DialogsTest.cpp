#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "platform/core/IniFile.h"
#include "platform/desktop/Sound.h"
#include "shell/paths/TXPaths.h"
#include "shell/recordings/FileChooser.h"
#include "shell/recordings/RecordingPlayer.h"
#include "shell/recordings/SyntheticVoice.h"
#include "shell/recordings/TWaveDB.h"
#include "shell/startup/UserSettings.h"
#include "tests/shell/recordings/RecordingsFixture.h"
#include "text/Cp1252.h"

namespace vyr::test {
namespace {

class DialogsTest : public RecordingsTest {
 protected:
  void SetUp() override {
    RecordingsTest::SetUp();
    SetRecordingPlayer([this](const std::string& f) { played.push_back(f); });
  }
  void TearDown() override {
    SetRecordingPlayer(nullptr);
    RecordingsTest::TearDown();
  }
  static void Type(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Return);
  }
  std::vector<std::string> played;
};

TEST_F(DialogsTest, AnEditedTextMovesToItsPlaceAndADuplicateIsRefused) {
  main().AddPairs(Pairs({{"apple", wave("apple.wav")}, {"house", "XE:\\fehlt.wav"}, {"zebra", "XE:\\z.wav"}}));
  TWaveDB dialog(main());
  dialog.show();
  EXPECT_EQ(dialog.counter()->text(), u"3 Einträge"_qs);
  EXPECT_EQ(dialog.textField()->text(), u"apple"_qs);
  EXPECT_TRUE(dialog.button(u"Vorlesen"_qs)->isVisible());
  QTest::mouseClick(dialog.button(u"Vorlesen"_qs), Qt::LeftButton);
  EXPECT_EQ(played, std::vector<std::string>{Env().waveDirectory + "apple.wav"});

  // "apple" renamed to "yacht": found afterwards at its new place.
  Type(dialog.textField(), u"yacht"_qs);
  EXPECT_EQ(main().CurrentText(), "yacht");
  EXPECT_EQ(main().Current(), 1u);
  size_t pos;
  EXPECT_TRUE(main().Find("yacht", pos));
  EXPECT_EQ(*main().Lookup("Yacht", true), "XE:\\apple.wav");

  // "house" has no file: "Vorlesen" hidden.
  QTest::mouseClick(dialog.button(u"Zum ersten Eintrag"_qs), Qt::LeftButton);
  EXPECT_EQ(dialog.textField()->text(), u"house"_qs);
  EXPECT_FALSE(dialog.button(u"Vorlesen"_qs)->isVisible());

  // A text another record has: refused, the field shows the old text.
  Type(dialog.textField(), u"ZEBRA"_qs);
  EXPECT_EQ(messages.texts().size(), 1u);
  EXPECT_EQ(main().Count(), 3u);
  EXPECT_EQ(dialog.textField()->text(), u"house"_qs);

  // A new record, typed and browsed; the searching finds it.
  const std::string own = t.file("eigene\\neu.wav", TinyWave());
  chooseFile = [&own](const std::string&, const std::string& proposed, const std::string& filter) {
    EXPECT_EQ(proposed, "*.wav");
    EXPECT_EQ(filter, "Wave (*.wav *.WAV)");
    return own;
  };
  messages.answerWith(msg::IdOk);  // make the folder the own recordings
  QTest::mouseClick(dialog.button(u"Neuen Eintrag erzeugen"_qs), Qt::LeftButton);
  EXPECT_EQ(main().Count(), 4u);
  Type(dialog.textField(), u"Öl"_qs);
  QTest::mouseClick(dialog.button(u"Durchsuchen..."_qs), Qt::LeftButton);
  EXPECT_EQ(Env().ownRecordings, t.path() + "eigene\\");
  EXPECT_EQ(dialog.fileField()->text(), u"XU:\\neu.wav"_qs);
  EXPECT_EQ(*main().Lookup("öl", true), "XU:\\neu.wav");
  // Both keys hold the own recordings.
  EXPECT_EQ(TRegistry::CurrentUser().ReadString(UserSettingsKey(), "Eigene Waves").value_or(""), Env().ownRecordings);
  EXPECT_EQ(TRegistry::CurrentUser().ReadString(kDirectoriesKey, "Eigene Waves").value_or(""), Env().ownRecordings);

  QTest::keyClicks(dialog.searchField(), u"ze"_qs);
  EXPECT_EQ(dialog.textField()->text(), u"zebra"_qs);

  // An empty record left behind is dropped when the dialog closes; the
  // learner is told once that only the editor saves.
  QTest::mouseClick(dialog.button(u"Neuen Eintrag erzeugen"_qs), Qt::LeftButton);
  EXPECT_EQ(main().Count(), 5u);
  messages.clear();
  dialog.reject();
  EXPECT_EQ(main().Count(), 4u);
  ASSERT_EQ(messages.texts().size(), 1u);
  EXPECT_NE(messages.texts()[0].find("vyredit"), std::string::npos);
  EXPECT_FALSE(main().onChange);
}

TEST_F(DialogsTest, VorlesenOfAMissingFileSaysSo) {
  main().AddPairs(Pairs({{"house", "XE:\\fehlt.wav"}}));
  TWaveDB dialog(main());
  dialog.fileField()->setText(u"XE:\\fehlt.wav"_qs);
  QMetaObject::invokeMethod(dialog.button(u"Vorlesen"_qs), "click");
  ASSERT_EQ(messages.texts().size(), 1u);
  EXPECT_EQ(messages.texts()[0].rfind("XE:\\fehlt.wav konnte nicht gefunden werden.", 0), 0u);
  EXPECT_TRUE(played.empty());
}

TEST_F(DialogsTest, PathDialogChecksEveryFieldBeforeItAppliesAnything) {
  Env().userDirectory = t.dir("vyr\\Benutzer");
  const std::string ini =
      t.file("vyr\\vyr.ini", "[*vyr]\r\nBenutzer-Verzeichnis=\r\n[vyr englisch]\r\nWave-Verzeichnis=x\r\n");
  TRegistry::CurrentUser().CreateKey(kDirectoriesKey);
  TRegistry::CurrentUser().WriteString(kDirectoriesKey, "HVYR", "C:\\kurs\\");
  main().AddPairs(Pairs({{"a", t.path() + "mine\\a.wav"}, {"b", t.path() + "MINE\\sub\\b.wav"}, {"c", "XE:\\c.wav"}}));
  t.dir("mine");
  const auto iniBefore = ReadWholeFile(ini);
  const auto regBefore = ReadWholeFile(TRegistry::CurrentUser().fileName());
  const TEnvironment envBefore = Env();

  {  // a wave directory that does not exist: its message, the dialog stays, nothing applied
    TXPaths dialog;
    dialog.show();
    dialog.ownField()->setText(ToUnicode(t.path() + "mine"));
    dialog.waveField()->setText(ToUnicode(t.path() + "nirgends"));
    EXPECT_NE(dialog.waveField()->styleSheet().indexOf(u"red"_qs), -1);
    QTest::keyClick(dialog.waveField(), Qt::Key_Return);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Verzeichnis " + t.path() + "nirgends\\ existiert nicht!"});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Env().ownRecordings, envBefore.ownRecordings);
    EXPECT_EQ(*main().Lookup("a", true), t.path() + "mine\\a.wav");
    // A directory without "VYR_E" and a user "directory" that is a file are refused too.
    messages.clear();
    dialog.waveField()->setText(ToUnicode(t.dir("leer")));
    dialog.accept();
    dialog.waveField()->setText(ToUnicode(Env().waveDirectory));
    dialog.userField()->setText(ToUnicode(ini));
    dialog.accept();
    EXPECT_EQ(messages.texts().size(), 2u);
    EXPECT_TRUE(dialog.isVisible());
    dialog.userField()->setText(ToUnicode(t.path() + "vyr\\Benutzer\\"));
    // "Abbrechen": nothing.
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_EQ(ReadWholeFile(ini), iniBefore);
  EXPECT_EQ(ReadWholeFile(TRegistry::CurrentUser().fileName()), regBefore);
  EXPECT_EQ(Env().waveDirectory, envBefore.waveDirectory);

  {  // the own recordings with the rewrite offer; a new user directory from the next start
    messages.clear();
    messages.answerWith(msg::IdOk);
    TXPaths dialog;
    dialog.ownField()->setText(ToUnicode(t.path() + "mine"));  // without its final "\"
    const std::string newUsers = t.dir("neu");
    dialog.userField()->setText(ToUnicode(newUsers));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_GE(messages.texts().size(), 3u);
    EXPECT_NE(messages.texts()[0].find("durch den Alias \"XU:\""), std::string::npos);
    EXPECT_EQ(messages.texts()[1], "2 Einträge wurden geändert.");
    EXPECT_EQ(*main().Lookup("a", true), "XU:\\a.wav");
    EXPECT_EQ(*main().Lookup("b", true), "XU:\\sub\\b.wav");
    EXPECT_EQ(Env().ownRecordings, t.path() + "mine\\");
    EXPECT_EQ(TRegistry::CurrentUser().ReadString(UserSettingsKey(), "Eigene Waves").value_or(""), t.path() + "mine\\");
    EXPECT_EQ(TRegistry::CurrentUser().ReadString(kDirectoriesKey, "Eigene Waves").value_or(""), t.path() + "mine\\");
    EXPECT_EQ(Env().userDirectory, envBefore.userDirectory);  // the user base keeps its directory
    EXPECT_EQ(TIniFile(ini).ReadString("*vyr", "Benutzer-Verzeichnis"), newUsers);
  }
  // Read back at the next login: the user's key, else "Verzeichnisse".
  TRegistry::CurrentUser().DeleteValue(UserSettingsKey(), "Eigene Waves");
  EXPECT_EQ(ReadOwnRecordings(), t.path() + "mine\\");
}

TEST_F(DialogsTest, TheVoiceSwitchIsTheUsersAndGreyWithoutEspeak) {
  SetSyntheticVoiceProgram(t.path() + "kein-espeak");
  {
    TXPaths dialog;
    EXPECT_FALSE(dialog.voiceBox()->isEnabled());
    EXPECT_FALSE(dialog.voiceBox()->isChecked());
  }
  SetSyntheticVoiceProgram(NativePath(t.file("espeak", "#!/bin/sh\n")).toStdString());
  QFile::setPermissions(NativePath(t.path() + "espeak"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  {
    TXPaths dialog;
    dialog.show();
    EXPECT_TRUE(dialog.voiceBox()->isEnabled());
    EXPECT_TRUE(dialog.voiceBox()->isChecked());  // on by default
    dialog.tabs()->setCurrentIndex(1);
    QTest::mouseClick(dialog.voiceBox(), Qt::LeftButton, {}, QPoint(4, dialog.voiceBox()->height() / 2));
    dialog.accept();
  }
  EXPECT_FALSE(SyntheticVoiceEnabled());
  EXPECT_EQ(TRegistry::CurrentUser().ReadBool(UserSettingsKey(), "Synthetische Stimme"), false);
  SetSyntheticVoiceProgram("");
}

}  // namespace
}  // namespace vyr::test
