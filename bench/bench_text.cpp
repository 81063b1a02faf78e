#include <benchmark/benchmark.h>
#include <QCollator>
#include <algorithm>
#include <string>
#include <vector>

#include "text/Case.h"
#include "text/Cp1252.h"

namespace {

// A word list like a dictionary half: German and English words with umlauts.
std::vector<std::string> Words(size_t n) {
  static const char* stems[] = {"Haus", "häuslich", "Äpfel",  "apple",  "Straße", "strasse", "Öl",     "oil",
                                "über", "uber",     "Müller", "muller", "café",   "Zug",     "zählen", "Œuvre"};
  std::vector<std::string> out;
  uint32_t x = 12345;
  for (size_t i = 0; i < n; ++i) {
    x = x * 1103515245u + 12345u;
    out.push_back(std::string(stems[x % 16]) + std::to_string(x % 997));
  }
  return out;
}

void BM_CollateSort(benchmark::State& state) {
  const auto words = Words(20000);
  for (auto _ : state) {
    auto copy = words;
    std::sort(copy.begin(), copy.end(), vyr::CollateLess());
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_CollateSort)->Unit(benchmark::kMillisecond);

void BM_CollateSort_Reference(benchmark::State& state) {
  std::vector<QString> words;
  for (const auto& w : Words(20000)) words.push_back(vyr::ToUnicode(w));
  QCollator collator(QLocale(QLocale::German, QLocale::Germany));
  for (auto _ : state) {
    auto copy = words;
    std::sort(copy.begin(), copy.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_CollateSort_Reference)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
