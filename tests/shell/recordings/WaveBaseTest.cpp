#include <QFile>
#include <algorithm>

#include "shell/recordings/RecordingLookup.h"
#include "tests/shell/recordings/RecordingsFixture.h"
#include "text/Case.h"

namespace vyr::test {
namespace {

using Records = std::vector<std::pair<std::string, std::string>>;
Records Of(const TXWaveBase& b) {
  Records r;
  for (const TXWave& w : b.Records()) r.emplace_back(w.text, w.file);
  return r;
}
bool SortedAndUnique(const TXWaveBase& b) {
  const auto& r = b.Records();
  for (size_t i = 1; i < r.size(); ++i)
    if (CollateCompareNoCase(r[i - 1].text, r[i].text) >= 0) return false;
  return true;
}

TEST_F(RecordingsTest, LoadingKeepsTheFirstOfEqualTextsAndSavesSortedAndUnique) {
  const std::string file = t.file("db.vyr", Deflate(Pairs({{" zebra ", "z.wav"},
                                                           {"Go", "go1.wav"},
                                                           {"go", "go2.wav"},
                                                           {"Äpfel", "a.wav"},
                                                           {"GO", "go3.wav"},
                                                           {"apfel", "b.wav"}})));
  TXWaveBase b;
  EXPECT_TRUE(b.Load(file));
  EXPECT_EQ(Of(b), (Records{{"apfel", "b.wav"}, {"Äpfel", "a.wav"}, {"Go", "go1.wav"}, {"zebra", "z.wav"}}));
  EXPECT_FALSE(b.Modified());
  EXPECT_EQ(b.FileName(), file);
  EXPECT_TRUE(messages.texts().empty());

  // A second file adds; the records already there win.
  b.AddPairs(Pairs({{"go", "other.wav"}, {"bank", "bank.wav"}}));
  EXPECT_EQ(*b.Lookup("GO", true), "go1.wav");
  ASSERT_TRUE(b.Save(t.path() + "out.vyr"));
  TXWaveBase again;
  again.Load(t.path() + "out.vyr");
  EXPECT_EQ(Of(again), Of(b));
  EXPECT_EQ(
      Inflate(*ReadWholeFile(t.path() + "out.vyr")).value(),
      Pairs({{"apfel", "b.wav"}, {"Äpfel", "a.wav"}, {"bank", "bank.wav"}, {"Go", "go1.wav"}, {"zebra", "z.wav"}}));
}

TEST_F(RecordingsTest, ADamagedFileKeepsEveryCompletePairWithOneMessage) {
  std::string data;
  for (int i = 0; i < 3000; ++i) data += Pairs({{"word" + std::to_string(i), "XE:\\w" + std::to_string(i) + ".wav"}});
  const std::string packed = Deflate(data);
  struct Case {
    const char* name;
    std::string bytes;
    bool some;  // some records survive
  } cases[] = {
      {"cut", packed.substr(0, packed.size() * 2 / 3), true},
      {"empty", "", false},
      {"not zlib", "PK\x03\x04 not a database", false},
      {"cut mid-pair", Deflate(Pairs({{"a", "a.wav"}}) + "b\0b.w"), true},
      {"missing", "", false},
  };
  for (const Case& c : cases) {
    messages.clear();
    const std::string path = t.path() + c.name + ".vyr";
    if (std::string(c.name) != "missing") t.file(std::string(c.name) + ".vyr", c.bytes);
    TXWaveBase b;
    EXPECT_FALSE(b.Load(path)) << c.name;
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Fehler beim Laden von " + path + "!"}) << c.name;
    EXPECT_EQ(b.Count() > 0, c.some) << c.name;
    EXPECT_TRUE(SortedAndUnique(b));
    for (const TXWave& w : b.Records()) {
      // Only whole pairs: each text with its own file.
      if (w.text != "a") EXPECT_EQ(w.file, "XE:\\w" + w.text.substr(4) + ".wav") << c.name;
    }
  }
}

TEST_F(RecordingsTest, AZipBombIsCutAtTheCapWithItsMessage) {
  // 300 MiB of one long pair repeated, well under 1 MiB packed.
  std::string big = Pairs({{std::string(4000, 'a'), "b.wav"}});
  while (big.size() < (size_t(300) << 20)) big += big;
  const std::string path = t.file("bomb.vyr", Deflate(big));
  big = std::string();
  TXWaveBase b;
  EXPECT_FALSE(b.Load(path));
  EXPECT_EQ(b.Count(), 1u);
  EXPECT_EQ(messages.texts().size(), 1u);
}

TEST_F(RecordingsTest, SavingReplacesAReadOnlyFile) {
  const std::string path = t.file("ro.vyr", Deflate(Pairs({{"old", "old.wav"}})));
  QFile::setPermissions(NativePath(path), QFileDevice::ReadOwner);
  TXWaveBase b;
  b.Load(path);
  b.Add("new", "new.wav");
  ASSERT_TRUE(b.SortAndSave());
  TXWaveBase again;
  again.Load(path);
  EXPECT_EQ(Of(again), (Records{{"new", "new.wav"}, {"old", "old.wav"}}));
  // A directory that cannot be written: false, the old file whole.
  const std::string dir = t.dir("gesperrt");
  const std::string locked = t.file("gesperrt\\db.vyr", Deflate(Pairs({{"x", "x.wav"}})));
  QFile::setPermissions(NativePath(dir), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  // (Run as root, every directory can be written: nothing to show then.)
  if (QFile(NativePath(dir) + u"/probe"_qs).open(QIODevice::WriteOnly)) return;
  EXPECT_FALSE(b.Save(locked));
  EXPECT_EQ(Inflate(*ReadWholeFile(locked)).value(), Pairs({{"x", "x.wav"}}));
}

TEST_F(RecordingsTest, LookupRules) {
  main().AddPairs(Pairs({{"Go", "go.wav"},
                         {"to go", "to_go.wav"},
                         {"bank, money", "money.wav"},
                         {"bank (river)", "river.wav"},
                         {"Bank (Geld)", "geld.wav"},
                         {"bänk (z)", "z.wav"},
                         {"bank (zz)", "zz.wav"},
                         {"mate", "mate.wav"}}));
  struct Case {
    const char* text;
    bool exactOnly;
    const char* file;  // nullptr: none
    TLookupRule rule;
  } cases[] = {
      {"go", false, "go.wav", TLookupRule::Exact},
      {"GO", true, "go.wav", TLookupRule::Exact},
      {"(to) go", true, "to_go.wav", TLookupRule::WithoutBrackets},
      {"bank", false, "river.wav", TLookupRule::PrefixBracket},  // case respected: not "Bank (Geld)"
      {"bank", true, nullptr, TLookupRule::None},
      {"Bank", false, "geld.wav", TLookupRule::PrefixBracket},
      {"bänk", false, "z.wav", TLookupRule::PrefixBracket},
      {"", false, nullptr, TLookupRule::None},
      {"mat", false, nullptr, TLookupRule::None},
      {"[", false, nullptr, TLookupRule::None},
      {"()", false, nullptr, TLookupRule::None},
  };
  for (const Case& c : cases) {
    TLookupRule rule = TLookupRule::Exact;
    const auto file = main().Lookup(c.text, c.exactOnly, &rule);
    EXPECT_EQ(file.value_or("<none>"), c.file ? c.file : "<none>") << c.text;
    EXPECT_EQ(rule, c.rule) << c.text;
  }
  // "bank, money" only when no "bank (" record exists.
  TXWaveBase b;
  b.AddPairs(Pairs({{"bank, money", "money.wav"}, {"banker", "banker.wav"}}));
  TLookupRule rule;
  EXPECT_EQ(b.Lookup("bank", false, &rule).value_or(""), "money.wav");
  EXPECT_EQ(rule, TLookupRule::PrefixComma);
}

TEST_F(RecordingsTest, FindRecordingVariantsAndTheSupplementaryFallback) {
  main().AddPairs(Pairs({{"house", wave("house.wav")},
                         {"home", wave("home.wav")},
                         {"mate", wave("mate.wav")},
                         {"window", "XE:\\fehlt.wav"},
                         {"garden", "XE:\\fehlt_auch.wav"},
                         {"own", "XU:\\own.wav"}}));
  t.file("vyr\\E_SK\\window.wav", TinyWave());
  Env().skDirectory = t.path() + "vyr\\E_SK\\";
  supplementary().AddPairs(Pairs({{"window", "SK:\\window.wav"}}));

  const std::string dir = Env().waveDirectory;
  EXPECT_EQ(FindRecording("House"), dir + "house.wav");
  EXPECT_EQ(FindRecording("[ugs.] mate"), dir + "mate.wav");
  EXPECT_EQ(FindRecording("mate [ugs.]"), dir + "mate.wav");
  // The main database's record has no file: the supplementary one speaks.
  EXPECT_EQ(FindRecording("window"), Env().skDirectory + "window.wav");
  const TRecordingHit garden = FindRecordingHit("garden");
  EXPECT_EQ(garden.path, "");
  EXPECT_TRUE(garden.recordFound);
  EXPECT_FALSE(FindRecordingHit("Haus").recordFound);
  // XU: without an own-recordings directory: nothing, no message.
  EXPECT_EQ(FindRecording("own"), "");
  EXPECT_TRUE(messages.texts().empty());

  // Either part of "house; home", both in the long run; a part without
  // recording is never chosen.
  bool heard[2] = {false, false};
  for (int i = 0; i < 60; ++i) {
    const std::string p = FindRecording("house; garden; home");
    ASSERT_TRUE(p == dir + "house.wav" || p == dir + "home.wav") << p;
    heard[p == dir + "home.wav"] = true;
  }
  EXPECT_TRUE(heard[0] && heard[1]);
}

TEST_F(RecordingsTest, StripComments) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"[ugs.] mate", "mate"},
      {"to run [fast]", "to run"},
      {"a [x] [y] b", "a b"},
      {"a [x] ; b", "a; b"},
      {"", ""},
      {"[", "["},
      {"]x[", "]x["},
      {"[]", "[]"},
      {"a [] [b]", "a [] [b]"},
      {"[a]b[c]", "b"},
      {"  word  ", "word"},
      {"[ugs.]", ""},
      {"a;;b", "a;;b"},
  };
  for (const Case& c : cases) EXPECT_EQ(StripComments(c.in), c.out) << c.in;
}

