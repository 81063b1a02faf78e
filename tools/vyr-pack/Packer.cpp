#include "tools/vyr-pack/Packer.h"

#include "platform/core/Files.h"
#include "text/Case.h"
#include "text/Cp1252.h"
#include "text/LineFile.h"
#include "text/ZStream.h"

namespace vyr {
namespace {

bool IsCompressedPage(const std::string& ext) {
  // Compared exactly, as the page loader does: "x.HTX" is a plain file.
  return ext == ".htx" || ext == ".hvyr" || ext == ".xtml" || ext == ".xtm";
}

bool IsText(const std::string& ext) {
  const std::string e = LowerCase(ext);
  return e == ".html" || e == ".htm" || e == ".txt" || e == ".vyr" || e == ".asc" || e == ".ini" || e == ".xsl" ||
         e == ".ed" || IsCompressedPage(e);
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
    const std::string packed = PackedFile(e.name, *data, installDir);
    const auto old = ReadWholeFile(target + e.name);
    if (old && *old == packed) {
      ++result.unchanged;
      continue;
    }
    if (WriteWholeFile(target + e.name, packed, &error)) ++result.written;
    else result.errors.push_back(target + e.name + ": " + error);
  }
}

// Files the programs read line by line with CR LF after every line: the
// vocabulary libraries, card templates and the library list.
bool EndsLinesWithCrLf(const std::string& name, const std::string& ext) {
  const std::string e = LowerCase(ext);
  return e == ".asc" || e == ".xsl" || SameText(name, "E_Bibliotheken.txt");
}

}  // namespace

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
