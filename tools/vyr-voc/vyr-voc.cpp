// vyr-voc: vocabulary libraries as JSON (UTF-8) on standard output.
//
//   vyr-voc dump FILE        what LoadFile reads: result, comments, every
//                            entry (the trailing blank one too), real count
//   vyr-voc dump --sample    the same for the compiled-in sample list
//   vyr-voc stats FILE...    each file's result, then the statistics dialog's
//                            counts under its label names (ED1 ... DGesamt2)
//   vyr-voc save IN OUT      reads IN and writes it to OUT (a round trip)
//
// A failure (a missing or broken file, a refused save) writes a German
// message to standard error and ends with status 1; OUT is then untouched.
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <string>
#include <vector>

#include "page/model/PageJson.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "text/Cp1252.h"
#include "vocabulary/library/LibraryCounts.h"
#include "vocabulary/library/LibraryFormat.h"
#include "vocabulary/library/SampleList.h"
#include "vocabulary/library/VocLib.h"

namespace {

using vyr::AppendJsonString;

int Usage() {
  std::fprintf(stderr, "Aufruf: vyr-voc dump DATEI | dump --sample | stats DATEI... | save EINGABE AUSGABE\n");
  return 1;
}

void Complain(const std::string& cp1252) { std::fprintf(stderr, "vyr-voc: %s\n", vyr::Cp1252ToUtf8(cp1252).c_str()); }

std::string CourseArg(const char* arg) {
  return vyr::CoursePath(QFileInfo(QString::fromLocal8Bit(arg)).absoluteFilePath());
}

void AppendEntry(std::string& out, const vyr::TVokabel& e) {
  auto text = [&](const char* name, const std::string& value) {
    out += '"';
    out += name;
    out += "\": ";
    AppendJsonString(out, value);
    out += ", ";
  };
  auto pair = [&](const char* name, const std::string(&values)[2]) {
    out += '"';
    out += name;
    out += "\": [";
    AppendJsonString(out, values[0]);
    out += ", ";
    AppendJsonString(out, values[1]);
    out += "], ";
  };
  out += "{";
  text("Vokabel", e.Vokabel);
  pair("Bedeutung", e.Bedeutung);
  pair("Kontext", e.Kontext);
  out += "\"BedeutungAnzeigen\": [";
  out += e.BedeutungAnzeigen[0] ? "true, " : "false, ";
  out += e.BedeutungAnzeigen[1] ? "true], " : "false], ";
  out += "\"Wortart\": " + std::to_string(e.Wortart) + ", ";
  out += std::string("\"Deutsch\": ") + (e.Deutsch ? "true" : "false") + ", ";
  out += "\"Schwierigkeit\": " + std::to_string(e.Schwierigkeit) + ", ";
  out += "\"Wert\": " + std::to_string(e.Wert) + ", ";
  out += std::string("\"complete\": ") + (e.IsComplete() ? "true" : "false") + "}";
}

std::string DumpJson(const std::string& source, int result, const std::vector<std::string>& comments,
                     const std::vector<vyr::TVokabel>& entries, int count) {
  std::string out = "{\"file\": ";
  AppendJsonString(out, source);
  out += ", \"result\": " + std::to_string(result) + ", \"comments\": [";
  for (size_t i = 0; i < comments.size(); ++i) {
    if (i) out += ", ";
    AppendJsonString(out, comments[i]);
  }
  out += "], \"entries\": [";
  for (size_t i = 0; i < entries.size(); ++i) {
    out += i ? ",\n  " : "\n  ";
    AppendEntry(out, entries[i]);
  }
  out += "], \"count\": " + std::to_string(count) + "}\n";
  return out;
}

// A file that is not there or cannot be read is a failure of the tool,
// though the library reads it as 0 entries or -2.
bool Load(vyr::TVocLib& library, const std::string& path, bool append, int& result) {
  if (!vyr::FileExists(path)) {
    Complain("Die Datei " + path + " wurde nicht gefunden.");
    result = 0;
    return false;
  }
  result = library.LoadFile(path, append);
  if (result == vyr::kLoadFailed) {
    Complain("Die Datei " + path + " ist keine lesbare Vokabelbibliothek.");
    return false;
  }
  return true;
}

int Dump(const char* arg) {
  if (std::string(arg) == "--sample") {
    vyr::TRes sample;
    std::fputs(DumpJson("--sample", sample.Count(), {}, sample.Entries(), sample.Count()).c_str(), stdout);
    if (sample.Count() == 0) {
      Complain("Die eingebaute Beispielliste ist leer.");
      return 1;
    }
    return 0;
  }
  vyr::TVocLib library;
  const std::string path = CourseArg(arg);
  int result = 0;
  const bool ok = Load(library, path, false, result);
  std::fputs(DumpJson(path, result, library.Comments(), library.Entries(), library.EntryCount(false)).c_str(), stdout);
  return ok ? 0 : 1;
}

int Stats(int argc, char** argv) {
  vyr::TVocLib library;
  bool ok = true;
  std::string out = "{\"files\": [";
  for (int i = 2; i < argc; ++i) {
    const std::string path = CourseArg(argv[i]);
    int result = 0;
    ok = Load(library, path, i > 2, result) && ok;
    out += i > 2 ? ",\n  {\"file\": " : "\n  {\"file\": ";
    AppendJsonString(out, path);
    out += ", \"result\": " + std::to_string(result) + "}";
  }
  out += "],\n \"count\": " + std::to_string(library.EntryCount(false)) + ",\n \"counts\": {";
  bool first = true;
  for (const auto& [name, value] : vyr::CountLabels(vyr::CountLibrary(library))) {
    out += first ? "" : ", ";
    first = false;
    out += "\"" + name + "\": " + std::to_string(value);
  }
  out += "}}\n";
  std::fputs(out.c_str(), stdout);
  return ok ? 0 : 1;
}

int Save(const char* in, const char* outArg) {
  vyr::TVocLib library;
  const std::string source = CourseArg(in), target = CourseArg(outArg);
  int result = 0;
  if (!Load(library, source, false, result)) return 1;
  if (!library.SaveFile(target)) return 1;  // SaveFile has said why
  std::string out = "{\"file\": ";
  AppendJsonString(out, source);
  out += ", \"result\": " + std::to_string(result) + ", \"saved\": ";
  AppendJsonString(out, target);
  out += "}\n";
  std::fputs(out.c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // The library's own messages (a refused save) go to standard error.
  vyr::SetMessageHandler([](const std::string& text, unsigned) {
    Complain(text);
    return vyr::msg::IdOk;
  });
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  if (command == "dump" && argc == 3) return Dump(argv[2]);
  if (command == "stats") return Stats(argc, argv);
  if (command == "save" && argc == 4) return Save(argv[2], argv[3]);
  return Usage();
}
