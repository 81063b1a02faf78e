// Conditions and skip mode, the title, includes, links and image maps.
#include "tests/page/reader/ReaderFixture.h"

namespace vyr::test {
namespace {

struct ConditionCase {
  const char* markup;
  const char* shown;
};

class Conditions : public ReaderTest, public ::testing::WithParamInterface<ConditionCase> {
 protected:
  void SetUp() override {
    m.Bedingung.Set("Ja", true);
    m.Variables.Set("lang", "DE");
    m.Variables.Set("leer", "");
    m.onSpecialCode = [](const std::string& code) { return code == "frei" ? std::string("+") : code; };
  }
};

TEST_P(Conditions, ChooseWhatIsShown) {
  Read(std::string("<alias #voll=\"x\">") + GetParam().markup);
  EXPECT_EQ(Elements(), GetParam().shown) << GetParam().markup;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Conditions,
    ::testing::Values(ConditionCase{"<IF ja>A<ELSE>B</IF>C", "A|C"},  // names ignore case
                      ConditionCase{"<IF nein>A<ELSE>B</IF>C", "B|C"},
                      ConditionCase{"<IF $lang=de>A<ELSE>B</IF>", "B"},  // skipped when equal
                      ConditionCase{"<IF $lang=en>A<ELSE>B</IF>", "A"}, ConditionCase{"<IF $lang>A<ELSE>B</IF>", "A"},
                      ConditionCase{"<IF $leer>A<ELSE>B</IF>", "B"}, ConditionCase{"<IF $fehlt>A<ELSE>B</IF>", "B"},
                      ConditionCase{"<IF ?frei>A<ELSE>B</IF>", "A"}, ConditionCase{"<IF ?zu>A<ELSE>B</IF>", "B"},
                      ConditionCase{"<IF #voll>A<ELSE>B</IF>", "A"}, ConditionCase{"<IF #fehlt>A<ELSE>B</IF>", "B"},
                      ConditionCase{"<IF #ex>A<ELSE>B</IF>", "B"},
                      ConditionCase{"<IF>A<ELSE>B</IF>", "A|B"},  // an empty condition does nothing
                      ConditionCase{"A<ELSE>B", "A|B"},           // <ELSE> without <IF>
                      // conditions do not nest: the first </IF> ends the skip
                      ConditionCase{"<IF nein>A<IF ja>B</IF>C</IF>D", "C|D"},
                      ConditionCase{"<IF nein>A</TITLE>B</IF>", "B"},  // </TITLE> ends any skip
                      ConditionCase{"<IF nein>a <b>fett</b> <<x</IF> z", "z"},
                      ConditionCase{"<IF nein>$[nix]A</IF>", ""}));

TEST_F(ReaderTest, WithoutOwnerAQuestionConditionIsFalse) {
  Read("<IF ?frei>A<ELSE>B</IF>");
  EXPECT_EQ(Elements(), "B");
}

TEST_F(ReaderTest, AnExercisePageShowsTheIfBranchOnly) {
  m.BuildingExercisePage = true;
  Read("<IF #EX>A<ELSE>B</IF>C");
  EXPECT_EQ(Elements(), "A|C");
}

TEST_F(ReaderTest, TheTitleIsTheTextAfterTheLastTagInsideIt) {
  Read("x");
  EXPECT_EQ(m.Settings.Title, "ohne Titel");
  Read("<title>Lektion 1: Hallo</title>Text");
  EXPECT_EQ(m.Settings.Title, "Lektion 1: Hallo");
  EXPECT_EQ(Elements(), "Text");
  Read("<TITLE>Alt<b>Neu </TITLE>");
  EXPECT_EQ(m.Settings.Title, "Neu ");
  Read("<title></title>");
  EXPECT_EQ(m.Settings.Title, "");
}

TEST_F(ReaderTest, IncludedTextStartsFromTheDefaultFormatAndLeavesItsFormat) {
  std::vector<std::string> asked;
  m.onInclude = [&](const std::string& target) {
    asked.push_back(target);
    ReadIncludedText(m, "in <font size=6>teil");
  };
  Read("<b>vor <INCLUDE HREF=\"teil.htx\"> nach <include src=\"x\"><include>");
  EXPECT_EQ(asked, (std::vector<std::string>{"teil.htx"}));
  EXPECT_EQ(Elements(), "vor|_|in|_|teil|_|nach");
  EXPECT_EQ(Word("vor").Format.Style, kBold);
  EXPECT_EQ(Word("in").Format.Style, 0);
  EXPECT_EQ(Word("nach").Format.FontSize, 6);
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Fehler bei INCLUDE <2>!!!", "Fehler bei INCLUDE <2>!!!"}));
}

TEST_F(ReaderTest, IncludesThatIncludeThemselvesStop) {
  int calls = 0;
  m.onInclude = [&](const std::string&) {
    ++calls;
    ReadIncludedText(m, "x<include href=\"selbst.htx\">");
  };
  m.onSpecialCode = nullptr;
  Read("<include href=\"selbst.htx\">");
  EXPECT_EQ(calls, 16);
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Fehler bei INCLUDE!!!"}));
}

TEST_F(ReaderTest, AnIncludeThatFailsLetsTheIncludingTextGoOn) {
  m.onInclude = [](const std::string&) { throw std::runtime_error("kaputt"); };
  Read("a<include href=\"x.htx\">b");
  EXPECT_EQ(Elements(), "a|b");
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Fehler bei INCLUDE!!!"}));
}

TEST_F(ReaderTest, LinksTakeTheLinkColourAndUnderlineUnlessTheyFlash) {
  Read(
      "<a href=\"a.htx\">a</a> <font link=#ff0000><a href=\"b.htx\" flash=#00ff00>b</a></font> "
      "<a href=\"@Das ist ein Hinweis\">c</a> <a href=\"\">d</a>");
  EXPECT_EQ(Word("a").Format.Color, kPageLinkColor);
  EXPECT_EQ(Word("a").Format.Style, kUnderline);
  EXPECT_FALSE(Word("a").Format.Flash);
  EXPECT_EQ(Word("b").Format.Color, 0x0000FF);
  EXPECT_EQ(Word("b").Format.Style, 0);
  EXPECT_TRUE(Word("b").Format.Flash);
  EXPECT_EQ(Word("b").Format.FlashColor, 0x00FF00);
  EXPECT_TRUE(Word("c").Format.HotMark);
  EXPECT_EQ(Word("c").Format.Color, kPageTextColor);
  EXPECT_EQ(Word("d").Format.LinkIndex, -1);
  EXPECT_EQ(m.LinkNames.Names, (std::vector<std::string>{"a.htx", "b.htx", "%@Das ist ein Hinweis"}));
  EXPECT_EQ(Word("c").Format.LinkIndex, 2);
}

TEST_F(ReaderTest, TheSearchForFlashSkipsWhatStandsBeforeIt) {
  Read(
      "<a href=\"x.htx\" key=1 flash=#ff0000>x</a><a href=\"y.htx\" flash=#ff0000 key=2 return>y</a>"
      "<a href=\"z.htx@Hinweis\" key=esc>z</a>");
  EXPECT_FALSE(m.Keys.Has("1"));
  EXPECT_EQ(m.Keys.Get("2"), "y.htx");
  EXPECT_EQ(m.Keys.Get("\x1B"), "z.htx");
  EXPECT_EQ(m.Settings.EnterLink, "y.htx");
}

TEST_F(ReaderTest, HotAreasAndDragItemsAreLinksWithoutTargets) {
  Read("<a hot=\"Tipp\">h</a> <a drag>eins</a> <a drag>zwei</a> <a hot=\"\">k</a>");
  EXPECT_TRUE(Word("h").Format.HotMark);
  EXPECT_EQ(Word("eins").Format.TaskIndex, 255);
  EXPECT_EQ(Word("zwei").Format.TaskIndex, 256);
  EXPECT_EQ(Word("k").Format.LinkIndex, -1);
  EXPECT_EQ(m.LinkNames.Names, (std::vector<std::string>{"@Tipp", "", ""}));
  EXPECT_EQ(m.DragAufgaben.Items, 2);
}

TEST_F(ReaderTest, OnClickAndImageMapsReadTheirAttributesInFixedOrder) {
  Read(
      "<onclick href=\"weiter.htx\" return><map name=\"karte\"><area shape=rect coords=\"1,2,3,4\" "
      "alt=x href=\"a.htx\"><area shape=circle coords=\"1,2,3\" href=\"b.htx\"><area coords=\"1,1,1,1\">"
      "</map><onclick return href=\"nein.htx\">");
  EXPECT_EQ(m.Settings.ClickLink, "weiter.htx");
  EXPECT_EQ(m.Settings.EnterLink, "weiter.htx");
  ASSERT_EQ(m.Maps.size(), 1u);
  EXPECT_EQ(m.Maps[0].Name, "karte");
  ASSERT_EQ(m.Maps[0].Areas.size(), 1u);
  const tArea& a = m.Maps[0].Areas[0];
  EXPECT_EQ((std::vector<int32_t>{a.Left, a.Top, a.Width, a.Height}), (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(a.Target, "a.htx");
  Read("<area shape=rect coords=\"1,2,3,4\" href=\"a.htx\">");  // before any map
  EXPECT_TRUE(m.Maps.empty());
}

}  // namespace
}  // namespace vyr::test
