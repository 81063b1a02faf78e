// vyr-sel: selection lists and trainer settings as JSON (UTF-8) on standard
// output.
//
//   vyr-sel list FILE       a selection list (".xsl") or the library list
//                           file "E_Bibliotheken.txt": every line with the
//                           name it takes, or why it takes none ("empty",
//                           "outside", "control", "repeated"), then the
//                           names taken in file order
//   vyr-sel settings FILE   what the trainer settings read from an ini file
//                           ("vyr_E.ini", "prefs.ini"), clamped as the
//                           learner clamps them, under their key names
//
// A file that cannot be read (missing, a folder, too large) writes a German
// message to standard error and ends with status 1.
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <string>

#include "platform/core/Files.h"
#include "platform/core/IniFile.h"
#include "text/Cp1252.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/library/Selection.h"
#include "vocabulary/settings/VocEinstellungen.h"

namespace {

// The ini reader reads no larger file.
constexpr size_t kMaxIniSize = size_t(16) << 20;

int Usage() {
  std::fprintf(stderr, "Aufruf: vyr-sel list DATEI | settings DATEI\n");
  return 2;
}

int Fail(const std::string& cp1252) {
  std::fprintf(stderr, "vyr-sel: %s\n", vyr::Cp1252ToUtf8(cp1252).c_str());
  return 1;
}

void Print(const QJsonObject& json) {
  const QByteArray text = QJsonDocument(json).toJson();
  std::fwrite(text.constData(), 1, text.size(), stdout);
}

const char* VerdictName(vyr::TListVerdict v) {
  switch (v) {
    case vyr::TListVerdict::Taken: return "taken";
    case vyr::TListVerdict::Empty: return "empty";
    case vyr::TListVerdict::Outside: return "outside";
    case vyr::TListVerdict::ControlBytes: return "control";
    case vyr::TListVerdict::Repeated: return "repeated";
  }
  return "";
}

int List(const std::string& path, const std::string& shown) {
  std::string error;
  const auto text = vyr::ReadWholeFile(path, &error, vyr::kMaxListFileSize);
  if (!text) return Fail("Die Datei " + shown + " konnte nicht gelesen werden! " + error);
  QJsonArray lines, taken;
  int number = 0;
  for (const vyr::TListLine& l : vyr::ParseListLines(*text)) {
    QJsonObject line{{u"line"_qs, ++number}, {u"name"_qs, vyr::ToUnicode(l.name)}};
    if (l.verdict == vyr::TListVerdict::Taken) taken.append(vyr::ToUnicode(l.name));
    else line[u"refused"_qs] = QString::fromLatin1(VerdictName(l.verdict));
    lines.append(line);
  }
  Print({{u"file"_qs, vyr::ToUnicode(shown)}, {u"lines"_qs, lines}, {u"taken"_qs, taken}});
  return 0;
}

int Settings(const std::string& path, const std::string& shown) {
  std::string error;
  if (!vyr::ReadWholeFile(path, &error, kMaxIniSize))
    return Fail("Die Datei " + shown + " konnte nicht gelesen werden! " + error);
  // No vocabulary folder: the selection is read as written, no library loads.
  vyr::TBibliothek library;
  vyr::TVocEinstellungen settings(library, vyr::TTrainerContext{});
  settings.LoadFrom(path);
  const vyr::TVocSettingsValues& v = settings.Values();
  QJsonArray difficulty;
  for (const bool on : v.difficulty) difficulty.append(on);
  Print({{u"file"_qs, vyr::ToUnicode(shown)},
         {u"section"_qs, vyr::TIniFile(path).SectionExists(vyr::kSettingsSection)},
         {u"Richtung"_qs, v.richtung},
         {u"Selection"_qs, vyr::ToUnicode(v.selection)},
         {u"ownList"_qs, v.selection.empty()},
         {u"Modus"_qs, v.modus},
         {u"modusName"_qs, QString::fromLatin1(vyr::kModusNames[v.modus])},
         {u"Multiple Choice/Eintippen"_qs, v.multipleChoice},
         {u"Sprache"_qs, v.sprache},
         {u"Kontext"_qs, v.kontext},
         {u"Wortarten"_qs, static_cast<qint64>(v.wortarten)},
         {u"NichtZuSchwer"_qs, difficulty},
         {u"MinScore"_qs, v.minScore},
         {u"MaxScore"_qs, v.maxScore}});
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) return Usage();
  const std::string command = argv[1];
  const QString given = QString::fromLocal8Bit(argv[2]);
  const std::string path = vyr::CoursePath(QFileInfo(given).absoluteFilePath());
  const std::string shown = vyr::FromUnicode(given);  // the name as typed
  if (command == "list") return List(path, shown);
  if (command == "settings") return Settings(path, shown);
  return Usage();
}
