// Escaped text reads back exactly as written: as page text, as a variable's
// value inserted with $[...], as a quoted attribute value and as a command.
#include "page/reader/MarkupEscape.h"
#include "tests/page/reader/ReaderFixture.h"

namespace vyr::test {
namespace {

class MarkupEscapeTest : public ReaderTest {
 protected:
  // The words and spaces of the page, joined back into text.
  std::string Text() const {
    std::string out;
    for (const TXText& e : m.Elements) {
      if (e.Kind == ekWord) out += e.Text;
      if (e.Kind == ekSpace) out += ' ';
    }
    return out;
  }
};

const std::vector<std::string> kTexts = {"<b>",
                                         "B&B",
                                         "a&b&c",
                                         "$5",
                                         "#1",
                                         "\xA7"
                                         "chpw",
                                         "J\xFCrgen",
                                         "$a$b",
                                         "a<b$c&d",
                                         "<<x",
                                         "&amp;",
                                         "x;y",
                                         "&lt;",
                                         "$[user]",
                                         "1 $ und 2 $",
                                         "<IF ?login>",
                                         "a&$b<c",
                                         "#",
                                         "&",
                                         "Tom & Jerry"};

TEST_F(MarkupEscapeTest, TextReadsBackAsWritten) {
  for (const std::string& text : kTexts) {
    SCOPED_TRACE(text);
    Read(EscapeMarkup(text));
    EXPECT_EQ(Text(), text) << EscapeMarkup(text);
  }
}

TEST_F(MarkupEscapeTest, VariableValuesReadBackAsWritten) {
  // Like the main window: codes it does not know stay as they are, so a raw
  // "#..." value would reach the handler.
  int asked = 0;
  m.onSpecialCode = [&](const std::string& code) {
    ++asked;
    return std::string("SPECIAL");
  };
  for (const std::string& text : kTexts) {
    SCOPED_TRACE(text);
    m.Variables.Set("v", EscapeMarkup(text));
    Read("<P>$[v]");
    EXPECT_EQ(Text(), text);
  }
  EXPECT_EQ(asked, 0);
}

TEST_F(MarkupEscapeTest, ControlCharactersAndNul) {
  Read(EscapeMarkup(std::string("a\0b\tc", 5)));
  EXPECT_EQ(Text(), "ab c");
}

TEST_F(MarkupEscapeTest, AttributeAndCommandVariants) {
  m.Variables.Set("name", "");
  Read("<INPUT NAME=\"name\" VALUE=\"" + EscapeMarkupAttribute("Er sagte \"<ja>\" & $x") + "\">");
  EXPECT_EQ(m.Variables.Get("name"), "Er sagte <ja & $x");

  Read("<A HREF=\"\xA7[sel " + EscapeMarkupCommand("a,b]@c\"d>e[f") + "]weiter.htx\">x</A>");
  ASSERT_EQ(m.LinkNames.Names.size(), 1u);
  EXPECT_EQ(m.LinkNames.Names[0], "\xA7[sel abcdef]weiter.htx");
}

}  // namespace
}  // namespace vyr::test
