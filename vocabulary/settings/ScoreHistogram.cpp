#include "vocabulary/settings/ScoreHistogram.h"

#include <algorithm>

#include "vocabulary/library/Bibliothek.h"

namespace vyr {
namespace {

void Column(QImage& img, int x, int top, QRgb colour) {
  if (x < 0 || x >= kHistogramWidth) return;
  for (int y = std::max(0, top); y < kHistogramHeight; ++y) img.setPixel(x, y, colour);
}

}  // namespace

QImage ScoreHistogram(const TBibliothek& library, int minScore, int maxScore) {
  QImage img(kHistogramWidth, kHistogramHeight, QImage::Format_RGB888);
  img.fill(qRgb(0x66, 0x66, 0x66));
  const int lo = std::clamp(minScore, -100, 100) + 100, hi = std::clamp(maxScore, -100, 100) + 100;
  for (int x = lo; x <= hi; ++x) Column(img, x, 0, qRgb(0x22, 0x88, 0x00));
  Column(img, 100, 0, qRgb(0x99, 0x99, 0x99));
  const long long count = library.EntryCount(false);
  if (count <= 0) return img;
  for (int v = -100; v <= 100; ++v) {
    const long long n = library.HistogramAt(v);
    if (n <= 0) continue;
    const int height = static_cast<int>(std::min<long long>(100, (n * 200 + count) / (2 * count)));
    Column(img, v + 100, kHistogramHeight - height, qRgb(0xFF, 0xFF, 0xFF));
  }
  return img;
}

}  // namespace vyr
