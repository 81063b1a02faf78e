#include "vocabulary/library/Selection.h"

#include <set>

#include "page/sources/FindFiles.h"
#include "platform/core/Files.h"
#include "text/Case.h"
#include "text/LineFile.h"
#include "text/Trim.h"

namespace vyr {
namespace {

constexpr size_t kMaxListFileSize = size_t(4) << 20;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string ComparableName(std::string_view path) {
  std::string out;
  for (const char c : path) {
    if (IsSeparator(c)) {
      if (!out.empty() && out.back() == '\\') continue;
      out += '\\';
    } else {
      out += UpperChar(c);
    }
  }
  return out;
}

bool StaysInsideFolder(std::string_view relative) {
  if (relative.empty()) return true;
  if (IsSeparator(relative.front()) || relative.find(':') != std::string_view::npos) return false;
  size_t start = 0;
  while (start <= relative.size()) {
    size_t end = start;
    while (end < relative.size() && !IsSeparator(relative[end])) ++end;
    if (TrimView(relative.substr(start, end - start)) == "..") return false;
    start = end + 1;
  }
  return true;
}

std::string LibraryListPath(std::string_view userFolder, std::string_view programFolder) {
  return IncludeTrailingBackslash(userFolder.empty() ? programFolder : userFolder) + kLibraryListName;
}

std::vector<std::string> ReadLibraryList(std::string_view listFile, std::string_view vocabularyFolder) {
  std::vector<std::string> files;
  if (vocabularyFolder.empty()) return files;
  const auto text = ReadWholeFile(listFile, nullptr, kMaxListFileSize);
  if (!text) return files;
  const std::string folder = IncludeTrailingBackslash(vocabularyFolder);
  std::set<std::string> seen;
  for (const std::string& raw : SplitLines(*text)) {
    const std::string_view line = TrimView(raw);
    if (line.empty() || !StaysInsideFolder(line) || !seen.insert(ComparableName(line)).second) continue;
    files.push_back(folder + std::string(line));
  }
  return files;
}

std::vector<std::string> SelectionFiles(std::string_view selection, std::string_view vocabularyFolder,
                                        std::string_view listFile) {
  if (selection.empty()) return ReadLibraryList(listFile, vocabularyFolder);
  std::vector<std::string> files;
  if (vocabularyFolder.empty() || !StaysInsideFolder(selection)) return files;
  std::string folder = IncludeTrailingBackslash(vocabularyFolder) + std::string(selection);
  for (char& c : folder)
    if (c == '/') c = '\\';
  if (DirectoryExists(folder)) FindFiles(folder, &files, ".asc");
  return files;
}

}  // namespace vyr
