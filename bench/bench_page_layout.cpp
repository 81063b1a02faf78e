// Laying out a generated page of about 1 MB (words, links, fonts, bold,
// italic and underlined words, boxes without height, paragraphs) at a page
// width of 800 with real fonts, against QTextDocument laying out the
// equivalent HTML at the same width; and how layout time grows with the
// size of the page.
#include <benchmark/benchmark.h>
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>
#include <map>
#include <memory>
#include <string>

#include "page/layout/FontMetrics.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "page/reader/PageReader.h"
#include "text/Cp1252.h"

namespace {

constexpr int kWidth = 800;

struct TPages {
  std::string markup;  // the page language, Windows-1252
  QString html;        // the same page as HTML
};

TPages MakePages(size_t size) {
  static const char* words[] = {"Haus",  "häuslich", "Straße", "apple",    "über", "house", "the",    "Übung",
                                "learn", "Wörter",   "and",    "sentence", "café", "Zug",   "Müller", "vocabulary"};
  TPages p;
  std::string html = "<html><body>";
  uint32_t x = 12345;
  auto next = [&] { return (x = x * 1103515245u + 12345u) >> 8; };
  int paragraph = 0;
  while (p.markup.size() < size) {
    const std::string w = words[next() % 16];
    switch (next() % 40) {
      case 0:
        p.markup += "<a href=\"lektion" + std::to_string(next() % 50) + ".htx\">" + w + "</a> ";
        html += "<a href=\"lektion.htx\">" + w + "</a> ";
        break;
      case 1:
        p.markup += "<font size=4 color=#ff0000 face=\"Arial\">" + w + "</font> ";
        html += "<font size=4 color=#ff0000 face=\"Arial\">" + w + "</font> ";
        break;
      case 2:
        p.markup += "<b>" + w + "</b> <i>" + w + "</i> ";
        html += "<b>" + w + "</b> <i>" + w + "</i> ";
        break;
      case 3:
        p.markup += "<u>" + w + "</u> ";
        html += "<u>" + w + "</u> ";
        break;
      case 4:
        if (++paragraph % 8 == 0) {
          p.markup += "<box coords=20," + std::to_string(next() % 400) + ",300 color=#c0c0ff bwidth=1>";
          html += "<table border=1 bgcolor=#c0c0ff width=300><tr><td>";
        }
        p.markup += "<p>\r\n";
        html += paragraph % 8 == 0 ? "</td></tr></table><p>\n" : "<p>\n";
        break;
      default:
        p.markup += w + " ";
        html += w + " ";
        break;
    }
  }
  html += "</body></html>";
  p.html = vyr::ToUnicode(html);
  return p;
}

const TPages& Pages(size_t size) {
  static std::map<size_t, TPages> pages;
  auto it = pages.find(size);
  if (it == pages.end()) it = pages.emplace(size, MakePages(size)).first;
  return it->second;
}

vyr::TPageModel& ReadModel(size_t size) {
  static std::map<size_t, vyr::TPageModel> models;
  auto it = models.find(size);
  if (it == models.end()) {
    it = models.try_emplace(size).first;
    vyr::TPageModel& m = it->second;
    m.ClientWidth = kWidth;
    m.ClientHeight = 572;
    m.onFontInstalled = [](const std::string&) { return true; };
    vyr::ReadPage(m, Pages(size).markup);
  }
  return it->second;
}

void Layout(benchmark::State& state, size_t size) {
  vyr::TPageModel& model = ReadModel(size);
  vyr::TPageLayout layout;
  for (auto _ : state) {
    // Fresh fonts every time: the word widths are measured anew.
    vyr::TQtFontMetrics fonts;
    vyr::LayoutPage(model, fonts, layout);
    benchmark::DoNotOptimize(layout.ContentHeight);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Pages(size).markup.size()));
  state.counters["elements"] = static_cast<double>(model.Elements.size());
  state.counters["lines"] = static_cast<double>(layout.Lines.size());
  state.counters["height"] = static_cast<double>(layout.ContentHeight);
}

void BM_PageLayout(benchmark::State& state) { Layout(state, size_t(1) << 20); }
BENCHMARK(BM_PageLayout)->Unit(benchmark::kMillisecond);

void BM_PageLayout_Reference(benchmark::State& state) {
  const TPages& pages = Pages(size_t(1) << 20);
  double height = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<QTextDocument>();
    doc->setHtml(pages.html);
    state.ResumeTiming();
    doc->setTextWidth(kWidth);
    height = doc->documentLayout()->documentSize().height();
    benchmark::DoNotOptimize(height);
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * pages.markup.size()));
  state.counters["height"] = height;
}
BENCHMARK(BM_PageLayout_Reference)->Unit(benchmark::kMillisecond);

// Layout time against page size: 100 KB, 1 MB, 4 MB.
void BM_PageLayout_Growth(benchmark::State& state) {
  const auto size = static_cast<size_t>(state.range(0));
  Layout(state, size);
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PageLayout_Growth)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
