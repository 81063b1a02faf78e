#pragma once
// The statistics of a user's results, for the pages and the progress log,
// and the progress charts drawn from them.
#include <array>

#include "shell/users/UserRecords.h"

class QImage;

namespace vyr {

struct TUserStatistics {
  static constexpr int kBins = 21;
  using Histogram = std::array<int, kBins>;
  int records = 0;  // records counted (non-empty key)
  int averageAbsolute = 0, averageRelative = 0, averageGerman = 0, averageForeign = 0;
  int germanCount = 0, foreignCount = 0;
  int shareTyping = 0, shareChoice = 0, shareVegas = 0, shareFreeFall = 0;  // percent of answers
  Histogram absolute{}, relative{}, german{}, foreign{};
};

// The bin of a score: 0 for -100, 10 for 0, 20 for +100.
int StatisticsBin(int value);
TUserStatistics ComputeStatistics(const TUserRecords& records);

// The chart kinds: the page codes "absolut", "relativ", "deutsch", "fremd".
enum class TChartKind { Absolute = 0, Relative = 1, German = 2, Foreign = 3 };
// Left half red, right half dark grey, the histogram in white columns rising
// from the bottom; without records only the background.
void PaintChart(QImage& picture, TChartKind kind, const TUserStatistics& stats);

}  // namespace vyr
