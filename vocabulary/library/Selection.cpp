#include "vocabulary/library/Selection.h"

#include <algorithm>
#include <set>

#include "page/sources/FindFiles.h"
#include "platform/core/Files.h"
#include "text/Case.h"
#include "text/LineFile.h"
#include "text/Trim.h"

namespace vyr {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

std::string PathKey(std::string_view path) {
  std::string k = ComparableName(path);
  while (!k.empty() && k.back() == '\\') k.pop_back();
  return k;
}

std::vector<TListLine> ParseListLines(std::string_view text) {
  std::vector<TListLine> lines;
  std::set<std::string> seen;
  for (const std::string& raw : SplitLines(text)) {
    // A byte order mark begins a line too where lists were joined, and a
    // name beginning with one would lose it when written and read again.
    std::string_view name = TrimView(raw);
    while (name.substr(0, 3) == kByteOrderMark) name = TrimView(name.substr(3));
    TListLine& l = lines.emplace_back();
    l.name = name;
    if (l.name.empty()) l.verdict = TListVerdict::Empty;
    else if (!StaysInsideFolder(l.name)) l.verdict = TListVerdict::Outside;
    else if (std::any_of(l.name.begin(), l.name.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }))
      l.verdict = TListVerdict::ControlBytes;
    else if (!seen.insert(PathKey(l.name)).second) l.verdict = TListVerdict::Repeated;
  }
  return lines;
}

std::vector<std::string> TakenNames(std::string_view text) {
  std::vector<std::string> names;
  for (TListLine& l : ParseListLines(text))
    if (l.verdict == TListVerdict::Taken) names.push_back(std::move(l.name));
  return names;
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
  for (const std::string& name : TakenNames(*text)) files.push_back(folder + name);
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
