// Saving the superlearning options beside the cheapest registry write.
//   BM_SaveOptions: all 40 settings of one user into a registry file of 20
//   users with about 1,000 values, written in one batch.
//   BM_SaveOptions_Reference: one WriteInteger into the same file (one whole
//   file write, which every registry change costs).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "platform/core/Files.h"
#include "platform/core/Registry.h"
#include "shell/startup/Environment.h"
#include "superlearning/options/SuperOptions.h"
#include "superlearning/sound/Music.h"

namespace {

struct TInstallation {
  QTemporaryDir dir;
  std::unique_ptr<vyr::TMusic> music;
  std::unique_ptr<vyr::TSuperOptions> options;
  TInstallation() {
    qputenv("VYR_REGISTRY", (dir.path() + u"/registry.txt"_qs).toLocal8Bit());
    vyr::TRegistry::Reload();
    vyr::ResetEnvironment();
    const std::string root = vyr::IncludeTrailingBackslash(vyr::CoursePath(dir.path()));
    vyr::Env().programDirectory = root;
    vyr::Env().contentRoot = root;
    // 20 users with 50 values each: 40 settings and ten others.
    vyr::TRegistry& reg = vyr::TRegistry::CurrentUser();
    reg.BeginBatch();
    for (int u = 0; u < 20; ++u) {
      const std::string key = std::string(vyr::kRegistryBase) + "\\Benutzer" + std::to_string(u);
      for (int v = 0; v < 40; ++v) reg.WriteInteger(key + "\\Super", "Wert" + std::to_string(v), v * u);
      for (int v = 0; v < 10; ++v) reg.WriteString(key, "Text" + std::to_string(v), "C:\\kurs\\ordner\\datei.txt");
    }
    reg.EndBatch();
    vyr::Env().userName = "Benutzer7";
    vyr::TSuperPlaces places;
    places.programDirectory = root;
    places.pageRoot = root;
    music = std::make_unique<vyr::TMusic>("", root, false);
    options = std::make_unique<vyr::TSuperOptions>(places, *music);
  }
  ~TInstallation() {
    options.reset();
    vyr::TRegistry::Reload();
  }
};

void BM_SaveOptions(benchmark::State& state) {
  TInstallation inst;
  for (auto _ : state) benchmark::DoNotOptimize(inst.options->Save());
}
BENCHMARK(BM_SaveOptions)->Unit(benchmark::kMicrosecond);

void BM_SaveOptions_Reference(benchmark::State& state) {
  TInstallation inst;
  inst.options->Save();  // the same file size as above
  vyr::TRegistry& reg = vyr::TRegistry::CurrentUser();
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(reg.WriteInteger(vyr::TSuperOptions::Key(), "Madness", ++i % 10));
}
BENCHMARK(BM_SaveOptions_Reference)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
