// What a new page resets, what survives it, the JSON form of a page, and
// input that is not a proper page.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "page/model/PageJson.h"
#include "tests/page/reader/ReaderFixture.h"

namespace vyr::test {
namespace {

TEST_F(ReaderTest, ANewPageResetsThePageButKeepsVariablesConditionsAndStyles) {
  m.Variables.Set("user", "Anna");
  Read(
      "<title>Eins</title><body bgcolor=#000000 wait=\"10,x.htx\"><define $neu=\"1\"><alias #a=\"b\">"
      "<colors rot=#ff0000><font size=6 id=GROSS><a href=\"x.htx\" key=x return>x</a>"
      "<box coords=1,1,1,1 dest><checkbox name=\"c\"><a gap>g</a><klotz y=10 nr=6 falsch=\"f\">"
      "<multiple coords=1,1,1,1 dim=1,1 txt=\"a\" reaction=r><input name=\"i\"><satz teile=\"a\" coords=1,1,1,1>"
      "<button><recorder>");
  m.Bedingung.Set("gesehen", true);
  Read("Zwei");
  EXPECT_EQ(Elements(), "Zwei");
  const TPageSettings fresh;
  EXPECT_EQ(m.Settings.Title, "ohne Titel");
  EXPECT_EQ(m.Settings.ColorBGR, fresh.ColorBGR);
  EXPECT_EQ(m.Settings.WaitInterval, 0);
  EXPECT_EQ(m.Settings.EnterLink, "");
  EXPECT_EQ(m.Settings.TrayTop, 350);
  EXPECT_EQ(m.Settings.DragTarget, TPageRect{});
  EXPECT_TRUE(m.LinkNames.Names.empty());
  EXPECT_TRUE(m.Boxes.empty() && m.CheckBoxes.empty() && m.TippAufgaben.empty() && m.Satzbau.empty());
  EXPECT_TRUE(m.Buttons.empty() && m.Keys.empty() && m.Aliases.empty() && m.ColorNames.empty());
  EXPECT_FALSE(m.InputLine.Present || m.Recorder.Present);
  EXPECT_EQ(m.DragAufgaben.PerRow, 4);
  EXPECT_TRUE(m.DragAufgaben.Falsch.empty());
  EXPECT_EQ(m.Multiple.Reaction, "");
  EXPECT_EQ(m.Multiple.Answers.size(), 1u);  // answers stay for a rebuilt question
  EXPECT_EQ(m.Variables.Get("user"), "Anna");
  EXPECT_EQ(m.Variables.Get("neu"), "1");
  EXPECT_TRUE(m.Bedingung.Has("gesehen"));
  EXPECT_EQ(m.Styles.size(), 1u);
  EXPECT_EQ(Word("Zwei").Format.FontSize, 3);
  EXPECT_EQ(Word("Zwei").Format.TagCount, -1);
}

TEST_F(ReaderTest, EveryPageStartsFromTheDefaultFormat) {
  Read("<b><font size=7 color=#ff0000><center><pre><a href=\"x.htx\"><a gap>x");
  Read("y");
  const tHTML_format defaults;
  EXPECT_EQ(FormatToJson(Word("y").Format), FormatToJson(defaults));
  EXPECT_EQ(defaults.FontName, "Times New Roman");
  EXPECT_EQ(defaults.Color, kPageTextColor);
  EXPECT_EQ(defaults.ColumnLeft, 8);
  EXPECT_EQ(defaults.LineSpace, 1);
}

TEST_F(ReaderTest, TagCountCountsEveryTagButComments) {
  Read("<b><!-- x --><i>a <IF nein><u></IF>b");
  EXPECT_EQ(Word("a").Format.TagCount, 1);
  EXPECT_EQ(Word("b").Format.TagCount, 4);  // tags in skipped text count too
}

TEST_F(ReaderTest, TheJsonNamesEveryFieldAndEveryTable) {
  m.Variables.Set("ä", "\"ü\"\r");
  m.onPictureRequest = [](const std::string&, QImage&) {};
  Read("<title>Grüße</title><a href=\"x.htx\">Wort</a> <box coords=1,2,3,4><img src=\"%10x10=a\">");
  const std::string json = PageToJson(m);
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
  const QJsonObject root = doc.object();
  EXPECT_EQ(root.keys(), (QStringList{u"elements"_qs, u"settings"_qs, u"tables"_qs}));
  EXPECT_EQ(root[u"settings"_qs][u"Title"_qs].toString(), u"Grüße"_qs);
  const QJsonObject format = root[u"elements"_qs][0][u"format"_qs].toObject();
  for (const char16_t* field :
       {u"TagCount",  u"TabPos",    u"BoxIndex",  u"CheckIndex", u"ColumnLeft", u"BoxTop",   u"ColumnWidth",
        u"CheckSize", u"CheckGap",  u"LineSpace", u"Align",      u"Style",      u"FontName", u"FontSize",
        u"Color",     u"LinkColor", u"BackColor", u"ClearBack",  u"FlashColor", u"HotMark",  u"Charset",
        u"LinkIndex", u"Flash",     u"Tracking",  u"TaskIndex",  u"Pre",        u"PhraseId", u"PicIndex",
        u"PicRadius", u"PicAlpha",  u"PicMode",   u"PicColor",   u"PicHover",   u"PicScale", u"PicBase",
        u"PicAlign",  u"AltText",   u"UseMap"})
    EXPECT_TRUE(format.contains(QString::fromUtf16(field))) << QString::fromUtf16(field).toStdString();
  EXPECT_EQ(format.size(), 38);
  const QJsonObject tables = root[u"tables"_qs].toObject();
  for (const char16_t* table :
       {u"LinkNames", u"FixedAreas", u"Boxes",      u"Pictures",  u"CheckBoxes", u"Maps",         u"Styles",
        u"Aliases",   u"Keys",       u"ColorNames", u"Variables", u"Bedingung",  u"TippAufgaben", u"DragAufgaben",
        u"Satzbau",   u"Buttons",    u"InputLine",  u"Multiple",  u"Recorder",   u"Lomo"})
    EXPECT_TRUE(tables.contains(QString::fromUtf16(table))) << QString::fromUtf16(table).toStdString();
  EXPECT_EQ(tables[u"Variables"_qs][u"Ä"_qs].toString(), u"\"ü\"\r"_qs);
  EXPECT_EQ(tables[u"Boxes"_qs][0][u"Width"_qs].toInt(), 3);
  EXPECT_EQ(tables[u"Pictures"_qs][0][u"Code"_qs].toString(), u"a"_qs);
  EXPECT_EQ(tables[u"Pictures"_qs][0][u"Width"_qs].toInt(), 10);
  EXPECT_EQ(json, PageToJson(m));  // stable
}

// Pages that are not proper pages still read to an end, inside their text.
TEST_F(ReaderTest, AnyByteStringIsAPage) {
  const char* pieces[] = {"<",
                          ">",
                          "<<",
                          "$[",
                          "]",
                          "$",
                          "&",
                          ";",
                          " ",
                          "\r",
                          "\"",
                          "=",
                          ",",
                          "a",
                          "\x80",
                          "\x9F",
                          "<a href=\"",
                          "<box coords=",
                          "<font size=",
                          "<IF ",
                          "<ELSE>",
                          "</IF>",
                          "<title>",
                          "<multiple dim=3,3 txt=\"",
                          "<img src=\"%",
                          "<x",
                          "<+",
                          "<define $a=\"$[a]",
                          "<a gap lsg=\"",
                          "<klotz nr=",
                          "<checkbox ",
                          "<ellipse coords=",
                          "<colors a=b b=a>",
                          "<font color=a>",
                          "<map name=m><area shape=rect coords=\"",
                          "<edit coords=",
                          "<input coords=",
                          "<satz teile=\""};
  m.onPictureRequest = [](const std::string&, QImage&) {};
  SetRandomSeed(11);
  for (int round = 0; round < 300; ++round) {
    std::string page;
    const int n = 1 + RandomInt(60);
    for (int i = 0; i < n; ++i) page += pieces[RandomInt(static_cast<int>(std::size(pieces)))];
    if (RandomInt(2)) page.push_back('\0');
    ReadPage(m, page);
    for (const TXText& e : m.Elements) {
      EXPECT_LT(e.Format.LinkIndex, static_cast<int32_t>(m.LinkNames.Names.size()));
      EXPECT_LT(e.Format.BoxIndex, static_cast<int32_t>(m.Boxes.size()));
    }
  }
}

}  // namespace
}  // namespace vyr::test
