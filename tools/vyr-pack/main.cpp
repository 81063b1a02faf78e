// vyr-pack SOURCE TARGET: packs the course sources into an installation.
#include <QCoreApplication>
#include <cstdio>

#include "platform/core/Files.h"
#include "text/Cp1252.h"
#include "tools/vyr-pack/Packer.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 3) {
    std::fprintf(stderr, "Aufruf: vyr-pack QUELLVERZEICHNIS ZIELVERZEICHNIS\n");
    return 2;
  }
  const std::string source = vyr::IncludeTrailingBackslash(vyr::CoursePath(args[1]));
  const std::string target = vyr::IncludeTrailingBackslash(vyr::CoursePath(args[2]));
  const vyr::TPackResult r = vyr::PackCourse(source, target);
  for (const std::string& e : r.errors) std::fprintf(stderr, "vyr-pack: %s\n", vyr::Cp1252ToUtf8(e).c_str());
  const std::string summary =
      std::to_string(r.written) + " Dateien geschrieben, " + std::to_string(r.unchanged) + " unverändert";
  std::printf("vyr-pack: %s\n", vyr::Cp1252ToUtf8(summary).c_str());
  return r.errors.empty() ? 0 : 1;
}
