#include "vocabulary/library/VocScoreIndex.h"

#include "text/Case.h"
#include "text/Trim.h"

namespace vyr {
namespace {

void BuildKey(std::string& key, std::string_view word, bool deutsch, int wortart) {
  key.clear();
  key += deutsch ? '<' : '>';
  key += std::to_string(wortart);
  key += TrimView(word);
}

}  // namespace

std::string VocKey(std::string_view word, bool deutsch, int wortart) {
  std::string key;
  BuildKey(key, word, deutsch, wortart);
  return key;
}

void TVocScoreIndex::Add(std::string_view key, int score) { scores_.try_emplace(LowerCase(key), score); }

int TVocScoreIndex::Score(std::string_view word, bool deutsch, int wortart) const {
  BuildKey(key_, word, deutsch, wortart);
  for (char& c : key_) c = LowerChar(c);
  const auto it = scores_.find(key_);
  return it == scores_.end() ? 0 : it->second;
}

}  // namespace vyr
