#pragma once
// The counts of the library statistics, kept apart for the two directions
// (English-German: entries without the German-first flag; German-English:
// with it): per word class 0..5, in all, with contexts, per difficulty 0..4.
// Only real entries count (not a trailing incomplete one); classes 6 and 7
// count in the total, the contexts and the difficulties only.
#include <string>
#include <utility>
#include <vector>

#include "vocabulary/library/Vokabel.h"

namespace vyr {

class TVocLib;

struct TLibraryCounts {
  // [0] English-German, [1] German-English
  int classes[2][kCountedWortarten] = {};
  int total[2] = {};
  int withContext[2] = {};
  int levels[2][kSchwierigkeitMax + 1] = {};
};

TLibraryCounts CountLibrary(const TVocLib& library);

// Every value of the statistics dialog under its label's name, in the
// dialog's order: ED1..ED6, FGesamt, KF, DE1..DE6, DGesamt, KD, SF1..SF5,
// FGesamt2, SD1..SD5, DGesamt2.
std::vector<std::pair<std::string, int>> CountLabels(const TLibraryCounts& counts);

}  // namespace vyr
