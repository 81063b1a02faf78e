// Pictures, boxes and the page objects made by tags.
#include <QImage>

#include "page/model/PageJson.h"
#include "platform/core/Files.h"
#include "tests/common/TempDir.h"
#include "tests/page/reader/ReaderFixture.h"

namespace vyr::test {
namespace {

TEST_F(ReaderTest, ABoxStartsATextColumnAndItsElementCarriesItsTop) {
  Read(
      "<box coords=10,300,200 color=#ff0000 bcolor=#00ff00 bwidth=2 yo=5 align=center>Text "
      "<box coords=20,30,40,50 shape=ellipse alpha=128>x");
  ASSERT_EQ(Elements(), "BOX|Text|BOX|_|x");  // a box does not take the pending space
  ASSERT_EQ(m.Boxes.size(), 2u);
  const TBox& b = m.Boxes[0];
  EXPECT_EQ((std::vector<int32_t>{b.Left, b.Top, b.Width, b.Height}), (std::vector<int32_t>{10, 300, 200, 20}));
  EXPECT_TRUE(b.AutoHeight);
  EXPECT_TRUE(b.Filled);
  EXPECT_EQ(b.FillColor, 0x0000FF);
  EXPECT_EQ(b.BorderColor, 0x00FF00);
  EXPECT_EQ(b.BorderWidth, 2);
  EXPECT_EQ(b.Radius, 30);
  EXPECT_EQ(b.Shape, bsRectangle);
  EXPECT_EQ(m.Elements[0].Format.BoxIndex, 0);
  EXPECT_EQ(m.Elements[0].Format.BoxTop, 305);
  EXPECT_EQ(Word("Text").Format.BoxTop, -1);
  EXPECT_EQ(Word("Text").Format.BoxIndex, 0);
  EXPECT_EQ(Word("Text").Format.ColumnLeft, 10);
  EXPECT_EQ(Word("Text").Format.ColumnWidth, 200);
  EXPECT_EQ(Word("Text").Format.Align, 1);
  EXPECT_EQ(m.Boxes[1].Shape, bsEllipse);
  EXPECT_EQ(m.Boxes[1].Opacity, 128);
  EXPECT_TRUE(m.Settings.NeedsBlending);
}

TEST_F(ReaderTest, BoxFieldsBeforeCoordsAndBoxesWithoutCoordsAreLeftOut) {
  Read("<box color=#ff0000 bwidth=3 align=right coords=1,2,3,4>a<box shape=3d href=\"x.htx\">b");
  ASSERT_EQ(m.Boxes.size(), 1u);
  EXPECT_FALSE(m.Boxes[0].Filled);
  EXPECT_EQ(m.Boxes[0].BorderWidth, 0);
  EXPECT_EQ(Word("a").Format.Align, 2);  // ALIGN is part of the format, not of the box
  EXPECT_EQ(Elements(), "BOX|a|b");
  EXPECT_TRUE(m.LinkNames.Names.empty());
  EXPECT_FALSE(m.Settings.NeedsBlending);
}

TEST_F(ReaderTest, ABoxWithoutWidthReachesTheRightEdge) {
  Read("<box coords=100,50>a<box coords=700,5>b<box coords=10,10,0,0>c");
  EXPECT_EQ(m.Boxes[0].Width, 540);
  EXPECT_EQ(Word("a").Format.ColumnWidth, 540);
  EXPECT_EQ(m.Boxes[1].Width, 1);
  EXPECT_EQ(Word("b").Format.ColumnWidth, 1);
  EXPECT_EQ(m.Boxes[2].Width, 630);
  EXPECT_EQ(m.Boxes[2].Height, 470);
  EXPECT_FALSE(m.Boxes[2].AutoHeight);
}

TEST_F(ReaderTest, BoxTargetsMakeAreasOrMouseOverButtons) {
  m.Variables.Set("ziel", "v.htx");
  Read(
      "<box coords=10,20,100,50 href=\"a.htx\" return dest>a"
      "<box coords=0,0,60,40 bwidth=4 href=\"$ziel\" oncolor=#ff0000 offcolor=#00ff00 oncol2=#000000>b</font>c");
  ASSERT_EQ(m.LinkNames.Names, (std::vector<std::string>{"a.htx", "v.htx"}));
  ASSERT_EQ(m.LinkNames.FixedAreas.size(), 2u);
  EXPECT_EQ(m.LinkNames.FixedAreas[0].Rect, (TPageRect{10, 20, 110, 70}));
  EXPECT_FALSE(m.LinkNames.FixedAreas[0].Flashing);
  EXPECT_EQ(m.Settings.EnterLink, "a.htx");
  EXPECT_EQ(m.Settings.DragTarget, (TPageRect{10, 20, 110, 70}));
  const TBox& button = m.Boxes[1];
  EXPECT_TRUE(button.Filled);
  EXPECT_EQ(button.FillColor, 0);
  EXPECT_EQ(button.OnColor, 0x0000FF);
  EXPECT_EQ(button.OffTextColor, 0xFFFFFF);
  EXPECT_EQ(button.FlashArea, 1);
  EXPECT_EQ(m.LinkNames.FixedAreas[1].Rect, (TPageRect{2, 2, 58, 38}));
  EXPECT_TRUE(m.LinkNames.FixedAreas[1].Flashing);
  EXPECT_EQ(Word("b").Format.Color, 0xFFFFFF);        // drawn white on black, recoloured later
  EXPECT_EQ(Word("c").Format.Color, kPageTextColor);  // </FONT> restores the font slot
}

TEST_F(ReaderTest, AnEllipseIsABoxAroundItsCentre) {
  Read("<ellipse color=#ff0000 coords=100,100,40,20><ellipse coords=200,150,30 bwidth=2>x");
  ASSERT_EQ(m.Boxes.size(), 1u + 1u);
  const TBox& e = m.Boxes[0];
  EXPECT_EQ((std::vector<int32_t>{e.Left, e.Top, e.Width, e.Height}), (std::vector<int32_t>{80, 90, 40, 20}));
  EXPECT_FALSE(e.Filled);  // COLOR before COORDS is not read
  EXPECT_TRUE(m.Boxes[1].AutoHeight);
  EXPECT_EQ(m.Boxes[1].BorderWidth, 2);
  EXPECT_EQ(m.Elements[1].Format.BoxTop, 150);
  EXPECT_EQ(Word("x").Format.ColumnLeft, 8);  // an ellipse keeps the column
}

TEST_F(ReaderTest, CheckBoxesAreLinksNamedAfterThem) {
  m.Bedingung.Set("hund", true);
  Read(
      "<checkbox coords=12,6 name=\"hund\" flash=#ff0000>Hund <checkbox name=\"katze\" checked>"
      "<checkbox coords=x,9999 name=\"maus\">");
  ASSERT_EQ(m.CheckBoxes.size(), 3u);
  EXPECT_TRUE(m.CheckBoxes[0].Checked);
  EXPECT_TRUE(m.CheckBoxes[1].Checked);
  EXPECT_FALSE(m.CheckBoxes[2].Checked);
  const tHTML_format& first = m.Elements[0].Format;
  EXPECT_EQ(first.CheckIndex, 0);
  EXPECT_EQ(first.CheckSize, 12);
  EXPECT_EQ(first.CheckGap, 6);
  EXPECT_EQ(first.LinkIndex, 0);
  EXPECT_FALSE(first.Flash);
  ASSERT_EQ(Elements(), "CHECK|Hund|CHECK|CHECK");
  EXPECT_EQ(m.Elements[2].Format.CheckSize, 13);  // no COORDS: the usual size
  EXPECT_EQ(m.Elements[3].Format.CheckSize, 13);  // unreadable size
  EXPECT_EQ(m.Elements[3].Format.CheckGap, 500);
  EXPECT_EQ(m.LinkNames.Names, (std::vector<std::string>{"+hund", "+katze", "+maus"}));
  EXPECT_EQ(Word("Hund").Format.LinkIndex, -1);
  EXPECT_EQ(Word("Hund").Format.Color, kPageTextColor);   // no link: not in the link colour
  EXPECT_EQ(m.Elements[0].Format.Color, kPageLinkColor);  // the box itself is drawn as a link
}

class Pictures : public ReaderTest {
 protected:
  TTempDir dir;
  void SetUp() override {
    m.XPath = dir.path();
    m.XFile = "seite.htx";
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(NativePath(dir.path() + "bild.png")));
    ASSERT_TRUE(image.save(NativePath(dir.path() + "hover.png")));
  }
};

TEST_F(Pictures, AreLoadedOnceAndSharedByName) {
  Read("a <img src=\"bild.png\" align=center scale=50% usemap=\"k\" alt=\"Bild\"> <IMG SRC=\"BILD.PNG\">x");
  ASSERT_EQ(Elements(), "a|_|IMG|_|IMG|x");
  ASSERT_EQ(m.Pictures.size(), 1u);
  EXPECT_EQ(m.Pictures[0].Picture.size(), QSize(4, 3));
  EXPECT_EQ(m.Pictures[0].Picture.format(), QImage::Format_RGB888);
  const tHTML_format& p = m.Elements[2].Format;
  EXPECT_EQ(p.PicIndex, 0);
  EXPECT_EQ(p.PicAlign, 1);
  EXPECT_EQ(p.PicScale, 50);
  EXPECT_EQ(p.UseMap, "k");
  EXPECT_EQ(p.AltText, "Bild");
  EXPECT_EQ(m.Elements[4].Format.PicIndex, 0);
  EXPECT_EQ(m.Elements[4].Format.UseMap, "");
  EXPECT_EQ(m.Elements[4].Format.PicAlign, 5);
  EXPECT_EQ(Word("x").Format.PicIndex, -1);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(Pictures, AttributesAreClampedAndMissingPicturesReported) {
  Read(
      "<img src=\"bild.png\" flash=\"hover.png\" scale=100000% radius=5 alpha=50 mode=10 fcolor=#ff0000>"
      "<img src=\"fehlt.png\" scale=50 transparent=300 color=#00ff00><img alt=\"nichts\">");
  ASSERT_EQ(Elements(), "IMG|IMG");
  const tHTML_format& a = m.Elements[0].Format;
  EXPECT_EQ(a.PicScale, 1000);
  EXPECT_EQ(a.PicRadius, 5);
  EXPECT_EQ(a.PicAlpha, 127);
  EXPECT_EQ(a.PicMode, 7);   // FCOLOR
  EXPECT_EQ(a.PicHover, 1);  // the mouse-over picture's index
  const tHTML_format& b = m.Elements[1].Format;
  EXPECT_EQ(b.PicIndex, -1);
  EXPECT_EQ(b.PicScale, 100);
  EXPECT_EQ(b.PicAlpha, 0);
  EXPECT_EQ(b.PicColor, 0x00FF00);
  EXPECT_EQ(b.PicMode, 7);
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{"Das Bild " + dir.path() + "fehlt.png konnte nicht geladen werden!"}));
  EXPECT_TRUE(m.Settings.NeedsBlending);
}

