// vyr-rec: shows a recordings database as JSON.
//
//   vyr-rec dump FILE          the records as the programs load them (in
//                              their order, the first of equal texts)
//   vyr-rec lookup FILE TEXT   the record the look-up finds for TEXT and the
//                              rule that found it ("exact",
//                              "without-brackets", "prefix-bracket",
//                              "prefix-comma"), or null and status 1
//
// A damaged or cut file: its complete pairs, a German message on the error
// stream, status 1.
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <cstring>

#include "platform/core/Files.h"
#include "shell/recordings/WaveBase.h"
#include "text/Cp1252.h"

namespace {

QJsonObject Record(const vyr::TXWave& w) {
  QJsonObject o;
  o[u"text"_qs] = vyr::ToUnicode(w.text);
  o[u"file"_qs] = vyr::ToUnicode(w.file);
  return o;
}

void Print(const QJsonDocument& doc) {
  const QByteArray json = doc.toJson();
  std::fwrite(json.constData(), 1, json.size(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const bool dump = argc == 3 && std::strcmp(argv[1], "dump") == 0;
  const bool lookup = argc == 4 && std::strcmp(argv[1], "lookup") == 0;
  if (!dump && !lookup) {
    std::fprintf(stderr, "Aufruf: vyr-rec dump DATEI\n       vyr-rec lookup DATEI TEXT\n");
    return 2;
  }
  const std::string path = vyr::CoursePath(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
  vyr::TXWaveBase base;
  // A damaged file is reported on the error stream by the loader itself.
  const bool whole = base.Load(path);
  if (dump) {
    QJsonArray records;
    for (const vyr::TXWave& w : base.Records()) records.append(Record(w));
    Print(QJsonDocument(records));
    return whole ? 0 : 1;
  }
  vyr::TLookupRule rule = vyr::TLookupRule::None;
  const vyr::TXWave* found = base.LookupRecord(vyr::FromUnicode(QString::fromLocal8Bit(argv[3])), false, &rule);
  if (!found) {
    std::fputs("null\n", stdout);
    return 1;
  }
  QJsonObject o = Record(*found);
  o[u"rule"_qs] = QString::fromLatin1(vyr::LookupRuleName(rule));
  Print(QJsonDocument(o));
  return whole ? 0 : 1;
}
