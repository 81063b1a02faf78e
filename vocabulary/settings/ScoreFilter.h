#pragma once
// The per-user score filter as the settings dialog edits it: two edits for
// the lower and upper bound, read while the learner types, and the sentence
// that explains what a range asks.
#include <optional>
#include <string>
#include <string_view>

namespace vyr {

struct TScoreEdits {
  bool ignored = false;  // an edit is empty, "-" or "+": wait for a digit
  int minScore = -100, maxScore = 100;
  bool changed = false;                         // the pair differs from the settings
  std::optional<std::string> fromText, toText;  // rewritten edit texts
};

// A bound as typed: not an integer gives -100; numbers are clamped to -100..100.
int ParseScore(std::string_view text);
// Both edits against the current range; the smaller value is the lower bound.
TScoreEdits ReadScoreEdits(std::string_view from, std::string_view to, int minScore, int maxScore);
// The explanation of a range, or empty.
const char* ScoreExplanation(int minScore, int maxScore);

}  // namespace vyr
