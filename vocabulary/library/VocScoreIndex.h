#pragma once
// How the library learns the logged-in user's score of an entry, and a keyed
// look-up of a user's records to answer it. The record key of an entry is "<"
// for a German-first entry, ">" otherwise, the word class in decimal and the
// word (control bytes as blanks, trimmed); keys are compared ignoring case.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vyr {

// The score of an entry for the logged-in user (-100..100, 0 without a
// record). An empty function stands for nobody logged in.
using TVocScoreLookup = std::function<int(std::string_view word, bool deutsch, int wortart)>;

// The user's records by lower-cased key, each pointing at the score of the
// first record with that key, so a library is scored without walking the
// records once per entry.
class TVocScoreIndex {
 public:
  // Records in the user's order: a later record with the same key (ignoring
  // letter case) is not looked at, as a search from the front would not.
  void Add(std::string_view key, int score);
  // From any list of records with a Key field and a function giving a
  // record's score (the user base's rule).
  template <class Records, class ScoreOf>
  static TVocScoreIndex FromRecords(const Records& records, ScoreOf scoreOf) {
    TVocScoreIndex index;
    for (const auto& r : records) index.Add(r.Key, scoreOf(r));
    return index;
  }

  // The score of an entry, 0 when the user has no record of it.
  int Score(std::string_view word, bool deutsch, int wortart) const;
  // This index as the library's look-up; it must outlive the function.
  TVocScoreLookup Lookup() const {
    return [this](std::string_view word, bool deutsch, int wortart) { return Score(word, deutsch, wortart); };
  }
  size_t size() const { return scores_.size(); }

 private:
  std::unordered_map<std::string, int> scores_;
  mutable std::string key_;  // reused for every look-up
};

}  // namespace vyr
