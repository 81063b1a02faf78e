#include "vocabulary/library/VocScoreIndex.h"

#include "text/Case.h"
#include "text/Trim.h"

namespace vyr {

void TVocScoreIndex::Add(std::string_view key, int score) { scores_.try_emplace(LowerCase(key), score); }

int TVocScoreIndex::Score(std::string_view word, bool deutsch, int wortart) const {
  key_.clear();
  key_ += deutsch ? '<' : '>';
  key_ += std::to_string(wortart);
  // Trimming takes every byte up to 32, so it is the same before or after
  // the control bytes become blanks.
  for (const char c : TrimView(word)) key_ += static_cast<unsigned char>(c) < 32 ? ' ' : LowerChar(c);
  const auto it = scores_.find(key_);
  return it == scores_.end() ? 0 : it->second;
}

}  // namespace vyr
