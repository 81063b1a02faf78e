// Loading a 1 MB page: from a compressed ".htx" (read, inflate, read the
// markup) next to the same page as a plain ".html" file.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <string>

#include "page/model/PageModel.h"
#include "page/reader/PageReader.h"
#include "page/sources/PageSource.h"
#include "platform/core/Files.h"
#include "text/ZStream.h"

namespace {

// About 1 MB of lesson markup: paragraphs, styles, links, gaps, umlauts.
std::string LessonMarkup() {
  std::string page = "<HTML><TITLE>Lektion</TITLE><BODY BGCOLOR=#FFF8E7>\r\n";
  for (int i = 0; page.size() < (size_t(1) << 20); ++i) {
    const std::string n = std::to_string(i);
    page += "<H2>Abschnitt " + n + "</H2>\r\n<P>Die <B>Übung</B> " + n +
            " zeigt, wie man über das Wetter spricht: <I>It's raining cats and dogs.</I> "
            "Lesen Sie den Satz laut und <A HREF=\"lektion" +
            n +
            ".htx\">hören</A> Sie zu.<BR>\r\n"
            "We live in a big " +
            (i < 200 ? "<A GAP lsg=\"house; home\" help=\"Haus\">_____</A>" : std::string("house")) +
            " near the <FONT COLOR=#1050B0 SIZE=+1>river</FONT>.</P>\r\n";
  }
  return page;
}

struct TFixture {
  QTemporaryDir dir;
  std::string markup = LessonMarkup();
  std::string compressed, plain;
  TFixture() {
    const std::string base = vyr::IncludeTrailingBackslash(vyr::CoursePath(dir.path()));
    compressed = base + "lektion.htx";
    plain = base + "lektion.html";
    vyr::WriteWholeFile(compressed, vyr::Deflate(markup));
    vyr::WriteWholeFile(plain, markup);
  }
};

TFixture& Fixture() {
  static TFixture f;
  return f;
}

void LoadAndRead(benchmark::State& state, const std::string& path) {
  vyr::TPageModel model;
  for (auto _ : state) {
    auto text = vyr::LoadPageSource(path);
    if (!text) {
      state.SkipWithError("page could not be loaded");
      break;
    }
    vyr::ReadPage(model, *text);
    benchmark::DoNotOptimize(model.Elements.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Fixture().markup.size()));
  state.counters["elements"] = static_cast<double>(model.Elements.size());
}

void BM_PageLoadCompressed(benchmark::State& state) { LoadAndRead(state, Fixture().compressed); }
BENCHMARK(BM_PageLoadCompressed)->Unit(benchmark::kMillisecond);

void BM_PageLoadPlain(benchmark::State& state) { LoadAndRead(state, Fixture().plain); }
BENCHMARK(BM_PageLoadPlain)->Unit(benchmark::kMillisecond);

// The inflating alone, to see its share of the compressed load.
void BM_PageInflate(benchmark::State& state) {
  for (auto _ : state) {
    vyr::TPageSource s = vyr::ReadPageSource(Fixture().compressed);
    benchmark::DoNotOptimize(s.text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Fixture().markup.size()));
}
BENCHMARK(BM_PageInflate)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts are looked up while reading
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
