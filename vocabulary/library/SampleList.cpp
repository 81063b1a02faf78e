#include "vocabulary/library/SampleList.h"

#include <string>

#include "page/sources/ZipResource.h"
#include "text/Trim.h"
#include "vocabulary/library/LibraryFormat.h"

namespace vyr {

TRes::TRes() {
  TZIPResource source(kResBeispielliste);
  Read(source);
}

TRes::TRes(TZIPResource& source) { Read(source); }

void TRes::Read(TZIPResource& source) {
  std::string text[kLinesPerEntry];
  std::string_view lines[kLinesPerEntry];
  while (entries_.size() < kMaxEntries && !source.AtEnd()) {
    for (int k = 0; k < kLinesPerEntry; ++k) {
      if (source.AtEnd()) return;  // cut short
      text[k] = Trim(source.ReadLine());
      lines[k] = text[k];
    }
    TVokabel entry;
    if (!EntryFromLines(lines, true, entry)) return;
    entries_.push_back(std::move(entry));
  }
}

}  // namespace vyr
