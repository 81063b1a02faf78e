#pragma once
// page/exercises: the exercises of a page: answer rules, the typing field,
// the drag exercise, sentence building and the multiple-choice question,
// each owned and called by the page control.
//
// The answer rules of the page's exercises, without any window: near match
// of an answer against a solution, the five attempts of a typing field, the
// marking of a near miss, help masks, the accent groups and the filtering of
// typed and pasted text. All text is Windows-1252 bytes.
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

// A random number 0 <= r < n; the program's generator unless a test gives
// its own.
using TRandomFn = std::function<int(int)>;
TRandomFn ProgramRandom();

// --- Near match -----------------------------------------------------------

// The longest chain of X's characters found in order in Y, each at most four
// characters ahead of the previous find; starts 1..min(len(Y) div 2, 5).
std::string MatchChain(std::string_view x, std::string_view y);
// The characters of the solution that the answer gets right: common
// beginning, the best of four chains in the middle, common ending.
std::string NearMatch(std::string_view answer, std::string_view solution);
// Whether a match of length n is close enough: l - 4 < t < l + 6 and
// 2t < 3n + 1 (t = answer length, l = solution length).
bool NearMatchAccepted(size_t answerLength, size_t solutionLength, size_t matchLength);

// --- Marking a near miss --------------------------------------------------

struct TNearMissMarking {
  std::vector<bool> Red;  // one flag per answer character
  int Caret = 0;          // where the caret goes, nothing selected
};
TNearMissMarking MarkNearMiss(std::string_view answer, std::string_view solution, std::string_view match);

// --- Evaluating an answer (Enter in a typing field) -----------------------

inline constexpr int kMaxAttempts = 5;

enum class TAnswerResult {
  Right,     // field hidden, then OnReturn, then OnRichtig
  NearMiss,  // answer marked, OnBeinahe
  Wiped,     // field emptied, OnReturn
  GaveUp,    // attempts exactly 5: field hidden, OnReturn, OnFalsch
  Emptied,   // beyond 5 attempts: field emptied, OnReturn
};

struct TEvaluation {
  TAnswerResult Result = TAnswerResult::Wiped;
  int Solution = -1;  // the solution a near miss was marked against
  std::string Match;
  TNearMissMarking Marking;
};

// Counts the attempt in `attempts` and decides what the field does.
TEvaluation EvaluateAnswer(std::string_view answer, const std::vector<std::string>& solutions, int& attempts);

// --- Help mask --------------------------------------------------------------

// "bread" -> "b___d", "bed" -> "b__", "don't" -> "d__'t"; from the fifth
// character on a letter stays visible with a chance of one in five. The
// language lab writes its masks with "." instead of "_".
std::string HelpMask(std::string_view word, const TRandomFn& random = ProgramRandom(), char placeholder = '_');

// --- Accent groups ------------------------------------------------------------

inline constexpr int kTypingFieldAccentGroups = 16;  // with "sß"
inline constexpr int kInputLineAccentGroups = 15;
// The group (0-based) of a character among the first groupCount groups, or -1.
int AccentGroup(char c, int groupCount);
// The next character of its group (after the last comes the first); a
// character in no group is returned as it is.
char NextAccent(char c, int groupCount);

// --- Typed and pasted text --------------------------------------------------

// Characters 0 to 31 and 127 never reach a typing field.
bool IsTypedCharAccepted(char c);
// Typed text as Windows-1252: control characters are dropped, characters the
// code page lacks (a surrogate pair counts as one) become "?".
std::string FilterTypedText(const QString& text);
// Pasted text for a one-line field: line breaks (CR LF counts once) and tabs
// become one blank, other control characters are dropped, characters the
// code page lacks become "?".
std::string FilterPastedText(const QString& text);

// --- Page-level rules ------------------------------------------------------

// A reaction with a file extension (a "." after the last path separator) is
// loaded as the next page instead of being reported.
bool ReactionIsPage(std::string_view reaction);
// What the owner receives for a finished typing field with a reaction.
std::string ReactionCommand(std::string_view reaction, bool right, int attempts);

// The point size of a typing field over a word in a font of size `fontSize`
// (a cell height above 7), at `dpi` pixels per inch; 0 = the font is used as
// it is (size steps 1 to 7). Never below kMinFieldPointSize.
inline constexpr int kMinFieldPointSize = 6;
int GapFieldPointSize(int32_t fontSize, int dpi = 96);

// The reaction text's size: from 48 points down in steps of 2 while the text
// is wider than `available`, but never below kMinReactionPointSize; whether
// the text still has to be shortened at that size.
inline constexpr int kReactionPointSize = 48;
inline constexpr int kMinReactionPointSize = 12;
struct TReactionSize {
  int PointSize = kReactionPointSize;
  bool TooWide = false;
};
TReactionSize ReactionSize(const std::function<int(int pointSize)>& widthAt, int available);

}  // namespace vyr
