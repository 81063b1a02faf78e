#include "vocabulary/settings/ScoreFilter.h"

#include <algorithm>
#include <cstdlib>

namespace vyr {

int ParseScore(std::string_view text) {
  const std::string s(text);
  if (s.empty() || s.size() > 12) return -100;
  char* end = nullptr;
  const long v = std::strtol(s.c_str(), &end, 10);
  if (end == s.c_str() || *end != '\0' || s[0] == ' ') return -100;
  return static_cast<int>(std::clamp<long>(v, -100, 100));
}

TScoreEdits ReadScoreEdits(std::string_view from, std::string_view to, int minScore, int maxScore) {
  TScoreEdits r;
  const auto waiting = [](std::string_view t) { return t.empty() || t == "-" || t == "+"; };
  if (waiting(from) || waiting(to)) {
    r.ignored = true;
    r.minScore = minScore;
    r.maxScore = maxScore;
    return r;
  }
  const int a = ParseScore(from), b = ParseScore(to);
  r.minScore = std::min(a, b);
  r.maxScore = std::max(a, b);
  r.changed = r.minScore != minScore || r.maxScore != maxScore;
  if (std::to_string(a) != from) r.fromText = std::to_string(a);
  if (std::to_string(b) != to) r.toText = std::to_string(b);
  return r;
}

const char* ScoreExplanation(int lo, int hi) {
  if (lo == -100 && hi == -100)
    return "Es können nur Vokabeln abgefragt werden, die die letzten 5 Mal falsch gemacht wurden. Dies dürfte kaum "
           "sinnvoll sein.";
  if (lo == 100 && hi == 100)
    return "Es können nur Vokabeln abgefragt werden, die die letzten 5 Mal richtig gemacht wurden. Dies dürfte kaum "
           "sinnvoll sein.";
  if (lo < 0 && hi < 0)
    return "Es werden nur Vokabeln abgefragt, die schon falsch gemacht wurden, aber keine neuen Vokabeln.";
  if (lo < 0 && hi == 0)
    return "Es werden nur Vokabeln abgefragt, die entweder neu sind oder überwiegend falsch gemacht wurden.";
  if (lo > 0 && hi > 0)
    return "Es werden nur Vokabeln abgefragt, die überwiegend richtig gemacht wurden, aber keine neuen Vokabeln.";
  if (lo == 0 && hi > 0)
    return "Es werden nur Vokabeln abgefragt, die entweder neu sind oder überwiegend richtig waren.";
  if (lo == -100 && hi == 100) return "Es werden alle Vokabeln abgefragt. Der Grenzwert ist inaktiv.";
  return "";
}

}  // namespace vyr
