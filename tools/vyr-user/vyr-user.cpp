// vyr-user: shows a user file as JSON.
//
//   vyr-user dump FILE
//
// Prints the name, the kind of password ("none", "hashed" or "plain"; never
// the password or its hash), the learning time, the statistics of the
// results and every record with its score changes (newest first), answer
// modes, score and relative score. A file that cannot be read gives a German
// message and status 1.
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <cstring>

#include "platform/core/Files.h"
#include "shell/users/PasswordHash.h"
#include "shell/users/UserFile.h"
#include "shell/users/UserStatistics.h"
#include "text/Cp1252.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", vyr::Cp1252ToUtf8(message).c_str());
  return 1;
}

QJsonObject Dump(const vyr::TUserFileContent& content) {
  using namespace vyr;
  const TUserStatistics st = ComputeStatistics(content.records);
  const char* kinds[] = {"none", "hashed", "plain"};
  QJsonObject out;
  out[u"name"_qs] = ToUnicode(content.name);
  out[u"password"_qs] = QString::fromLatin1(kinds[static_cast<int>(PasswordKind(content.password))]);
  out[u"learningTime"_qs] = ToUnicode(FormatDuration(content.seconds));
  out[u"learningSeconds"_qs] = static_cast<qint64>(content.seconds);
  out[u"counts"_qs] = QJsonObject{
      {u"records"_qs, st.records}, {u"germanFirst"_qs, st.germanCount}, {u"foreignFirst"_qs, st.foreignCount}};
  out[u"averages"_qs] = QJsonObject{{u"absolute"_qs, st.averageAbsolute},
                                    {u"relative"_qs, st.averageRelative},
                                    {u"germanFirst"_qs, st.averageGerman},
                                    {u"foreignFirst"_qs, st.averageForeign}};
  out[u"shares"_qs] = QJsonObject{{u"typing"_qs, st.shareTyping},
                                  {u"multipleChoice"_qs, st.shareChoice},
                                  {u"lasVegas"_qs, st.shareVegas},
                                  {u"freeFall"_qs, st.shareFreeFall}};
  QJsonArray records;
  for (const TXUserVoc& r : content.records.Records()) {
    QJsonArray scores;
    for (int change : HistoryChanges(r.ScoreHistory)) scores.append(change);
    const int score = HistoryScore(r.ScoreHistory);
    records.append(QJsonObject{{u"key"_qs, ToUnicode(r.Key)},
                               {u"scores"_qs, scores},
                               {u"modes"_qs, ToUnicode(r.ModeHistory)},
                               {u"score"_qs, score},
                               {u"relative"_qs, RelativeScore(score, r.ModeHistory)}});
  }
  out[u"records"_qs] = records;
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3 || std::strcmp(argv[1], "dump") != 0) {
    std::fprintf(stderr, "Aufruf: vyr-user dump DATEI\n");
    return 2;
  }
  const QString given = QString::fromLocal8Bit(argv[2]);
  const std::string path = vyr::CoursePath(QFileInfo(given).absoluteFilePath());
  const std::string shown = vyr::FromUnicode(given);  // the name as typed
  const auto bytes = vyr::ReadWholeFile(path, nullptr, vyr::kMaxUserFileSize);
  if (!bytes) return Fail("Die Datei " + shown + " konnte nicht gelesen werden!");
  vyr::TUserFileContent content;
  if (!bytes->empty()) {
    auto parsed = vyr::ParseUserFile(*bytes);
    if (!parsed) return Fail("Die Datei " + shown + " ist keine lesbare Benutzerdatei!");
    content = std::move(*parsed);
  }
  const QByteArray json = QJsonDocument(Dump(content)).toJson();
  std::fwrite(json.constData(), 1, json.size(), stdout);
  return 0;
}
