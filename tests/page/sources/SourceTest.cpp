#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "page/sources/PageSource.h"
#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "tests/common/TempDir.h"
#include "text/Cp1252.h"
#include "text/ZStream.h"

namespace vyr {
namespace {

class SourceTest : public ::testing::Test {
 protected:
  test::TTempDir dir;
  TMessageRecorder messages;
};

TEST_F(SourceTest, CompressedKindsAreInflatedOthersReadAsTheyAre) {
  const std::string markup = "<b>Hallo</b> Grüße";
  struct Kind {
    const char* name;
    bool compressed;
  };
  for (const Kind k : {Kind{"a.htx", true}, Kind{"a.hvyr", true}, Kind{"a.xtml", true}, Kind{"a.xtm", true},
                       Kind{"a.html", false}, Kind{"a.txt", false}, Kind{"x.HTX", false}, Kind{"a.Hvyr", false}}) {
    const std::string path = dir.file(k.name, k.compressed ? Deflate(markup) : markup);
    const TPageSource s = ReadPageSource(path);
    ASSERT_EQ(s.status, TSourceStatus::Ok) << k.name;
    EXPECT_EQ(s.text, markup + "\r" + std::string(1, '\0')) << k.name;
  }
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SourceTest, UpperCaseHtxHoldingZlibIsPlainText) {
  const std::string packed = Deflate("<b>x</b>");
  const TPageSource s = ReadPageSource(dir.file("x.HTX", packed));
  ASSERT_EQ(s.status, TSourceStatus::Ok);
  EXPECT_EQ(s.text.substr(0, packed.size()), packed);
}

TEST_F(SourceTest, ClosingCarriageReturnIsAddedOnlyWhenMissing) {
  struct Case {
    std::string content, expected;
  };
  const std::string nul(1, '\0');
  for (const Case& c :
       {Case{"", "\r" + nul}, Case{"a\r", "a\r" + nul}, Case{"a\r\n", "a\r\n\r" + nul}, Case{"a\n", "a\n\r" + nul}}) {
    const TPageSource s = ReadPageSource(dir.file("p.html", c.content));
    EXPECT_EQ(s.text, c.expected);
  }
}

TEST_F(SourceTest, NamesAreFoundIgnoringCaseWithUmlauts) {
  // On disk the name is UTF-8 "Wörterbuch.htx"; the page asks in Windows-1252, other case.
  QFile f(dir.native() + u"/Wörterbuch.htx"_qs);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  const std::string packed = Deflate("Wörter");
  f.write(packed.data(), static_cast<qint64>(packed.size()));
  f.close();
  ForgetDirectoryCache();
  const TPageSource s = ReadPageSource(dir.path() + "WÖRTERBUCH.htx");
  ASSERT_EQ(s.status, TSourceStatus::Ok);
  EXPECT_EQ(s.text.substr(0, 6), "Wörter");
}

TEST_F(SourceTest, BrokenCompressedDataIsReportedOnce) {
  const std::string packed = Deflate(std::string(20000, 'x') + "Ende");
  std::string flipped = packed;
  flipped[flipped.size() / 2] ^= 0x55;
  for (const std::string& bad :
       {packed.substr(0, packed.size() / 2), flipped, std::string("kein zlib"), std::string()}) {
    messages.clear();
    const std::string path = dir.file("kaputt.htx", bad);
    EXPECT_EQ(ReadPageSource(path).status, TSourceStatus::Corrupt);
    EXPECT_FALSE(LoadPageSource(path).has_value());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_NE(messages.texts()[0].find("beschädigt"), std::string::npos);
    EXPECT_NE(messages.texts()[0].find("kaputt.htx"), std::string::npos);
  }
}

TEST_F(SourceTest, MissingFilesAndDirectoriesAreFileErrors) {
  dir.dir("ordner.htx");
  for (const std::string& path : {dir.path() + "fehlt.htx", dir.path() + "ordner.htx"}) {
    messages.clear();
    const TPageSource s = ReadPageSource(path);
    EXPECT_EQ(s.status, TSourceStatus::FileError) << path;
    EXPECT_FALSE(s.error.empty());
    EXPECT_FALSE(LoadPageSource(path).has_value());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_NE(messages.texts()[0].find(s.error), std::string::npos);
  }
}

TEST_F(SourceTest, PagesInflatingBeyondTheLimitAreRefused) {
  // A few kilobytes that would grow past the page limit.
  const std::string bomb = Deflate(std::string(kMaxPageTextSize + 1, 'a'));
  ASSERT_LT(bomb.size(), size_t(1) << 20);
  EXPECT_EQ(ReadPageSource(dir.file("gross.htx", bomb)).status, TSourceStatus::Corrupt);
}

}  // namespace
}  // namespace vyr
