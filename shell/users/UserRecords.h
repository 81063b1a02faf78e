#pragma once
// A user's results: one record per vocabulary entry practised, with the last
// five score changes and answer modes, newest first. Records keep their
// order (the user file's order; new foreign-first records go to the front,
// new German-first ones to the end) and are found by key ignoring letter
// case through an index, so neither a look-up nor an insertion at the front
// walks the records. The index is built at the first look-up: reading and
// writing a user file need none.
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vyr {

struct TXUserVoc {
  std::string Key;           // "<" German-first or ">" foreign-first, word class, word
  std::string ScoreHistory;  // one character (change + 65) per answer, newest first
  std::string ModeHistory;   // "e" typing, "m" multiple choice, "v", "f" the games
};

inline constexpr size_t kHistoryLength = 5;
// A score change is stored as one character; changes are kept within the
// range whose characters every reader reads back (33 to 165).
inline constexpr int kMinScoreChange = -32, kMaxScoreChange = 100;

// The key of an entry: "<" or ">", the word class, the word trimmed (control
// characters of the word become blanks first, so no NUL reaches the file).
std::string VocKey(std::string_view word, bool deutsch, int wordClass);
// The sum of the changes of a score history, limited to -100..100.
int HistoryScore(std::string_view scoreHistory);
// Score x 100 / weight of the modes (typing 20, Free Fall 16, multiple
// choice 12, Las Vegas 8, other 10; 100 without answers), rounded, -100..100.
int RelativeScore(int score, std::string_view modeHistory);
// The score changes of a history, newest first.
std::vector<int> HistoryChanges(std::string_view scoreHistory);

class TUserRecords {
 public:
  // A deque keeps every record in place when records join at either end,
  // so the index can point at them.
  using List = std::deque<TXUserVoc>;

  TUserRecords() = default;
  // Copies and moves rebuild the index when it is next needed.
  TUserRecords(const TUserRecords& other) : list_(other.list_) {}
  TUserRecords(TUserRecords&& other) noexcept : list_(std::move(other.list_)) { other.Clear(); }
  TUserRecords& operator=(const TUserRecords& other);
  TUserRecords& operator=(TUserRecords&& other) noexcept;

  void Clear();
  size_t Size() const { return list_.size(); }
  const List& Records() const { return list_; }

  // Appends a record read from a file (a record with an empty key is left out).
  void Append(TXUserVoc record);
  // The first record whose key equals the given one ignoring case, or nullptr.
  TXUserVoc* Find(std::string_view key);
  const TXUserVoc* Find(std::string_view key) const;

  // Records one answer (see TXUserBase::RecordVocAnswer); false for an empty word.
  bool Record(std::string_view word, bool deutsch, char modeChar, int delta, int wordClass);
  // Deletes the newest count answers of a record; its new score (0: no record).
  int Forget(std::string_view word, bool deutsch, int count, int wordClass);
  // The same for every record, or only for those with a score above 0.
  void ForgetAll(bool onlyPositive, int count);

 private:
  // Keys compare and hash ignoring letter case. The index's keys are views
  // of the records' own keys with their hash, so that walking a bucket
  // touches neither the records nor the hash function.
  struct TIndexKey {
    explicit TIndexKey(std::string_view key);
    std::string_view text;
    size_t hash;
  };
  struct KeyHash {
    size_t operator()(const TIndexKey& key) const { return key.hash; }
  };
  struct KeyEqual {
    bool operator()(const TIndexKey& a, const TIndexKey& b) const;
  };
  using Index = std::unordered_map<TIndexKey, TXUserVoc*, KeyHash, KeyEqual>;
  void Indexed() const;  // builds the index when there is none
  void AddToIndex(TXUserVoc& record) const;

  List list_;
  mutable Index index_;
  mutable bool indexed_ = false;
};

}  // namespace vyr
