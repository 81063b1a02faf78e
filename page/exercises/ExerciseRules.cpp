#include "page/exercises/ExerciseRules.h"

#include <algorithm>

#include "platform/core/Random.h"
#include "text/Cp1252.h"

namespace vyr {

TRandomFn ProgramRandom() {
  return [](int n) { return RandomInt(n); };
}

std::string MatchChain(std::string_view x, std::string_view y) {
  const size_t m = std::min<size_t>(y.size() / 2, 5);
  std::string best;
  for (size_t s = 1; s <= m; ++s) {
    std::string chain;
    size_t c = 0;
    for (size_t i = s - 1; i < x.size() && c < y.size(); ++i) {
      const size_t q = y.find(x[i], c);
      if (q != std::string_view::npos && q - c < 4) {
        chain += x[i];
        c = q + 1;
      }
    }
    if (chain.size() > best.size()) best = std::move(chain);
  }
  return best;
}

namespace {

std::string Reversed(std::string_view s) { return std::string(s.rbegin(), s.rend()); }

}  // namespace

std::string NearMatch(std::string_view answer, std::string_view solution) {
  if (answer.empty() || solution.empty()) return {};
  // Common beginning, leaving at least two characters of the solution.
  size_t k = 0;
  while (k < answer.size() && k < solution.size() && answer[k] == solution[k]) ++k;
  k = std::min(k, solution.size() >= 2 ? solution.size() - 2 : 0);
  const std::string_view begin = solution.substr(0, k);
  std::string_view a = answer.substr(k), s = solution.substr(k);
  // Common ending of the rests.
  size_t e = 0;
  const size_t shorter = std::min(a.size(), s.size());
  while (e < shorter && a[a.size() - 1 - e] == s[s.size() - 1 - e]) ++e;
  const std::string_view end = s.substr(s.size() - e);
  a.remove_suffix(e);
  s.remove_suffix(e);
  std::string middle;
  if (!a.empty() && !s.empty()) {
    const std::string ra = Reversed(a), rs = Reversed(s);
    const std::string candidates[4] = {MatchChain(a, s), MatchChain(s, a), Reversed(MatchChain(ra, rs)),
                                       Reversed(MatchChain(rs, ra))};
    for (const std::string& c : candidates)
      if (c.size() > middle.size()) middle = c;
  }
  std::string match(begin);
  match += middle;
  match += end;
  return match;
}

bool NearMatchAccepted(size_t t, size_t l, size_t n) { return l < t + 4 && t < l + 6 && 2 * t < 3 * n + 1; }

TNearMissMarking MarkNearMiss(std::string_view answer, std::string_view solution, std::string_view match) {
  TNearMissMarking marking;
  size_t p = 0;
  while (p < answer.size() && p < solution.size() && answer[p] == solution[p]) ++p;
  if (p < answer.size() && p < solution.size()) {
    const int g = AccentGroup(answer[p], kTypingFieldAccentGroups);
    if (g >= 0 && g == AccentGroup(solution[p], kTypingFieldAccentGroups)) ++p;
  }
  marking.Caret = static_cast<int>(p);
  marking.Red.resize(answer.size());
  size_t m = 0;
  for (size_t i = 0; i < answer.size(); ++i) {
    if (m < match.size() && answer[i] == match[m]) ++m;
    else marking.Red[i] = true;
  }
  return marking;
}

TEvaluation EvaluateAnswer(std::string_view answer, const std::vector<std::string>& solutions, int& attempts) {
  TEvaluation ev;
  ++attempts;
  if (answer.empty()) attempts = kMaxAttempts;
  if (!answer.empty()) {
    for (size_t i = 0; i < solutions.size(); ++i)
      if (solutions[i] == answer) {
        ev.Result = TAnswerResult::Right;
        ev.Solution = static_cast<int>(i);
        return ev;
      }
    if (attempts < kMaxAttempts) {
      for (size_t i = 0; i < solutions.size(); ++i) {
        std::string match = NearMatch(answer, solutions[i]);
        if (!NearMatchAccepted(answer.size(), solutions[i].size(), match.size())) continue;
        if (ev.Solution < 0 || match.size() > ev.Match.size()) {
          ev.Solution = static_cast<int>(i);
          ev.Match = std::move(match);
        }
      }
      if (ev.Solution >= 0) {
        ev.Result = TAnswerResult::NearMiss;
        ev.Marking = MarkNearMiss(answer, solutions[static_cast<size_t>(ev.Solution)], ev.Match);
      } else {
        ev.Result = TAnswerResult::Wiped;
      }
      return ev;
    }
  }
  ev.Result = attempts == kMaxAttempts ? TAnswerResult::GaveUp : TAnswerResult::Emptied;
  return ev;
}

std::string HelpMask(std::string_view word, const TRandomFn& random, char placeholder) {
  const size_t n = word.size();
  if (n == 0) return {};
  if (n <= 2) return std::string(n, placeholder);
  std::string mask(word);
  const size_t last = n > 3 ? n - 1 : n;  // a three-letter word keeps only its first
  for (size_t i = 1; i < last; ++i) {
    const char c = word[i];
    if (std::string_view(" !',-.?").find(c) != std::string_view::npos) continue;
    if (i + 1 >= 5 && random && random(5) == 3) continue;
    mask[i] = placeholder;
  }
  return mask;
}

namespace {

// The 16 groups; a typing field uses all, the input line the first 15.
constexpr std::string_view kAccentGroups[kTypingFieldAccentGroups] = {
    "aáàâäæ", "AÁÀÂÄÆ", "eéèêë", "EÉÈÊË", "iíìîï", "IÍÌÎÏ", "oóòôöœ", "OÓÒÔÖŒ",
    "uúùûü",  "UÚÙÛÜ",  "nñ",    "NÑ",    "cç",    "CÇ",    "?¿!¡",   "sß",
};

}  // namespace

int AccentGroup(char c, int groupCount) {
  groupCount = std::clamp(groupCount, 0, kTypingFieldAccentGroups);
  for (int g = 0; g < groupCount; ++g)
    if (kAccentGroups[g].find(c) != std::string_view::npos) return g;
  return -1;
}

char NextAccent(char c, int groupCount) {
  const int g = AccentGroup(c, groupCount);
  if (g < 0) return c;
  const std::string_view group = kAccentGroups[g];
  const size_t i = group.find(c);
  return group[(i + 1) % group.size()];
}

bool IsTypedCharAccepted(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 32 && b != 127;
}

namespace {

// Windows-1252 bytes of a text; a surrogate pair gives one "?". Line breaks
// and tabs become `lineBreak` (0 = dropped) and other controls are dropped.
std::string Filter(const QString& text, char lineBreak) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text[i];
    if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      out += '?';
      ++i;
      continue;
    }
    if (ch.isSurrogate()) {
      out += '?';
      continue;
    }
    const char16_t u = ch.unicode();
    if (u == u'\r' || u == u'\n' || u == u'\t') {
      if (u == u'\n' && i > 0 && text[i - 1] == u'\r') continue;
      if (lineBreak) out += lineBreak;
      continue;
    }
    const char b = ByteOf(u);
    if (IsTypedCharAccepted(b)) out += b;
  }
  return out;
}

}  // namespace

