// The layout as JSON: valid, complete, in the page's own numbers.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "page/layout/LayoutJson.h"
#include "tests/page/layout/LayoutFixture.h"

namespace vyr::test {
namespace {

using LayoutJson = LayoutTest;

TEST_F(LayoutJson, DescribesElementsLinesLinksAndThePageHeight) {
  Lay("<a href=\"\xFC"
      "ber.htx\">\xDC"
      "ber</a> \"x\"<br><box coords=10,100,50>a b c");
  const std::string json = LayoutToJson(m, l);
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
  const QJsonObject root = doc.object();

  EXPECT_EQ(root[u"TextWidth"_qs].toInt(), 200);
  EXPECT_EQ(root[u"ContentHeight"_qs].toInt(), l.ContentHeight);
  EXPECT_EQ(root[u"ScrollBar"_qs].toObject()[u"Visible"_qs].toBool(), false);
  EXPECT_EQ(root[u"ScrollBar"_qs].toObject()[u"PageStep"_qs].toInt(), 284);

  const QJsonArray elements = root[u"elements"_qs].toArray();
  ASSERT_EQ(elements.size(), static_cast<qsizetype>(m.Elements.size()));
  const QJsonObject first = elements[0].toObject();
  EXPECT_EQ(first[u"Kind"_qs].toString(), u"word"_qs);
  EXPECT_EQ(first[u"Text"_qs].toString(), u"Über"_qs);
  EXPECT_EQ(first[u"Width"_qs].toInt(), 32);
  EXPECT_EQ(first[u"Height"_qs].toInt(), 20);
  EXPECT_EQ(first[u"Ascent"_qs].toInt(), 16);
  EXPECT_EQ(first[u"Descent"_qs].toInt(), 4);
  EXPECT_EQ(first[u"RunWidth"_qs].toInt(), 32);
  EXPECT_EQ(first[u"X"_qs].toInt(), 8);
  EXPECT_EQ(first[u"BaseY"_qs].toInt(), 32);
  EXPECT_EQ(elements[Index("\"x\"")].toObject()[u"Text"_qs].toString(), u"\"x\""_qs);

  const QJsonArray lines = root[u"lines"_qs].toArray();
  ASSERT_EQ(lines.size(), static_cast<qsizetype>(l.Lines.size()));
  EXPECT_EQ(lines[0].toObject()[u"First"_qs].toInt(), 0);
  EXPECT_EQ(lines[0].toObject()[u"BaseY"_qs].toInt(), 32);

  const QJsonArray links = root[u"links"_qs].toArray();
  ASSERT_EQ(links.size(), 1);
  EXPECT_EQ(links[0].toObject()[u"Name"_qs].toString(), u"über.htx"_qs);
  EXPECT_EQ(links[0].toObject()[u"Rect"_qs].toObject()[u"Bottom"_qs].toInt(), 36);

  const QJsonArray boxes = root[u"boxes"_qs].toArray();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_EQ(boxes[0].toObject()[u"Height"_qs].toInt(), m.Boxes[0].Height);
  EXPECT_TRUE(root[u"gaps"_qs].toArray().isEmpty());
  EXPECT_TRUE(root[u"dragPlaces"_qs].toArray().isEmpty());
}

TEST_F(LayoutJson, AnEmptyPageIsValidToo) {
  Lay("");
  QJsonParseError error;
  QJsonDocument::fromJson(QByteArray::fromStdString(LayoutToJson(m, l)), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError);
}

}  // namespace
}  // namespace vyr::test
