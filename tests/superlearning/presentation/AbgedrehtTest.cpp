// The abgedreht style on the fake clock: how it types and how long it
// waits, and both styles with words and settings at their edges.
#include <set>

#include "tests/superlearning/presentation/PresentationFixture.h"

namespace vyr::test {
namespace {

class AbgedrehtTest : public PresentationTest {
 protected:
  void SetUp() override {
    PresentationTest::SetUp();
    settings->SetModus(2);
    options->Set(&TSuperSettings::TextDelay, 30);
  }
  // The library holds just this one entry.
  void OneEntry(const std::string& word, const std::string& meaning) {
    library.Clear(false);
    library.AddEntry(Entry(word, meaning));
  }
  // Runs the presentation until `stopAt` ms and keeps what it typed.
  std::vector<TSuperFade::TTyped> TypedUntil(uint32_t stopAt) {
    std::vector<TSuperFade::TTyped> typed;
    clock.clock.At(TickCount() + stopAt, [&] {
      typed = fade->Typed();
      driver->StopPresentation();
    });
    main->PageCommand("gosuper");
    EXPECT_FALSE(main->PresentationRunning());
    return typed;
  }
  static std::vector<TSuperFade::TTyped> OfText(const std::vector<TSuperFade::TTyped>& typed, size_t text) {
    std::vector<TSuperFade::TTyped> out;
    for (const auto& t : typed)
      if (t.text == text) out.push_back(t);
    return out;
  }
  static std::string Chars(const std::vector<TSuperFade::TTyped>& typed) {
    QString s;
    for (const auto& t : typed) s += t.ch;
    return s.toStdString();
  }
};

TEST_F(AbgedrehtTest, MadnessOneTypesEachTextOnOneLineCharacterBesideCharacter) {
  options->Set(&TSuperSettings::Madness, 1);
  const std::vector<TSuperFade::TTyped> typed = TypedUntil(6000);
  for (size_t text : {0u, 1u}) {
    SCOPED_TRACE(text);
    const std::vector<TSuperFade::TTyped> line = OfText(typed, text);
    ASSERT_EQ(Chars(line), text == 0 ? "{ dog }" : "Hund");
    for (size_t i = 1; i < line.size(); ++i) {
      EXPECT_EQ(line[i].box.top(), line[0].box.top()) << i;
      EXPECT_EQ(line[i].box.left(), line[i - 1].box.left() + line[i - 1].box.width()) << i;
      EXPECT_EQ(line[i].points, line[0].points) << i;
    }
  }
}

TEST_F(AbgedrehtTest, TheWaitsFollowTheFactorAndATwoLetterWordAddsNone) {
  struct Case {
    const char* word;
    int faktor;
    uint32_t wait;  // from the word's typed end to the meaning's first character
  };
  // 10 after the word, one more for each character beyond six of "{ word }",
  // 8 after the cleared screen: all in units of the factor.
  for (const Case c : {Case{"dog", 100, 1900}, Case{"dog", 200, 3800}, Case{"ox", 100, 1800}, Case{"ox", 200, 3600},
                       Case{"horse", 100, 2100}}) {
    SCOPED_TRACE(std::string(c.word) + " " + std::to_string(c.faktor));
    OneEntry(c.word, "Tier");
    options->Set(&TSuperSettings::Faktor, c.faktor);
    const std::vector<TSuperFade::TTyped> typed = TypedUntil(9000);
    const std::vector<TSuperFade::TTyped> word = OfText(typed, 0), meaning = OfText(typed, 1);
    ASSERT_EQ(Chars(word), "{ " + std::string(c.word) + " }");
    ASSERT_FALSE(meaning.empty());
    // Each character takes the text delay.
    for (size_t i = 1; i < word.size(); ++i) EXPECT_EQ(word[i].at - word[i - 1].at, 30u) << i;
    EXPECT_EQ(meaning.front().at - (word.back().at + 30), c.wait);
  }
}

TEST_F(AbgedrehtTest, WordsAndSettingsAtTheirEdges) {
  const std::string longWord(200, 'w');
  struct Case {
    const char* what;
    bool abgedreht;
    std::string word, meaning;
    int madness, textDelay;
    QRect area;
    std::function<void(const TSuperFade&)> check;
  };
  const QRect full(0, 0, 1024, 768), tiny(0, 0, 40, 30);
  const auto allTypedInside = [](const TSuperFade& f) {
    for (const auto& t : f.Typed()) {
      EXPECT_TRUE(t.box.left() >= 0 && t.box.left() < f.width()) << t.box.left();
      EXPECT_TRUE(t.box.top() >= 0 && t.box.top() < f.height()) << t.box.top();
    }
  };
  // Wider together than the window while every character starts inside it.
  const auto wraps = [](const TSuperFade& f, const std::vector<TSuperFade::TTyped>& typed) {
    int width = 0;
    for (const auto& t : typed) width += t.box.width();
    return width > f.width();
  };
  const std::vector<Case> cases = {
      {"klassisch clips a long word to its band", false, longWord, "lang", 9, 30, full,
       [&](const TSuperFade& f) {
         EXPECT_EQ(f.Texts().front(), longWord);
         int coloured = 0;
         for (int y = 0; y < f.Screen().height(); ++y) coloured += (f.Screen().pixel(0, y) & 0xFFFFFF) != 0;
         EXPECT_EQ(coloured, 192);
       }},
      {"abgedreht wraps a long word", true, longWord, "lang", 9, 30, full,
       [&](const TSuperFade& f) {
         const auto word = OfText(f.Typed(), 0);
         EXPECT_EQ(Chars(word), "{ " + longWord + " }");
         EXPECT_TRUE(wraps(f, word));
         allTypedInside(f);
       }},
      {"madness 1 wraps too and stays inside", true, longWord, "lang", 1, 30, full,
       [&](const TSuperFade& f) {
         EXPECT_EQ(OfText(f.Typed(), 0).size(), 204u);
         EXPECT_TRUE(wraps(f, OfText(f.Typed(), 0)));
         allTypedInside(f);
       }},
      {"madness 10 types every character inside", true, longWord, "lang", 10, 30, full,
       [&](const TSuperFade& f) {
         EXPECT_EQ(OfText(f.Typed(), 0).size(), 204u);
         allTypedInside(f);
       }},
      {"abgedreht types markup characters as they are", true, "a<b & $x", "<&$ &amp;", 9, 30, full,
       [&](const TSuperFade& f) {
         EXPECT_EQ(Chars(OfText(f.Typed(), 0)), "{ a<b & $x }");
         EXPECT_EQ(Chars(OfText(f.Typed(), 1)), "<&$ &amp;");
       }},
      {"klassisch keeps markup characters", false, "a<b & $x", "<&$ &amp;", 9, 30, full,
       [&](const TSuperFade& f) {
         EXPECT_EQ(f.Texts(), (std::vector<std::string>{"a<b & $x", "<&$ &amp;"}));
       }},
      {"text delay 0 types the whole word at once", true, "dog", "Hund", 9, 0, full,
       [&](const TSuperFade& f) {
         const auto word = OfText(f.Typed(), 0);
         ASSERT_EQ(word.size(), 7u);
         EXPECT_EQ(word.back().at, word.front().at);
         EXPECT_FALSE(OfText(f.Typed(), 1).empty());
       }},
      {"abgedreht in a tiny window keeps readable sizes", true, "dog", "Hund", 10, 30, tiny,
       [&](const TSuperFade& f) {
         ASSERT_FALSE(f.Typed().empty());
         for (const auto& t : f.Typed()) EXPECT_GE(t.points, 6);
       }},
      {"klassisch in a tiny window keeps readable sizes", false, "dog", "Hund", 9, 30, tiny,
       [&](const TSuperFade& f) { EXPECT_GE(f.BandPoints(), 6); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    settings->SetModus(c.abgedreht ? 2 : 1);
    options->Set(&TSuperSettings::Madness, c.madness);
    options->Set(&TSuperSettings::TextDelay, c.textDelay);
    options->Set(&TSuperSettings::Faktor, 50);
    options->Set(&TSuperSettings::KlassikFaktor, 500);
    driver->area = c.area;
    OneEntry(c.word, c.meaning);
    bool checked = false;
    // Past the meaning in either style: klassisch fades it in from 1.7 s on
    // (300 ms fades), abgedreht types it after the word and its waits.
    const uint32_t stopAt = c.abgedreht ? 204 * 30 + 3000 : 2000;
    clock.clock.At(TickCount() + stopAt - 100, [&] {
      c.check(*fade);
      checked = true;
    });
    clock.clock.At(TickCount() + stopAt + 10, [&] { driver->StopPresentation(); });
    main->PageCommand("gosuper");
    EXPECT_TRUE(checked);
    EXPECT_FALSE(main->PresentationRunning());
    EXPECT_EQ(Shown(), "vokabeln.htx");
  }
}

}  // namespace
}  // namespace vyr::test