std::string FilterTypedText(const QString& text) { return Filter(text, 0); }
std::string FilterPastedText(const QString& text) { return Filter(text, ' '); }

bool ReactionIsPage(std::string_view reaction) {
  const size_t sep = reaction.find_last_of("\\/:");
  const size_t dot = reaction.rfind('.');
  return dot != std::string_view::npos && (sep == std::string_view::npos || dot > sep);
}

std::string ReactionCommand(std::string_view reaction, bool right, int attempts) {
  std::string out(reaction);
  if (right) {
    out += '#';
    out += std::to_string(attempts);
    out += '+';
  } else {
    out += '-';
  }
  return out;
}

int GapFieldPointSize(int32_t fontSize, int dpi) {
  if (fontSize <= 7) return 0;
  const int h = fontSize;
  int pt;
  if (h >= 16 && h <= 17) pt = 9;
  else if (h <= 19 && h >= 18) pt = 10;
  else if (h >= 20 && h <= 23) pt = 13;
  else if (h >= 24 && h <= 29) pt = 15;
  else if (h >= 30 && h <= 31) pt = 17;
  else if (h >= 32 && h <= 36) pt = 19;
  else pt = static_cast<int>((static_cast<int64_t>(h) * 72 + std::max(dpi, 1) / 2) / std::max(dpi, 1)) - 7;
  return std::max(pt, kMinFieldPointSize);
}

TReactionSize ReactionSize(const std::function<int(int pointSize)>& widthAt, int available) {
  TReactionSize r;
  while (widthAt(r.PointSize) > available) {
    if (r.PointSize - 2 < kMinReactionPointSize) {
      r.TooWide = true;
      break;
    }
    r.PointSize -= 2;
  }
  return r;
}

}  // namespace vyr
