#pragma once
// The sample list: up to 600 entries compiled into the learning program
// (compressed resource 2), from which the trainer takes wrong alternatives
// when the library has too few of a kind.
#include <vector>

#include "vocabulary/library/Vokabel.h"

namespace vyr {

class TZIPResource;

class TRes {
 public:
  static constexpr size_t kMaxEntries = 600;

  // Reads the compiled-in list.
  TRes();
  // Reads a list from a resource reader: ten lines per entry, as in library
  // files, but German-first only when line 9 is exactly "-1". Reading stops
  // at the first entry that is cut short or malformed, and after 600.
  explicit TRes(TZIPResource& source);

  int Count() const { return static_cast<int>(entries_.size()); }
  const TVokabel& Entry(size_t index) const { return entries_.at(index); }
  const std::vector<TVokabel>& Entries() const { return entries_; }

 private:
  void Read(TZIPResource& source);
  std::vector<TVokabel> entries_;
};

}  // namespace vyr
