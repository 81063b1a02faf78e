// Value forms: colours, coordinates and link targets.
#include "page/reader/PageValues.h"
#include "tests/common/TempDir.h"
#include "tests/page/reader/ReaderFixture.h"

namespace vyr::test {
namespace {

struct ColorCase {
  const char* value;
  int32_t stored;
};

class Colors : public ReaderTest, public ::testing::WithParamInterface<ColorCase> {};

TEST_P(Colors, AreStoredWithRedInTheLowByte) {
  m.ColorNames.Set("rot", "#ff0000");
  m.ColorNames.Set("alarm", "rot");  // names may name names
  m.ColorNames.Set("ping", "pong");  // a circle of names
  m.ColorNames.Set("pong", "ping");
  m.Variables.Set("farbe", "#00FF00");
  EXPECT_EQ(ParseColor(m, GetParam().value), GetParam().stored) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Cases, Colors,
                         ::testing::Values(ColorCase{"#ff0000", 0x0000FF}, ColorCase{"#FF8040", 0x4080FF},
                                           ColorCase{"\"#0000ff\"", 0xFF0000}, ColorCase{"#zz", 0xFF0000},
                                           ColorCase{"#", 0xFF0000}, ColorCase{"#123456789", 0xFF0000},
                                           ColorCase{"", 0xFFFFFF}, ColorCase{"i5", 16777221},
                                           ColorCase{"ix", 16777216 + 128}, ColorCase{"i99999999999", 16777216 + 128},
                                           ColorCase{"ROT", 0x0000FF}, ColorCase{"alarm", 0x0000FF},
                                           ColorCase{"unbekannt", 0xFFFFFF}, ColorCase{"ping", 0xFFFFFF},
                                           ColorCase{"$farbe", 0x00FF00}, ColorCase{"$nix", 0xFFFFFF},
                                           ColorCase{"?00ff00", 0x00FF00}, ColorCase{"blau!", 0xFFFFFF}));

TEST_F(ReaderTest, RandomColoursUseSixStepsPerChannel) {
  for (int i = 0; i < 50; ++i) {
    const int32_t c = ParseColor(m, "random");
    for (int shift : {0, 8, 16}) EXPECT_EQ(((c >> shift) & 0xFF) % 51, 0);
    const int32_t pick = ParseColor(m, "?ff0000,00ff00,0000ff");
    EXPECT_TRUE(pick == 0x0000FF || pick == 0x00FF00 || pick == 0xFF0000) << pick;
  }
}

TEST_F(ReaderTest, ColoursOfAPageInsideAPageComeFromTheOuterVariables) {
  TXAliasList outer;
  outer.Set("f", "#0000ff");
  m.Variables.Set("f", "#ff0000");
  m.OuterVariables = &outer;
  EXPECT_EQ(ParseColor(m, "$f"), 0xFF0000);
}

struct CoordCase {
  const char* value;
  int32_t x, y, w, h;
};

class Coordinates : public ReaderTest, public ::testing::WithParamInterface<CoordCase> {};

TEST_P(Coordinates, AreRelativeToThePageControl) {
  m.Aliases.Set("#feld", "5,6,7,8");
  const TCoords c = ParseCoords(m, GetParam().value);
  const CoordCase& e = GetParam();
  EXPECT_EQ((std::vector<int32_t>{c.x, c.y, c.w, c.h}), (std::vector<int32_t>{e.x, e.y, e.w, e.h})) << e.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Coordinates,
    ::testing::Values(CoordCase{"10,20,0,0", 10, 20, 630, 460}, CoordCase{"*-50,10,100,20", 270, 10, 100, 20},
                      CoordCase{"\" 1 , 2 ,3,4\"", 1, 2, 3, 4}, CoordCase{"-10050,-10020,-10,-20", 590, 460, 40, 0},
                      CoordCase{"10,20", 10, 20, kNoCoord, kNoCoord}, CoordCase{"", 640, 480, kNoCoord, kNoCoord},
                      CoordCase{"a,b,*30,*40", 640, 480, 30, 40}, CoordCase{"#feld", 5, 6, 7, 8},
                      CoordCase{"#fehlt", 640, 480, kNoCoord, kNoCoord},
                      CoordCase{"99999999,0,99999999", 100000, 0, 100000, kNoCoord},
                      CoordCase{"1,2,3,4,5", 1, 2, 3, 4}));

class LinkTargets : public ReaderTest {
 protected:
  TTempDir dir;
  void SetUp() override {
    m.XPath = dir.path();
    m.XFile = "unit09.htx";
    dir.file("unit10.htx", "x");
    dir.file("unit08.htx", "x");
    dir.file("page1.htx", "x");
  }
};

TEST_F(LinkTargets, NextAndPreviousPagesAreFoundByTheirNumber) {
  EXPECT_EQ(PrepareLinkTarget(m, "!+", nullptr), dir.path() + "unit10.htx");
  EXPECT_TRUE(m.Bedingung.Has("next"));
  EXPECT_EQ(PrepareLinkTarget(m, "!-@zurück", nullptr), dir.path() + "unit08.htx@zurück");
  EXPECT_TRUE(m.Bedingung.Has("prev"));
  m.XFile = "unit10.htx";  // unit11 does not exist
  EXPECT_EQ(PrepareLinkTarget(m, "!+", nullptr), "");
  EXPECT_FALSE(m.Bedingung.Has("next"));
  m.XFile = "page.htx";  // no number: one is added
  EXPECT_EQ(PrepareLinkTarget(m, "!+", nullptr), dir.path() + "page1.htx");
  m.XFile = "a7.htx";  // a single digit
  dir.file("a8.htx", "x");
  EXPECT_EQ(PrepareLinkTarget(m, "!x", nullptr), "");  // any other character: previous (a6 is missing)
  EXPECT_EQ(PrepareLinkTarget(m, "!+", nullptr), dir.path() + "a8.htx");
  m.XFile = "";  // a page without a file has no neighbours
  EXPECT_EQ(PrepareLinkTarget(m, "!+", nullptr), "");
}

TEST_F(LinkTargets, AreSplitAtTheNoteAndPrepared) {
  m.Aliases.Set("#sofort", "*ziel.htx");
  m.Aliases.Set("#spaeter", "ziel.htx");
  m.Variables.Set("v", "variable.htx");
  bool same = true;
  EXPECT_EQ(PrepareLinkTarget(m, "*a.htx@Hinweis", &same), "a.htx@Hinweis");
  EXPECT_FALSE(same);
  EXPECT_EQ(PrepareLinkTarget(m, "#sofort@n", nullptr), "ziel.htx@n");
  EXPECT_EQ(PrepareLinkTarget(m, "#spaeter", nullptr), "#spaeter");
  EXPECT_EQ(PrepareLinkTarget(m, "$v", nullptr), "variable.htx");
  EXPECT_EQ(PrepareLinkTarget(m, "@nur ein Hinweis", nullptr), "@nur ein Hinweis");
  EXPECT_EQ(PrepareLinkTarget(m, "UNIT09.HTX", &same), "UNIT09.HTX");
  EXPECT_TRUE(same);                                 // the page being shown
  EXPECT_EQ(PrepareBoxTarget(m, "$leer"), "$leer");  // a box keeps an empty variable as written
  EXPECT_EQ(PrepareBoxTarget(m, "$v"), "variable.htx");
  EXPECT_EQ(PrepareBoxTarget(m, "*b.htx@x"), "*b.htx@x");
}

TEST_F(LinkTargets, ALinkToThePageBeingShownIsNoLink) {
  Read("<a href=\"unit09.htx\" key=k>hier</a> <a href=\"unit10.htx\">weiter</a>");
  EXPECT_EQ(Word("hier").Format.LinkIndex, -1);
  EXPECT_EQ(Word("hier").Format.Style & kUnderline, 0);
  EXPECT_TRUE(m.Keys.empty());  // the tag's other attributes are ignored
  EXPECT_EQ(Word("weiter").Format.LinkIndex, 0);
  EXPECT_EQ(m.LinkNames.Names, (std::vector<std::string>{"unit10.htx"}));
}

TEST_F(LinkTargets, AnAliasStartingWithBangIsANumberedPage) {
  Read("<alias #vor=\"!+@vor\" #leer=\"\" #=\"x\">");
  EXPECT_EQ(m.Aliases.Get("#vor"), dir.path() + "unit10.htx@vor");
  EXPECT_TRUE(m.Aliases.Has("#leer"));
  EXPECT_EQ(m.Aliases.size(), 2u);  // an empty name is skipped
}

}  // namespace
}  // namespace vyr::test
