// The user base's hot paths beside what the plain containers and zlib cost.
//   BM_ScoreLookup: GetVocScore for 20,000 library entries among 20,000
//   records, beside the same look-ups in an unordered_map of upper-cased keys.
//   BM_RecordForeignFirst: 20,000 new foreign-first answers (each goes to
//   the front of the list).
//   BM_UserFileRoundTrip: a user file of 50,000 records read and written,
//   beside Inflate + SplitZStrings + Deflate of the same file.
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "shell/users/UserFile.h"
#include "shell/users/UserRecords.h"
#include "text/Case.h"
#include "text/ZStream.h"

namespace {

std::string Word(int i) { return "word" + std::to_string(i * 7919 % 100003) + "s"; }

vyr::TUserRecords MakeRecords(int n) {
  vyr::TUserRecords records;
  for (int i = 0; i < n; ++i) records.Record(Word(i), i % 2 == 0, "emvf"[i % 4], i % 21 - 10, i % 8);
  return records;
}

void BM_ScoreLookup(benchmark::State& state) {
  const vyr::TUserRecords records = MakeRecords(20000);
  for (auto _ : state) {
    long sum = 0;
    for (int i = 0; i < 20000; ++i) {
      const vyr::TXUserVoc* r = records.Find(vyr::VocKey(Word(i), i % 2 == 0, i % 8));
      sum += r ? vyr::HistoryScore(r->ScoreHistory) : 0;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ScoreLookup)->Unit(benchmark::kMillisecond);

void BM_ScoreLookup_Reference(benchmark::State& state) {
  std::unordered_map<std::string, std::string> map;
  for (int i = 0; i < 20000; ++i)
    map.emplace(vyr::UpperCase(std::string(i % 2 == 0 ? "<" : ">") + std::to_string(i % 8) + Word(i)),
                std::string(1, static_cast<char>(65 + i % 21 - 10)));
  for (auto _ : state) {
    long sum = 0;
    for (int i = 0; i < 20000; ++i) {
      const auto it = map.find(vyr::UpperCase(std::string(i % 2 == 0 ? "<" : ">") + std::to_string(i % 8) + Word(i)));
      sum += it == map.end() ? 0 : it->second[0] - 65;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ScoreLookup_Reference)->Unit(benchmark::kMillisecond);

void BM_RecordForeignFirst(benchmark::State& state) {
  for (auto _ : state) {
    vyr::TUserRecords records;
    for (int i = 0; i < 20000; ++i) records.Record(Word(i), false, 'e', 10, 3);
    benchmark::DoNotOptimize(records.Size());
  }
}
BENCHMARK(BM_RecordForeignFirst)->Unit(benchmark::kMillisecond);

std::string MakeFile() { return vyr::BuildUserFile("Anna", "", 3600, MakeRecords(50000)); }

void BM_UserFileRoundTrip(benchmark::State& state) {
  const std::string file = MakeFile();
  for (auto _ : state) {
    auto content = vyr::ParseUserFile(file);
    const std::string again = vyr::BuildUserFile(content->name, content->password, content->seconds, content->records);
    benchmark::DoNotOptimize(again.size());
  }
}
BENCHMARK(BM_UserFileRoundTrip)->Unit(benchmark::kMillisecond);

void BM_UserFileRoundTrip_Reference(benchmark::State& state) {
  const std::string file = MakeFile();
  for (auto _ : state) {
    const auto data = vyr::Inflate(file);
    const std::vector<std::string> strings = vyr::SplitZStrings(*data);
    benchmark::DoNotOptimize(strings.size());
    const std::string again = vyr::Deflate(*data);
    benchmark::DoNotOptimize(again.size());
  }
}
BENCHMARK(BM_UserFileRoundTrip_Reference)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
