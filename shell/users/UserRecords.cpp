#include "shell/users/UserRecords.h"

#include <algorithm>
#include <cmath>

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

std::string TUserRecords::IndexKey(std::string_view key) { return UpperCase(key); }

void TUserRecords::Clear() {
  index_.clear();
  list_.clear();
}

void TUserRecords::Append(TXUserVoc record) {
  if (record.Key.empty()) return;
  list_.push_back(std::move(record));
  index_.try_emplace(IndexKey(list_.back().Key), std::prev(list_.end()));  // the first one wins
}

TXUserVoc* TUserRecords::Find(std::string_view key) {
  const auto it = index_.find(IndexKey(key));
  return it == index_.end() ? nullptr : &*it->second;
}

const TXUserVoc* TUserRecords::Find(std::string_view key) const {
  const auto it = index_.find(IndexKey(key));
  return it == index_.end() ? nullptr : &*it->second;
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
    index_.emplace(IndexKey(key), std::prev(list_.end()));
  } else {
    list_.push_front(std::move(record));
    index_.emplace(IndexKey(key), list_.begin());
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
