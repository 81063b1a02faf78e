// Any byte string is a library file: reading must end, and whatever it reads
// must be written and read back field for field (control bytes inside a
// field become blanks) unless a word would read as a comment.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "vocabulary/library/LibraryFormat.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const vyr::TLibraryText first = vyr::ParseLibrary(bytes);
  Check(first.result == vyr::kLoadFailed || first.result == static_cast<int>(first.entries.size()));
  if (first.result == vyr::kLoadFailed) return 0;
  for (const auto& e : first.entries)
    if (vyr::ReadsAsComment(e.Vokabel)) return 0;  // refused by SaveFile
  const vyr::TLibraryText again = vyr::ParseLibrary(vyr::RenderLibrary(first.comments, first.entries));
  Check(again.result == first.result);
  Check(again.comments.size() == first.comments.size());
  for (size_t i = 0; i < first.comments.size(); ++i)
    Check(again.comments[i] == vyr::WithoutControlBytes(first.comments[i]));
  for (size_t i = 0; i < first.entries.size(); ++i) {
    vyr::TVokabel e = first.entries[i];
    for (std::string* text : {&e.Vokabel, &e.Bedeutung[0], &e.Bedeutung[1], &e.Kontext[0], &e.Kontext[1]})
      *text = vyr::WithoutControlBytes(*text);
    Check(again.entries[i] == e);
  }
  return 0;
}
