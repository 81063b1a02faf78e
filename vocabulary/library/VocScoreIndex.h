#pragma once
// The logged-in user's scores looked up by entry: the record key ("<" for a
// German-first entry, ">" otherwise, the word class in decimal, the trimmed
// word) lower-cased, pointing at the score of the first record with that key.
// Built once from the user's records, it answers every entry of a library
// without walking the records again.
#include <string>
#include <string_view>
#include <unordered_map>

namespace vyr {

// The record key of an entry.
std::string VocKey(std::string_view word, bool deutsch, int wortart);

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
  size_t size() const { return scores_.size(); }

 private:
  std::unordered_map<std::string, int> scores_;
  mutable std::string key_;  // reused for every look-up
};

}  // namespace vyr
