#include "tests/common/TempDir.h"

#include <stdexcept>

#include "platform/core/Files.h"

namespace vyr::test {

TTempDir::TTempDir() : path_(IncludeTrailingBackslash(CoursePath(dir_.path()))) {
  if (!dir_.isValid()) throw std::runtime_error("no temporary directory");
}

std::string TTempDir::file(std::string_view name, std::string_view content) const {
  const std::string full = path_ + std::string(name);
  MakeDirectories(ExtractFilePath(full));
  if (!WriteWholeFile(full, content)) throw std::runtime_error("cannot write test file");
  return full;
}

std::string TTempDir::dir(std::string_view name) const {
  const std::string full = IncludeTrailingBackslash(path_ + std::string(name));
  MakeDirectories(full);
  return full;
}

}  // namespace vyr::test
