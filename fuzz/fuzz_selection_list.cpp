// Any byte string is a selection list (".xsl" or "E_Bibliotheken.txt"):
// reading must end; every name taken is non-empty, stays inside the
// vocabulary folder, has no control byte and is taken once; a pick takes
// them all; and the list written from the pick reads back as the same names.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "text/LineFile.h"
#include "vocabulary/library/Selection.h"
#include "vocabulary/selection/Pick.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> names = vyr::TakenNames(bytes);
  std::set<std::string> keys;
  vyr::TPick pick;
  for (const std::string& n : names) {
    Check(!n.empty() && vyr::StaysInsideFolder(n));
    for (const char c : n) Check(static_cast<unsigned char>(c) >= 32);
    Check(keys.insert(vyr::PathKey(n)).second);
    Check(pick.Add(n));
  }
  // What WriteSelectionList writes.
  const std::vector<std::string> again = vyr::TakenNames(vyr::JoinLines(pick.Sorted()));
  Check(again.size() == names.size());
  for (const std::string& n : again) Check(pick.Contains(n));
  return 0;
}
