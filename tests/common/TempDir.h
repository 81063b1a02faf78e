#pragma once
// A temporary directory for one test, removed at its end, with helpers that
// build small installations in it. Paths are given as course paths.
#include <QTemporaryDir>
#include <string>
#include <string_view>

namespace vyr::test {

class TTempDir {
 public:
  TTempDir();
  // The directory as a course path ending with "\".
  const std::string& path() const { return path_; }
  QString native() const { return dir_.path(); }
  // Creates a file (and its directories) below the directory; name relative
  // with "\" separators, content as Windows-1252 bytes.
  std::string file(std::string_view name, std::string_view content = {}) const;
  std::string dir(std::string_view name) const;

 private:
  QTemporaryDir dir_;
  std::string path_;
};

}  // namespace vyr::test
