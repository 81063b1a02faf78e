// Blending a full 800 x 572 picture into the work bitmap in each blend mode,
// against a plain copy of the same bytes (the memory bandwidth limit), and
// drawing a full-page anti-aliased box.
#include <benchmark/benchmark.h>

#include <cstring>

#include "page/draw/Blend.h"
#include "page/draw/BoxShapes.h"

namespace {

constexpr int kWidth = 800, kHeight = 572;

QImage Gradient() {
  QImage img(kWidth, kHeight, QImage::Format_RGB888);
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* p = img.scanLine(y);
    for (int x = 0; x < kWidth; ++x, p += 3) {
      p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = uint8_t(x + y);
    }
  }
  return img;
}

void SetRate(benchmark::State& state) {
  state.counters["MPixel/s"] =
      benchmark::Counter(double(kWidth) * kHeight * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void BM_Blend(benchmark::State& state) {
  const QImage picture = Gradient();
  vyr::TXBitmap work(kWidth, kHeight);
  work.SetXAlpha(200);
  work.SetXColor(0x0000FF);
  const int mode = static_cast<int>(state.range(0));
  for (auto _ : state) {
    work.Blend(picture, 0, 0, mode);
    benchmark::DoNotOptimize(work.Image().constBits());
  }
  SetRate(state);
}
BENCHMARK(BM_Blend)->DenseRange(0, 9);

void BM_Blend_Masked(benchmark::State& state) {
  const QImage picture = Gradient();
  vyr::TXBitmap work(kWidth, kHeight);
  const auto mask = vyr::RadiusMask(kWidth, kHeight, 40);
  for (auto _ : state) {
    work.Blend(picture, 0, 0, 0, &*mask);
    benchmark::DoNotOptimize(work.Image().constBits());
  }
  SetRate(state);
}
BENCHMARK(BM_Blend_Masked);

void BM_Blend_Reference(benchmark::State& state) {
  const QImage picture = Gradient();
  QImage work(kWidth, kHeight, QImage::Format_RGB888);
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y) std::memcpy(work.scanLine(y), picture.constScanLine(y), size_t(kWidth) * 3);
    benchmark::DoNotOptimize(work.constBits());
  }
  SetRate(state);
}
BENCHMARK(BM_Blend_Reference);

void BM_RadiusMask(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vyr::RadiusMask(kWidth, kHeight, 40));
  SetRate(state);
}
BENCHMARK(BM_RadiusMask);

void BM_RoundBox(benchmark::State& state) {
  QImage work(kWidth, kHeight, QImage::Format_RGB888);
  work.fill(Qt::white);
  vyr::TBoxPaint box;
  box.Left = 0, box.Top = 0, box.Width = kWidth - 1, box.Height = kHeight - 1;
  box.Filled = true, box.FillColor = 0x00C0C0, box.BorderWidth = 3, box.BorderColor = 0x800000;
  box.Shape = 1, box.Radius = 40, box.Opacity = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    vyr::DrawBox(work, box);
    benchmark::DoNotOptimize(work.constBits());
  }
  SetRate(state);
}
BENCHMARK(BM_RoundBox)->Arg(255)->Arg(128);

}  // namespace

BENCHMARK_MAIN();
