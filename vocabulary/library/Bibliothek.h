#pragma once
// The library of a program with the logged-in user's scores: every entry's
// Wert, a histogram of the scores -100..100 and their average.
#include <array>

#include "vocabulary/library/VocLib.h"
#include "vocabulary/library/VocScoreIndex.h"

namespace vyr {

class TBibliothek : public TVocLib {
 public:
  static constexpr int kHistogramSize = 201;  // scores -100..100

  // Gives every real entry its score for the logged-in user. An empty
  // look-up means nobody is logged in: then every score, the histogram and
  // the average are 0, so no earlier user's results are left showing.
  void ComputeScores(const TVocScoreLookup& scores);
  // The number of real entries whose German-first flag equals the argument.
  int CountByDirection(bool deutsch) const;

  const std::array<int, kHistogramSize>& Histogram() const { return histogram_; }
  // The count of one score, 0 outside -100..100.
  int HistogramAt(int score) const;
  int Average() const { return average_; }

 private:
  std::array<int, kHistogramSize> histogram_{};
  int average_ = 0;
};

// The nearest integer of sum / count, halves away from zero; 0 for no count.
int RoundedAverage(long long sum, long long count);

}  // namespace vyr
