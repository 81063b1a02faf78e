#include <gtest/gtest.h>

#include <set>

#include "page/sources/ExerciseContainer.h"

namespace vyr {
namespace {

TEST(ContainerParseTest, SplitsHeaderTasksAndFooter) {
  const TContainerResult r =
      ParseExerciseContainer("VYR!02<h1>Kopf</h1>\r\n<EX> eins \r\n<ex>zwei<EX>\tdrei\r\n</EX>\r\n<p>Fuß");
  ASSERT_EQ(r.status, TContainerStatus::Ok);
  EXPECT_EQ(r.container.count, 2);
  EXPECT_EQ(r.container.header, "<h1>Kopf</h1>");
  EXPECT_EQ(r.container.tasks, (std::vector<std::string>{"eins", "zwei", "drei"}));
  EXPECT_EQ(r.container.footer, "\r\n<p>Fuß");
}

TEST(ContainerParseTest, LastTaskWithoutEndTagReachesTheEnd) {
  const TContainerResult r = ParseExerciseContainer("VYR! 1<EX>a<EX>b\r\n");
  ASSERT_EQ(r.status, TContainerStatus::Ok);
  EXPECT_EQ(r.container.count, 1);
  EXPECT_EQ(r.container.tasks, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(r.container.footer, "");
}

TEST(ContainerParseTest, BrokenHeadersAreRefused) {
  struct Case {
    const char* text;
    TContainerStatus status;
    const char* message;
  };
  for (const Case& c : {
           Case{"", TContainerStatus::BadMark, "Falsches Format (ID)"},
           Case{"VYR", TContainerStatus::BadMark, "Falsches Format (ID)"},
           Case{"vyr!02<EX>a", TContainerStatus::BadMark, "Falsches Format (ID)"},
           Case{"VYR!", TContainerStatus::BadCount, "Falsches Format (Anzahl)"},
           Case{"VYR!2<EX>a<EX>b", TContainerStatus::BadCount, "Falsches Format (Anzahl)"},
           Case{"VYR!-1<EX>a", TContainerStatus::BadCount, "Falsches Format (Anzahl)"},
           Case{"VYR!00<EX>a", TContainerStatus::BadCount, "Falsches Format (Anzahl)"},
           Case{"VYR!01<h1>nur Kopf</h1>", TContainerStatus::NoTasks, "Keine Aufgaben vorhanden!"},
           Case{"VYR!05<EX>a<EX>b</EX>", TContainerStatus::CountTooLarge,
                "soll 5 Aufgaben stellen, enthält aber nur 2"},
       }) {
    const TContainerResult r = ParseExerciseContainer(c.text);
    EXPECT_EQ(r.status, c.status) << c.text;
    EXPECT_NE(ContainerMessage(r, "C:\\k\\t.vyr").find(c.message), std::string::npos) << c.text;
  }
}

// A generator that plays back fixed answers.
TTaskPicker::Random Script(std::vector<int> answers) {
  auto next = std::make_shared<size_t>(0);
  return [answers, next](int range) {
    const int a = answers[(*next)++ % answers.size()];
    EXPECT_LT(a, range);
    return a;
  };
}

TEST(TaskPickerTest, RandomPicksSkipRecentTasks) {
  TTaskPicker picker(Script({0, 0, 0}));
  EXPECT_EQ(picker.Pick(3), 0);
  EXPECT_EQ(picker.Pick(3), 1);  // 0 is recent: the free tasks are 1, 2
  EXPECT_EQ(picker.Pick(3), 2);
  EXPECT_EQ(picker.recent(), (std::deque<int>{0, 1, 2}));
}

TEST(TaskPickerTest, AGivenValidIndexIsTakenAsItIs) {
  TTaskPicker picker(Script({0}));
  EXPECT_EQ(picker.Pick(3, 2), 2);
  EXPECT_EQ(picker.Pick(3, 2), 2);
  EXPECT_EQ(picker.Pick(3, 7), 0);  // out of range: random among the others
  EXPECT_EQ(picker.Pick(0, 0), -1);
}

TEST(TaskPickerTest, LongRoundOnSmallContainerEndsAndNeverRepeatsAtOnce) {
  // Five tasks asked from three: every task was recent after the third.
  TTaskPicker picker;  // the program's generator
  int last = -1;
  std::multiset<int> asked;
  for (int i = 0; i < 50; ++i) {
    const int t = picker.Pick(3);
    ASSERT_GE(t, 0);
    ASSERT_LT(t, 3);
    EXPECT_NE(t, last);
    asked.insert(t);
    last = t;
  }
  for (int t = 0; t < 3; ++t) EXPECT_GT(asked.count(t), 5u);
  EXPECT_EQ(TTaskPicker(Script({0})).Pick(1), 0);
}

TEST(TaskPickerTest, RecentListKeepsTheLatestTwenty) {
  TTaskPicker picker(Script({0}));
  for (int i = 0; i < 30; ++i) picker.Pick(100, i);
  ASSERT_EQ(picker.recent().size(), TTaskPicker::kRecentMax);
  EXPECT_EQ(picker.recent().front(), 10);
  EXPECT_EQ(picker.Pick(100), 0);  // 0..9 have left the list again
  picker.ClearRecent();
  EXPECT_TRUE(picker.recent().empty());
}

TEST(TaskPickerTest, AMisbehavingGeneratorStaysInRange) {
  TTaskPicker picker([](int) { return 1000; });
  const int t = picker.Pick(4);
  EXPECT_GE(t, 0);
  EXPECT_LT(t, 4);
}

}  // namespace
}  // namespace vyr
