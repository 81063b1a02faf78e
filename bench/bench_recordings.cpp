// The recordings database's hot paths beside the plain algorithms they
// stand for.
//   BM_RecordingsLoad: 50,000 pairs in random order, every tenth text again
//   in another case, added to an empty database (as loading does after
//   inflating), beside BM_RecordingsLoad_Reference: the pairs parsed, sorted
//   stably by the collation and the first of equal texts kept.
//   BM_FindRecording: texts that have no recording, looked up with all the
//   variants in a database of 50,000 records, beside
//   BM_FindRecording_Reference: std::lower_bound plus the scan for the
//   texts beginning with "text (" and "text, ".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "shell/recordings/RecordingLookup.h"
#include "shell/recordings/Recordings.h"
#include "shell/recordings/WaveBase.h"
#include "text/Case.h"

namespace {

constexpr int kPairs = 50000;

std::string Text(int i) { return "word " + std::to_string(i * 7919 % 1000003) + (i % 3 ? " (noun)" : ""); }

std::string ShuffledPairs() {
  std::vector<std::string> texts;
  for (int i = 0; i < kPairs; ++i) texts.push_back(i % 10 == 9 ? vyr::UpperCase(Text(i - 1)) : Text(i));
  std::mt19937 random(42);
  std::shuffle(texts.begin(), texts.end(), random);
  std::string data;
  for (size_t i = 0; i < texts.size(); ++i) data += texts[i] + '\0' + "XE:\\w" + std::to_string(i) + ".wav" + '\0';
  return data;
}

void BM_RecordingsLoad(benchmark::State& state) {
  const std::string data = ShuffledPairs();
  for (auto _ : state) {
    vyr::TXWaveBase base;
    base.AddPairs(data);
    benchmark::DoNotOptimize(base.Count());
  }
}
BENCHMARK(BM_RecordingsLoad)->Unit(benchmark::kMillisecond);

void BM_RecordingsLoad_Reference(benchmark::State& state) {
  const std::string data = ShuffledPairs();
  for (auto _ : state) {
    std::vector<vyr::TXWave> records;
    for (size_t start = 0; start < data.size();) {
      const size_t a = data.find('\0', start), b = data.find('\0', a + 1);
      records.push_back({data.substr(start, a - start), data.substr(a + 1, b - a - 1)});
      start = b + 1;
    }
    std::stable_sort(records.begin(), records.end(), [](const vyr::TXWave& x, const vyr::TXWave& y) {
      return vyr::CollateCompareNoCase(x.text, y.text) < 0;
    });
    records.erase(std::unique(records.begin(), records.end(),
                              [](const vyr::TXWave& x, const vyr::TXWave& y) {
                                return vyr::CollateCompareNoCase(x.text, y.text) == 0;
                              }),
                  records.end());
    benchmark::DoNotOptimize(records.size());
  }
}
BENCHMARK(BM_RecordingsLoad_Reference)->Unit(benchmark::kMillisecond);

std::vector<std::string> Misses() {
  std::vector<std::string> misses;
  for (int i = 0; i < 1000; ++i) misses.push_back("word " + std::to_string(i * 104729 % 1000003) + "x");
  return misses;
}

void BM_FindRecording(benchmark::State& state) {
  auto main = std::make_unique<vyr::TXWaveBase>();
  main->AddPairs(ShuffledPairs());
  vyr::SetRecordings(std::move(main), std::make_unique<vyr::TXWaveBase>());
  const std::vector<std::string> misses = Misses();
  for (auto _ : state)
    for (const std::string& m : misses) benchmark::DoNotOptimize(vyr::FindRecording(m));
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(misses.size()));
  vyr::SetRecordings(nullptr, nullptr);
}
BENCHMARK(BM_FindRecording)->Unit(benchmark::kMicrosecond);

void BM_FindRecording_Reference(benchmark::State& state) {
  vyr::TXWaveBase base;
  base.AddPairs(ShuffledPairs());
  std::vector<std::string> texts;
  for (const vyr::TXWave& w : base.Records()) texts.push_back(w.text);
  const std::vector<std::string> misses = Misses();
  auto less = [](const std::string& a, const std::string& b) { return vyr::CollateCompareNoCase(a, b) < 0; };
  for (auto _ : state)
    for (const std::string& m : misses) {
      auto it = std::lower_bound(texts.begin(), texts.end(), m, less);
      bool found = it != texts.end() && vyr::CollateCompareNoCase(*it, m) == 0;
      for (const std::string& prefix : {m + " (", m + ", "}) {
        for (auto p = std::lower_bound(texts.begin(), texts.end(), prefix, less);
             !found && p != texts.end() && vyr::StartsWithText(*p, prefix); ++p)
          found = p->compare(0, prefix.size(), prefix) == 0;
      }
      benchmark::DoNotOptimize(found);
    }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(misses.size()));
}
BENCHMARK(BM_FindRecording_Reference)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
