#include "tools/vyr-pack/Packer.h"

#include "platform/core/Files.h"
#include "text/Case.h"
#include "text/Cp1252.h"
#include "text/LineFile.h"
#include "text/Trim.h"
#include "text/ZStream.h"

namespace vyr {
namespace {

bool IsCompressedPage(const std::string& ext) {
  // Compared exactly, as the page loader does: "x.HTX" is a plain file.
  return ext == ".htx" || ext == ".hvyr" || ext == ".xtml" || ext == ".xtm";
}

bool IsText(const std::string& ext) {
  const std::string e = LowerCase(ext);
  return e == ".wxt" || e == ".html" || e == ".htm" || e == ".txt" || e == ".vyr" || e == ".asc" || e == ".ini" ||
         e == ".xsl" || e == ".ed" || IsCompressedPage(e);
}

// Files the programs write in the installation: "vyr.ini" and the
// recordings databases. They are packed again only when their source
// changed since the last packing, so what a program wrote survives a build.
bool WrittenByPrograms(const std::string& name) {
  return SameText(name, "vyr.ini") || SameText(ExtractFileExt(name), ".wxt");
}

// The installation's file for a source file: a recordings list ".wxt"
// becomes its database ".vyr".
std::string TargetName(const std::string& name) {
  return SameText(ExtractFileExt(name), ".wxt") ? ChangeFileExt(name, ".vyr") : name;
}

// The stamp beside such a file: the source it was last packed from.
std::string StampName(const std::string& target) {
  return ExtractFilePath(target) + ".quelle-" + ExtractFileName(target);
}

void Walk(const std::string& source, const std::string& target, TPackResult& result, const std::string& root,
          const std::string& installDir) {
  for (const TDirEntry& e : ListDirectory(source)) {
    // The build's own files and the sources of the compiled-in resources
    // are no part of the installation.
    if (source == root && (e.name == "CMakeLists.txt" || (e.isDirectory && e.name == "resources"))) continue;
    if (e.isDirectory) {
      MakeDirectories(target + e.name + "\\");
      Walk(source + e.name + "\\", target + e.name + "\\", result, root, installDir);
      continue;
    }
    std::string error;
    const auto data = ReadWholeFile(source + e.name, &error);
    if (!data) {
      result.errors.push_back(source + e.name + ": " + error);
      continue;
    }
    const std::string out = target + TargetName(e.name);
    const std::string packed = PackedFile(e.name, *data, installDir);
    const auto old = ReadWholeFile(out);
    if (WrittenByPrograms(e.name) && old && ReadWholeFile(StampName(out)) == *data) {
      ++result.unchanged;
      continue;
    }
    if (old && *old == packed) {
      if (WrittenByPrograms(e.name)) WriteWholeFile(StampName(out), *data);
      ++result.unchanged;
      continue;
    }
    if (WriteWholeFile(out, packed, &error)) {
      ++result.written;
      if (WrittenByPrograms(e.name) && !WriteWholeFile(StampName(out), *data, &error))
        result.errors.push_back(StampName(out) + ": " + error);
    } else {
      result.errors.push_back(out + ": " + error);
    }
  }
}

// Files the programs read line by line with CR LF after every line: the
// vocabulary libraries, card templates and the library list.
bool EndsLinesWithCrLf(const std::string& name, const std::string& ext) {
  const std::string e = LowerCase(ext);
  return e == ".asc" || e == ".xsl" || SameText(name, "E_Bibliotheken.txt");
}

}  // namespace

std::string RecordingPairs(const std::string& list) {
  std::string pairs;
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find('\n', start);
    if (end == std::string::npos) end = list.size();
    const std::string line = TrimRight(std::string_view(list).substr(start, end - start));
    start = end + 1;
    const size_t tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
    pairs += line.substr(0, tab);
    pairs += '\0';
    pairs += Trim(std::string_view(line).substr(tab + 1));
    pairs += '\0';
  }
  return pairs;
}

std::string PackedFile(const std::string& name, const std::string& source, const std::string& targetDir) {
  const std::string ext = ExtractFileExt(name);
  if (!IsText(ext)) return source;
  std::string text = Utf8ToCp1252(source);
  if (LowerCase(ext) == ".ini") {
    for (size_t p = text.find("@INSTALL@"); p != std::string::npos; p = text.find("@INSTALL@", p))
      text.replace(p, 9, targetDir), p += targetDir.size();
  }
  if (IsCompressedPage(ext)) return Deflate(text);
  if (EndsLinesWithCrLf(ExtractFileName(name), ext)) return JoinLines(SplitLines(text));
  if (LowerCase(ext) == ".wxt") return Deflate(RecordingPairs(text));
  return text;
}

TPackResult PackCourse(const std::string& sourceDir, const std::string& targetDir) {
  TPackResult result;
  if (!DirectoryExists(sourceDir)) {
    result.errors.push_back("Das Verzeichnis " + sourceDir + " wurde nicht gefunden.");
    return result;
  }
  MakeDirectories(targetDir);
  Walk(sourceDir, targetDir, result, sourceDir, targetDir);
  return result;
}

}  // namespace vyr
