#include <gtest/gtest.h>

#include <deque>
#include <ostream>

#include "page/exercises/ExerciseRules.h"
#include "page/reader/PageValues.h"

namespace vyr {
namespace {

struct TMatchCase {
  const char* Answer;
  const char* Solution;
  const char* Match;
};

void PrintTo(const TMatchCase& c, std::ostream* os) { *os << c.Answer << "_" << c.Solution; }

class NearMatchTest : public testing::TestWithParam<TMatchCase> {};

TEST_P(NearMatchTest, GivesTheCharactersRight) {
  const TMatchCase& c = GetParam();
  EXPECT_EQ(NearMatch(c.Answer, c.Solution), c.Match) << c.Answer << " / " << c.Solution;
}

INSTANTIATE_TEST_SUITE_P(Table, NearMatchTest,
                         testing::Values(TMatchCase{"hause", "house", "huse"},   // ending wins
                                         TMatchCase{"cafe", "café", "caf"},      // beginning capped at l-2
                                         TMatchCase{"house", "house", "house"},  // cap leaves two for the ending
                                         TMatchCase{"", "house", ""},            // empty answer
                                         TMatchCase{"house", "", ""},            // empty solution
                                         TMatchCase{"hosue", "house", "hose"},   // swapped letters: first chain wins
                                         TMatchCase{"xyz", "house", ""},         // nothing in common
                                         TMatchCase{"Haus", "house", "us"},      // case counts
                                         TMatchCase{"beautifull", "beautiful", "beautiful"},
                                         TMatchCase{"elefant", "elephant", "eleant"},
                                         TMatchCase{"recieve", "receive", "recive"}));

struct TChainCase {
  const char* X;
  const char* Y;
  const char* Chain;
};

void PrintTo(const TChainCase& c, std::ostream* os) { *os << c.X << "_" << c.Y; }

class ChainTest : public testing::TestWithParam<TChainCase> {};

TEST_P(ChainTest, FollowsTheSolution) {
  const TChainCase& c = GetParam();
  EXPECT_EQ(MatchChain(c.X, c.Y), c.Chain) << c.X << " / " << c.Y;
}

INSTANTIATE_TEST_SUITE_P(Table, ChainTest,
                         testing::Values(TChainCase{"a", "o", ""},            // len(Y) div 2 = 0: no chain
                                         TChainCase{"abcd", "abcd", "abcd"},  // straight walk
                                         TChainCase{"af", "abcdef", "a"},     // "f" five ahead: skipped
                                         TChainCase{"ae", "abcde", "ae"},     // "e" four ahead: taken
                                         TChainCase{"xbc", "abcd", "bc"},     // "x" not found, skipped
                                         TChainCase{"zzabc", "abcabc", "abc"},
                                         // a later start finds the longer chain
                                         TChainCase{"dabcd", "abcdxx", "abcd"}));

TEST(NearMatchAcceptance, BoundsOfLengthAndMatch) {
  EXPECT_TRUE(NearMatchAccepted(5, 5, 4));   // hause / house
  EXPECT_FALSE(NearMatchAccepted(5, 5, 3));  // 10 < 10 fails
  EXPECT_TRUE(NearMatchAccepted(2, 5, 2));   // l - 4 < t: 1 < 2
  EXPECT_FALSE(NearMatchAccepted(2, 5, 1));  // 4 < 4 fails
  EXPECT_FALSE(NearMatchAccepted(1, 5, 1));  // 1 < 1 fails
  EXPECT_TRUE(NearMatchAccepted(10, 5, 7));  // t < l + 6
  EXPECT_FALSE(NearMatchAccepted(11, 5, 8));
}

TEST(MarkNearMiss, WrongLetterRedCaretBeforeIt) {
  const TNearMissMarking m = MarkNearMiss("hause", "house", "huse");
  EXPECT_EQ(m.Red, (std::vector<bool>{false, true, false, false, false}));
  EXPECT_EQ(m.Caret, 1);
}

TEST(MarkNearMiss, MissingAccentCaretAfterTheLetter) {
  const TNearMissMarking m = MarkNearMiss("cafe", "café", "caf");
  EXPECT_EQ(m.Red, (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(m.Caret, 4);
  EXPECT_EQ(NextAccent('e', kTypingFieldAccentGroups), 'é');
}

TEST(MarkNearMiss, AnswerLongerThanSolution) {
  const TNearMissMarking m = MarkNearMiss("houses", "house", "house");
  EXPECT_EQ(m.Red, (std::vector<bool>{false, false, false, false, false, true}));
  EXPECT_EQ(m.Caret, 5);
}

TEST(EvaluateAnswer, RightAtSecondEnterCountsTwo) {
  int attempts = 0;
  const std::vector<std::string> lsg{"house"};
  EXPECT_EQ(EvaluateAnswer("hause", lsg, attempts).Result, TAnswerResult::NearMiss);
  const TEvaluation ev = EvaluateAnswer("house", lsg, attempts);
  EXPECT_EQ(ev.Result, TAnswerResult::Right);
  EXPECT_EQ(attempts, 2);
}

TEST(EvaluateAnswer, EmptyAnswerGivesUpAtOnce) {
  int attempts = 0;
  EXPECT_EQ(EvaluateAnswer("", {"house"}, attempts).Result, TAnswerResult::GaveUp);
  EXPECT_EQ(attempts, 5);
}

TEST(EvaluateAnswer, CaseCountsSoHouseIsANearMiss) {
  int attempts = 0;
  const TEvaluation ev = EvaluateAnswer("House", {"house"}, attempts);
  EXPECT_EQ(ev.Result, TAnswerResult::NearMiss);
  EXPECT_TRUE(ev.Marking.Red[0]);
  EXPECT_EQ(ev.Marking.Caret, 0);
}

TEST(EvaluateAnswer, EverySolutionIsRight) {
  for (const char* answer : {"colour", "color"}) {
    int attempts = 0;
    EXPECT_EQ(EvaluateAnswer(answer, SplitGapSolutions("colour; color"), attempts).Result, TAnswerResult::Right);
  }
}

TEST(EvaluateAnswer, LongestAcceptedMatchWinsFirstOnTies) {
  int attempts = 0;
  const TEvaluation ev = EvaluateAnswer("colr", {"colt", "color", "cooler"}, attempts);
  EXPECT_EQ(ev.Result, TAnswerResult::NearMiss);
  EXPECT_EQ(ev.Solution, 1);  // "col" for "colt"; "colr" for "color" and "cooler", first wins
  EXPECT_EQ(ev.Match, "colr");
}

TEST(EvaluateAnswer, FarAnswerIsWipedAndFifthFailureGivesUp) {
  int attempts = 0;
  const std::vector<std::string> lsg{"house"};
  const TAnswerResult expected[] = {TAnswerResult::Wiped,    TAnswerResult::NearMiss, TAnswerResult::Wiped,
                                    TAnswerResult::NearMiss, TAnswerResult::GaveUp,   TAnswerResult::Emptied};
  const char* answers[] = {"xyz", "hause", "qq", "huose", "hause", "hause"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(EvaluateAnswer(answers[i], lsg, attempts).Result, expected[i]) << i;
    EXPECT_EQ(attempts, i + 1);
  }
}

TEST(EvaluateAnswer, NoSolutionsNeverCrash) {
  int attempts = 0;
  EXPECT_EQ(EvaluateAnswer("x", {}, attempts).Result, TAnswerResult::Wiped);
  EXPECT_EQ(EvaluateAnswer("x", {""}, attempts).Result, TAnswerResult::Wiped);
}

// Random numbers from a list; 0 when the list is used up.
TRandomFn Scripted(std::deque<int> values) {
  return [values](int) mutable {
    if (values.empty()) return 0;
    const int v = values.front();
    values.pop_front();
    return v;
  };
}

struct TMaskCase {
  const char* Word;
  const char* Mask;
};

void PrintTo(const TMaskCase& c, std::ostream* os) { *os << c.Word; }

class HelpMaskTest : public testing::TestWithParam<TMaskCase> {};

TEST_P(HelpMaskTest, KeepsFirstLastAndPunctuation) {
  EXPECT_EQ(HelpMask(GetParam().Word, Scripted({})), GetParam().Mask);
}

INSTANTIATE_TEST_SUITE_P(Table, HelpMaskTest,
                         testing::Values(TMaskCase{"", ""}, TMaskCase{"a", "_"}, TMaskCase{"at", "__"},
                                         TMaskCase{"bed", "b__"}, TMaskCase{"bread", "b___d"},
                                         TMaskCase{"don't", "d__'t"}, TMaskCase{"ice cream", "i__ ____m"},
                                         TMaskCase{"Yes, sir!", "Y__, ___!"}));

TEST(HelpMask, FromTheFifthCharacterOneInFiveStaysVisible) {
  // Draws happen only for positions 5.. of "elephant" (h, a, n): 3 keeps.
  EXPECT_EQ(HelpMask("elephant", Scripted({3, 0, 3})), "e___h_nt");
  int draws = 0;
  HelpMask("elephant", [&draws](int n) {
    EXPECT_EQ(n, 5);
    ++draws;
    return 0;
  });
  EXPECT_EQ(draws, 3);
}

TEST(AccentGroups, CycleThroughTheGroup) {
  std::string seen;
  char c = 'e';
  for (int i = 0; i < 5; ++i) seen += c = NextAccent(c, kTypingFieldAccentGroups);
  EXPECT_EQ(seen, "éèêëe");
  EXPECT_EQ(NextAccent('Æ', kTypingFieldAccentGroups), 'A');
  EXPECT_EQ(NextAccent('¡', kTypingFieldAccentGroups), '?');
  EXPECT_EQ(NextAccent('œ', kTypingFieldAccentGroups), 'o');
  EXPECT_EQ(NextAccent('x', kTypingFieldAccentGroups), 'x');
}

TEST(AccentGroups, SharpSOnlyInTheTypingField) {
  EXPECT_EQ(NextAccent('s', kTypingFieldAccentGroups), 'ß');
  EXPECT_EQ(NextAccent('ß', kTypingFieldAccentGroups), 's');
  EXPECT_EQ(NextAccent('s', kInputLineAccentGroups), 's');
  EXPECT_EQ(AccentGroup('s', kInputLineAccentGroups), -1);
  EXPECT_EQ(AccentGroup('é', kInputLineAccentGroups), 2);
}

TEST(TypedText, ControlsDroppedMissingCharactersBecomeQuestionMarks) {
  EXPECT_FALSE(IsTypedCharAccepted('\x1f'));
  EXPECT_FALSE(IsTypedCharAccepted('\x7f'));
  EXPECT_TRUE(IsTypedCharAccepted(' '));
  EXPECT_TRUE(IsTypedCharAccepted('é'));
  EXPECT_EQ(FilterTypedText(u"a\u0007b\u007f"_qs), "ab");
  EXPECT_EQ(FilterTypedText(u"\u20ac\u0416"_qs), "\x80?");                     // euro sign exists, Cyrillic does not
  EXPECT_EQ(FilterTypedText(QString::fromUtf8("x\xF0\x9F\x98\x80y")), "x?y");  // one "?" per emoji
}

TEST(PastedText, LineBreaksAndTabsBecomeOneBlank) {
  EXPECT_EQ(FilterPastedText(u"one\r\ntwo\nthree\tfour\u0001"_qs), "one two three four");
  EXPECT_EQ(FilterPastedText(u"Stra\u00dfe \u2603"_qs), "Straße ?");
}

TEST(Solutions, GapSplitsAtSemicolonBlankEditTrims) {
  EXPECT_EQ(SplitGapSolutions("colour; color"), (std::vector<std::string>{"colour", "color"}));
  EXPECT_EQ(SplitGapSolutions("a;b"), (std::vector<std::string>{"a;b"}));
  EXPECT_EQ(SplitEditSolutions(" colour ;color; "), (std::vector<std::string>{"colour", "color", ""}));
  EXPECT_TRUE(SplitGapSolutions("").empty());
  EXPECT_TRUE(SplitEditSolutions("").empty());
}

TEST(PageRules, ReactionWithExtensionIsAPage) {
  EXPECT_TRUE(ReactionIsPage("next.htx"));
  EXPECT_TRUE(ReactionIsPage("hvyr\\lesson.2\\next.htx"));
  EXPECT_FALSE(ReactionIsPage("vokabel"));
  EXPECT_FALSE(ReactionIsPage("hvyr.2\\vokabel"));  // the dot is in a folder name
  EXPECT_EQ(ReactionCommand("vokabel", true, 2), "vokabel#2+");
  EXPECT_EQ(ReactionCommand("vokabel", false, 5), "vokabel-");
}

TEST(PageRules, FieldPointSizeOverAWord) {
  const std::pair<int, int> table[] = {{3, 0},
                                       {7, 0},
                                       {16, 9},
                                       {17, 9},
                                       {18, 10},
                                       {19, 10},
                                       {20, 13},
                                       {23, 13},
                                       {24, 15},
                                       {29, 15},
                                       {30, 17},
                                       {31, 17},
                                       {32, 19},
                                       {36, 19},
                                       {40, 23},
                                       {48, 29},
                                       {8, kMinFieldPointSize},
                                       {15, kMinFieldPointSize}};
  for (const auto& [size, pt] : table) EXPECT_EQ(GapFieldPointSize(size), pt) << size;
}

TEST(PageRules, ReactionSizeShrinksByTwoAndStops) {
  // 10 pixels per point: fits 300 pixels at 30 points.
  EXPECT_EQ(ReactionSize([](int pt) { return pt * 10; }, 300).PointSize, 30);
  EXPECT_FALSE(ReactionSize([](int pt) { return pt * 10; }, 300).TooWide);
  EXPECT_EQ(ReactionSize([](int pt) { return pt * 10; }, 1000).PointSize, 48);
  const TReactionSize tiny = ReactionSize([](int) { return 5000; }, 100);
  EXPECT_EQ(tiny.PointSize, kMinReactionPointSize);
  EXPECT_TRUE(tiny.TooWide);
  EXPECT_TRUE(ReactionSize([](int) { return 1; }, -30).TooWide);  // a window narrower than the margin
}

}  // namespace
}  // namespace vyr