TEST_F(Pictures, RequestedPicturesArePaintedByTheOwnerWithCheckedSizes) {
  std::vector<std::string> codes;
  m.onPictureRequest = [&](const std::string& code, QImage& picture) {
    codes.push_back(code);
    picture.fill(Qt::blue);
  };
  Read("<img src=\"%300x200=chart\"><img src=\"%99999x99999=gross\"><img src=\"%axb=k\"><img src=\"%5x5\">");
  ASSERT_EQ(m.Pictures.size(), 4u);
  EXPECT_EQ(codes, (std::vector<std::string>{"chart", "gross", "k", ""}));
  EXPECT_EQ(m.Pictures[0].Picture.size(), QSize(300, 200));
  EXPECT_EQ(m.Pictures[1].Picture.size(), QSize(4000, 4000));
  EXPECT_EQ(m.Pictures[2].Picture.size(), QSize(100, 60));
  EXPECT_EQ(m.Pictures[0].Picture.pixelColor(0, 0), QColor(Qt::blue));
  EXPECT_EQ(m.Elements[3].Format.PicIndex, 3);
}

TEST_F(Pictures, KeptPicturesSurviveANewPage) {
  Read("<img src=\"*bild.png\"><img src=\"hover.png\">");
  ASSERT_EQ(m.Pictures.size(), 2u);
  Read("<body background=\"bild.png\"><img src=\"hover.png\">");
  ASSERT_EQ(m.Pictures.size(), 2u);
  EXPECT_TRUE(m.Pictures[0].Keep);
  EXPECT_EQ(m.Elements[0].Format.PicIndex, 1);
  EXPECT_EQ(m.Settings.Background, dir.path() + "bild.png");
  EXPECT_FALSE(m.Settings.BackgroundPicture.isNull());
  Read("<body background=\"fehlt.png\">");  // left out without a message
  EXPECT_EQ(m.Settings.Background, "");
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ReaderTest, TypingGapsAreRecordedWithTheirSolutionsAndHelp) {
  Read(
      "<body gap=#0000ff><a gap lsg=\"colour; color\" help=\"*\" x=1 tip=\"Englisch\" reaction=\"vokabel\" "
      "noborder>Farbe</a> <a gap>zwei</a>");
  ASSERT_EQ(m.TippAufgaben.size(), 2u);
  const TTippAufgabe& g = m.TippAufgaben[0];
  EXPECT_EQ(g.Lsg, (std::vector<std::string>{"colour", "color"}));
  EXPECT_EQ(g.Hilfe, "*");
  EXPECT_EQ(g.Tip, "Englisch");
  EXPECT_EQ(g.Reaction, "vokabel");
  EXPECT_TRUE(g.NoBorder);
  EXPECT_EQ(m.TippAufgaben[1].Tip, "Hilfe mit F12!");
  EXPECT_TRUE(m.TippAufgaben[1].Lsg.empty());
  EXPECT_EQ(Word("Farbe").Format.TaskIndex, 0);
  EXPECT_EQ(Word("Farbe").Format.Color, 0xFF0000);
  EXPECT_EQ(Word("zwei").Format.TaskIndex, 1);
  EXPECT_EQ(Word("zwei").Format.LinkIndex, 1);
  EXPECT_EQ(m.Elements[1].Format.TaskIndex, -1);  // the space between them
}