TEST_F(RecordingsTest, FormatMeaning) {
  main().AddPairs(Pairs({{"to go", wave("to_go.wav")}, {"to run", wave("to_run.wav")}}));
  const std::string go = "<a href=\"" + Env().waveDirectory + "to_go.wav\" >to go</a>";
  const std::string run = "<a href=\"" + Env().waveDirectory + "to_run.wav\" >to run</a>";
  struct Case {
    const char* in;
    bool comments;
    std::string out;
  } cases[] = {
      {"to run [fast]; to go", true, "<+kommentar>[fast]<+normal> " + run + "; " + go},
      {"[ugs.] to run;to go", false, " [ugs.] " + run + "; " + go},  // no blank after ";": nothing lost
      {"to run;  to go", false, run + "; " + go},
      {"to run;", false, run + "; "},  // a final ";" reads nothing beyond the end
      {"a;;b", false, "a; ; b"},
      {"x<y $z", false, "x&lt;y &dollar;z"},  // data, not markup
      {"", true, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatMeaning(c.in, true, c.comments), c.out) << c.in;
  EXPECT_EQ(FormatMeaning("to run;to go", false, true), "to run;to go");
}

TEST_F(RecordingsTest, LinksCarryOnlyPathsTheyCanHold) {
  main().AddPairs(Pairs({{"house", wave("HOUSE.WAV")}, {"quote", "XE:\\a\"b.wav"}, {"lt", "XE:\\a<b.wav"}}));
  t.file("vyr\\wave\\a\"b.wav", TinyWave());
  t.file("vyr\\wave\\a<b.wav", TinyWave());
  EXPECT_EQ(LinkToRecording("house"), "<a href=\"" + Env().waveDirectory + "HOUSE.WAV\" >house</a>");
  EXPECT_EQ(LinkToRecording("quote"), "quote");
  EXPECT_EQ(LinkToRecording("lt"), "lt");
  EXPECT_EQ(LinkToRecording("<b>none"), "&lt;b>none");
}

TEST_F(RecordingsTest, ReplaceByAliasTakesTheWholeRestAndOnlyTheDirectoryItself) {
  const std::string longName = std::string(300, 'x') + ".wav";
  main().AddPairs(Pairs({{"a", "D:\\Aufnahmen\\a.wav"},
                         {"b", "D:\\Andere\\b.wav"},
                         {"c", "d:\\aufnahmen\\Sub\\" + longName},
                         {"d", "D:\\AufnahmenAlt\\d.wav"}}));
  for (const char* dir : {"D:\\Aufnahmen\\", "D:\\Aufnahmen"}) {
    TXWaveBase copy;
    for (const TXWave& w : main().Records()) copy.Add(w.text, w.file);
    EXPECT_TRUE(copy.HasFilesIn(dir));
    EXPECT_EQ(copy.ReplaceByAlias(dir), 2) << dir;
    EXPECT_EQ(*copy.Lookup("a", true), "XU:\\a.wav");
    EXPECT_EQ(*copy.Lookup("b", true), "D:\\Andere\\b.wav");
    EXPECT_EQ(*copy.Lookup("c", true), "XU:\\Sub\\" + longName);
    EXPECT_EQ(*copy.Lookup("d", true), "D:\\AufnahmenAlt\\d.wav");
    EXPECT_TRUE(copy.Modified());
  }
  EXPECT_FALSE(main().HasFilesIn("D:\\Nirgends\\"));
  EXPECT_EQ(main().ReplaceByAlias(""), 0);
}

TEST_F(RecordingsTest, EditsKeepTheOrderSoEveryRecordIsFound) {
  std::string data;
  for (int i = 0; i < 200; ++i) data += Pairs({{"w" + std::to_string(i * 7919 % 200), "f.wav"}});
  main().AddPairs(data);
  main().Locate("w150");
  EXPECT_EQ(main().CurrentText(), "w150");
  ASSERT_TRUE(main().SetCurrentText("aaa"));  // sorts far away
  EXPECT_EQ(main().CurrentText(), "aaa");
  EXPECT_EQ(main().Current(), 0u);
  main().InsertEmpty();
  ASSERT_TRUE(main().SetCurrentText("zzz"));
  main().SetCurrentFile("z.wav");
  main().InsertEmpty();
  EXPECT_FALSE(main().CurrentComplete());
  EXPECT_EQ(messages.texts().back(), "Der aktuelle Eintrag ist nicht vollständig!");
  // A text that is there already (in another case) is refused.
  messages.clear();
  EXPECT_FALSE(main().SetCurrentText("W17"));
  EXPECT_EQ(messages.texts().size(), 1u);
  EXPECT_EQ(main().CurrentText(), "");
  EXPECT_EQ(main().DropEmptyTexts(), 1);
  // A change of case only stays in place.
  main().Locate("w18");
  ASSERT_TRUE(main().SetCurrentText("W18"));

  EXPECT_TRUE(SortedAndUnique(main()));
  for (const TXWave& w : std::vector<TXWave>(main().Records())) {
    size_t pos;
    EXPECT_TRUE(main().Find(w.text, pos)) << w.text;
    EXPECT_FALSE(main().Add(UpperCase(w.text), "dup.wav")) << w.text;
  }
  EXPECT_FALSE(main().Lookup("w150", true).has_value());
  EXPECT_EQ(*main().Lookup("zzz", true), "z.wav");
  main().Last();
  EXPECT_EQ(main().CurrentText(), "zzz");
  main().DeleteCurrent();
  EXPECT_EQ(main().CurrentText(), "w99");
  main().Locate("zzzz");
  EXPECT_EQ(main().Current(), main().Count() - 1);
}

}  // namespace
}  // namespace vyr::test
