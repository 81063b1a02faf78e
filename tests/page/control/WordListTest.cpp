// The entries the right-click look-up finds.
#include <gtest/gtest.h>

#include "page/control/WordList.h"

namespace vyr {
namespace {

TEST(WordListTest, EntriesFromDrawnWords) {
  TWordList list;
  list.Add("(Haus),", {0, 0, 40, 20}, false);
  list.Add("\"in", {50, 0, 60, 20}, false);  // a <W> group: one entry, a rectangle each
  list.Add("front", {65, 0, 90, 20}, true);
  list.Add("of.\"", {95, 0, 110, 20}, true);
  list.Add("don", {0, 30, 30, 50}, false);  // glued to the word before: no blank
  list.Add("'t!", {30, 30, 40, 50}, false);
  list.Add(" ", {40, 30, 44, 50}, false);      // a blank is no entry
  list.Add("[...]", {50, 30, 70, 50}, false);  // nothing left of it: no entry
  EXPECT_EQ(list.Texts(), (std::vector<std::string>{"Haus", "in front of", "don't"}));
  const std::pair<TPageRect, const char*> lookups[] = {
      {{20, 10}, "Haus"}, {{100, 5}, "in front of"}, {{35, 40}, "don't"}, {{42, 40}, nullptr}, {{200, 5}, nullptr}};
  for (const auto& [at, text] : lookups) {
    const std::string* found = list.Find(at.Left, at.Top);
    if (!text) {
      EXPECT_EQ(found, nullptr);
      continue;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(*found, text);
  }
  list.Find(100, 5);
  EXPECT_EQ(list.LastHit, (TPageRect{95, 0, 110, 20}));  // the rectangle hit, not the entry's first
}

}  // namespace
}  // namespace vyr
