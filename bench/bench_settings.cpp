// The trainer settings over a library of 50,000 entries: the random
// presentation walk when only 50 entries are active, next to drawing from a
// ready index of those entries; counting the active entries, next to
// counting the complete ones; and opening the settings dialog, next to a
// list view over a string list model of the same words.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QStringListModel>
#include <QTemporaryDir>

#include "platform/core/Files.h"
#include "platform/core/Random.h"
#include "text/Cp1252.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/settings/PresentationWalk.h"
#include "vocabulary/settings/TVEinstellungen.h"
#include "vocabulary/settings/VocEinstellungen.h"

namespace {

constexpr int kEntries = 50000, kActive = 50;

struct TSetup {
  QTemporaryDir dir;
  vyr::TBibliothek library;
  std::unique_ptr<vyr::TVocEinstellungen> settings;
  // Every 1000th entry is a noun, all others adjectives; the adjectives are
  // switched off, so 50 entries are active.
  TSetup() {
    library.Clear(false);
    for (int i = 0; i < kEntries; ++i) {
      vyr::TVokabel e;
      e.Vokabel = "word" + std::to_string(i);
      e.Bedeutung[0] = "Wort" + std::to_string(i);
      e.Wortart = i % (kEntries / kActive) == 0 ? 0 : 2;
      library.AddEntry(e);
    }
    vyr::TTrainerContext c;
    c.programFolder = vyr::CoursePath(dir.path()) + "\\";
    settings = std::make_unique<vyr::TVocEinstellungen>(library, c);
    settings->SetRichtung(2);
    settings->SetWortart(2, false);
  }
};

TSetup& Setup() {
  static TSetup s;
  return s;
}

void BM_WalkSparse(benchmark::State& state) {
  vyr::TPresentationWalk walk(*Setup().settings);
  walk.StartWalk();
  for (auto _ : state) benchmark::DoNotOptimize(walk.NextWalkEntry());
}
BENCHMARK(BM_WalkSparse);

void BM_WalkSparseReference(benchmark::State& state) {
  const std::vector<int> index = Setup().settings->ActiveIndex();
  for (auto _ : state) benchmark::DoNotOptimize(index[size_t(vyr::RandomInt(int(index.size())))]);
}
BENCHMARK(BM_WalkSparseReference);

void BM_ActiveCount(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Setup().settings->ActiveCount());
}
BENCHMARK(BM_ActiveCount);

void BM_ActiveCountReference(benchmark::State& state) {
  const vyr::TBibliothek& lib = Setup().library;
  for (auto _ : state) {
    int n = 0;
    for (const vyr::TVokabel& e : lib.Entries()) n += e.IsComplete();
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(BM_ActiveCountReference);

void BM_SettingsDialogOpen(benchmark::State& state) {
  for (auto _ : state) {
    vyr::TVEinstellungen dialog(*Setup().settings);
    dialog.show();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_SettingsDialogOpen)->Unit(benchmark::kMillisecond);

void BM_SettingsDialogOpenReference(benchmark::State& state) {
  for (auto _ : state) {
    QStringList words;
    words.reserve(kEntries);
    for (const vyr::TVokabel& e : Setup().library.Entries()) words << vyr::ToUnicode(" " + e.Vokabel);
    QStringListModel model(words);
    QListView view;
    view.resize(300, 557);
    view.setModel(&model);
    view.show();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_SettingsDialogOpenReference)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vyr::SetRandomSeed(1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
