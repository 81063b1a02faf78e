#include "vocabulary/library/LibraryCounts.h"

#include "vocabulary/library/VocLib.h"

namespace vyr {

TLibraryCounts CountLibrary(const TVocLib& library) {
  TLibraryCounts c;
  const int count = library.EntryCount(false);
  for (int i = 0; i < count; ++i) {
    const TVokabel& e = library.Entries()[size_t(i)];
    const int d = e.Deutsch ? 1 : 0;
    if (!e.Kontext[0].empty() || !e.Kontext[1].empty()) ++c.withContext[d];
    if (e.Wortart < kCountedWortarten) ++c.classes[d][e.Wortart];
    if (e.Schwierigkeit <= kSchwierigkeitMax) ++c.levels[d][e.Schwierigkeit];
    ++c.total[d];
  }
  return c;
}

std::vector<std::pair<std::string, int>> CountLabels(const TLibraryCounts& c) {
  std::vector<std::pair<std::string, int>> out;
  const char* const classPrefix[2] = {"ED", "DE"};
  const char* const totalName[2] = {"FGesamt", "DGesamt"};
  const char* const contextName[2] = {"KF", "KD"};
  const char* const levelPrefix[2] = {"SF", "SD"};
  for (int d = 0; d < 2; ++d) {
    for (int k = 0; k < kCountedWortarten; ++k)
      out.emplace_back(classPrefix[d] + std::to_string(k + 1), c.classes[d][k]);
    out.emplace_back(totalName[d], c.total[d]);
    out.emplace_back(contextName[d], c.withContext[d]);
  }
  for (int d = 0; d < 2; ++d) {
    for (int k = 0; k <= kSchwierigkeitMax; ++k)
      out.emplace_back(levelPrefix[d] + std::to_string(k + 1), c.levels[d][k]);
    out.emplace_back(std::string(totalName[d]) + "2", c.total[d]);
  }
  return out;
}

}  // namespace vyr
