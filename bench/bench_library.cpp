// Vocabulary libraries of 50,000 entries (about 7 MB): loading and saving
// next to reading the bytes and splitting them into lines / writing the
// ready bytes, and the scores of a user with 20,000 records next to a plain
// hash map built and asked the same way.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/core/Files.h"
#include "text/Case.h"
#include "text/LineFile.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/library/LibraryFormat.h"
#include "vocabulary/library/VocScoreIndex.h"

namespace {

constexpr int kEntries = 50000, kRecords = 20000;

// The record key of an entry.
std::string Key(const vyr::TVokabel& e) {
  return std::string(e.Deutsch ? "<" : ">") + std::to_string(e.Wortart) + e.Vokabel;
}

struct TRecord {
  std::string Key, ScoreHistory;
};

int HistoryScore(const TRecord& r) {
  int sum = 0;
  for (const char c : r.ScoreHistory) sum += static_cast<unsigned char>(c) - 65;
  return sum < -100 ? -100 : (sum > 100 ? 100 : sum);
}

struct TFixture {
  QTemporaryDir dir;
  std::string base, source, target, reference;
  std::vector<vyr::TVokabel> entries;
  std::vector<TRecord> records;
  std::string bytes;
  TFixture() {
    base = vyr::IncludeTrailingBackslash(vyr::CoursePath(dir.path()));
    source = base + "gross.asc";
    target = base + "gespeichert.asc";
    reference = base + "referenz.asc";
    for (int i = 0; i < kEntries; ++i) {
      const std::string n = std::to_string(i);
      vyr::TVokabel e;
      e.Vokabel = "Wörterbuch" + n;
      e.Bedeutung[0] = "dictionary " + n + "; word book [veraltet]";
      e.Bedeutung[1] = i % 3 ? "" : "lexicon " + n;
      e.Kontext[0] = "She looked it up in the [*] on the shelf number " + n + ".";
      e.Kontext[1] = i % 2 ? "" : "Das (Wörterbuch) liegt auf dem Tisch.";
      e.BedeutungAnzeigen[0] = i % 5 == 0;
      e.Wortart = static_cast<uint8_t>(i % 8);
      e.Deutsch = i % 4 == 0;
      e.Schwierigkeit = static_cast<uint8_t>(i % 5);
      entries.push_back(e);
    }
    bytes = vyr::RenderLibrary({"Autor: Benchmark"}, entries);
    vyr::WriteWholeFile(source, bytes);
    // every second entry and a few thousand others have a record, some in other letter case
    for (int i = 0; i < kRecords; ++i) {
      const int k = i < kEntries / 2 ? i * 2 : i;
      const vyr::TVokabel& e = entries[size_t(k % kEntries)];
      std::string key = Key(e);
      if (i % 7 == 0) key = vyr::UpperCase(key);
      records.push_back({key, std::string(size_t(1 + i % 5), static_cast<char>(65 + i % 21 - 10))});
    }
  }
};

TFixture& Fixture() {
  static TFixture f;
  return f;
}

void BM_LoadLibrary(benchmark::State& state) {
  vyr::TVocLib lib;
  for (auto _ : state) {
    if (lib.LoadFile(Fixture().source) != kEntries) {
      state.SkipWithError("library not read");
      break;
    }
    benchmark::DoNotOptimize(lib.Entries().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Fixture().bytes.size()));
}
BENCHMARK(BM_LoadLibrary)->Unit(benchmark::kMillisecond);

// Reference: the bytes read and split into lines, nothing more.
void BM_LoadReference(benchmark::State& state) {
  for (auto _ : state) {
    auto bytes = vyr::ReadWholeFile(Fixture().source);
    auto lines = vyr::SplitLines(*bytes);
    benchmark::DoNotOptimize(lines.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Fixture().bytes.size()));
}
BENCHMARK(BM_LoadReference)->Unit(benchmark::kMillisecond);

void BM_SaveLibrary(benchmark::State& state) {
  vyr::TVocLib lib;
  lib.LoadFile(Fixture().source);
  for (auto _ : state) {
    if (!lib.SaveFile(Fixture().target)) {
      state.SkipWithError("library not saved");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Fixture().bytes.size()));
}
BENCHMARK(BM_SaveLibrary)->Unit(benchmark::kMillisecond);

// Reference: the same bytes, already rendered, written.
void BM_SaveReference(benchmark::State& state) {
  for (auto _ : state) vyr::WriteWholeFile(Fixture().reference, Fixture().bytes);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Fixture().bytes.size()));
}
BENCHMARK(BM_SaveReference)->Unit(benchmark::kMillisecond);

// The index of the user's records is built for every computation, as the
// program does after every round.
void BM_ComputeScores(benchmark::State& state) {
  vyr::TBibliothek lib;
  lib.LoadFile(Fixture().source);
  for (auto _ : state) {
    const vyr::TVocScoreIndex index = vyr::TVocScoreIndex::FromRecords(Fixture().records, HistoryScore);
    lib.ComputeScores(index.Lookup());
    benchmark::DoNotOptimize(lib.Average());
  }
}
BENCHMARK(BM_ComputeScores)->Unit(benchmark::kMillisecond);

// Reference: a hash map of the lower-cased keys, built and asked once per entry.
void BM_ComputeScoresReference(benchmark::State& state) {
  const auto& entries = Fixture().entries;
  for (auto _ : state) {
    std::unordered_map<std::string, int> map;
    for (const TRecord& r : Fixture().records) map.try_emplace(vyr::LowerCase(r.Key), HistoryScore(r));
    long long sum = 0;
    for (const auto& e : entries) {
      const auto it = map.find(vyr::LowerCase(Key(e)));
      sum += it == map.end() ? 0 : it->second;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ComputeScoresReference)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
