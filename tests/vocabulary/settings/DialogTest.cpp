#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest/QTest>

#include "tests/vocabulary/settings/SettingsFixture.h"
#include "text/Cp1252.h"
#include "vocabulary/settings/TVEinstellungen.h"

namespace vyr {
namespace {

template <class W>
W* Child(QWidget& parent, const char* name) {
  W* w = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

QRadioButton* Radio(QWidget& parent, const char* text) {
  for (QRadioButton* r : parent.findChildren<QRadioButton*>())
    if (r->text() == ToUnicode(text)) return r;
  ADD_FAILURE() << text;
  return nullptr;
}

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); }

void Type(QLineEdit* edit, const char* text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, QString::fromLatin1(text));
}

struct DialogTest : ::testing::Test {
  test::TSettingsInstallation inst;
  std::string ini;
  void SetUp() override {
    inst.user = inst.dir.dir("Benutzer\\anna");
    inst.userScore = 10;
    inst.Make().Load();
    ASSERT_TRUE(inst.settings->Save());  // a file the program wrote
    ini = inst.Read(inst.settings->File());
  }
};

TEST_F(DialogTest, CancelAfterEveryControlChangedPutsEverythingBack) {
  TVocEinstellungen& s = *inst.settings;
  s.SetTasksPerRound(7);
  const TVocSettingsValues before = s.Values();
  TVEinstellungen dialog(s);
  dialog.show();
  Click(Radio(dialog, "Rückwärts"));
  Click(Radio(dialog, "Englisch - Deutsch"));
  Click(Radio(dialog, "Kreuz-und-quer"));
  QTest::keyClick(Child<QSlider>(dialog, "TrackProRunde"), Qt::Key_End);
  QTest::keyClick(Child<QSlider>(dialog, "TrackMultiple"), Qt::Key_Home);
  Click(Child<QCheckBox>(dialog, "cKontext"));
  for (int i = 1; i <= 8; ++i) Click(Child<QCheckBox>(dialog, ("Wortart" + std::to_string(i)).c_str()));
  for (int i = 1; i <= 5; ++i) Click(Child<QCheckBox>(dialog, ("SG" + std::to_string(i)).c_str()));
  Type(Child<QLineEdit>(dialog, "WertVon"), "20");
  Type(Child<QLineEdit>(dialog, "WertBis"), "30");
  // every value changed
  const TVocSettingsValues& now = s.Values();
  EXPECT_EQ(now.richtung, 2);
  EXPECT_EQ(now.sprache, 1);
  EXPECT_EQ(now.multipleChoice, 0);
  EXPECT_FALSE(now.kontext);
  EXPECT_EQ(now.wortarten, 0xFFFF00u);
  EXPECT_FALSE(now.difficulty[4]);
  EXPECT_EQ(now.minScore, 20);
  EXPECT_EQ(now.maxScore, 30);
  EXPECT_EQ(Child<QLabel>(dialog, "lInfo")->text(), u"0/5 Vokabeln aktiv"_qs);
  EXPECT_TRUE(Child<QLabel>(dialog, "Maske1")->isVisibleTo(&dialog));

  Click(Child<QPushButton>(dialog, "Cancel"));
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(s.Values(), before);
  EXPECT_EQ(s.TasksPerRound(), 7);
  EXPECT_EQ(inst.Read(s.File()), ini);
}

TEST_F(DialogTest, OkWithoutChangesLeavesTheFileAsItWas) {
  TVEinstellungen dialog(*inst.settings);
  dialog.show();
  EXPECT_EQ(Child<QLabel>(dialog, "lInfo")->text(), u"5/5 Vokabeln aktiv"_qs);
  EXPECT_EQ(Child<QLabel>(dialog, "lHistogram")->text(), u"Werte-Histogramm: (Durchschnitt: 10%)"_qs);
  EXPECT_EQ(Child<QCheckBox>(dialog, "Wortart1")->text(), u"Nomen (5)"_qs);
  Click(Child<QPushButton>(dialog, "OK"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(inst.Read(inst.settings->File()), ini);
}

TEST_F(DialogTest, TypingIntoTheFilterEdits) {
  struct Case {
    const char *from, *to;
    int lo, hi;
    const char *fromShown, *toShown;
    const char* explanation;  // a part of it
  };
  const Case cases[] = {
      {"-", "75", -100, 75, "-", "75", ""},
      {"50", "20", 20, 50, "50", "20", "überwiegend richtig gemacht"},
      {"+5", "75", 5, 75, "5", "75", "überwiegend richtig gemacht"},
      {"12a", "0", -100, 0, "-100", "0", "überwiegend falsch"},
      {"9999", "100", 100, 100, "100", "100", "richtig gemacht wurden. Dies"},
      {"-100", "100", -100, 100, "-100", "100", "Grenzwert ist inaktiv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " / " + c.to);
    inst.settings->SetScoreRange(-100, 75);
    TVEinstellungen dialog(*inst.settings);
    dialog.show();
    auto* from = Child<QLineEdit>(dialog, "WertVon");
    auto* to = Child<QLineEdit>(dialog, "WertBis");
    Type(to, c.to);
    Type(from, c.from);
    EXPECT_EQ(inst.settings->MinScore(), c.lo);
    EXPECT_EQ(inst.settings->MaxScore(), c.hi);
    EXPECT_EQ(from->text(), QString::fromLatin1(c.fromShown));
    EXPECT_EQ(to->text(), QString::fromLatin1(c.toShown));
    EXPECT_TRUE(Child<QLabel>(dialog, "lScoreExpl")->text().contains(ToUnicode(c.explanation)));
  }
}

TEST_F(DialogTest, NobodyLoggedInDisablesTheFilterAndHidesTheHistogram) {
  inst.user.clear();
  TVEinstellungen dialog(*inst.settings);
  dialog.show();
  EXPECT_FALSE(Child<QWidget>(dialog, "gFilter")->isEnabled());
  EXPECT_FALSE(Child<QWidget>(dialog, "Histogram")->isVisibleTo(&dialog));
  EXPECT_EQ(Child<QWidget>(dialog, "Liste")->height(), 557);
}

}  // namespace
}  // namespace vyr
