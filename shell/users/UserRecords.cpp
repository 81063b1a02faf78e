#include "shell/users/UserRecords.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "text/Case.h"
#include "text/Trim.h"

namespace vyr {

std::string VocKey(std::string_view word, bool deutsch, int wordClass) {
  std::string clean(word);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  return std::string(deutsch ? "<" : ">") + std::to_string(wordClass) + Trim(clean);
}

int HistoryScore(std::string_view scoreHistory) {
  int sum = 0;
  for (char c : scoreHistory) sum += static_cast<unsigned char>(c) - 65;
  return std::clamp(sum, -100, 100);
}

int RelativeScore(int score, std::string_view modeHistory) {
  int weight = 0;
  for (char c : modeHistory) {
    switch (c) {
      case 'e': weight += 20; break;
      case 'f': weight += 16; break;
      case 'm': weight += 12; break;
      case 'v': weight += 8; break;
      default: weight += 10; break;
    }
  }
  if (modeHistory.empty()) weight = 100;
  const long relative = std::lround(score * 100.0 / weight);
  return static_cast<int>(std::clamp(relative, -100L, 100L));
}

std::vector<int> HistoryChanges(std::string_view scoreHistory) {
  std::vector<int> out;
  for (char c : scoreHistory) out.push_back(static_cast<unsigned char>(c) - 65);
  return out;
}

TUserRecords::TIndexKey::TIndexKey(std::string_view key) : text(key) {
  static const std::array<unsigned char, 256> upper = [] {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(UpperChar(static_cast<char>(c)));
    return table;
  }();
  uint64_t h = 14695981039346656037ull;  // FNV-1a over the upper-cased bytes
  for (char c : key) h = (h ^ upper[static_cast<unsigned char>(c)]) * 1099511628211ull;
  hash = static_cast<size_t>(h);
}

bool TUserRecords::KeyEqual::operator()(const TIndexKey& a, const TIndexKey& b) const {
  return a.hash == b.hash && SameText(a.text, b.text);
}

TUserRecords& TUserRecords::operator=(const TUserRecords& other) {
  if (this != &other) {
    Clear();
    list_ = other.list_;
  }
  return *this;
}

TUserRecords& TUserRecords::operator=(TUserRecords&& other) noexcept {
  if (this != &other) {
    Clear();
    list_ = std::move(other.list_);
    other.Clear();
  }
  return *this;
}

void TUserRecords::Clear() {
  index_.clear();
  indexed_ = false;
  list_.clear();
}

void TUserRecords::AddToIndex(TXUserVoc& record) const {
  index_.try_emplace(TIndexKey(record.Key), &record);  // the first of equal keys wins
}

void TUserRecords::Indexed() const {
  if (indexed_) return;
  index_.clear();
  index_.reserve(list_.size());
  for (const TXUserVoc& r : list_) AddToIndex(const_cast<TXUserVoc&>(r));
  indexed_ = true;
}

void TUserRecords::Append(TXUserVoc record) {
  if (record.Key.empty()) return;
  list_.push_back(std::move(record));
  if (indexed_) AddToIndex(list_.back());
}

TXUserVoc* TUserRecords::Find(std::string_view key) {
  Indexed();
  const auto it = index_.find(TIndexKey(key));
  return it == index_.end() ? nullptr : it->second;
}

const TXUserVoc* TUserRecords::Find(std::string_view key) const {
  Indexed();
  const auto it = index_.find(TIndexKey(key));
  return it == index_.end() ? nullptr : it->second;
}

bool TUserRecords::Record(std::string_view word, bool deutsch, char modeChar, int delta, int wordClass) {
  const std::string key = VocKey(word, deutsch, wordClass);
  if (key.size() <= 1 + std::to_string(wordClass).size()) return false;  // an empty word
  const char change = static_cast<char>(std::clamp(delta, kMinScoreChange, kMaxScoreChange) + 65);
  if (TXUserVoc* r = Find(key)) {
    if (r->ScoreHistory.size() >= kHistoryLength) r->ScoreHistory.resize(kHistoryLength - 1);
    if (r->ModeHistory.size() >= kHistoryLength) r->ModeHistory.resize(kHistoryLength - 1);
    r->ScoreHistory.insert(r->ScoreHistory.begin(), change);
    r->ModeHistory.insert(r->ModeHistory.begin(), modeChar);
    return true;
  }
  TXUserVoc record{key, std::string(1, change), std::string(1, modeChar)};
  if (deutsch) {
    list_.push_back(std::move(record));
    AddToIndex(list_.back());
  } else {
    list_.push_front(std::move(record));
    AddToIndex(list_.front());
  }
  return true;
}

int TUserRecords::Forget(std::string_view word, bool deutsch, int count, int wordClass) {
  TXUserVoc* r = Find(VocKey(word, deutsch, wordClass));
  if (r == nullptr) return 0;
  const size_t n = static_cast<size_t>(std::max(count, 0));
  r->ScoreHistory.erase(0, std::min(n, r->ScoreHistory.size()));
  r->ModeHistory.erase(0, std::min(n, r->ModeHistory.size()));
  return HistoryScore(r->ScoreHistory);
}

void TUserRecords::ForgetAll(bool onlyPositive, int count) {
  const size_t n = static_cast<size_t>(std::max(count, 0));
  for (TXUserVoc& r : list_) {
    if (onlyPositive && HistoryScore(r.ScoreHistory) <= 0) continue;
    r.ScoreHistory.erase(0, std::min(n, r.ScoreHistory.size()));
    r.ModeHistory.erase(0, std::min(n, r.ModeHistory.size()));
  }
}

}  // namespace vyr
