#include <gtest/gtest.h>

#include <algorithm>

#include "text/Case.h"
#include "text/Trim.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/library/VocScoreIndex.h"

namespace vyr {
namespace {

// A user's result record as the user base keeps it.
struct Record {
  std::string Key, ScoreHistory;
};

int HistoryScore(const Record& r) {
  int sum = 0;
  for (const char c : r.ScoreHistory) sum += static_cast<unsigned char>(c) - 65;
  return std::clamp(sum, -100, 100);
}

// The user base's rule, one record after the other: the first record whose
// key has the entry key's first two characters and equals it ignoring case.
int LinearScore(const std::vector<Record>& records, const TVokabel& e) {
  std::string key = std::string(e.Deutsch ? "<" : ">") + std::to_string(e.Wortart) + Trim(e.Vokabel);
  std::replace_if(
      key.begin(), key.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
  for (const Record& r : records)
    if (r.Key.substr(0, 2) == key.substr(0, 2) && SameText(r.Key, key)) return HistoryScore(r);
  return 0;
}

TVokabel Word(const std::string& word, bool deutsch, int wortart) {
  TVokabel e;
  e.Vokabel = word;
  e.Bedeutung[0] = "x";
  e.Deutsch = deutsch;
  e.Wortart = static_cast<uint8_t>(wortart);
  return e;
}

TEST(ComputeScores, KeyedLookUpEqualsTheLinearRule) {
  const std::vector<Record> records = {
      {">0House", "KK"},    // +20
      {">0house", "AAA"},   // a later record of the same key (other case): not used
      {"<1Gehen", "7"},     // -10
      {">1gehen", "K"},     // the other direction
      {">3Über", "ZZZZZ"},  // 5 x +25, clamped to 100
      {">12teen", "B"},     // word class 12
      {"<0A B", "K"},       // a tab inside the entry's word is a blank in its key
      {">2", "K"},          // an empty word
      {"", "K"},
  };
  TBibliothek lib;
  lib.Clear(false);
  for (const TVokabel& e :
       {Word("house", false, 0), Word("HOUSE ", false, 0), Word("gehen", true, 1), Word("gehen", false, 1),
        Word("gehen", true, 2), Word("über", false, 3), Word("teen", false, 12), Word("unbekannt", false, 0),
        Word("Straße", false, 0), Word("a\tb\t", true, 0)})
    lib.AddEntry(e);
  lib.AddBlankEntry();
  const TVocScoreIndex index = TVocScoreIndex::FromRecords(records, HistoryScore);
  lib.ComputeScores(index.Lookup());
  long long sum = 0;
  for (int i = 0; i < lib.EntryCount(false); ++i) {
    EXPECT_EQ(lib.Entry(i).Wert, LinearScore(records, lib.Entry(i))) << lib.Entry(i).Vokabel;
    sum += lib.Entry(i).Wert;
  }
  EXPECT_EQ(lib.Entry(0).Wert, 20);
  EXPECT_EQ(lib.Entry(5).Wert, 100);
  EXPECT_EQ(lib.HistogramAt(20), 2);
  EXPECT_EQ(lib.HistogramAt(0), 3);
  EXPECT_EQ(lib.Average(), RoundedAverage(sum, 10));
  EXPECT_EQ(lib.CountByDirection(true), 3);
  EXPECT_EQ(lib.CountByDirection(false), 7);
}

TEST(ComputeScores, NobodyLoggedInLeavesNoScores) {
  TBibliothek lib;
  lib.SetVokabel(0, "house");
  lib.SetBedeutung(0, 0, "Haus");
  TVocScoreIndex index;
  index.Add(">0house", 50);
  lib.ComputeScores(index.Lookup());
  EXPECT_EQ(lib.Average(), 50);
  lib.ComputeScores({});
  EXPECT_EQ(lib.Entry(0).Wert, 0);
  EXPECT_EQ(lib.Average(), 0);
  EXPECT_EQ(lib.HistogramAt(50), 0);
  EXPECT_EQ(lib.HistogramAt(0), 0);
}

TEST(ComputeScores, AverageRoundsHalvesAwayFromZero) {
  struct Case {
    std::vector<int> scores;
    int average;
  };
  for (const Case& c : {Case{{-2, -3}, -3}, Case{{2, 3}, 3}, Case{{-1, -1, 1}, 0}, Case{{-100, 99}, -1}, Case{{}, 0}}) {
    TBibliothek lib;
    lib.Clear(false);
    TVocScoreIndex index;
    for (size_t i = 0; i < c.scores.size(); ++i) {
      lib.AddEntry(Word("w" + std::to_string(i), false, 0));
      index.Add(">0w" + std::to_string(i), c.scores[i]);
    }
    lib.AddBlankEntry();
    lib.ComputeScores(index.Lookup());
    EXPECT_EQ(lib.Average(), c.average) << c.scores.size();
  }
}

}  // namespace
}  // namespace vyr
