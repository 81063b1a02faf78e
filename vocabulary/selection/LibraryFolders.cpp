#include "vocabulary/selection/LibraryFolders.h"

#include <algorithm>
#include <set>

#include "page/sources/FindFiles.h"
#include "text/Case.h"
#include "vocabulary/selection/Pick.h"

namespace vyr {
namespace {

bool IsLibrary(const TDirEntry& e) { return !e.isDirectory && SameText(ExtractFileExt(e.name), ".asc"); }

}  // namespace

std::vector<TDirEntry> FolderChildren(std::string_view folder, bool descending) {
  std::vector<TDirEntry> out;
  for (TDirEntry& e : ListDirectory(folder))
    if (e.isDirectory || IsLibrary(e)) out.push_back(std::move(e));
  std::stable_sort(out.begin(), out.end(), [descending](const TDirEntry& a, const TDirEntry& b) {
    if (a.isDirectory != b.isDirectory) return a.isDirectory;
    const int c = CompareText(a.name, b.name);
    return descending ? c > 0 : c < 0;
  });
  return out;
}

int DirectLibraryCount(std::string_view folder) {
  int n = 0;
  for (const TDirEntry& e : ListDirectory(folder)) n += IsLibrary(e);
  return n;
}

std::string SelectionOfPick(const TPick& pick, std::string_view vocabularyFolder) {
  if (pick.empty() || vocabularyFolder.empty()) return {};
  const std::string root = IncludeTrailingBackslash(vocabularyFolder);
  std::set<std::string> picked;
  for (const std::string& f : pick.Files()) picked.insert(PathKey(f));
  for (const TDirEntry& top : FolderChildren(root)) {
    if (!top.isDirectory) continue;
    std::vector<std::string> files;
    FindFiles(root + top.name, &files, ".asc");
    std::set<std::string> all;
    for (const std::string& f : files) all.insert(PathKey(std::string_view(f).substr(root.size())));
    if (!all.empty() && all == picked) return top.name;
  }
  return {};
}

}  // namespace vyr
