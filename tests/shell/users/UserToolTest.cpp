// vyr-user dump: a user file as JSON, and a German message with status 1
// for a file it cannot read.
#include <QJsonArray>

#include "tests/common/ToolRun.h"
#include "tests/shell/users/UserFixture.h"

namespace vyr::test {
namespace {

TToolRun Dump(const std::string& path) {
  return RunJsonTool(QString::fromUtf8(VYR_USER_TOOL), {u"dump"_qs, NativePath(path)});
}

TEST_F(UserTest, ToolDumpsAUserFile) {
  TUserRecords records;
  records.Record("house", false, 'e', 10, 3);
  records.Record("house", false, 'e', 10, 3);
  records.Record("house", false, 'm', 0, 3);  // the example: score 20, relative 38
  records.Record("Jürgen", true, 'v', -5, 1);
  const std::string file = t.file("Anna_E.vyb", BuildUserFile("Anna", HashPassword("geheim"), 90060, records));

  const TToolRun run = Dump(file);
  ASSERT_EQ(run.status, 0) << run.errors.toStdString();
  const QJsonObject& j = run.json;
  EXPECT_EQ(j[u"name"_qs].toString(), u"Anna"_qs);
  EXPECT_EQ(j[u"password"_qs].toString(), u"hashed"_qs);
  EXPECT_FALSE(QJsonDocument(j).toJson().contains("argon2"));  // never the hash itself
  EXPECT_EQ(j[u"learningTime"_qs].toString(), u"25:01:00"_qs);
  EXPECT_EQ(j[u"counts"_qs][u"records"_qs].toInt(), 2);
  EXPECT_EQ(j[u"counts"_qs][u"germanFirst"_qs].toInt(), 1);
  EXPECT_EQ(j[u"averages"_qs][u"absolute"_qs].toInt(), (20 - 5) / 2);
  EXPECT_EQ(j[u"shares"_qs][u"lasVegas"_qs].toInt(), 25);

  const QJsonArray list = j[u"records"_qs].toArray();
  ASSERT_EQ(list.size(), 2);
  const QJsonObject house = list[0].toObject();
  EXPECT_EQ(house[u"key"_qs].toString(), u">3house"_qs);
  EXPECT_EQ(house[u"scores"_qs].toArray(), (QJsonArray{0, 10, 10}));  // newest first
  EXPECT_EQ(house[u"modes"_qs].toString(), u"mee"_qs);
  EXPECT_EQ(house[u"score"_qs].toInt(), 20);
  EXPECT_EQ(house[u"relative"_qs].toInt(), 38);
  EXPECT_EQ(list[1].toObject()[u"key"_qs].toString(), u"<1Jürgen"_qs);

  // A clear password of an older file is reported as such, not shown.
  const std::string old = t.file("alt_E.vyb", Z(std::string("Bob:geheim\0", 11)));
  EXPECT_EQ(Dump(old).json[u"password"_qs].toString(), u"plain"_qs);
}

TEST_F(UserTest, ToolRefusesWhatItCannotRead) {
  for (const std::string& name : {t.file("kaputt.vyb", "kein zlib"), t.path() + "fehlt.vyb"}) {
    SCOPED_TRACE(name);
    const TToolRun run = Dump(name);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains(u"Die Datei "_qs)) << run.errors.toStdString();
    EXPECT_TRUE(run.json.isEmpty());
  }
}

}  // namespace
}  // namespace vyr::test
