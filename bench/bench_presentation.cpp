// One frame of the klassisch fade (fill the band, draw the centred text,
// copy the band to the window image) beside a plain copy of the same frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>
#include <vector>

#include "superlearning/presentation/SuperFade.h"

namespace {

void KlassischFrame(benchmark::State& state) {
  vyr::TSuperFadeSetup setup;
  setup.area = QRect(0, 0, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  setup.face = "Arial";
  vyr::TSuperFade fade(setup);
  fade.SetBandText("{ vocabulary }");
  int p = 0;
  for (auto _ : state) {
    p = (p + 7) & 0xFF;
    benchmark::DoNotOptimize(fade.DrawBand(qRgb(128 + p / 2, 200, 255 - p / 2), qRgb(p / 2, 40, 90)));
  }
}

void KlassischFrame_Reference(benchmark::State& state) {
  const size_t w = static_cast<size_t>(state.range(0)), h = static_cast<size_t>(state.range(1)) / 4;
  std::vector<uint32_t> band(w * h, 0x102030), window(w * h * 4);
  for (auto _ : state) {
    std::memcpy(window.data() + w * h, band.data(), band.size() * 4);
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(KlassischFrame)
    ->Name("BM_KlassischFrame")
    ->Args({800, 572})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(KlassischFrame_Reference)
    ->Name("BM_KlassischFrame_Reference")
    ->Args({800, 572})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
