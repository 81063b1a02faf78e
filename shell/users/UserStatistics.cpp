#include "shell/users/UserStatistics.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace vyr {
namespace {

int Share(int count, int total) { return total == 0 ? 0 : static_cast<int>(std::lround(count * 100.0 / total)); }

}  // namespace

int StatisticsBin(int value) { return (value + 100) * 21 / 201; }

TUserStatistics ComputeStatistics(const TUserRecords& records) {
  TUserStatistics st;
  long long sumAbs = 0, sumRel = 0, sumGerman = 0, sumForeign = 0;
  int typing = 0, choice = 0, vegas = 0, freeFall = 0, length = 0;
  for (const TXUserVoc& r : records.Records()) {
    if (r.Key.empty()) continue;
    const int s = HistoryScore(r.ScoreHistory);
    const int rel = RelativeScore(s, r.ModeHistory);
    ++st.records;
    ++st.absolute[StatisticsBin(s)];
    ++st.relative[StatisticsBin(rel)];
    sumAbs += s;
    sumRel += rel;
    for (char c : r.ModeHistory) {
      typing += c == 'e';
      choice += c == 'm';
      vegas += c == 'v';
      freeFall += c == 'f';
    }
    length += static_cast<int>(r.ModeHistory.size());
    if (r.Key[0] == '<') {
      ++st.german[StatisticsBin(s)];
      ++st.germanCount;
      sumGerman += s;
    } else {
      ++st.foreign[StatisticsBin(s)];
      ++st.foreignCount;
      sumForeign += s;
    }
  }
  if (st.records == 0) return st;
  st.averageAbsolute = static_cast<int>(sumAbs / st.records);
  st.averageRelative = static_cast<int>(sumRel / st.records);
  st.averageGerman = st.germanCount ? static_cast<int>(sumGerman / st.germanCount) : 0;
  st.averageForeign = st.foreignCount ? static_cast<int>(sumForeign / st.foreignCount) : 0;
  st.shareTyping = Share(typing, length);
  st.shareChoice = Share(choice, length);
  st.shareVegas = Share(vegas, length);
  st.shareFreeFall = Share(freeFall, length);
  return st;
}

void PaintChart(QImage& picture, TChartKind kind, const TUserStatistics& stats) {
  if (picture.isNull()) return;
  const int w = picture.width(), h = picture.height();
  QPainter p(&picture);
  p.fillRect(0, 0, w / 2, h, QColor(255, 0, 0));
  p.fillRect(w / 2, 0, w - w / 2, h, QColor(51, 51, 51));
  if (stats.records == 0) return;
  const TUserStatistics::Histogram& bins = kind == TChartKind::Absolute   ? stats.absolute
                                           : kind == TChartKind::Relative ? stats.relative
                                           : kind == TChartKind::German   ? stats.german
                                                                          : stats.foreign;
  for (int i = 0; i < TUserStatistics::kBins; ++i) {
    const int left = static_cast<int>(std::lround(i * double(w) / 21));
    const int right = static_cast<int>(std::lround((i + 1) * double(w) / 21));
    const int height = static_cast<int>(std::lround(bins[i] * double(h) / stats.records));
    if (height > 0 && right > left) p.fillRect(left, h - height, right - left, height, Qt::white);
  }
}

}  // namespace vyr
