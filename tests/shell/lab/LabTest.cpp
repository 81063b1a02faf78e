// The language lab: reading the material, hint masks, drawing sentences,
// the topic list, the commands, the settings and the recording look-up.
#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "page/control/PageControl.h"
#include "page/sources/ZipResource.h"
#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "shell/lab/LabCommands.h"
#include "shell/lab/LabMaterial.h"
#include "shell/lab/LabSettings.h"
#include "shell/lab/ThemenListe.h"
#include "shell/startup/Environment.h"
#include "tests/common/TempDir.h"
#include "text/ZStream.h"

namespace vyr {
namespace {

// The material from lines as the resource holds them.
std::vector<TThema> Read(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + '\0';
  TZIPResource source(Deflate(text), "test");
  return ReadLabMaterial(source, [](int) { return 0; });
}

std::vector<TThema> Topics(std::initializer_list<std::pair<const char*, int>> sizes) {
  std::vector<TThema> topics;
  for (const auto& [title, n] : sizes) {
    TThema t{title, {}};
    for (int i = 0; i < n; ++i)
      t.Saetze.push_back(
          {"Sentence " + std::to_string(i), "", "S.......", "Satz", "0\\lab_" + std::to_string(i) + ".wav"});
    topics.push_back(std::move(t));
  }
  return topics;
}

class LabTest : public testing::Test {
 protected:
  void SetUp() override {
    TRegistry::CurrentUser().DeleteKey(LabSettingsKey());
    Env().waveDirectory.clear();
    Env().extensionRecordings.clear();
    Env().skDirectory.clear();
    Env().contentRoot = dir.path();
    // Pages ending in ".htx" are stored compressed.
    dir.file("hvyr\\labor.htx", Deflate("<title>Labor</title>$[LabSatz]"));
    dir.file("hvyr\\laborliste.htx", Deflate("<title>Liste</title>$[LabListe]"));
    dir.file("hvyr\\laborergebnis.htx", Deflate("<title>Ergebnis</title>$[LabErgebnis]"));
    SetRandomSeed(7);
  }
  test::TTempDir dir;
  TXPage page;
};

TEST(LabMaterial, ReadsTopicsAndSentencesAndMendsBadLines) {
  const auto topics =
      Read({"stray line before any topic", "****  Beim Arzt  ", "I'm ill.", "I am ill.", "", "Ich bin krank.",
            "9\\lab_0900.wav", "", "", " ", "leer", "9\\x.wav", "****Zwei", "****Drei", "Yes", "", "Y.........", "Ja"});
  ASSERT_EQ(topics.size(), 3u);
  EXPECT_EQ(topics[0].Titel, "Beim Arzt");
  ASSERT_EQ(topics[0].Saetze.size(), 2u);
  const TSatz& s = topics[0].Saetze[0];
  EXPECT_EQ(s.Satz, "I'm ill.");
  EXPECT_EQ(s.Lang, "I am ill.");
  EXPECT_EQ(s.Maske, "I'. ....");  // generated
  EXPECT_EQ(s.Deutsch, "Ich bin krank.");
  EXPECT_EQ(s.Datei, "9\\lab_0900.wav");
  EXPECT_EQ(topics[0].Saetze[1].Satz, "FEHLER!");  // an empty first line
  EXPECT_TRUE(topics[1].Saetze.empty());           // two headers in a row
  // A last sentence cut short keeps what it has; its mask was too long.
  ASSERT_EQ(topics[2].Saetze.size(), 1u);
  EXPECT_EQ(topics[2].Saetze[0].Maske, "Y..");
  EXPECT_EQ(topics[2].Saetze[0].Datei, "");
}

TEST(LabMaterial, EmptyOrCorruptMaterialGivesNoTopics) {
  EXPECT_TRUE(Read({}).empty());
  TMessageRecorder messages;
  TZIPResource broken(std::string_view("not zlib at all"), "test");
  EXPECT_TRUE(ReadLabMaterial(broken).empty());
  EXPECT_EQ(messages.texts().size(), 1u);
}

TEST(LabMaterial, TheCompiledInMaterialHasTheEighteenTopics) {
  TZIPResource source(kResSprachlabor);
  const auto topics = ReadLabMaterial(source);
  ASSERT_EQ(topics.size(), 18u);
  EXPECT_EQ(topics[0].Titel, "Das Allerwichtigste");
  EXPECT_EQ(topics[9].Titel, "Beim Arzt");
  EXPECT_EQ(topics[17].Titel, "Zahlen, Zeiten, Daten");
  int fives = 0;
  for (const TThema& t : topics) {
    EXPECT_GE(t.Saetze.size(), 5u) << t.Titel;
    EXPECT_LE(t.Saetze.size(), 10u) << t.Titel;
    fives += t.Saetze.size() == 5;
    for (const TSatz& s : t.Saetze) EXPECT_EQ(s.Maske.size(), s.Satz.size()) << s.Satz;
  }
  EXPECT_EQ(fives, 1);
}

struct TMaskCase {
  const char* Sentence;
  const char* Mask;
};

TEST(LabHintMask, ShortSentencesAndMarks) {
  const TMaskCase cases[] = {{"", ""},       {"I", "."},     {"Hi", ".."},
                             {"Yes", "Y.."}, {"No!", "N.!"}, {"I'm here.", "I'. ....."}};
  for (const TMaskCase& c : cases) EXPECT_EQ(LabHintMask(c.Sentence, [](int) { return 0; }), c.Mask) << c.Sentence;
}

TEST(LabHintMask, FromTheFifthCharacterOneInFiveStays) {
  // "Hello, Tom!": H... then the comma and blank stay, "!" stays; the
  // letters from the fifth on are drawn for (o, T, o, m): 3 keeps one.
  std::deque<int> draws = {3, 0, 3, 0};
  const std::string mask = LabHintMask("Hello, Tom!", [&draws](int n) {
    EXPECT_EQ(n, 5);
    const int v = draws.front();
    draws.pop_front();
    return v;
  });
  EXPECT_EQ(mask, "H...o, .o.!");
  EXPECT_TRUE(draws.empty());
  // Seeded with the program's generator: the same mask every time.
  SetRandomSeed(42);
  const std::string a = LabHintMask("Hello, Tom!");
  SetRandomSeed(42);
  EXPECT_EQ(LabHintMask("Hello, Tom!"), a);
  EXPECT_EQ(a.substr(0, 4), "H...");
}

TEST_F(LabTest, FiveSentencesShowAllBeforeOneRepeatsThenCycleInTheSameOrder) {
  TThemenListe lab(Topics({{"Fünf", 5}}));
  std::vector<int> seen = {lab.CurrentSentence()};
  for (int i = 0; i < 14; ++i) {
    lab.NextSentence();
    seen.push_back(lab.CurrentSentence());
  }
  std::vector<int> first(seen.begin(), seen.begin() + 5);
  std::sort(first.begin(), first.end());
  EXPECT_EQ(first, (std::vector<int>{0, 1, 2, 3, 4}));
  for (size_t i = 5; i < seen.size(); ++i) EXPECT_EQ(seen[i], seen[i - 5]) << i;
}

TEST_F(LabTest, ATopicWithoutSentencesHasNoSentenceAndClearsTheVariables) {
  TThemenListe lab(Topics({{"Leer", 0}, {"Voll", 2}}));
  lab.SetPage(&page);
  EXPECT_EQ(lab.CurrentSentence(), -1);
  lab.NextSentence();
  EXPECT_EQ(lab.Current(), nullptr);
  page.SetVariable("LabSatz", "alt");
  lab.FillLabPage();
  EXPECT_EQ(page.GetVariable("LabSatz"), "");
  EXPECT_EQ(page.GetVariable("lsg"), "");
  EXPECT_FALSE(page.HasCondition("normal"));
  TThemenListe none(std::vector<TThema>{});
  none.SetPage(&page);
  none.NextSentence();
  none.FillLabPage();
  none.ShowTopicList();
  EXPECT_EQ(none.CurrentSentence(), -1);
}

TEST_F(LabTest, TheTopicListLinksEveryTopicWithItsNumber) {
  std::vector<TThema> topics = Topics({});
  for (int i = 0; i < 18; ++i) topics.push_back({"T" + std::to_string(i), {}});
  topics[3].Titel = "Fish & chips <b>";
  TThemenListe lab(std::move(topics));
  const std::string list = lab.TopicListMarkup();
  EXPECT_EQ(list.find("<a href=\"\xA7thema 0;lab\" >T0</a><br><a href=\"\xA7thema 1;lab\" >"), 0u);
  EXPECT_NE(list.find("<a href=\"\xA7thema 9;lab\" >T9</a><br><a href=\"\xA7thema10;lab\" >"), std::string::npos);
  EXPECT_NE(list.find("\xA7thema17;lab"), std::string::npos);
  EXPECT_EQ(list.find("\xA7thema18"), std::string::npos);
  EXPECT_EQ(list.find("<b>"), std::string::npos);  // a title is text, never a tag
  lab.SetPage(&page);
  lab.ShowTopicList();
  EXPECT_EQ(page.XFile(), "laborliste.htx");
  EXPECT_EQ(page.GetVariable("LabListe"), "");
}

TEST_F(LabTest, ThemaCommandsSelectOnlyRealTopics) {
  auto lab = std::make_unique<TThemenListe>(Topics({{"A", 3}, {"B", 3}, {"C", 3}, {"D", 3}}));
  lab->SetPage(&page);
  TLabCommands commands(lab, page);
  const struct {
    const char* Argument;
    int Topic;  // afterwards
    bool Loads;
  } cases[] = {{" 3", 3, true},  {"03", 3, true}, {"1", 1, true},   {"xx", 1, false},
               {" 9", 1, false}, {"", 1, false},  {"-1", 1, false}, {"1x", 1, false}};
  for (const auto& c : cases) {
    page.SetXFile(dir.path() + "hvyr\\laborliste.htx");
    commands.RunCommand(TCommandId::LabTopic, c.Argument);
    EXPECT_EQ(lab->CurrentTopic(), c.Topic) << c.Argument;
    EXPECT_EQ(page.XFile(), c.Loads ? "labor.htx" : "laborliste.htx") << c.Argument;
  }
}

TEST_F(LabTest, ResultCommandsShowTheVerdictEvenWithoutTopics) {
  std::unique_ptr<TThemenListe> none;
  TLabCommands commands(none, page);
  commands.RunCommand(TCommandId::LabRight, "");
  EXPECT_EQ(page.XFile(), "laborergebnis.htx");
  EXPECT_EQ(page.GetVariable("LabErgebnis"), "Sehr schön!");
  commands.RunCommand(TCommandId::LabWrong, "");
  EXPECT_EQ(page.GetVariable("LabErgebnis"), "Leider daneben!");
  commands.RunCommand(TCommandId::LabNext, "");  // no topic list: nothing
}

TEST_F(LabTest, FillLabPageEscapesTextAndHandsTheSolutionToTheField) {
  std::vector<TThema> topics = {
      {"Fish & chips", {{"Fish & chips, <please>!", "Fish \"and\" chips", "F...", "Fisch & Pommes <", ""}}}};
  TThemenListe lab(std::move(topics));
  lab.SetPage(&page);
  lab.SetDictation(true);
  lab.SetGerman(false);
  lab.FillLabPage();
  EXPECT_TRUE(page.HasCondition("diktat"));
  EXPECT_FALSE(page.HasCondition("deutsch"));
  EXPECT_FALSE(page.HasCondition("langsam"));
  EXPECT_EQ(page.GetVariable("Thema").find('&'), 0u + page.GetVariable("Thema").find("&amp;"));
  EXPECT_EQ(page.GetVariable("LabSatz").find('<'), std::string::npos);
  EXPECT_EQ(page.GetVariable("LabDeutsch").find('<'), std::string::npos);
  EXPECT_EQ(page.GetVariable("lsg"), "Fish & chips, <please!; Fish and chips");
  EXPECT_EQ(page.GetVariable("help"), "F...");
  // Shown on a page, the text reads as written.
  page.ShowText("$[LabSatz]|$[LabDeutsch]|$[Thema]");
  std::string shown;
  for (const auto& e : page.Model().Elements) shown += e.Text;
  EXPECT_NE(shown.find("<please>"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Fish & chips"), std::string::npos) << shown;
}

TEST_F(LabTest, SettingsRoundTripAndDefaults) {
  {
    TThemenListe lab(Topics({{"A", 2}, {"B", 2}, {"C", 2}}));
    lab.SelectTopic(2);
    lab.SetDictation(false);
    lab.SetGerman(false);
    lab.SetAutoRead(true);
  }
  const TLabSettings saved = ReadLabSettings(LabSettingsKey());
  EXPECT_EQ(saved.Thema, 2);
  EXPECT_FALSE(saved.Diktat);
  EXPECT_FALSE(saved.Deutsch);
  EXPECT_TRUE(saved.Automatik);
  {
    TThemenListe lab(Topics({{"A", 2}, {"B", 2}, {"C", 2}}));
    EXPECT_EQ(lab.CurrentTopic(), 2);
    EXPECT_TRUE(lab.AutoRead());
  }
  TRegistry& reg = TRegistry::CurrentUser();
  const std::string key = LabSettingsKey();
  reg.WriteInteger(key, "Thema", 99);  // no such topic: the first, the switches stay
  {
    TThemenListe lab(Topics({{"A", 2}, {"B", 2}}));
    EXPECT_EQ(lab.CurrentTopic(), 0);
    EXPECT_FALSE(lab.Dictation());
  }
  // A value that cannot be read: all four defaults.
  const std::map<std::string, std::pair<bool, std::string>> broken = {{"Thema", {true, "abc"}},
                                                                      {"Diktat", {true, "ja"}}};
  for (const auto& [name, value] : broken) {
    SaveLabSettings(key, {1, false, false, true});
    reg.WriteString(key, name, value.second);
    const TLabSettings s = ReadLabSettings(key);
    EXPECT_EQ(s.Thema, 0) << name;
    EXPECT_TRUE(s.Diktat) << name;
    EXPECT_TRUE(s.Deutsch) << name;
    EXPECT_FALSE(s.Automatik) << name;
  }
}

TEST_F(LabTest, TheRecordingIsLookedUpWaveFirstThenMp3) {
  const std::string xe = dir.dir("XE"), xx = dir.dir("XX"), sk = dir.dir("SK");
  const struct {
    const char* Files;  // which files exist: w = XE wave, x = XX mp3, s = SK mp3, m = mp3 in XE only
    bool SetXE, SetSK;
    std::string Expected;
  } cases[] = {
      {"wxs", true, true, xe + "Labor\\0\\lab_0.wav"},
      {"xs", true, true, xx + "Labor\\0\\lab_0.mp3"},
      {"s", true, true, sk + "Labor\\0\\lab_0.mp3"},
      {"s", true, false, ""},
      {"m", true, true, ""},
      {"w", false, true, ""},
  };
  for (const auto& c : cases) {
    const std::string files = c.Files;
    Env().waveDirectory = c.SetXE ? xe : "";
    Env().extensionRecordings = xx;
    Env().skDirectory = c.SetSK ? sk : "";

    for (const std::string& d : {xe, xx, sk}) {
      RemoveFile(d + "Labor\\0\\lab_0.wav");
      RemoveFile(d + "Labor\\0\\lab_0.mp3");
    }
    if (files.find('w') != std::string::npos) dir.file("XE\\Labor\\0\\lab_0.wav", "RIFF");
    if (files.find('m') != std::string::npos) dir.file("XE\\Labor\\0\\lab_0.mp3", "ID3");
    if (files.find('x') != std::string::npos) dir.file("XX\\Labor\\0\\lab_0.mp3", "ID3");
    if (files.find('s') != std::string::npos) dir.file("SK\\Labor\\0\\lab_0.mp3", "ID3");
    TThemenListe lab(Topics({{"A", 1}}));
    lab.SetPage(&page);
    lab.FillLabPage();
    EXPECT_EQ(lab.Recording(), c.Expected) << c.Files << c.SetXE << c.SetSK;
    EXPECT_EQ(page.HasCondition("normal"), !c.Expected.empty());
    EXPECT_EQ(page.GetVariable("Normal"), c.Expected);
  }
}

}  // namespace
}  // namespace vyr
