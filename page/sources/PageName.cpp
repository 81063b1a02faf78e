#include "page/sources/PageName.h"

#include <algorithm>

#include "page/sources/ContainerCall.h"
#include "platform/core/Files.h"

namespace vyr {
namespace {

std::string WithBackslash(std::string_view dir) { return dir.empty() ? std::string() : IncludeTrailingBackslash(dir); }

bool IsDriveRoot(std::string_view dir) {
  return HasDrive(dir) && (dir.size() == 2 || (dir.size() == 3 && dir[2] == '\\'));
}

}  // namespace

std::string InPageDirectory(std::string_view xpath, std::string_view name) {
  return WithBackslash(xpath) + std::string(name);
}

std::string ParentDirectory(std::string_view dir) {
  if (dir.empty() || IsDriveRoot(dir)) return std::string(dir);
  const std::string without = ExcludeTrailingBackslash(dir);
  if (IsNetworkPath(without)) {  // "\\server\share" is the root of a share
    const size_t server = without.find('\\', 2);
    if (server == std::string::npos || without.find('\\', server + 1) == std::string::npos) return std::string(dir);
  }
  return ExtractFilePath(without);
}

std::string ResolvePageName(std::string_view name, std::string_view xpath) {
  std::string star;
  if (!name.empty() && name.front() == '*') {
    star = "*";
    name.remove_prefix(1);
  }
  name = name.substr(0, name.find('@'));

  std::string n;
  if (IsContainerCall(name) || IsNextTaskLink(name)) {
    const TContainerCall call = ParseContainerCall(name);
    if (!call.hasFile) return std::string();
    n = call.file;
  } else {
    n = std::string(name);
  }
  std::replace(n.begin(), n.end(), '/', '\\');

  if (HasDrive(n) || IsNetworkPath(n)) return star + n;
  if (!n.empty() && n.front() == '\\') return star + ExcludeTrailingBackslash(xpath) + n;
  std::string dir = WithBackslash(xpath);
  std::string_view rest = n;
  while (rest.substr(0, 3) == "..\\") {
    dir = ParentDirectory(dir);
    rest.remove_prefix(3);
  }
  return star + dir + std::string(rest);
}

bool IsCompressedPageName(std::string_view name) {
  const std::string ext = ExtractFileExt(name);
  return ext == ".htx" || ext == ".hvyr" || ext == ".xtml" || ext == ".xtm";
}

bool IsContainerName(std::string_view name) { return ExtractFileExt(name) == ".vyr"; }

}  // namespace vyr
