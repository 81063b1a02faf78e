#pragma once
// The picture of the learner's scores in the settings dialog: 201 x 100
// pixels, one column per score -100..100 (x = score + 100), the filter range
// as a green band, a line at score 0, and for every score that entries have
// a white bar whose height is its share of the real entries.
#include <QImage>

namespace vyr {

class TBibliothek;

inline constexpr int kHistogramWidth = 201, kHistogramHeight = 100;

QImage ScoreHistogram(const TBibliothek& library, int minScore, int maxScore);

}  // namespace vyr
