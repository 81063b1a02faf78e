// Drawing a laid-out page into its page buffer (what happens once per
// layout) against QTextDocument drawing the equivalent HTML into an image of
// the same size, and against what a paint event does on every scroll step:
// copying the visible 800 x 572 window out of the buffer (BM_PageCopy). The
// last ratio shows why scrolling never redraws the page.
#include <benchmark/benchmark.h>
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <memory>
#include <string>

#include "page/draw/PageDraw.h"
#include "page/layout/FontMetrics.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "page/reader/PageReader.h"
#include "text/Cp1252.h"

namespace {

constexpr int kWidth = 800, kHeight = 572;

// A page of about `size` bytes: words, links, flashing links, fonts, bold,
// italic, underlined and inverted words, boxes (some translucent and
// rounded, so the page blends) and paragraphs.
std::string MakePage(size_t size, bool blending, bool html = false) {
  static const char* words[] = {"Haus",  "häuslich", "Straße", "apple",    "über", "house", "the",    "Übung",
                                "learn", "Wörter",   "and",    "sentence", "café", "Zug",   "Müller", "vocabulary"};
  std::string page = "<body bgcolor=#fff8e7 text=#202040 link=#1050b0>";
  uint32_t x = 12345;
  auto next = [&] { return (x = x * 1103515245u + 12345u) >> 8; };
  int paragraph = 0;
  while (page.size() < size) {
    const std::string w = words[next() % 16];
    if (html) {  // the same stream of words in HTML
      switch (next() % 40) {
        case 0: page += "<a href=\"lektion" + std::to_string(next() % 50) + ".html\">" + w + "</a> "; break;
        case 1: page += "<a href=\"ziel.html\">" + w + " " + w + "</a> "; break;
        case 2: page += "<font size=4 color=#ff0000 face=\"Arial\">" + w + "</font> "; break;
        case 3: page += "<b>" + w + "</b> <i>" + w + "</i> "; break;
        case 4: page += "<u>" + w + "</u> <span style=\"background:#202040;color:#fff8e7\">" + w + "</span> "; break;
        case 5:
          if (++paragraph % 8 == 0) page += "<div style=\"background:#c0c0ff;width:300px\">" + w + "</div>";
          page += "<p>\r\n";
          break;
        default: page += w + " "; break;
      }
      continue;
    }
    switch (next() % 40) {
      case 0: page += "<a href=\"lektion" + std::to_string(next() % 50) + ".htx\">" + w + "</a> "; break;
      case 1: page += "<a href=\"ziel.htx\" flash=#ff0000>" + w + " " + w + "</a> "; break;
      case 2: page += "<font size=4 color=#ff0000 face=\"Arial\">" + w + "</font> "; break;
      case 3: page += "<b>" + w + "</b> <i>" + w + "</i> "; break;
      case 4: page += "<u>" + w + "</u> <inv>" + w + "</inv> "; break;
      case 5:
        if (++paragraph % 8 == 0) {
          page += "<box coords=20," + std::to_string(next() % 2000) + ",300,120 color=#c0c0ff bwidth=1";
          page += blending ? " shape=roundrect radius=12 alpha=160>" : ">";
        }
        page += "<p>\r\n";
        break;
      default: page += w + " "; break;
    }
  }
  return page;
}

struct TDrawnPage {
  vyr::TPageModel model;
  vyr::TQtFontMetrics fonts;
  vyr::TPageLayout layout;
  QImage buffer;
};

std::unique_ptr<TDrawnPage> LaidOut(size_t size, bool blending) {
  auto p = std::make_unique<TDrawnPage>();
  p->model.ClientWidth = kWidth;
  p->model.ClientHeight = kHeight;
  vyr::ReadPage(p->model, MakePage(size, blending));
  vyr::LayoutPage(p->model, p->fonts, p->layout);
  return p;
}

// Drawing the whole page once, as after a layout (the buffer made anew each time).
void BM_PageDraw(benchmark::State& state) {
  const auto p = LaidOut(static_cast<size_t>(state.range(0)) * 1024, state.range(1) != 0);
  vyr::TPageDrawResult result;
  for (auto _ : state) {
    p->buffer = vyr::MakePageBuffer(p->model, p->layout);
    vyr::DrawPage(p->model, p->layout, p->fonts, p->buffer, &result);
    benchmark::DoNotOptimize(p->buffer.constBits());
  }
  state.counters["height"] = p->buffer.height();
  state.counters["bytes"] =
      benchmark::Counter(static_cast<double>(state.range(0)) * 1024, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PageDraw)
    ->ArgsProduct({{4, 32, 128, 1024}, {0, 1}})
    ->ArgNames({"KB", "blend"})
    ->Unit(benchmark::kMillisecond);

// The reference: QTextDocument lays out the equivalent HTML at the same
// width once, then drawContents paints it into an image as large as the
// page buffer of the same page (a buffer is at most 64 M pixels).
void BM_PageDraw_Reference(benchmark::State& state) {
  const size_t size = static_cast<size_t>(state.range(0)) * 1024;
  const auto p = LaidOut(size, false);
  const QImage ours = vyr::MakePageBuffer(p->model, p->layout);
  QTextDocument doc;
  doc.setHtml(vyr::ToUnicode(MakePage(size, false, true)));
  doc.setTextWidth(kWidth - 32);
  doc.documentLayout()->documentSize();
  QImage image(ours.width(), ours.height(), QImage::Format_RGB888);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    doc.drawContents(&painter, QRectF(0, 0, image.width(), image.height()));
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["height"] = image.height();
}
BENCHMARK(BM_PageDraw_Reference)->Arg(4)->Arg(32)->Arg(128)->Arg(1024)->ArgName("KB")->Unit(benchmark::kMillisecond);

// One paint event: the visible window copied out of the buffer at a scroll
// position.
void BM_PageCopy(benchmark::State& state) {
  const auto p = LaidOut(static_cast<size_t>(state.range(0)) * 1024, false);
  p->buffer = vyr::MakePageBuffer(p->model, p->layout);
  vyr::DrawPage(p->model, p->layout, p->fonts, p->buffer);
  QImage screen(kWidth, kHeight, QImage::Format_RGB32);
  int scroll = 0;
  for (auto _ : state) {
    QPainter painter(&screen);
    const QRect target(0, 0, kWidth - 17, kHeight);
    painter.drawImage(target, p->buffer, target.translated(0, scroll));
    painter.end();
    scroll = (scroll + 15) % std::max(1, p->buffer.height() - kHeight);
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(BM_PageCopy)->Arg(32)->ArgName("KB")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
