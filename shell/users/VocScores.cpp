#include "shell/users/VocScores.h"

#include "shell/users/UserBase.h"

namespace vyr {

TVocScoreLookup VocScoresOf(const TXUserBase& users) {
  if (!users.IsLoggedIn()) return {};
  return [&users](std::string_view word, bool deutsch, int wortart) {
    return users.GetVocScore(std::string(word), deutsch, wortart);
  };
}

}  // namespace vyr
