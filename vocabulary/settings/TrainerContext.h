#pragma once
// What the trainer settings need from the rest of the program: where the
// settings and list files live, who is logged in and with which scores, and
// the small services of features that join later (speech output, the
// alternation of halves, recordings, the music). Every service may be
// empty; it then answers "off" or "nothing".
#include <functional>
#include <string>
#include <string_view>

#include "vocabulary/library/VocScoreIndex.h"

namespace vyr {

struct TTrainerContext {
  std::string programFolder;     // ends with "\"
  std::string vocabularyFolder;  // ends with "\"; empty: no vocabulary
  // The logged-in user's folder, empty while nobody is logged in.
  std::function<std::string()> userFolder;
  // The logged-in user's scores; empty while nobody is logged in.
  std::function<TVocScoreLookup()> scores;
  // Whether the superlearning presentations speak; off when unset.
  std::function<bool()> speechOn;
  // The recording of an English text, or empty.
  std::function<std::string(std::string_view text)> findRecording;
  std::function<void()> stopMusic;
  // The flag that makes the presentations alternate word and meaning; the
  // presentation options keep it once they exist, otherwise the walk does.
  bool* halfFlag = nullptr;

  std::string UserFolder() const { return userFolder ? userFolder() : std::string(); }
  bool LoggedIn() const { return !UserFolder().empty(); }
};

}  // namespace vyr
