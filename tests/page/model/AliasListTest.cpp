#include <gtest/gtest.h>

#include "page/model/AliasList.h"
#include "page/model/ConditionList.h"

namespace vyr {
namespace {

TEST(AliasList, StoresNamesUpperCasedAndFindsThemIgnoringCase) {
  TXAliasList list;
  list.Set("Lang", "de");
  list.Set("grün", "x");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list.items()[0].name, "LANG");
  EXPECT_EQ(list.items()[1].name, "GRÜN");
  EXPECT_EQ(list.Get("lAnG"), "de");
  EXPECT_EQ(list.Get("GRüN"), "x");
  EXPECT_EQ(list.Find("other"), nullptr);
  EXPECT_EQ(list.Get("other"), "");
}

TEST(AliasList, ReplacesExceptThatAStarMarksTheStoredValue) {
  TXAliasList list;
  list.Set("a", "eins");
  list.Set("A", "zwei");
  EXPECT_EQ(list.Get("a"), "zwei");
  list.Set("a", "*");
  EXPECT_EQ(list.Get("a"), "*zwei");
  list.Set("a", "*");
  EXPECT_EQ(list.Get("a"), "**zwei");
  list.Set("neu", "*");  // a new name simply holds "*"
  EXPECT_EQ(list.Get("neu"), "*");
  list.Set("a", "");
  ASSERT_NE(list.Find("a"), nullptr);  // defined, but empty
  EXPECT_EQ(*list.Find("a"), "");
  EXPECT_EQ(list.size(), 2u);
}

TEST(AliasList, RemoveKeepsTheOrderAndTheIndex) {
  TXAliasList list;
  for (const char* n : {"a", "b", "c", "d"}) list.Set(n, n);
  EXPECT_TRUE(list.Remove("B"));
  EXPECT_FALSE(list.Remove("b"));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.items()[1].name, "C");
  EXPECT_EQ(list.Get("d"), "d");
  list.Set("c", "neu");
  EXPECT_EQ(list.items()[1].text, "neu");
  list.Clear();
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(list.Has("a"));
}

TEST(ConditionList, AddsOnceAndRemovesIgnoringCase) {
  TConditionList c;
  c.Set("next", true);
  c.Set("NEXT", true);
  EXPECT_EQ(c.size(), 1u);
  EXPECT_TRUE(c.Has("Next"));
  c.Set("nExT", false);
  EXPECT_FALSE(c.Has("next"));
}

}  // namespace
}  // namespace vyr
