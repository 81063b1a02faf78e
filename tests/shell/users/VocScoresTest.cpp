#include "shell/users/VocScores.h"

#include "tests/shell/users/UserFixture.h"
#include "vocabulary/library/Bibliothek.h"

namespace vyr::test {

namespace {
TVokabel Entry(const char* word, bool deutsch, int wortart) {
  TVokabel v;
  v.Vokabel = word;
  v.Bedeutung[0] = "x";
  v.Deutsch = deutsch;
  v.Wortart = static_cast<uint8_t>(wortart);
  return v;
}
}  // namespace

// The library's scores come from the logged-in user's records: the key ignores
// case but not the direction or the word class; logging out clears them all.
TEST_F(UserTest, LibraryScoresComeFromTheLoggedInUser) {
  TBibliothek library;
  library.Clear(false);
  library.AddEntry(Entry("House", false, 3));
  library.AddEntry(Entry("house", true, 3));   // German-first: another record
  library.AddEntry(Entry("HOUSE", false, 1));  // another word class
  library.AddEntry(Entry("Haus", true, 3));
  library.AddEntry(Entry("tree", false, 3));  // never answered
  library.AddBlankEntry();

  ASSERT_TRUE(users->Login("Anna", ""));
  users->RecordVocAnswer("house", false, 'e', 10, 3);
  users->RecordVocAnswer("HOUSE", false, 'e', 10, 3);  // the same record
  users->RecordVocAnswer("haus", true, 'm', -30, 3);
  library.ComputeScores(VocScoresOf(*users));
  std::vector<int> scores;
  for (int i = 0; i < 5; ++i) scores.push_back(library.Entry(i).Wert);
  EXPECT_EQ(scores, (std::vector<int>{20, 0, 0, -30, 0}));
  EXPECT_EQ(library.HistogramAt(20), 1);
  EXPECT_EQ(library.HistogramAt(0), 3);
  EXPECT_EQ(library.Average(), -2);

  ASSERT_TRUE(users->SaveAndLogout());
  library.ComputeScores(VocScoresOf(*users));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(library.Entry(i).Wert, 0) << i;
  EXPECT_EQ(library.HistogramAt(20), 0);
}

}  // namespace vyr::test
