#include "vocabulary/library/Bibliothek.h"

#include <algorithm>

namespace vyr {

int RoundedAverage(long long sum, long long count) {
  if (count <= 0) return 0;
  long long q = sum / count;
  const long long r = sum % count;
  if (2 * (r < 0 ? -r : r) >= count) q += sum < 0 ? -1 : 1;
  return static_cast<int>(q);
}

void TBibliothek::ComputeScores(const TVocScoreLookup& scores) {
  average_ = 0;
  histogram_.fill(0);
  const int count = EntryCount(false);
  long long sum = 0;
  for (int i = 0; i < count; ++i) {
    TVokabel& e = entries_[size_t(i)];
    if (!scores) {
      e.Wert = 0;
      continue;
    }
    e.Wert = std::clamp(scores(e.Vokabel, e.Deutsch, e.Wortart), -100, 100);
    ++histogram_[size_t(e.Wert + 100)];
    sum += e.Wert;
  }
  if (scores) average_ = RoundedAverage(sum, count);
}

int TBibliothek::CountByDirection(bool deutsch) const {
  const int count = EntryCount(false);
  int n = 0;
  for (int i = 0; i < count; ++i) n += entries_[size_t(i)].Deutsch == deutsch;
  return n;
}

int TBibliothek::HistogramAt(int score) const {
  return score >= -100 && score <= 100 ? histogram_[size_t(score + 100)] : 0;
}

}  // namespace vyr
