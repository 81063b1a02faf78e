// Text on the page: colours and backgrounds, <INV>, words that are not
// drawn, flashing link runs, box buttons, check boxes, typing gaps and the
// word list.
#include "tests/page/draw/DrawFixture.h"

namespace vyr::test {
namespace {

TEST_F(DrawTest, WordsTakeThePageTextAndLinkColours) {
  Draw("<body text=#ff0000 link=#0000ff>rot <a href=\"ziel.htx\">blau</a>");
  const QRect red = Cell(Word("rot")), blue = Cell(Word("blau"));
  EXPECT_GT(CountNear(buffer, red, kRed), 5);
  EXPECT_EQ(CountNear(buffer, red, kBlue), 0);
  EXPECT_GT(CountNear(buffer, blue, kBlue), 5);
  EXPECT_EQ(CountNear(buffer, blue, kRed), 0);
}

// <INV> on the default colours: a dark field with light letters, in the
// page's own colours.
TEST_F(DrawTest, InvertedDefaultColoursShowLightTextOnTheTextColour) {
  for (const char* body : {"", "<body bgcolor=#ffff00 text=#000080>"}) {
    SCOPED_TRACE(body);
    Draw(std::string(body) + "vorher <inv>MMMM</inv> nachher");
    const QRect cell = Cell(Word("MMMM"));
    const int32_t text = m.Settings.ColorTXT, page = m.Settings.ColorBGR;
    EXPECT_GT(Count(buffer, cell, text), cell.width() * cell.height() / 2) << "the field";
    EXPECT_GT(CountNear(buffer, cell, page), 10) << "the letters";
    // The words around it stay as they were.
    EXPECT_GT(Count(buffer, Cell(Word("vorher")), page), Cell(Word("vorher")).width() * 10);
  }
}

TEST_F(DrawTest, ABackgroundColourFillsTheWordsCell) {
  Draw("<font bcolor=#00ff00>gr\xFCn<font bcolor=off> frei");
  const QRect cell = Cell(Word("gr\xFCn"));
  EXPECT_GT(Count(buffer, cell, kGreen), cell.width() * cell.height() / 2);
  EXPECT_EQ(Count(buffer, Cell(Word("frei")), kGreen), 0);
}

TEST_F(DrawTest, AWordOfTheCharacter255TakesItsPlaceButIsNotDrawn) {
  Draw("<font bcolor=#00ff00>\xFF\xFF</font> \xFF b");
  const int32_t k = Word("\xFF");
  EXPECT_GT(l.Elements[static_cast<size_t>(k)].Width, 0);
  EXPECT_EQ(CountOther(buffer, Cell(k), kWhite), 0);
  EXPECT_GT(Count(buffer, Cell(Word("\xFF\xFF")), kGreen), 0) << "two such characters are text";
}

TEST_F(DrawTest, AFlashingLinkRunGetsItsFlashLookAndItsNormalLook) {
  Draw("<body link=#0000ff><a href=\"ziel.htx\" flash=#ff0000>zwei W\xF6rter</a> aus");
  for (const char* word : {"zwei", "W\xF6rter"}) {
    SCOPED_TRACE(word);
    const int32_t area = AreaOf(Word(word));
    const TAreaBitmaps& b = r.AreaBitmaps.at(static_cast<size_t>(area));
    ASSERT_TRUE(b.IsSet());
    const QRect rect = QRectOf(m.LinkNames.Areas[static_cast<size_t>(area)].Rect);
    EXPECT_GT(CountNear(b.On, b.On.rect(), kRed), 5);
    EXPECT_EQ(CountNear(b.On, b.On.rect(), kBlue), 0);
    EXPECT_GT(CountNear(b.Off, b.Off.rect(), kBlue), 5);
    EXPECT_EQ(CountNear(b.Off, b.Off.rect(), kRed), 0);
    EXPECT_EQ(b.Off, buffer.copy(rect)) << "the page shows the normal look";
  }
  EXPECT_FALSE(r.AreaBitmaps.at(static_cast<size_t>(AreaOf(Word("zwei")))).On.isNull());
  // Each word went into the word list once.
  int listed = 0;
  for (const TDrawnWord& w : r.Words) listed += w.Text == "zwei";
  EXPECT_EQ(listed, 1);
}

TEST_F(DrawTest, ABoxButtonShowsItsOffColoursAndKeepsItsOnColours) {
  Draw(
      "<box coords=20,20,120,40 href=\"ziel.htx\" oncolor=#ff0000 offcolor=#0000ff oncol2=#ffffff "
      "offcol2=#ffff00>Knopf");
  ASSERT_GE(m.Boxes.at(0).FlashArea, 0);
  const auto area = static_cast<size_t>(m.Boxes[0].FlashArea);
  const TAreaBitmaps& b = r.AreaBitmaps.at(area);
  ASSERT_TRUE(b.IsSet());
  EXPECT_EQ(CountNear(buffer, QRect(25, 55, 1, 1), kBlue, 8), 1) << "off: its background";
  EXPECT_EQ(CountNear(b.On, QRect(3, 30, 1, 1), kRed, 8), 1) << "on: its background";
  EXPECT_GT(CountNear(buffer, QRect(20, 20, 120, 40), 0x00FFFF), 5) << "off: its text";
  EXPECT_GT(CountNear(b.On, b.On.rect(), kWhite), 5) << "on: its text";
  EXPECT_EQ(CountNear(b.On, b.On.rect(), 0x00FFFF), 0);
  EXPECT_EQ(b.Off, buffer.copy(QRectOf(m.LinkNames.Areas[area].Rect)));
}

TEST_F(DrawTest, CheckBoxesHaveTwoFramesAndAreFilledWhenChecked) {
  Draw("<checkbox coords=13,4 name=\"a\"> <checkbox coords=13,4 name=\"b\" checked>");
  for (int n = 0; n < 2; ++n) {
    const QRect box = Cell(IndexOf(ekCheckBox, n));
    const QRect square(box.left(), box.top(), 13, 13);
    EXPECT_EQ(At(square.left(), square.top()), kBlack);
    EXPECT_EQ(At(square.left() + 1, square.top() + 1), kBlack);
    EXPECT_EQ(At(square.left() + 6, square.top() + 6), n == 0 ? kWhite : kBlack);
    EXPECT_EQ(Count(buffer, square, kBlack), n == 0 ? 13 * 13 - 9 * 9 : 13 * 13);
  }
}

TEST_F(DrawTest, ATypingGapShowsEmptyAndKeepsItsSolutionAsItsPicture) {
  Draw("<body gap=#ff0000>Das <a gap lsg=\"house\" help=\"\">Haus</a> ist gro\xDF.");
  ASSERT_EQ(r.GapPictures.size(), 1u);
  const TGapPicture& g = r.GapPictures[0];
  EXPECT_EQ(g.Task, 0);
  const QRect cell = Cell(g.Element);
  EXPECT_EQ(g.Rect, QRect(cell.left(), cell.top(), cell.width(), cell.height() + 1));
  EXPECT_GT(CountNear(g.Picture, g.Picture.rect(), kRed), 5) << "the solution is in the picture";
  EXPECT_EQ(CountOther(buffer, g.Rect, kWhite), 0) << "the page shows the empty gap";
}

TEST_F(DrawTest, DragWordsShowTheirPlaceInTheBlockColour) {
  Draw("<body klotz=#00ff00>Ein <a drag>Baum</a> steht.");
  const QRect cell = Cell(Word("Baum"));
  EXPECT_EQ(Count(buffer, cell, kGreen), cell.width() * cell.height());
}

TEST_F(DrawTest, TheWordListJoinsThePhrasesOfW) {
  Draw("eins <w>zwei drei</w> vier");
  std::vector<std::pair<std::string, bool>> words;
  for (const TDrawnWord& w : r.Words) words.emplace_back(w.Text, w.NewEntry);
  EXPECT_EQ(words, (std::vector<std::pair<std::string, bool>>{
                       {"eins", true}, {"zwei", true}, {"drei", false}, {"vier", true}}));
  EXPECT_EQ(r.Words[1].Rect, (TPageRect{Cell(Word("zwei")).left(), Cell(Word("zwei")).top(),
                                        Cell(Word("zwei")).right() + 1, Cell(Word("zwei")).bottom() + 1}));
}

}  // namespace
}  // namespace vyr::test
