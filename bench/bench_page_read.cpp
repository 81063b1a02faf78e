// Reading a generated page of about 1 MB (words, links, boxes, fonts,
// conditions, insertions) with the page reader, against QTextDocument::setHtml
// on the equivalent HTML.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QTextDocument>
#include <string>

#include "page/model/PageModel.h"
#include "page/reader/PageReader.h"
#include "text/Cp1252.h"

namespace {

struct TPages {
  std::string markup;  // the page language, Windows-1252
  QString html;        // the same page as HTML
};

const TPages& Pages() {
  static const TPages pages = [] {
    static const char* words[] = {"Haus",  "häuslich", "Straße", "apple",    "über", "house", "the",    "Übung",
                                  "learn", "Wörter",   "and",    "sentence", "café", "Zug",   "Müller", "vocabulary"};
    TPages p;
    std::string html = "<html><body>";
    uint32_t x = 12345;
    auto next = [&] { return (x = x * 1103515245u + 12345u) >> 8; };
    int paragraph = 0;
    while (p.markup.size() < (size_t(1) << 20)) {
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
          p.markup += "<IF gesehen>" + w + "<ELSE>&auml;" + w + "</IF> ";
          html += "&auml;" + w + " ";
          break;
        case 4:
          if (++paragraph % 8 == 0) {
            p.markup += "<box coords=20," + std::to_string(next() % 400) + ",300 color=#c0c0ff bwidth=1>";
            html += "<table border=1 bgcolor=#c0c0ff width=300><tr><td>";
          }
          p.markup += "<p>\r\n";
          html += paragraph % 8 == 0 ? "</td></tr></table><p>\n" : "<p>\n";
          break;
        case 5:
          p.markup += "$[name] ";
          html += "Anna ";
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
  }();
  return pages;
}

void BM_PageRead(benchmark::State& state) {
  const std::string& markup = Pages().markup;
  vyr::TPageModel model;
  model.Variables.Set("name", "Anna");
  model.onFontInstalled = [](const std::string&) { return true; };
  size_t elements = 0;
  for (auto _ : state) {
    vyr::ReadPage(model, markup);
    elements = model.Elements.size();
    benchmark::DoNotOptimize(model.Elements.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * markup.size()));
  state.counters["elements"] = static_cast<double>(elements);
}
BENCHMARK(BM_PageRead)->Unit(benchmark::kMillisecond);

void BM_PageRead_Reference(benchmark::State& state) {
  const QString& html = Pages().html;
  for (auto _ : state) {
    QTextDocument doc;
    doc.setHtml(html);
    benchmark::DoNotOptimize(doc.blockCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Pages().markup.size()));
}
BENCHMARK(BM_PageRead_Reference)->Unit(benchmark::kMillisecond);

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
