// User files as the login meets them: readable, old, broken or hostile.
#include <QColor>
#include <QImage>

#include "tests/shell/users/UserFixture.h"
#include "text/Cp1252.h"

namespace vyr::test {
namespace {

std::string Zeros(size_t n) { return std::string(n, '\0'); }

struct FileCase {
  const char* what;
  std::string bytes;
  const char* typed;
  bool loggedIn;
  size_t records;
  int64_t seconds;
};

TEST_F(UserTest, LoginReadsWhatAUserFileHolds) {
  using namespace std::string_literals;
  const std::string good = "Anna:\0!01:00:00\0>3house\0KK\0ee\0<1Haus\0A\0m\0"s;
  const std::vector<FileCase> cases = {
      {"empty password", Z(good), "", true, 2, 3600},
      {"clear password of an older file", Z("Anna:geheim\0>3house\0K\0e\0"s), "geheim", true, 1, 0},
      {"only name:password, no NUL", Z("Anna:pw"), "pw", true, 0, 0},
      {"0 bytes: a new user", "", "", true, 0, 0},
      {"25 hours", Z("Anna:\0!25:01:00\0"s), "", true, 0, 90060},
      {"a foreign time format", Z("Anna:\0!1 Tag\0>3house\0K\0e\0"s), "", true, 1, 0},
      {"a last record missing strings", Z("Anna:\0>3house\0KK\0ee\0>3tree\0K"s), "", true, 2, 0},
      {"garbage", "not a zlib stream at all", "", false, 0, 0},
      {"truncated", Z(good).substr(0, 12), "", false, 0, 0},
      {"another name", Z("Bob:\0"s), "", false, 0, 0},
      {"no colon", Z("Anna\0>3house\0K\0e\0"s), "", false, 0, 0},
      {"inflates to nothing", Z(""), "", false, 0, 0},
      {"zip bomb", Z(Zeros(size_t(80) << 20)), "", false, 0, 0},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.what);
    putFile("Anna", c.bytes);
    messages.clear();
    EXPECT_EQ(users->Login("Anna", c.typed), c.loggedIn);
    EXPECT_EQ(users->IsLoggedIn(), c.loggedIn);
    EXPECT_EQ(Env().userName, c.loggedIn ? "Anna" : "");
    if (c.loggedIn) {
      EXPECT_EQ(users->Records().Size(), c.records);
      EXPECT_EQ(users->LearningSeconds(), c.seconds);
      EXPECT_TRUE(users->SaveAndLogout());
      const auto again = ParseUserFile(disk("Anna"));
      ASSERT_TRUE(again);
      EXPECT_EQ(again->records.Size(), c.records);
      EXPECT_EQ(again->seconds, c.seconds);
      EXPECT_NE(PasswordKind(again->password), TPasswordKind::Plain);  // rewritten hashed
    } else {
      EXPECT_EQ(shown(), std::vector<std::string>{"Persönliche Daten für Anna konnten nicht geöffnet werden!"});
      EXPECT_EQ(disk("Anna"), c.bytes);  // never overwritten
    }
  }
}

TEST_F(UserTest, PasswordsAreAskedForAgainAndStoredHashed) {
  ASSERT_TRUE(users->Login("Anna", "geheim"));
  ASSERT_TRUE(users->SaveAndLogout());
  const auto stored = ParseUserFile(disk("Anna"));
  ASSERT_TRUE(stored);
  EXPECT_EQ(PasswordKind(stored->password), TPasswordKind::Hashed);
  EXPECT_EQ(disk("Anna").find("geheim"), std::string::npos);

  promptAnswers = {"falsch", "geheim"};
  EXPECT_TRUE(users->Login("Anna", ""));
  EXPECT_EQ(passwordPrompts, 2);
  ASSERT_TRUE(users->SaveAndLogout());

  // Three wrong answers: nobody is logged in, the file stays as it was.
  const std::string before = disk("Anna");
  passwordPrompts = 0;
  promptAnswers = {"a", "b", "c", "geheim"};
  EXPECT_FALSE(users->Login("Anna", "x"));
  EXPECT_EQ(passwordPrompts, 3);
  EXPECT_EQ(disk("Anna"), before);

  // The name compares exactly: "anna" is asked for a password, never gets
  // in, and no second folder appears.
  passwordPrompts = 0;
  promptAnswers = {"geheim", "geheim", "geheim"};
  EXPECT_FALSE(users->Login("anna", "geheim"));
  EXPECT_EQ(passwordPrompts, 3);
  users->RebuildUserNames();
  EXPECT_EQ(users->UserNames(), std::vector<std::string>{"Anna"});
}

TEST_F(UserTest, EmptyPasswordLogsInWithoutPrompt) {
  putFile("Anna", Z(std::string("Anna:\0", 6)));
  EXPECT_TRUE(users->Login("Anna", ""));
  EXPECT_EQ(passwordPrompts, 0);
}

TEST_F(UserTest, SaveRoundTripWritesFileAndLogLine) {
  ASSERT_TRUE(users->Login("Anna", ""));
  users->RecordVocAnswer("house", false, 'e', 10, 3);
  users->RecordVocAnswer("house", false, 'e', 10, 3);
  users->RecordVocAnswer("Haus", true, 'm', -5, 1);
  users->RecordVocAnswer("tree", false, 'f', 0, 3);
  users->RecordVocAnswer("", false, 'e', 10, 3);  // an empty word counts nowhere
  ms = 600 * 1000;
  ASSERT_TRUE(users->SaveAndLogout());
  EXPECT_FALSE(users->IsLoggedIn());
  EXPECT_EQ(Env().userName, "");

  ASSERT_TRUE(users->Login("Anna", ""));
  EXPECT_EQ(users->Records().Size(), 3u);
  EXPECT_EQ(users->GetVocScore("HOUSE", false, 3), 20);
  EXPECT_EQ(users->GetVocScore("Haus", true, 1), -5);
  EXPECT_EQ(users->GetVocScore("house", true, 3), 0);  // the German-first key is another entry
  // Foreign-first records go to the front, German-first ones to the end.
  EXPECT_EQ(users->Records().Records().front().Key, ">3tree");
  EXPECT_EQ(users->Records().Records().back().Key, "<1Haus");
  ms += 60 * 1000;
  EXPECT_EQ(users->LearningSeconds(), 660);
  ASSERT_TRUE(users->SaveAndLogout());

  const std::string log = ReadWholeFile(userDir() + "Anna\\Anna_E_LOG.txt").value_or("");
  const std::string first =
      "24.12.2026 14:05:09 00:10:00 Eintippen:\t2\tMult. Ch.:\t1\tLas Vegas:\t0\tFree Fall:\t1\t"
      "Performance Insgesamt: abs: 5% rel: ";
  EXPECT_EQ(log.substr(0, first.size()), first);
  EXPECT_NE(log.find(" 3 verschiedene Vokabeln\r\n24.12.2026 14:05:09 00:01:00 Eintippen:\t0\t"), std::string::npos)
      << log;
  EXPECT_TRUE(log.ends_with("3 verschiedene Vokabeln\r\n"));
}

TEST_F(UserTest, SessionAcrossMidnightCountsItsRealLength) {
  now = QDateTime(QDate(2026, 12, 31), QTime(23, 50, 0));
  ms = 5'000'000;
  ASSERT_TRUE(users->Login("Anna", ""));
  now = QDateTime(QDate(2027, 1, 1), QTime(0, 10, 0));
  ms += 20 * 60 * 1000;
  EXPECT_EQ(users->LearningSeconds(), 1200);
  ASSERT_TRUE(users->SaveAndLogout());
  EXPECT_EQ(ParseUserFile(disk("Anna"))->seconds, 1200);
  const std::string log = ReadWholeFile(userDir() + "Anna\\Anna_E_LOG.txt").value_or("");
  EXPECT_TRUE(log.starts_with("31.12.2026 23:50:00 00:20:00 ")) << log;
}

TEST_F(UserTest, ScoresOfTheExampleAndClampedChanges) {
  ASSERT_TRUE(users->Login("Anna", ""));
  users->RecordVocAnswer("house", false, 'm', 0, 3);
  users->RecordVocAnswer("house", false, 'e', 10, 3);
  users->RecordVocAnswer("house", false, 'e', 10, 3);
  EXPECT_EQ(users->GetVocScore("house", false, 3), 20);
  users->ComputeStatistics();
  EXPECT_EQ(users->Statistics().averageRelative, 38);
  EXPECT_EQ(users->Statistics().averageAbsolute, 20);

  // Changes beyond the storable range: a NUL (-65), bytes the reader trims
  // (below -32) and wrapping ones (above 190).
  for (int delta : {-65, -1000, -33, 500, 191})
    users->RecordVocAnswer("tree" + std::to_string(delta), false, 'e', delta, 3);
  for (int i = 0; i < 20; ++i) users->RecordVocAnswer("often", true, 'v', 1, 2);
  ASSERT_TRUE(users->SaveAndLogout());
  ASSERT_TRUE(users->Login("Anna", ""));
  EXPECT_EQ(users->Records().Size(), 7u);
  EXPECT_EQ(users->GetVocScore("tree-65", false, 3), -32);
  EXPECT_EQ(users->GetVocScore("tree-1000", false, 3), -32);
  EXPECT_EQ(users->GetVocScore("tree500", false, 3), 100);
  const TXUserVoc* often = users->Records().Find("<2often");
  ASSERT_NE(often, nullptr);
  EXPECT_EQ(often->ScoreHistory, "BBBBB");
  EXPECT_EQ(often->ModeHistory, "vvvvv");
  for (const TXUserVoc& r : users->Records().Records())
    for (char c : r.ScoreHistory) EXPECT_GE(static_cast<unsigned char>(c), 33);
}

// The index behind the look-ups: the first of two keys that differ only in
// case is the one found and changed, and a copy finds its own records.
TEST(UserRecordsTest, LookUpsFindTheFirstOfEqualKeysAndCopiesTheirOwn) {
  TUserRecords records;
  records.Append({">3House", "K", "e"});
  records.Append({">3HOUSE", "A", "m"});
  records.Append({"", "K", "e"});  // no key: not kept
  ASSERT_EQ(records.Size(), 2u);
  ASSERT_NE(records.Find(">3house"), nullptr);
  EXPECT_EQ(records.Find(">3house")->Key, ">3House");

  TUserRecords copy = records;
  copy.Record("house", false, 'm', 5, 3);
  records.Record("new", false, 'e', 1, 3);  // to the front, the others stay found
  EXPECT_EQ(copy.Find(">3HOUSE")->ScoreHistory, "FK");
  EXPECT_EQ(records.Find(">3HOUSE")->ScoreHistory, "K");
  EXPECT_EQ(records.Records().front().Key, ">3new");
  EXPECT_EQ(copy.Size(), 2u);

  TUserRecords moved = std::move(copy);
  EXPECT_EQ(moved.Find(">3house")->ScoreHistory, "FK");
  EXPECT_EQ(copy.Find(">3house"), nullptr);
}

TEST_F(UserTest, WordsWithControlBytesKeepTheFileReadable) {
  ASSERT_TRUE(users->Login("Anna", ""));
  users->RecordVocAnswer(std::string("ho\0use", 6), false, 'e', 10, 3);
  users->RecordVocAnswer("\t\r\n", false, 'e', 10, 3);  // nothing but control bytes: no word
  ASSERT_TRUE(users->SaveAndLogout());
  ASSERT_TRUE(users->Login("Anna", ""));
  ASSERT_EQ(users->Records().Size(), 1u);
  EXPECT_EQ(users->Records().Records().front().Key, ">3ho use");
  EXPECT_EQ(users->GetVocScore(std::string("ho\0use", 6), false, 3), 10);
}

TEST_F(UserTest, StatisticsWithoutAnswersAreZero) {
  ASSERT_TRUE(users->Login("Anna", ""));
  users->ComputeStatistics();
  EXPECT_EQ(users->Statistics().records, 0);
  EXPECT_EQ(users->Statistics().shareTyping, 0);
  QImage chart(42, 10, QImage::Format_RGB32);
  chart.fill(Qt::blue);
  users->PaintChart(chart, TChartKind::Absolute);
  EXPECT_EQ(chart.pixelColor(0, 9), QColor(255, 0, 0));
  EXPECT_EQ(chart.pixelColor(41, 9), QColor(51, 51, 51));

  // Histories emptied by the editor's reset: shares stay 0, no division by zero.
  users->RecordVocAnswer("house", false, 'e', 10, 3);
  EXPECT_EQ(users->ForgetAnswers("house", false, 5, 3), 0);
  users->ComputeStatistics();
  EXPECT_EQ(users->Statistics().records, 1);
  EXPECT_EQ(users->Statistics().shareTyping, 0);
}

TEST_F(UserTest, ChartColumnsRiseWithTheirShare) {
  ASSERT_TRUE(users->Login("Anna", ""));
  users->RecordVocAnswer("a", false, 'e', 100, 3);  // bin 20
  users->RecordVocAnswer("b", false, 'e', 100, 3);
  users->RecordVocAnswer("c", true, 'e', -32, 3);  // bin 7
  users->RecordVocAnswer("d", true, 'e', 0, 3);    // bin 10
  users->ComputeStatistics();
  // 21 columns of 10 pixels; a column's height is its share of 30 pixels.
  QImage chart(210, 30, QImage::Format_RGB32);
  users->PaintChart(chart, TChartKind::Absolute);
  EXPECT_EQ(chart.pixelColor(205, 16), QColor(Qt::white));  // 2 of 4: 15 pixels
  EXPECT_EQ(chart.pixelColor(205, 13), QColor(51, 51, 51));
  EXPECT_EQ(chart.pixelColor(75, 23), QColor(Qt::white));  // 1 of 4: 8 pixels
  EXPECT_EQ(chart.pixelColor(75, 20), QColor(255, 0, 0));
  users->PaintChart(chart, TChartKind::Foreign);  // only "a" and "b"
  EXPECT_EQ(chart.pixelColor(75, 23), QColor(255, 0, 0));
  EXPECT_EQ(chart.pixelColor(205, 16), QColor(Qt::white));
}

}  // namespace
}  // namespace vyr::test
