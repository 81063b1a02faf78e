#include "page/sources/FindFiles.h"

#include <QFileInfo>

#include <set>

#include "platform/core/Files.h"
#include "text/Case.h"

namespace vyr {
namespace {

struct TSearch {
  std::vector<std::string>* list;
  std::string ext, ext2;
  std::set<QString> seen;
  int count = 0;

  void Walk(const std::string& dir) {
    const QString real = QFileInfo(NativePath(dir)).canonicalFilePath();
    if (real.isEmpty() || !seen.insert(real).second) return;
    for (const TDirEntry& e : ListDirectory(dir)) {
      const std::string full = dir + e.name;
      if (e.isDirectory) {
        Walk(full + "\\");
        continue;
      }
      const std::string x = LowerCase(ExtractFileExt(e.name));
      if (x != ext && (ext2.empty() || x != ext2)) continue;
      ++count;
      if (list) list->push_back(full);
    }
  }
};

}  // namespace

int FindFiles(std::string_view dir, std::vector<std::string>* list, std::string_view ext, std::string_view ext2) {
  TSearch search{list, LowerCase(ext), LowerCase(ext2), {}, 0};
  search.Walk(IncludeTrailingBackslash(dir));
  return search.count;
}

}  // namespace vyr
