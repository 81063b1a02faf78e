// vyr-pack SOURCE TARGET: packs the course sources into an installation.
#include <QCoreApplication>
#include <cstdio>

#include "platform/Files.h"
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
  std::printf("vyr-pack: %d Dateien geschrieben, %d unverändert\n", r.written, r.unchanged);
  return r.errors.empty() ? 0 : 1;
}
