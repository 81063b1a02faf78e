#pragma once
// The entry counts of single library files for the selection tree: a file
// is read once per path, size and modification time, so expanding and
// repainting never read it again.
#include <map>
#include <string>
#include <string_view>
#include <tuple>

namespace vyr {

class TEntryCounts {
 public:
  // The entries of a file as the library reads them (-2 for a broken file).
  int Count(std::string_view path);
  // How many files were read so far.
  int Reads() const { return reads_; }

 private:
  std::map<std::tuple<std::string, long long, long long>, int> counts_;
  int reads_ = 0;
};

}  // namespace vyr
