#include <gtest/gtest.h>

#include "page/sources/ZipResource.h"
#include "platform/core/MessageRecorder.h"
#include "text/ZStream.h"

namespace vyr {
namespace {

std::vector<std::string> AllLines(TZIPResource& r) {
  std::vector<std::string> lines;
  for (int guard = 0; !r.AtEnd() && guard < 100000; ++guard) lines.push_back(r.ReadLine());
  return lines;
}

TEST(ZipResourceTest, LinesEndAtAnyControlByteAndCrLfCountsOnce) {
  TMessageRecorder messages;
  struct Case {
    std::string data;
    std::vector<std::string> lines;
  };
  const std::string nul(1, '\0');
  for (const Case& c : {
           Case{"a\r\nb\nc", {"a", "b", "c"}}, Case{"a\r\nb\nc\r\n", {"a", "b", "c"}},
           Case{"a" + nul + nul + "ä\tb" + nul, {"a", "", "ä", "b"}}, Case{"a\r\rb", {"a", "", "b"}},
           Case{"\xE4\xF6\xFC\xDF" + nul, {"\xE4\xF6\xFC\xDF"}},  // bytes above 127 are text
       }) {
    TZIPResource r(Deflate(c.data), "Test");
    EXPECT_EQ(AllLines(r), c.lines);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.ReadLine(), "");
  }
  EXPECT_TRUE(messages.shown().empty());
}

TEST(ZipResourceTest, BrokenDataGivesAnEmptyReaderAndOneMessage) {
  TMessageRecorder messages;
  const std::string packed = Deflate("eins\r\nzwei\r\n");
  TZIPResource r(packed.substr(0, packed.size() - 3), "Die Programmressource 7");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_TRUE(r.IsEmpty());
  EXPECT_EQ(r.ReadLine(), "");
  ASSERT_EQ(messages.texts(),
            std::vector<std::string>{"Die Programmressource 7 ist beschädigt und kann nicht gelesen werden."});
}

TEST(ZipResourceTest, CompiledInLanguageLabReadsTopicsAndSentences) {
  TMessageRecorder messages;
  TZIPResource r(kResSprachlabor);
  ASSERT_FALSE(r.IsEmpty());
  const std::vector<std::string> lines = AllLines(r);
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "****Das Allerwichtigste");
  EXPECT_EQ(lines[1], "Hello!");
  EXPECT_EQ(lines[2], "");  // empty long form
  EXPECT_EQ(lines[5], "0\\lab_0000.wav");
  // every topic header is followed by whole sentences of five lines
  size_t i = 0;
  int topics = 0;
  while (i < lines.size()) {
    ASSERT_EQ(lines[i].substr(0, 4), "****") << i;
    ++topics;
    ++i;
    while (i < lines.size() && lines[i].substr(0, 4) != "****") i += 5;
    ASSERT_LE(i, lines.size());
  }
  EXPECT_GE(topics, 2);
  bool umlaut = false;
  for (const auto& l : lines) umlaut = umlaut || l.find("möchte") != std::string::npos;
  EXPECT_TRUE(umlaut) << "resource text is Windows-1252";
  EXPECT_TRUE(messages.shown().empty());
}

TEST(ZipResourceTest, UnknownNumberGivesAnEmptyReader) {
  TMessageRecorder messages;
  EXPECT_EQ(ZipResourcePath(99), "");
  TZIPResource r(99);
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(r.ReadLine(), "");
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace vyr
