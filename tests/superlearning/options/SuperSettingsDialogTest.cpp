#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QtTest/QTest>

#include "superlearning/options/SuperOptionsCommand.h"
#include "superlearning/options/SuperSettingsDialog.h"
#include "tests/superlearning/options/OptionsFixture.h"
#include "text/Cp1252.h"

namespace vyr::test {
namespace {

using S = TSuperSettings;

class SuperSettingsDialogTest : public OptionsFixture {
 protected:
  // Choosers that answer without a person: a fixed file and a fixed colour.
  TSuperDialogChoosers Choosers() {
    TSuperDialogChoosers c;
    c.chooseFile = [this](const std::string&, const QString&) -> std::optional<std::string> { return chosenFile; };
    c.chooseColour = [this](int) -> std::optional<int> { return chosenColour; };
    return c;
  }
  std::unique_ptr<TSuperSettingsDialog> Open() {
    auto d = std::make_unique<TSuperSettingsDialog>(*options, Choosers());
    d->show();
    return d;
  }
  template <class T>
  static T* Find(QWidget& d, const char* name) {
    T* w = d.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static void Click(QWidget& d, const char* name) { QTest::mouseClick(Find<QPushButton>(d, name), Qt::LeftButton); }
  static void Keys(QWidget* w, Qt::Key key, int times = 1) {
    w->setFocus();
    for (int i = 0; i < times; ++i) QTest::keyClick(w, key);
  }
  static void ShowPage(QWidget& d, const char* title) {
    QTabWidget* pc = Find<QTabWidget>(d, "PC");
    pc->setCurrentWidget(pc->findChild<QWidget*>(QString::fromLatin1(title)));
  }

  std::optional<std::string> chosenFile;
  std::optional<int> chosenColour;
};

TEST_F(SuperSettingsDialogTest, OkWithoutAChangeLeavesTheRegistryByteIdentical) {
  AddPages();
  // Values the controls cannot show as they are: out of range, rounded, not
  // in a list, a font that is not installed, a deleted page.
  const std::string k = Key();
  Reg().BeginBatch();
  Reg().WriteInteger(k, "KlassikFaktor", 10);
  Reg().WriteInteger(k, "DDBGRDelay", 1200);
  Reg().WriteInteger(k, "AirBGRDelay", 90);
  Reg().WriteInteger(k, "TechnoTextDelay", 2550);
  Reg().WriteInteger(k, "TechnoFrameDelay", 4010);
  Reg().WriteInteger(k, "TechnoSpeed", -25);
  Reg().WriteInteger(k, "DDTextDelay", 2050);
  Reg().WriteInteger(k, "AirCharDelay", 120);
  Reg().WriteInteger(k, "VegasFaktor", 200);
  Reg().WriteInteger(k, "Volume", -30);
  Reg().WriteString(k, "Schrift", "Gibt Es Nicht");
  Reg().WriteString(k, "DD", "gelöscht");
  Reg().WriteString(k, "MP3", dir.path() + "fehlt\\");
  Reg().WriteString(k, "VexaBGRColor", "abcdef");
  ASSERT_TRUE(Reg().EndBatch());
  const std::string before = RegistryBytes();

  Make().Load();
  {
    auto d = Open();
    EXPECT_EQ(Find<QTabWidget>(*d, "PC")->currentWidget()->objectName(), u"audio"_qs);
    EXPECT_EQ(d->windowTitle(), u"VYR Superlearning - Einstellungen"_qs);
    EXPECT_EQ(Find<QComboBox>(*d, "cDDFile")->currentText(), u"<nach Zufallsprinzip>"_qs);
    EXPECT_EQ(Find<QComboBox>(*d, "cDDBGRDelay")->currentText(), u"10 Minuten"_qs);
    EXPECT_EQ(Find<QComboBox>(*d, "cAirBGRDelay")->currentIndex(), -1);
    EXPECT_TRUE(Find<QCheckBox>(*d, "cAirAutomatic")->isChecked());
    EXPECT_EQ(Find<QComboBox>(*d, "Schriften")->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>(*d, "cTextDelay")->currentText(), u"2,5"_qs);
    Click(*d, "OK");
    EXPECT_EQ(d->result(), QDialog::Accepted);
  }
  EXPECT_FALSE(options->Modified());
  EXPECT_EQ(options->Settings().Schrift, "Gibt Es Nicht");
  EXPECT_EQ(RegistryBytes(), before);
  EXPECT_TRUE(messages.texts().empty());
}

TEST_F(SuperSettingsDialogTest, OkTakesWhatWasChanged) {
  AddPages();
  Make().Load();
  {
    auto d = Open();
    ShowPage(*d, "abgedreht");
    Keys(Find<QSlider>(*d, "trMadness"), Qt::Key_Left, 2);
    ShowPage(*d, "DD");
    Keys(Find<QComboBox>(*d, "cDDFile"), Qt::Key_Down);  // the first page after "<nach Zufallsprinzip>"
    ShowPage(*d, "techno - animation");
    Keys(Find<QSlider>(*d, "trFrameDelay"), Qt::Key_End);
    EXPECT_TRUE(Find<QWidget>(*d, "cHardCut")->property("checked").toBool());
    EXPECT_EQ(Find<QLabel>(*d, "trFrameDelayLabel")->text(), u"1:40 min"_qs);
    Click(*d, "OK");
  }
  EXPECT_EQ(options->Settings().Madness, 7);
  EXPECT_EQ(options->Settings().DD, "Herbst\\blätter");
  EXPECT_EQ(options->Settings().TechnoFrameDelay, 100000);
  EXPECT_FALSE(options->Settings().TechnoFading);
  // Closing stored it.
  EXPECT_FALSE(options->Modified());
  EXPECT_EQ(Reg().ReadInteger(Key(), "Madness").value_or(0), 7);
  EXPECT_EQ(Reg().ReadString(Key(), "DD").value_or(""), "Herbst\\blätter");
}

TEST_F(SuperSettingsDialogTest, OkWithAMissingMusicFolderChangesNothing) {
  Make().Load();
  const TSuperSettings before = options->Settings();
  auto d = Open();
  ShowPage(*d, "abgedreht");
  Keys(Find<QSlider>(*d, "trMadness"), Qt::Key_Left);
  Find<QLineEdit>(*d, "MP3Dir")->setText(ToUnicode(dir.path() + "gibt es nicht"));
  Click(*d, "OK");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"MP3-Verzeichnis existiert nicht!"});
  EXPECT_TRUE(d->isVisible());
  EXPECT_TRUE(options->Settings() == before);
  EXPECT_FALSE(options->Modified());
}

TEST_F(SuperSettingsDialogTest, ResetThenCancelKeepsTheDefaultsButRestoresVolumeAndFolder) {
  AddMusic("Eigene");
  Reg().WriteInteger(Key(), "Madness", 3);
  Reg().WriteInteger(Key(), "Volume", -5);
  Reg().WriteString(Key(), "MP3", dir.path() + "Eigene\\");
  Make().Load();
  ASSERT_EQ(options->MusicDirectory(), dir.path() + "Eigene\\");
  {
    auto d = Open();
    Keys(Find<QSlider>(*d, "Volume"), Qt::Key_Left, 3);
    EXPECT_EQ(music->VolumeDb(), -8);  // heard at once
    Click(*d, "Zuruecksetzen");
    EXPECT_EQ(Find<QLineEdit>(*d, "MP3Dir")->text(), QString());  // the default "MP3\" is missing
    Click(*d, "Abbrechen");
    EXPECT_EQ(d->result(), QDialog::Rejected);
  }
  EXPECT_EQ(options->Settings().Madness, 9);
  EXPECT_EQ(music->VolumeDb(), -5);
  EXPECT_EQ(options->MusicDirectory(), dir.path() + "Eigene\\");
  // The defaults were stored when the dialog closed.
  EXPECT_EQ(Reg().ReadInteger(Key(), "Madness").value_or(0), 9);
  EXPECT_EQ(Reg().ReadInteger(Key(), "Volume").value_or(0), -5);
  EXPECT_TRUE(messages.texts().empty());
}

TEST_F(SuperSettingsDialogTest, EscapeRestoresTheVolumeLikeAbbrechen) {
  Make().Load();
  auto d = Open();
  QSlider* volume = Find<QSlider>(*d, "Volume");
  Keys(volume, Qt::Key_Right, 4);
  EXPECT_EQ(music->VolumeDb(), -8);
  QTest::keyClick(volume, Qt::Key_Escape);
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(music->VolumeDb(), -12);
}

TEST_F(SuperSettingsDialogTest, MusicControls) {
  AddMusic();
  AddMusic("Andere");
  dir.file("Andere\\drei.mp3", TinyMp3());
  Make().Load();
  auto d = Open();
  EXPECT_EQ(Find<QLabel>(*d, "MP3Info")->text(), u"2 MP3-Dateien"_qs);
  chosenFile = dir.path() + "Andere\\zwei.mp3";
  Click(*d, "Choose");
  EXPECT_EQ(Find<QLineEdit>(*d, "MP3Dir")->text(), ToUnicode(dir.path() + "Andere\\"));
  EXPECT_EQ(Find<QLabel>(*d, "MP3Info")->text(), u"3 MP3-Dateien"_qs);
  Click(*d, "MP3Test");
  EXPECT_EQ(Find<QPushButton>(*d, "MP3Test")->text(), u"Stop"_qs);
  const QString piece = Find<QLabel>(*d, "MP3Info")->text();
  EXPECT_TRUE(piece == u"eins.mp3"_qs || piece == u"zwei.mp3"_qs || piece == u"drei.mp3"_qs) << piece.toStdString();
  // An empty folder: nothing to test.
  dir.dir("Stumm");
  Find<QLineEdit>(*d, "MP3Dir")->setText(ToUnicode(dir.path() + "Stumm\\"));
  Click(*d, "MP3Test");
  EXPECT_EQ(Find<QLabel>(*d, "MP3Info")->text(), u"Keine MP3-Dateien gefunden!"_qs);
  Find<QLineEdit>(*d, "MP3Dir")->clear();
  EXPECT_FALSE(Find<QPushButton>(*d, "MP3Test")->isEnabled());
}

TEST_F(SuperSettingsDialogTest, ThePreviewFollowsTheControls) {
  AddTechno();
  Make().Load();
  auto d = Open();
  ShowPage(*d, "techno - optik");
  EXPECT_NE(d->PreviewMarkup().find("vorschau.jpg\" color=#990099 mode=0 transparent=102>"), std::string::npos)
      << d->PreviewMarkup();
  Keys(Find<QSlider>(*d, "trTransparenz"), Qt::Key_End);
  EXPECT_NE(d->PreviewMarkup().find("transparent=255>"), std::string::npos) << d->PreviewMarkup();
  Keys(Find<QSlider>(*d, "trRand"), Qt::Key_Home);
  EXPECT_EQ(d->PreviewMarkup().find("top>"), std::string::npos) << d->PreviewMarkup();
  Keys(Find<QComboBox>(*d, "TransparenzModus"), Qt::Key_Down, 3);
  EXPECT_NE(d->PreviewMarkup().find("mode=3 "), std::string::npos) << d->PreviewMarkup();
  chosenColour = 0x12AB34;
  Click(*d, "colorBMP");
  EXPECT_NE(d->PreviewMarkup().find("color=#12AB34 mode=3"), std::string::npos) << d->PreviewMarkup();
  // The chosen colour goes into the setting in web order, the abgedreht
  // colour in the page order.
  ShowPage(*d, "abgedreht");
  Click(*d, "VexaTXT");
  Click(*d, "OK");
  EXPECT_EQ(options->Settings().TechnoBMPColor, 0x12AB34);
  EXPECT_EQ(options->Settings().VexaTXTColor, 0x34AB12);
  EXPECT_EQ(options->Settings().TechnoTransparenz, 100);
  EXPECT_EQ(options->Settings().TechnoRand, 0);
}

TEST_F(SuperSettingsDialogTest, SuperoptsRebuildsTheVocabularyPageOnlyWhenSpeechChanged) {
  Make().Load();
  int rebuilt = 0;
  TSuperOptionsCommand command(*options, nullptr, [&rebuilt] { ++rebuilt; });
  command.choosers = Choosers();
  bool toggle = false;
  command.onOpen = [&toggle](TSuperSettingsDialog& d) {
    QTimer::singleShot(0, &d, [&d, &toggle] {
      if (toggle) Keys(Find<QCheckBox>(d, "bSpeech"), Qt::Key_Space);
      Click(d, "OK");
    });
  };
  command.RunCommand(TCommandId::SuperOptionsDialog, {});
  EXPECT_EQ(rebuilt, 0);
  toggle = true;
  command.RunCommand(TCommandId::SuperOptionsDialog, {});
  EXPECT_EQ(rebuilt, 1);
  EXPECT_FALSE(options->Settings().Sprachausgabe);
  EXPECT_EQ(Reg().ReadBool(Key(), "Sprachausgabe"), std::optional<bool>(false));
}

}  // namespace
}  // namespace vyr::test
