// Scanning: words, blanks, "<<", entities, insertions, the end of the text.
#include <memory>

#include "tests/page/reader/ReaderFixture.h"

namespace vyr::test {
namespace {

struct Case {
  const char* markup;
  const char* elements;
};

class Lexical : public ReaderTest, public ::testing::WithParamInterface<Case> {};

TEST_P(Lexical, ReadsAs) {
  Read(GetParam().markup);
  EXPECT_EQ(Elements(), GetParam().elements) << GetParam().markup;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Lexical,
    ::testing::Values(Case{"a<<b", "a|<b"},                              // "<<" is one "<" at the start of a word
                      Case{"<<<<b", "<|<b"}, Case{"&lt;&gt;", "<&gt;"},  // only the first entity of a word
                      Case{"&Auml;rger &auml;rger", "Ärger|_|ärger"},    // names are case-sensitive
                      Case{"&foo;x &nil;y z&amp", "x|_|y|_|z&"},         // unknown names and "nil" vanish
                      Case{"&yuml;&nbsp;", "\xFF&nbsp;"},
                      Case{"   a  \r\n\t b ", "a|_|b"},          // a run of blanks counts once; none at the start
                      Case{"a <p> b<br>\r\nc", "a|P|_|b|BR|c"},  // none directly after <P> or <BR>
                      Case{"a <box coords=1,2,3,4> b", "a|BOX|_|b"},
                      Case{"a <b> <i> b", "a|_|b"},                       // one space, however many blanks and tags
                      Case{"a <p", "a"},                                  // a "<" without ">" ends reading
                      Case{"a<", "a"}, Case{"price: 5$", "price:|_|5$"},  // "$" inside a word is a character
                      Case{"<!-- a comment <b> -->x", "-->x"},            // a comment ends at the first ">"
                      Case{"<!DOCTYPE html><html>x</html>", "x"}, Case{"<unknown attr=1>x</unknown>", "x"},
                      Case{"<b\rclass=x>y", "y"}));

TEST_F(ReaderTest, ANulByteEndsTheText) {
  const std::string text("eins zwei\0drei", 14);
  Read(text);
  EXPECT_EQ(Elements(), "eins|_|zwei");
}

TEST_F(ReaderTest, ASpaceTakesTheFormatInForceAtTheBlank) {
  Read("a <b>b</b> <i>c");
  ASSERT_EQ(Elements(), "a|_|b|_|c");
  EXPECT_EQ(m.Elements[1].Format.Style, 0);  // written before <b>
  EXPECT_EQ(m.Elements[3].Format.Style, 0);  // written after </b>
  EXPECT_EQ(m.Elements[4].Format.Style, kItalic);
}

TEST_F(ReaderTest, ASpaceInsideALinkBelongsToItOneAtItsBorderDoesNot) {
  Read("x <a href=\"y.htx\">y z </a>w <a hot=\"n\">h</a> v");
  ASSERT_EQ(Elements(), "x|_|y|_|z|_|w|_|h|_|v");
  const auto link = [&](size_t i) { return m.Elements[i].Format.LinkIndex; };
  EXPECT_EQ(link(1), -1);
  EXPECT_EQ(link(2), 0);
  EXPECT_EQ(link(3), 0);
  EXPECT_EQ(link(5), 0);  // "z " then </a>: the blank was written inside the link
  EXPECT_EQ(link(6), -1);
  EXPECT_EQ(link(7), -1);  // before the HOT area
  EXPECT_FALSE(m.Elements[7].Format.HotMark);
  EXPECT_TRUE(m.Elements[8].Format.HotMark);
  EXPECT_FALSE(m.Elements[9].Format.HotMark);
}

TEST_F(ReaderTest, AnInsertionIsReadAsMarkup) {
  m.Variables.Set("name", "<b>Anna</b> Berg");
  Read("Hallo $[name]! $[nix]");
  EXPECT_EQ(Elements(), "Hallo|_|Anna|_|Berg|!|_|[undefined]");
  EXPECT_EQ(Word("Anna").Format.Style, kBold);
  EXPECT_EQ(Word("Berg").Format.Style, 0);
}

TEST_F(ReaderTest, TheOwnerAnswersUndefinedInsertionsAndValuesBeginningWithHash) {
  std::vector<std::string> asked;
  m.onSpecialCode = [&](const std::string& code) {
    asked.push_back(code);
    return code == "#punkte" ? std::string("42") : std::string();
  };
  m.Variables.Set("p", "#punkte");
  m.Variables.Set("leer", "");
  Read("$[p] $[user] $[leer]x");
  EXPECT_EQ(asked, (std::vector<std::string>{"#punkte", "user"}));
  EXPECT_EQ(Elements(), "42|_|x");
}

TEST_F(ReaderTest, AnInsertionWithoutClosingBracketRunsToTheEnd) {
  m.Variables.Set("abc", "gefunden");
  Read("x $[abc");
  EXPECT_EQ(Elements(), "x|_|gefunden");
}

TEST_F(ReaderTest, ADollarAtTheVeryEndOfATextWithoutTerminatorStaysInside) {
  // The buffer ends right after "$": nothing behind it may be read.
  const std::string markup = "ab $";
  auto exact = std::make_unique<char[]>(markup.size());
  std::memcpy(exact.get(), markup.data(), markup.size());
  Read(std::string_view(exact.get(), markup.size()));
  EXPECT_EQ(Elements(), "ab|_|[undefined]");
}

TEST_F(ReaderTest, AVariableThatInsertsItselfStopsWithOneMessage) {
  m.Variables.Set("a", "x$[a]");
  m.Variables.Set("b", "$[b]$[b]$[b]$[b]");  // grows without end if not stopped
  Read("$[a] $[b] Ende");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.texts()[0].find("Einfügungen"), std::string::npos);
  ASSERT_FALSE(m.Elements.empty());
  EXPECT_EQ(m.Elements.back().Text, "Ende");
}

TEST_F(ReaderTest, ATypingGapWordRunsToTheNextTagWithItsBlanks) {
  Read("<a gap lsg=\"in front of\">in front of</a> x");
  EXPECT_EQ(Elements(), "in front of|_|x");
}

}  // namespace
}  // namespace vyr::test
