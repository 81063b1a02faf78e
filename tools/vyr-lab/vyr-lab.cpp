// vyr-lab: the language lab's sentence material as JSON (UTF-8) on standard
// output.
//
//   vyr-lab dump [FILE] [--wave DIR]
//
// FILE is a compressed material file (".z", as compiled into the program) or
// its editable UTF-8 source (".txt"); without it the compiled-in material is
// shown. With --wave each sentence says whether its recording
// DIR\Labor\<file> exists. A file that cannot be read writes a German
// message to standard error and ends with status 1.
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <string>

#include "page/model/PageJson.h"
#include "page/sources/ZipResource.h"
#include "platform/core/Files.h"
#include "shell/lab/LabMaterial.h"
#include "text/Case.h"
#include "text/Cp1252.h"
#include "text/LineFile.h"
#include "text/ZStream.h"

namespace {

using vyr::AppendJsonString;

int Usage() {
  std::fprintf(stderr, "Aufruf: vyr-lab dump [DATEI] [--wave VERZEICHNIS]\n");
  return 1;
}

std::string CourseArg(const char* arg) {
  return vyr::CoursePath(QFileInfo(QString::fromLocal8Bit(arg)).absoluteFilePath());
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2 || std::string(argv[1]) != "dump") return Usage();
  std::string file, wave;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--wave" && i + 1 < argc) wave = vyr::IncludeTrailingBackslash(CourseArg(argv[++i]));
    else if (file.empty() && !a.starts_with("--")) file = CourseArg(argv[i]);
    else return Usage();
  }
  std::vector<vyr::TThema> topics;
  // The material is read without chance: generated masks hide every letter
  // they may, so the output is the same on every run.
  const vyr::TRandomFn noChance = [](int) { return 0; };
  if (file.empty()) {
    vyr::TZIPResource source(vyr::kResSprachlabor);
    topics = vyr::ReadLabMaterial(source, noChance);
  } else {
    std::string error;
    const auto bytes = vyr::ReadWholeFile(file, &error, size_t(64) << 20);
    if (!bytes) {
      std::fprintf(stderr, "vyr-lab: %s: %s\n", vyr::Cp1252ToUtf8(file).c_str(), vyr::Cp1252ToUtf8(error).c_str());
      return 1;
    }
    std::string compressed = *bytes;
    if (vyr::SameText(vyr::ExtractFileExt(file), ".txt")) {
      std::string lines;
      for (const std::string& line : vyr::SplitLines(*bytes)) lines += vyr::Utf8ToCp1252(line) + '\0';
      compressed = vyr::Deflate(lines);
    }
    vyr::TZIPResource source(compressed, file);
    topics = vyr::ReadLabMaterial(source, noChance);
  }
  size_t sentences = 0;
  std::string out = "{\"topics\":[";
  for (size_t t = 0; t < topics.size(); ++t) {
    const vyr::TThema& topic = topics[t];
    sentences += topic.Saetze.size();
    out += t ? ",\n" : "\n";
    out += "{\"index\":" + std::to_string(t) + ",\"title\":";
    AppendJsonString(out, topic.Titel);
    out += ",\"sentences\":[";
    for (size_t s = 0; s < topic.Saetze.size(); ++s) {
      const vyr::TSatz& satz = topic.Saetze[s];
      out += s ? ",\n " : "\n ";
      out += "{\"sentence\":";
      AppendJsonString(out, satz.Satz);
      out += ",\"long\":";
      AppendJsonString(out, satz.Lang);
      out += ",\"mask\":";
      AppendJsonString(out, satz.Maske);
      out += ",\"german\":";
      AppendJsonString(out, satz.Deutsch);
      out += ",\"file\":";
      AppendJsonString(out, satz.Datei);
      if (!wave.empty())
        out += std::string(",\"recording\":") +
               (!satz.Datei.empty() && vyr::FileExists(wave + "Labor\\" + satz.Datei) ? "true" : "false");
      out += "}";
    }
    out += "]}";
  }
  out +=
      "\n],\"topicCount\":" + std::to_string(topics.size()) + ",\"sentenceCount\":" + std::to_string(sentences) + "}\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
