// Any byte string is a recordings database file: loading must end without
// crashing or hanging, the records must be sorted and unique, and what is
// saved must load back the same.
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "shell/recordings/WaveBase.h"
#include "text/Case.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QTemporaryDir dir;
  static const std::string path = vyr::CoursePath(dir.path()) + "\\fuzz.vyr";
  static const bool quiet = [] {
    vyr::SetMessageHandler([](const std::string&, unsigned) { return 1; });
    return true;
  }();
  (void)quiet;
  if (!vyr::WriteWholeFile(path, std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  vyr::TXWaveBase base;
  base.Load(path);
  const auto& r = base.Records();
  for (size_t i = 1; i < r.size(); ++i)
    if (vyr::CollateCompareNoCase(r[i - 1].text, r[i].text) >= 0) std::abort();
  for (const vyr::TXWave& w : r) {
    size_t pos;
    if (!base.Find(w.text, pos) || r[pos].text != w.text) std::abort();
  }
  if (!base.Save(path)) return 0;
  vyr::TXWaveBase again;
  if (!again.Load(path) || again.Count() != base.Count()) std::abort();
  return 0;
}
