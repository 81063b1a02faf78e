// One move of a dragged block on a full page (BM_DragMove): the page copies
// the union of the block's old and new rectangles from its buffer and draws
// the block over it, against drawing the whole page again and putting it on
// the window (BM_DragMove_Reference). Both report the bytes they put on the
// window per move.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QMouseEvent>
#include <string>

#include "page/control/PageControl.h"

namespace {

// A full page of text with drag words in it, and the tray below.
std::string DragPage() {
  static const char* words[] = {"house", "garden", "kitchen", "the", "and", "window", "door", "table"};
  std::string page = "<body><p>";
  for (int i = 0; i < 260; ++i) {
    if (i % 37 == 5) page += "<a drag>" + std::string(words[i % 8]) + "</a> ";
    else page += std::string(words[(i * 7) % 8]) + " ";
  }
  page += "</p><klotz falsch=\"roof/chair\">";
  return page;
}

struct TDragSetup {
  vyr::TXPage page;
  TDragSetup() {
    page.resize(800, 572);
    page.show();
    page.ShowText(DragPage());
    QApplication::processEvents();
  }
};

void BM_DragMove(benchmark::State& state) {
  TDragSetup s;
  const QRect tray = s.page.DragBlocks().front().Rect;
  if (!s.page.StartDrag(tray.left() + 2, tray.top() + 2)) {
    state.SkipWithError("no block to drag");
    return;
  }
  int64_t bytes = 0;
  int i = 0;
  for (auto _ : state) {
    // to and fro in the free part of the page, away from the places
    const QPoint to(200 + (i % 2) * 7, 480 + (i % 2) * 3);
    s.page.DragMove(to);
    bytes += s.page.LastDragBytes();
    ++i;
  }
  state.counters["bytes_per_move"] = benchmark::Counter(static_cast<double>(bytes) / std::max(i, 1));
  s.page.DragDrop();
}
BENCHMARK(BM_DragMove);

void BM_DragMove_Reference(benchmark::State& state) {
  TDragSetup s;
  for (auto _ : state) s.page.DrawAgain();
  state.counters["bytes_per_move"] = benchmark::Counter(800.0 * 572.0 * 4.0);
}
BENCHMARK(BM_DragMove_Reference);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
