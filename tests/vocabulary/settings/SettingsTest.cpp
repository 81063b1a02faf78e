#include <gtest/gtest.h>

#include "platform/core/IniFile.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Random.h"
#include "tests/vocabulary/settings/SettingsFixture.h"
#include "vocabulary/settings/EnoughActive.h"
#include "vocabulary/settings/PresentationWalk.h"
#include "vocabulary/settings/ScoreFilter.h"
#include "vocabulary/settings/ScoreHistogram.h"
#include "vocabulary/settings/VocabularyStart.h"

namespace vyr {
namespace {

using test::Entry;
using test::TSettingsInstallation;

TEST(IsActive, RulesOfTheFilter) {
  struct Case {
    const char* what;
    TVokabel entry;
    std::function<void(TVocSettingsValues&)> change;
    bool loggedIn;
    bool active;
  };
  const auto none = [](TVocSettingsValues&) {};
  const std::string len32(32, 'a'), len33(33, 'a'), len27(27, 'a'), len28(28, 'a');
  TVokabel scored = Entry("s");
  scored.Wert = 80;  // above the default MaxScore 75
  TVokabel incomplete = Entry("x", "");
  const Case cases[] = {
      {"defaults", Entry("a"), none, false, true},
      {"incomplete", incomplete, none, false, false},
      {"class bit off", Entry("a", "m", 3), [](auto& s) { s.wortarten &= ~(1u << 3); }, false, false},
      {"class bit of another class off", Entry("a", "m", 3), [](auto& s) { s.wortarten &= ~1u; }, false, true},
      {"class 32 and above never match", Entry("a", "m", 40), [](auto& s) { s.wortarten = 0xFFFFFFFF; }, false, false},
      {"German-first, English-German", Entry("a", "m", 0, true), [](auto& s) { s.sprache = 1; }, false, false},
      {"German-first, German-English", Entry("a", "m", 0, true), [](auto& s) { s.sprache = 0; }, false, true},
      {"English-first, German-English", Entry("a"), [](auto& s) { s.sprache = 0; }, false, false},
      {"German-first in Modus 6, both directions", Entry("a", "m", 0, true), [](auto& s) { s.modus = 6; }, false,
       false},
      {"Modus 4, 32 characters", Entry(len32, len32), [](auto& s) { s.modus = 4; }, false, true},
      {"Modus 5, word of 33", Entry(len33), [](auto& s) { s.modus = 5; }, false, false},
      {"Modus 4, meaning of 33", Entry("a", len33), [](auto& s) { s.modus = 4; }, false, false},
      {"Modus 6, 27 characters", Entry(len27), [](auto& s) { s.modus = 6; }, false, true},
      {"Modus 6, 28 characters", Entry(len28), [](auto& s) { s.modus = 6; }, false, false},
      {"Modus 1, long word", Entry(len33), [](auto& s) { s.modus = 1; }, false, true},
      {"difficulty off", Entry("a", "m", 0, false, 2), [](auto& s) { s.difficulty[2] = false; }, false, false},
      {"difficulty 7 always passes", Entry("a", "m", 0, false, 7),
       [](auto& s) { std::fill(std::begin(s.difficulty), std::end(s.difficulty), false); }, false, true},
      {"score above the range, logged in", scored, none, true, false},
      {"score above the range, nobody logged in", scored, none, false, true},
      {"score inside a moved range", scored, [](auto& s) { s.maxScore = 80; }, true, true},
  };
  for (const Case& c : cases) {
    TVocSettingsValues s;
    c.change(s);
    EXPECT_EQ(IsActiveEntry(c.entry, s, c.loggedIn), c.active) << c.what;
  }
}

struct SettingsFileTest : ::testing::Test {
  TSettingsInstallation inst;
  std::string prefs() const { return inst.program + "prefs.ini"; }
  void WriteIni(const std::string& body) { inst.dir.file("prefs.ini", "[*vyr]\r\n" + body); }
};

TEST_F(SettingsFileTest, MissingFileGivesDefaultsAndTheBasicVocabulary) {
  TVocEinstellungen& s = inst.Make();
  s.Load();
  EXPECT_EQ(s.Values(), TVocSettingsValues());
  EXPECT_EQ(s.Selection(), "Grundwortschatz\\");
  EXPECT_EQ(s.FileCount(), 2);
  EXPECT_EQ(inst.library.EntryCount(false), 5);
  EXPECT_FALSE(s.Modified());
  EXPECT_EQ(s.File(), prefs());
}

TEST_F(SettingsFileTest, AnEmptySelectionIsTheOwnListAndSurvivesSaveAndLoad) {
  inst.dir.file("E_Bibliotheken.txt", "Reise\\Hotel.asc\r\n");
  WriteIni("Selection=\r\n");
  TVocEinstellungen& s = inst.Make();
  s.Load();
  EXPECT_EQ(s.Selection(), "");
  EXPECT_EQ(inst.library.EntryCount(false), 4);
  ASSERT_TRUE(s.Save());
  inst.Make().Load();  // the next start
  EXPECT_EQ(inst.settings->Selection(), "");
  EXPECT_EQ(inst.library.EntryCount(false), 4);
}

TEST_F(SettingsFileTest, BadValuesGetDefaultsOrClamps) {
  struct Case {
    const char* ini;
    std::function<void(const TVocEinstellungen&)> check;
  };
  const Case cases[] = {
      {"Modus=42\r\n", [](auto& s) { EXPECT_EQ(s.Modus(), 0); }},
      {"Modus=-1\r\n", [](auto& s) { EXPECT_EQ(s.Modus(), 0); }},
      {"Modus=9\r\n", [](auto& s) { EXPECT_EQ(s.Modus(), 9); }},
      {"MinScore=500\r\n",
       [](auto& s) {
         EXPECT_EQ(s.MinScore(), 75);
         EXPECT_EQ(s.MaxScore(), 100);
       }},
      {"MinScore=50\r\nMaxScore=20\r\n",
       [](auto& s) {
         EXPECT_EQ(s.MinScore(), 20);
         EXPECT_EQ(s.MaxScore(), 50);
       }},
      {"MaxScore=-900\r\n",
       [](auto& s) {
         EXPECT_EQ(s.MinScore(), -100);
         EXPECT_EQ(s.MaxScore(), -100);
       }},
      {"Multiple Choice/Eintippen=250\r\n", [](auto& s) { EXPECT_EQ(s.MultipleChoice(), 100); }},
      {"Multiple Choice/Eintippen=-3\r\n", [](auto& s) { EXPECT_EQ(s.MultipleChoice(), 0); }},
      {"Wortarten=abc\r\n", [](auto& s) { EXPECT_EQ(s.Wortarten(), 16777215u); }},
      {"Richtung=zur\xC3\xBC"
       "ck\r\n",
       [](auto& s) { EXPECT_EQ(s.Richtung(), 2); }},  // UTF-8, not ours
      {"Richtung=zurück\r\nSprache=E-D\r\n",
       [](auto& s) {
         EXPECT_EQ(s.Richtung(), 1);
         EXPECT_EQ(s.Sprache(), 1);
       }},
      {"Richtung=vor\r\nSprache=Englisch\r\n",
       [](auto& s) {
         EXPECT_EQ(s.Richtung(), 0);
         EXPECT_EQ(s.Sprache(), 2);
       }},
      {"Selection=..\\\r\n",
       [](auto& s) {
         EXPECT_EQ(s.Selection(), "Grundwortschatz\\");
         EXPECT_EQ(s.FileCount(), 2);
       }},
      {"Selection=C:\\Windows\\\r\n", [](auto& s) { EXPECT_EQ(s.Selection(), "Grundwortschatz\\"); }},
      {"Selection=Fehlt\\\r\n", [](auto& s) { EXPECT_EQ(s.FileCount(), 0); }},
      {"Kontext=0\r\nNichtZuSchwer3=0\r\n",
       [](auto& s) {
         EXPECT_FALSE(s.Kontext());
         EXPECT_FALSE(s.Difficulty(2));
         EXPECT_TRUE(s.Difficulty(7));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    WriteIni(c.ini);
    TVocEinstellungen& s = inst.Make();
    s.Load();
    c.check(s);
  }
}

TEST_F(SettingsFileTest, SaveWritesEveryKeyAndReadsBackTheSame) {
  TVocEinstellungen& s = inst.Make();
  s.Load();
  s.SetModus(3);
  s.SetRichtung(1);
  s.SetSprache(0);
  s.SetKontext(false);
  s.SetWortart(2, false);
  s.SetMultipleChoice(30);
  s.SetDifficulty(4, false);
  s.SetScoreRange(-20, 40);
  ASSERT_TRUE(s.Save());
  const std::string text = inst.Read(prefs());
  EXPECT_EQ(text,
            "[*vyr]\r\nModus=3\r\nSelection=Grundwortschatz\\\r\nRichtung=zurück\r\nSprache=D-E\r\nKontext=0\r\n"
            "Wortarten=16777211\r\nMultiple Choice/Eintippen=30\r\nNichtZuSchwer1=1\r\nNichtZuSchwer2=1\r\n"
            "NichtZuSchwer3=1\r\nNichtZuSchwer4=1\r\nNichtZuSchwer5=0\r\nMaxScore=40\r\nMinScore=-20\r\n");
  const TVocSettingsValues saved = s.Values();
  inst.Make().Load();
  EXPECT_EQ(inst.settings->Values(), saved);
}

TEST_F(SettingsFileTest, UserFileAndShutdownSaveIntoTheFileLoaded) {
  inst.user = inst.dir.path() + "Benutzer\\anna\\";  // not yet there
  TVocEinstellungen& s = inst.Make();
  s.Load();
  EXPECT_EQ(s.File(), inst.user + "vyr_E.ini");
  s.SetModus(2);
  const std::string file = s.File();
  inst.user.clear();      // the user base is gone at shutdown
  inst.settings.reset();  // saves because modified
  EXPECT_NE(inst.Read(file).find("Modus=2\r\n"), std::string::npos);
  EXPECT_FALSE(FileExists(prefs()));
}

TEST_F(SettingsFileTest, ReloadedLibraryCarriesTheUsersScores) {
  inst.user = inst.dir.path() + "u\\";
  inst.userScore = 90;  // above MaxScore 75
  TVocEinstellungen& s = inst.Make();
  s.Load();
  EXPECT_EQ(inst.library.Entry(0).Wert, 90);
  EXPECT_EQ(s.ActiveCount(), 0);
  s.LoadSelection("reise");  // as "dir=" sends it
  EXPECT_EQ(s.Selection(), "Reise\\");
  EXPECT_EQ(inst.library.Entry(0).Wert, 90);
  EXPECT_EQ(s.FileCount(), 1);
}

TEST_F(SettingsFileTest, ModeNames) {
  EXPECT_EQ(ModusByName("Techno"), 3);
  EXPECT_EQ(ModusByName("b3"), 9);
  EXPECT_EQ(ModusByName(""), 0);
  EXPECT_EQ(ModusByName("disco"), 0);
}

// A library of the given entries under default settings.
struct WalkTest : ::testing::Test {
  TSettingsInstallation inst;
  TVocEinstellungen& Settings(const std::vector<TVokabel>& entries, int richtung) {
    inst.library.Clear(false);
    for (const TVokabel& e : entries) inst.library.AddEntry(e);
    TVocEinstellungen& s = inst.Make();
    s.SetRichtung(richtung);
    return s;
  }
};

TEST_F(WalkTest, RandomOrderRepeatsNoEntryBeforeTheOthersCame) {
  TVocEinstellungen& s =
      Settings({Entry("a"), Entry("x", ""), Entry("b"), Entry("c", "m", 5), Entry("d"), Entry("e", "", 0)}, 2);
  s.SetWortart(5, false);
  SetRandomSeed(7);
  TPresentationWalk walk(s);
  walk.StartWalk();
  std::vector<int> seen;
  for (int i = 0; i < 30; ++i) seen.push_back(walk.NextWalkEntry());
  for (size_t i = 0; i + 2 < seen.size(); ++i) {
    std::vector<int> three(seen.begin() + long(i), seen.begin() + long(i) + 3);
    std::sort(three.begin(), three.end());
    EXPECT_EQ(three, (std::vector<int>{0, 2, 4})) << "at " << i;
  }
  EXPECT_EQ(walk.Recent().size(), 2u);
}

TEST_F(WalkTest, BackwardWrapsFromTheFirstToTheLastActive) {
  TVocEinstellungen& s = Settings({Entry("a"), Entry("b"), Entry("c"), Entry("d", "")}, 1);
  TPresentationWalk walk(s);
  walk.StartWalk();
  EXPECT_EQ(walk.NextWalkEntry(), 2);
  EXPECT_EQ(walk.NextWalkEntry(), 1);
  EXPECT_EQ(walk.NextWalkEntry(), 0);
  EXPECT_EQ(walk.NextWalkEntry(), 2);
}

TEST_F(WalkTest, NoActiveEntryAnswersNoneInEveryOrder) {
  for (int richtung = 0; richtung < 3; ++richtung) {
    TVocEinstellungen& s = Settings({Entry("a"), Entry("b")}, richtung);
    s.SetWortart(0, false);
    TPresentationWalk walk(s);
    walk.StartWalk();
    EXPECT_EQ(walk.NextWalkEntry(), -1) << richtung;
    EXPECT_EQ(walk.NextPair().index, -1);
  }
}

TEST_F(WalkTest, ALibraryThatShrankUnderTheCursorWraps) {
  TVocEinstellungen& s = Settings({Entry("a"), Entry("b"), Entry("c"), Entry("d"), Entry("e")}, 0);
  TPresentationWalk walk(s);
  walk.StartWalk();
  for (int i = 0; i < 4; ++i) walk.NextWalkEntry();
  EXPECT_EQ(walk.Cursor(), 3);
  s.LoadSelection("Grundwortschatz");  // forward walk sees the new library
  inst.library.Clear(false);
  inst.library.AddEntry(Entry("only"));
  EXPECT_EQ(walk.NextWalkEntry(), 0);
  s.SetRichtung(1);
  EXPECT_EQ(walk.NextWalkEntry(), 0);
  s.SetRichtung(2);
  EXPECT_EQ(walk.NextWalkEntry(), 0);  // the random index is rebuilt
}

TEST_F(WalkTest, PairsAndHalvesWithTheVerbPrefix) {
  TVocEinstellungen& s =
      Settings({Entry("go", "gehen", 1), Entry("must", "müssen", 1), Entry("beten", "pray", 1, true)}, 0);
  TPresentationWalk walk(s);
  walk.StartWalk();
  const TWalkPair p = walk.NextPair();
  EXPECT_EQ(p.word, "go");
  EXPECT_EQ(p.meaning, "gehen");
  EXPECT_EQ(p.sound, "");  // speech off
  const TWalkHalf a = walk.NextHalf(), b = walk.NextHalf(), c = walk.NextHalf(), d = walk.NextHalf();
  EXPECT_EQ(a.text, "must");
  EXPECT_EQ(b.text, "müssen");
  EXPECT_EQ(c.text, "beten");
  EXPECT_EQ(d.text, "pray");
  EXPECT_EQ(VerbPrefix(Entry("go", "m", 1)), "to ");
  EXPECT_EQ(VerbPrefix(Entry("would", "m", 1)), "");
  EXPECT_EQ(VerbPrefix(Entry("go", "m", 1, true)), "");
  EXPECT_EQ(VerbPrefix(Entry("go", "m", 0)), "");
}

TEST_F(WalkTest, SoundsOnlyWithSpeechAndOnTheEnglishSide) {
  TVocEinstellungen& s = Settings({Entry("dog", "Hund"), Entry("Katze", "cat", 0, true)}, 0);
  TTrainerContext c = s.Context();
  c.speechOn = [] { return true; };
  c.findRecording = [](std::string_view t) { return std::string(t) + ".wav"; };
  TVocEinstellungen spoken(inst.library, c);
  TPresentationWalk walk(spoken);
  EXPECT_EQ(walk.WalkSound(0, false), "dog.wav");
  EXPECT_EQ(walk.WalkSound(0, true), "");
  EXPECT_EQ(walk.WalkSound(1, false), "");
  EXPECT_EQ(walk.WalkSound(1, true), "cat.wav");
}

TEST_F(WalkTest, EnoughActiveForARound) {
  TMessageRecorder messages;
  std::vector<TVokabel> four(4, Entry("a")), eight(8, Entry("b"));
  TVocEinstellungen& s = Settings(four, 2);
  EXPECT_FALSE(CheckEnoughActive(s));
  EXPECT_EQ(s.TasksPerRound(), 10);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{kNotEnoughPerRound});
  s.SetRichtung(0);
  EXPECT_TRUE(CheckEnoughActive(s));
  TVocEinstellungen& t = Settings(eight, 2);
  EXPECT_TRUE(CheckEnoughActive(t));
  EXPECT_EQ(t.TasksPerRound(), 8);
  TVocEinstellungen& none = Settings({}, 0);
  EXPECT_FALSE(CheckEnoughActive(none));
  EXPECT_EQ(messages.texts().size(), 1u);
}

struct StartValuesTest : ::testing::Test {
  TSettingsInstallation inst;
};

TEST_F(StartValuesTest, FolderOwnListCountsAndEscaping) {
  inst.dir.file("E_Bibliotheken.txt", "Reise\\Hotel.asc\r\n");
  test::WriteLibrary(inst.vocab + "A<b>§c\\x.asc", 12);
  TVocEinstellungen& s = inst.Make();
  s.LoadSelection("grundwortschatz\\");
  TVocabularyStartValues v = VocabularyStartValues(s);
  EXPECT_EQ(v.files, "2 Dateien");
  EXPECT_EQ(v.select, "v_bereich.htx");
  EXPECT_EQ(v.selection, "Grundwortschatz\\");
  EXPECT_EQ(v.vtotal, "5");
  EXPECT_EQ(v.vactive, "5");
  EXPECT_EQ(v.modus, "abfragen");
  EXPECT_TRUE(v.nospeech);
  // 5 active entries in random order are too few for a round of 10.
  EXPECT_EQ(v.action, "<+nav><a href=\"@Ändern Sie die Einstellungen oben!\">Nicht genug Vokabeln aktiv!</a>");

  s.LoadSelection("");
  s.SetModus(ModusByName("vegas"));
  v = VocabularyStartValues(s);
  EXPECT_EQ(v.files, "1 Datei");
  EXPECT_EQ(v.select, "§[select]");
  EXPECT_EQ(v.selection, "Eigene Auswahl");
  EXPECT_EQ(v.modus, "vegas");

  s.LoadSelection("a<B>§C");
  v = VocabularyStartValues(s);
  EXPECT_EQ(s.Selection(), "A<b>§c\\");  // the spelling on disk
  EXPECT_EQ(v.selection.find('<'), std::string::npos);
  EXPECT_EQ(v.action, "<a href=\"§gosuper\">Start!</a>");
  s.SetModus(0);
  EXPECT_EQ(VocabularyStartValues(s).action, "<a href=\"§goabfrage\">Abfragen!</a>");

  s.LoadSelection("Fehlt");
  v = VocabularyStartValues(s);
  EXPECT_EQ(v.files, "0 Dateien");
  EXPECT_EQ(v.vtotal, "0");
  EXPECT_NE(v.action.find("Nicht genug"), std::string::npos);
}

TEST_F(StartValuesTest, FreeFallWithOnlyGermanFirstEntriesHasNoneActive) {
  test::WriteLibrary(inst.vocab + "Deutsch\\d.asc", 0);
  TVocEinstellungen& s = inst.Make();
  inst.library.Clear(false);
  for (int i = 0; i < 12; ++i) inst.library.AddEntry(Entry("Wort" + std::to_string(i), "word", 0, true));
  s.SetModus(6);
  s.SetRichtung(0);
  const TVocabularyStartValues v = VocabularyStartValues(s);
  EXPECT_EQ(v.vactive, "0");
  EXPECT_NE(v.action.find("Nicht genug"), std::string::npos);
}

TEST(ScoreEdits, WhatTheFilterEditsMake) {
  struct Case {
    const char *from, *to;
    bool ignored;
    int lo, hi;
    const char *fromText, *toText;  // nullptr: the edit stays as typed
  };
  const Case cases[] = {
      {"-", "75", true, -100, 75, nullptr, nullptr},
      {"+", "75", true, -100, 75, nullptr, nullptr},
      {"", "75", true, -100, 75, nullptr, nullptr},
      {"-5", "75", false, -5, 75, nullptr, nullptr},
      {"+5", "75", false, 5, 75, "5", nullptr},
      {"12a", "75", false, -100, 75, "-100", nullptr},
      {"9999", "75", false, 75, 100, "100", nullptr},
      {"50", "20", false, 20, 50, nullptr, nullptr},
      {"-100", "-9999", false, -100, -100, nullptr, "-100"},
  };
  for (const Case& c : cases) {
    const TScoreEdits r = ReadScoreEdits(c.from, c.to, -100, 75);
    SCOPED_TRACE(std::string(c.from) + " / " + c.to);
    EXPECT_EQ(r.ignored, c.ignored);
    EXPECT_EQ(r.minScore, c.lo);
    EXPECT_EQ(r.maxScore, c.hi);
    EXPECT_EQ(r.fromText.value_or("<gleich>"), c.fromText ? c.fromText : "<gleich>");
    EXPECT_EQ(r.toText.value_or("<gleich>"), c.toText ? c.toText : "<gleich>");
  }
  EXPECT_FALSE(ReadScoreEdits("-100", "75", -100, 75).changed);
}

TEST(ScoreEdits, Explanations) {
  EXPECT_NE(std::string(ScoreExplanation(-100, -100)).find("falsch gemacht wurden. Dies"), std::string::npos);
  EXPECT_NE(std::string(ScoreExplanation(100, 100)).find("richtig gemacht wurden. Dies"), std::string::npos);
  EXPECT_NE(std::string(ScoreExplanation(-50, -10)).find("keine neuen"), std::string::npos);
  EXPECT_NE(std::string(ScoreExplanation(-50, 0)).find("überwiegend falsch"), std::string::npos);
  EXPECT_NE(std::string(ScoreExplanation(10, 50)).find("überwiegend richtig gemacht"), std::string::npos);
  EXPECT_NE(std::string(ScoreExplanation(0, 50)).find("überwiegend richtig waren"), std::string::npos);
  EXPECT_STREQ(ScoreExplanation(-100, 100), "Es werden alle Vokabeln abgefragt. Der Grenzwert ist inaktiv.");
  EXPECT_STREQ(ScoreExplanation(-100, 75), "");
}

TEST(ScoreHistogramPicture, AllScoresAtTheEnds) {
  for (const int score : {100, -100}) {
    TBibliothek lib;
    lib.Clear(true);
    for (int i = 0; i < 4; ++i) lib.AddEntry(Entry("w" + std::to_string(i)));
    lib.ComputeScores([score](std::string_view, bool, int) { return score; });
    const QImage img = ScoreHistogram(lib, -100, 75);
    SCOPED_TRACE(score);
    ASSERT_EQ(img.size(), QSize(201, 100));
    const int x = score + 100;
    EXPECT_EQ(img.pixel(x, 0), qRgb(255, 255, 255));  // a full-height bar
    EXPECT_EQ(img.pixel(x, 99), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(100, 50), qRgb(0x99, 0x99, 0x99));
    EXPECT_EQ(img.pixel(175, 50), qRgb(0x22, 0x88, 0x00));  // band up to MaxScore + 100
    EXPECT_EQ(img.pixel(176, 50), score == 100 ? qRgb(0x66, 0x66, 0x66) : qRgb(0x66, 0x66, 0x66));
    EXPECT_EQ(img.pixel(score == 100 ? 199 : 1, 50), score == 100 ? qRgb(0x66, 0x66, 0x66) : qRgb(0x22, 0x88, 0x00));
  }
  TBibliothek empty;
  const QImage img = ScoreHistogram(empty, 0, 0);
  EXPECT_EQ(img.pixel(100, 99), qRgb(0x99, 0x99, 0x99));  // no bars without entries
}

}  // namespace
}  // namespace vyr