TEST_F(ReaderTest, NoMoreThan255TypingFieldsSoGapsNeverLookLikeDragItems) {
  std::string page;
  for (int i = 0; i < 300; ++i) page += "<a gap lsg=\"x\">w</a> ";
  page += "<a drag>d</a>";
  Read(page);
  EXPECT_EQ(m.TippAufgaben.size(), 255u);
  EXPECT_EQ(m.Elements[2 * 254].Format.TaskIndex, 254);
  EXPECT_EQ(m.Elements[2 * 255].Format.TaskIndex, -1);
  EXPECT_EQ(m.Elements.back().Format.TaskIndex, 255);
  EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(ReaderTest, EditFieldsInputLineAndButtons) {
  m.Variables.Set("loesung", "a ; b;c");
  m.Variables.Set("name", "alt");
  Read(
      "<edit coords=10,20,100 lsg=\"$loesung\" help=\"*\" tip=\"t\" reaction=\"r\" color=#ffff00 noborder "
      "init=\"i\">feld</a> <input coords=5,6,300 name=\"name\" value=\"Anna\" maxl=999 password upper>"
      "<button coords=1,2,3,4 caption=\"OK\" href=\"x.htx\" color=#ff0000 flash=#00ff00 3d>");
  ASSERT_EQ(m.TippAufgaben.size(), 1u);
  const TTippAufgabe& e = m.TippAufgaben[0];
  EXPECT_TRUE(e.IsEdit);
  EXPECT_EQ(e.Lsg, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ((std::vector<int32_t>{e.Left, e.Top, e.Width, e.Height}), (std::vector<int32_t>{10, 20, 100, 21}));
  EXPECT_EQ(e.Color, 0x00FFFF);
  EXPECT_EQ(e.Init, "i");
  EXPECT_TRUE(e.NoBorder);
  EXPECT_EQ(Word("feld").Format.LinkIndex, e.LinkIndex);
  EXPECT_EQ(Word("feld").Format.TaskIndex, -1);
  const TInputLine& in = m.InputLine;
  EXPECT_TRUE(in.Present);
  EXPECT_EQ(in.Name, "name");
  EXPECT_EQ(in.Width, 300);
  EXPECT_EQ(in.MaxLength, 200);
  EXPECT_TRUE(in.Password && in.Upper && !in.Lower);
  EXPECT_EQ(m.Variables.Get("name"), "Anna");
  ASSERT_EQ(m.Buttons.size(), 1u);
  EXPECT_EQ(m.Buttons[0].Caption, "OK");
  EXPECT_EQ(m.Buttons[0].Befehl, "x.htx");
  EXPECT_TRUE(m.Buttons[0].MouseOver3D);
  Read("<input name=\"name\" value=\"\">");  // an empty value shows the variable as it is
  EXPECT_EQ(m.Variables.Get("name"), "Anna");
}

TEST_F(ReaderTest, MultipleChoiceWritesItsCellsAsMarkup) {
  Read("<multiple coords=10,20,100,30 dim=2,2 color=#fff txt=\"Katze|Hund|Maus\" reaction=mc>");
  const TMultipleChoice& mc = m.Multiple;
  ASSERT_EQ(mc.Answers.size(), 3u);
  ASSERT_GE(mc.Correct, 0);
  EXPECT_EQ(mc.Answers[static_cast<size_t>(mc.Correct)], "Katze");
  EXPECT_EQ(mc.Reaction, "mc");
  ASSERT_EQ(m.Boxes.size(), 4u);
  EXPECT_EQ(m.Boxes[1].Top, 50);    // second answer: first column, second row
  EXPECT_EQ(m.Boxes[2].Left, 110);  // third answer: second column
  ASSERT_EQ(m.LinkNames.Names.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    const std::string& name = m.LinkNames.Names[static_cast<size_t>(k)];
    const std::string key = std::to_string(k + 1);
    const std::string& answer = mc.Answers[static_cast<size_t>(k)];
    EXPECT_EQ(name, k == mc.Correct ? "\xA7mchx+@" + key : "\xA7mchx-[" + answer + "]@" + key);
    EXPECT_EQ(m.Keys.Get(key), name.substr(0, name.find('@')));
  }
  // Answered: the same answers show their result; the list is not shuffled again.
  const std::vector<std::string> answers = mc.Answers;
  m.Multiple.Answered = true;
  Read("<multiple coords=10,20,100,30 dim=2,2 txt=\"Katze|Hund|Maus\">");
  EXPECT_EQ(m.Multiple.Answers, answers);
  EXPECT_TRUE(m.LinkNames.Names.empty());
  EXPECT_EQ(m.Boxes.size(), 6u);  // four cells and the two lines at the correct answer
  EXPECT_EQ(m.Multiple.Reaction, "");
}

TEST_F(ReaderTest, MultipleChoiceReadTwiceDoesNotDoubleItsAnswers) {
  Read("<multiple coords=1,1,10,10 dim=a,b txt=\"a|b\">");
  Read("<multiple coords=1,1,10,10 dim=99999,99999 txt=\"a|b\">");
  EXPECT_EQ(m.Multiple.Answers.size(), 2u);
  EXPECT_EQ(m.Boxes.size(), 2500u);  // at most 50 by 50 cells
}

TEST_F(ReaderTest, KlotzSatzAndRecorderFillTheirTables) {
  Read(
      "<klotz falsch=\"Haus / Maus/\" y=400 nr=5 left=20><satz teile=\"I / am / here\" coords=10,20,300,40>"
      "<satz teile=\"x\" coords=0,20,300,40><recorder c-rec=10,10,50,20 c-play=70,10,50,20 pictures=\"rec\" "
      "max=99>");
  const tDragAufgabenListe& d = m.DragAufgaben;
  EXPECT_EQ(d.Falsch, (std::vector<std::string>{"Haus", "Maus"}));
  EXPECT_EQ(m.Settings.TrayTop, 400);
  EXPECT_EQ(d.PerRow, 5);
  EXPECT_EQ(d.BlockWidth, 100);
  EXPECT_EQ(d.TrayLeft, 20);
  EXPECT_EQ(d.TrayRight, -1);
  ASSERT_EQ(m.Satzbau.size(), 1u);  // x must be above 0
  EXPECT_EQ(m.Satzbau[0].Correct, "I am here");
  EXPECT_EQ(m.Satzbau[0].Rect, (TPageRect{10, 20, 310, 60}));
  EXPECT_TRUE(m.Recorder.Present);
  EXPECT_EQ(m.Recorder.Max, 20);
  EXPECT_EQ(m.LinkNames.Names, (std::vector<std::string>{"\xA7rec@REC", "\xA7play@PLAY"}));
  EXPECT_EQ(m.LinkNames.FixedAreas[1].Rect, (TPageRect{70, 10, 120, 30}));
  Read("<klotz nr=0 width=x>");
  EXPECT_EQ(m.DragAufgaben.PerRow, 1);  // the tray needs at least one block per row
  EXPECT_EQ(m.DragAufgaben.BlockWidth, 560);
  m.RecorderAvailable = false;
  Read("<recorder c-rec=1,1,1,1>");
  EXPECT_FALSE(m.Recorder.Present);
}

}  // namespace
}  // namespace vyr::test
