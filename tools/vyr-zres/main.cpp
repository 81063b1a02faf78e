// vyr-zres INPUT.txt OUTPUT.z
//
// Reads a UTF-8 text, converts every line to Windows-1252, ends each with a
// NUL and writes the whole as one zlib stream. A character Windows-1252 lacks
// is an error, so no line of a resource silently turns into "?".
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <string>
#include <vector>

#include "text/Cp1252.h"
#include "text/LineFile.h"
#include "text/ZStream.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vyr-zres INPUT.txt OUTPUT.z\n");
    return 2;
  }
  QFile in(QString::fromLocal8Bit(argv[1]));
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "vyr-zres: cannot read %s\n", argv[1]);
    return 1;
  }
  QByteArray utf8 = in.readAll();
  if (utf8.startsWith("\xEF\xBB\xBF")) utf8.remove(0, 3);
  const std::string_view text(utf8.constData(), static_cast<size_t>(utf8.size()));

  std::vector<std::string> lines;
  int lineNo = 0;
  for (const std::string& line : vyr::SplitLines(text)) {
    ++lineNo;
    const std::string bytes = vyr::Utf8ToCp1252(line);
    if (vyr::Cp1252ToUtf8(bytes) != line) {
      std::fprintf(stderr, "%s:%d: character not in Windows-1252 (or not UTF-8)\n", argv[1], lineNo);
      return 1;
    }
    lines.push_back(bytes);
  }

  const std::string packed = vyr::WriteZStrings(lines);
  QSaveFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly) ||
      out.write(packed.data(), static_cast<qint64>(packed.size())) != static_cast<qint64>(packed.size()) ||
      !out.commit()) {
    std::fprintf(stderr, "vyr-zres: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
