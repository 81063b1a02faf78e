// Any byte string is a compressed lab material: the reader must end without
// crashing, every sentence has a text and no mask is longer than its sentence.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "page/sources/ZipResource.h"
#include "shell/lab/LabMaterial.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vyr::TZIPResource source(bytes, "fuzz");
  int draws = 0;
  const auto topics = vyr::ReadLabMaterial(source, [&draws](int n) { return ++draws % n; });
  for (const vyr::TThema& t : topics)
    for (const vyr::TSatz& s : t.Saetze)
      if (s.Satz.empty() || s.Maske.size() > s.Satz.size()) std::abort();
  return 0;
}
