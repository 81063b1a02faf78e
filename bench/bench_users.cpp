// The user base's hot paths beside what the plain containers and zlib cost.
//   BM_ScoreLookup: GetVocScore of a logged-in user with 20,000 records for
//   20,000 library entries, beside the same look-ups in an unordered_map of
//   upper-cased keys (BM_ScoreLookup_Reference).
//   BM_RecordForeignFirst: 10,000 to 40,000 new foreign-first answers, each
//   of which goes to the front of the records.
//   BM_UserFileRoundTrip: a user file of 50,000 records read and written,
//   beside Inflate + SplitZStrings + Deflate of the same file.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/core/Files.h"
#include "shell/startup/Environment.h"
#include "shell/users/UserBase.h"
#include "shell/users/UserFile.h"
#include "shell/users/UserRecords.h"
#include "text/Case.h"
#include "text/ZStream.h"

namespace {

constexpr int kEntries = 20000;

std::string Word(int i) { return "word" + std::to_string(i * 7919 % 100003) + "s"; }
bool Deutsch(int i) { return i % 2 == 0; }
int WordClass(int i) { return i % 8; }

// The editor's user base (no user settings, no log line) on a temporary
// installation, with one user logged in.
struct TLoggedIn {
  QTemporaryDir dir;
  std::unique_ptr<vyr::TXUserBase> users;
  TLoggedIn() {
    vyr::ResetEnvironment();
    vyr::Env().programDirectory = vyr::IncludeTrailingBackslash(vyr::CoursePath(dir.path()));
    users = std::make_unique<vyr::TXUserBase>(vyr::TXUserBase::TProgram::Editor);
    users->Login("Anna", "");
  }
  ~TLoggedIn() {
    users.reset();
    vyr::ResetEnvironment();
  }
};

void BM_ScoreLookup(benchmark::State& state) {
  TLoggedIn user;
  for (int i = 0; i < kEntries; ++i)
    user.users->RecordVocAnswer(Word(i), Deutsch(i), "emvf"[i % 4], i % 21 - 10, WordClass(i));
  for (auto _ : state) {
    long sum = 0;
    for (int i = 0; i < kEntries; ++i) sum += user.users->GetVocScore(Word(i), Deutsch(i), WordClass(i));
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ScoreLookup)->Unit(benchmark::kMillisecond);

std::string ReferenceKey(int i) {
  return vyr::UpperCase(std::string(Deutsch(i) ? "<" : ">") + std::to_string(WordClass(i)) + Word(i));
}

void BM_ScoreLookup_Reference(benchmark::State& state) {
  std::unordered_map<std::string, std::string> map;
  for (int i = 0; i < kEntries; ++i) map.emplace(ReferenceKey(i), std::string(1, static_cast<char>(65 + i % 21 - 10)));
  for (auto _ : state) {
    long sum = 0;
    for (int i = 0; i < kEntries; ++i) {
      const auto it = map.find(ReferenceKey(i));
      sum += it == map.end() ? 0 : it->second[0] - 65;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ScoreLookup_Reference)->Unit(benchmark::kMillisecond);

void BM_RecordForeignFirst(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto user = std::make_unique<TLoggedIn>();
    state.ResumeTiming();
    for (int i = 0; i < state.range(0); ++i) user->users->RecordVocAnswer(Word(i), false, 'e', 10, 3);
    benchmark::DoNotOptimize(user->users->Records().Size());
    state.PauseTiming();
    user.reset();
    state.ResumeTiming();
  }
}
// 10,000 to 40,000 answers: the time grows with the number, not its square.
BENCHMARK(BM_RecordForeignFirst)->Arg(10000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

std::string MakeFile() {
  vyr::TUserRecords records;
  for (int i = 0; i < 50000; ++i) records.Record(Word(i), Deutsch(i), "emvf"[i % 4], i % 21 - 10, WordClass(i));
  return vyr::BuildUserFile("Anna", "", 3600, records);
}

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
