#include <gtest/gtest.h>

#include "page/sources/ZipResource.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Random.h"
#include "text/ZStream.h"
#include "vocabulary/library/CyclicWalk.h"
#include "vocabulary/library/SampleList.h"

namespace vyr {
namespace {
using namespace std::string_literals;

std::string SampleEntry(const std::string& word, const std::string& deutsch, const std::string& wortart = "0") {
  return word + '\0' + "Bedeutung" + '\0' + '\0' + '\0' + "0" + '\0' + '\0' + "0" + '\0' + wortart + '\0' + deutsch +
         '\0' + "1" + '\0';
}

TEST(SampleList, CompiledInListHas600CompleteEntriesOfEveryKind) {
  TMessageRecorder messages;
  const TRes sample;
  ASSERT_EQ(sample.Count(), 600);
  int perKind[6][2] = {};
  for (const TVokabel& e : sample.Entries()) {
    EXPECT_TRUE(e.IsComplete()) << e.Vokabel;
    ASSERT_LE(e.Wortart, 5) << e.Vokabel;
    ++perKind[e.Wortart][e.Deutsch];
  }
  for (int k = 0; k < 6; ++k)
    for (int d = 0; d < 2; ++d) EXPECT_GE(perKind[k][d], 30) << "class " << k << " direction " << d;
  // As stored: the German-first line of every entry is "-1" or "0" (a "1"
  // would quietly read as English-first), and no line holds a tab.
  TZIPResource raw(kResBeispielliste);
  int lines = 0;
  for (; !raw.AtEnd(); ++lines) {
    const std::string line = raw.ReadLine();
    EXPECT_EQ(line.find('\t'), std::string::npos) << "line " << lines + 1;
    if (lines % 10 == 8) {
      EXPECT_TRUE(line == "-1" || line == "0") << "line " << lines + 1 << ": " << line;
    }
  }
  EXPECT_GE(lines, 6000);
  EXPECT_TRUE(messages.shown().empty());
}

TEST(SampleList, GermanFirstOnlyForMinusOneAndReadingStopsAtTheFirstFault) {
  TMessageRecorder messages;
  struct Case {
    const char* what;
    std::string data;
    std::vector<bool> deutsch;
  };
  for (const Case& c : {
           Case{"flags", SampleEntry("a", "-1") + SampleEntry("b", "1") + SampleEntry("c", "0"), {true, false, false}},
           Case{"cut short", SampleEntry("a", "-1") + "b\0c\0"s, {true}},
           Case{"bad word class", SampleEntry("a", "0") + SampleEntry("b", "0", "x") + SampleEntry("c", "0"), {false}},
           Case{"empty", "", {}},
       }) {
    TZIPResource source(Deflate(c.data), "Test");
    const TRes sample(source);
    std::vector<bool> deutsch;
    for (const auto& e : sample.Entries()) deutsch.push_back(e.Deutsch);
    EXPECT_EQ(deutsch, c.deutsch) << c.what;
  }
  // at most 600
  std::string many;
  for (int i = 0; i < 700; ++i) many += SampleEntry("w" + std::to_string(i), "0");
  TZIPResource source(Deflate(many), "Test");
  EXPECT_EQ(TRes(source).Count(), 600);
  EXPECT_TRUE(messages.shown().empty());
}

TEST(SampleList, CorruptResourceGivesAnEmptyListAndAnEmptyWalk) {
  TMessageRecorder messages;
  const std::string packed = Deflate(SampleEntry("a", "0"));
  TZIPResource source(packed.substr(0, packed.size() / 2), "Die Programmressource 2");
  const TRes sample(source);
  EXPECT_EQ(sample.Count(), 0);
  EXPECT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(CyclicWalk(size_t(sample.Count())).empty());
}

TEST(SampleList, CyclicWalkVisitsEveryPositionOnceFromItsStart) {
  EXPECT_EQ(CyclicWalkFrom(4, 2), (std::vector<size_t>{2, 3, 0, 1}));
  EXPECT_EQ(CyclicWalkFrom(3, 7), (std::vector<size_t>{1, 2, 0}));
  SetRandomSeed(5);
  std::vector<size_t> walk = CyclicWalk(5);
  ASSERT_EQ(walk.size(), 5u);
  EXPECT_EQ(walk, CyclicWalkFrom(5, walk[0]));
}

}  // namespace
}  // namespace vyr
