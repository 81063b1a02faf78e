#include <gtest/gtest.h>

#include <QFile>

#include <cstdlib>

#include "page/model/PageModel.h"
#include "page/reader/PageLoader.h"
#include "page/sources/HyperBase.h"
#include "page/sources/PageName.h"
#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "tests/common/TempDir.h"
#include "text/Cp1252.h"
#include "text/ZStream.h"

namespace vyr {
namespace {

class LoaderTest : public ::testing::Test {
 protected:
  LoaderTest() {
    loader.onHistory = [this](const std::string& p) { history.push_back(p); };
    loader.onPageRead = [this](TPageRead r) { reads.push_back(r); };
    loader.SetRandom([](int) { return 0; });  // always the first free task
    loader.SetXPath(dir.path());
  }

  // The words of the page, blank-separated.
  std::string Words() const {
    std::string out;
    for (const TXText& e : model.Elements) {
      if (e.Kind != ekWord) continue;
      if (!out.empty()) out += ' ';
      out += e.Text;
    }
    return out;
  }
  std::string Page(std::string_view name, std::string_view markup) {
    return dir.file(name, IsCompressed(name) ? Deflate(markup) : std::string(markup));
  }
  static bool IsCompressed(std::string_view name) {
    return name.ends_with(".htx") || name.ends_with(".hvyr") || name.ends_with(".xtm") || name.ends_with(".xtml");
  }
  // Loads a first page; later failures must leave it in place.
  void LoadStartPage() {
    Page("start.htx", "<ALIAS #weiter=\"menu.htx\">Startseite");
    ASSERT_TRUE(loader.SetXFile("start.htx"));
    ASSERT_EQ(Words(), "Startseite");
    history.clear();
    reads.clear();
    messages.clear();
  }
  void ExpectStartPageKept() {
    EXPECT_EQ(Words(), "Startseite");
    EXPECT_EQ(loader.XFile(), "start.htx");
    EXPECT_EQ(loader.XPath(), dir.path());
    EXPECT_TRUE(reads.empty());
  }

  test::TTempDir dir;
  TMessageRecorder messages;
  TPageModel model;
  TPageLoader loader{model};
  std::vector<std::string> history;
  std::vector<TPageRead> reads;
};

TEST_F(LoaderTest, LoadsEveryKindByNameAndSetsTheLocation) {
  Page("sub\\Wörterbuch.htx", "Wörter gepackt");
  Page("sub\\b.hvyr", "hvyr gepackt");
  Page("sub\\c.HTX", "groß geschrieben ungepackt");
  Page("sub\\d.html", "<b>html</b> ungepackt");
  Page("sub\\e.txt", "text ungepackt");
  struct Case {
    const char* name;
    const char* words;
    const char* file;
  };
  for (const Case& c :
       {Case{"sub/WÖRTERBUCH.htx", "Wörter gepackt", "WÖRTERBUCH.htx"}, Case{"b.hvyr", "hvyr gepackt", "b.hvyr"},
        Case{"C.HTX@Hinweis", "groß geschrieben ungepackt", "C.HTX"},
        Case{"..\\sub\\d.html", "html ungepackt", "d.html"}, Case{"\\e.txt", "text ungepackt", "e.txt"}}) {
    history.clear();
    ASSERT_TRUE(loader.SetXFile(c.name)) << c.name;
    EXPECT_EQ(Words(), c.words) << c.name;
    EXPECT_EQ(loader.XPath(), dir.path() + "sub\\") << c.name;
    EXPECT_EQ(loader.XFile(), c.file) << c.name;
    EXPECT_EQ(history, std::vector<std::string>{loader.CurrentPage()}) << c.name;
  }
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(reads, std::vector<TPageRead>(5, TPageRead::Page));
}

TEST_F(LoaderTest, FailuresKeepTheOldPageAndLocation) {
  LoadStartPage();
  const std::string packed = Deflate(std::string(5000, 'y'));
  dir.file("kaputt.htx", packed.substr(0, packed.size() / 2));
  dir.file("falsch.vyr", "XYZ!02<EX>a<EX>b");
  dir.file("zuviel.vyr", "VYR!04<EX>a<EX>b</EX>");
  dir.file("leer.vyr", "VYR!02<h1>ohne Aufgaben</h1>");
  dir.dir("ordner.htx");
  struct Case {
    const char* name;
    const char* message;
  };
  for (const Case& c : {Case{"fehlt.htx", "wurde nicht gefunden!"}, Case{"ordner.htx", "wurde nicht gefunden!"},
                        Case{"kaputt.htx", "beschädigt"}, Case{"falsch.vyr", "Falsches Format (ID)"},
                        Case{"zuviel.vyr", "enthält aber nur 2"}, Case{"leer.vyr", "Keine Aufgaben vorhanden!"}}) {
    messages.clear();
    EXPECT_FALSE(loader.SetXFile(c.name)) << c.name;
    ASSERT_EQ(messages.shown().size(), 1u) << c.name;
    EXPECT_NE(messages.texts()[0].find(c.message), std::string::npos) << messages.texts()[0];
    ExpectStartPageKept();
    EXPECT_TRUE(history.empty());
  }
  EXPECT_EQ(messages.texts()[0], "Keine Aufgaben vorhanden!");
  EXPECT_EQ(loader.Aufgaben(), 0);
}

TEST_F(LoaderTest, MissingFileMessageNamesTheResolvedPath) {
  EXPECT_FALSE(loader.SetXFile("..\\nirgends.htx"));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Die Datei \"" + ParentDirectory(dir.path()) +
                                                       "nirgends.htx\" wurde nicht gefunden!"});
}

TEST_F(LoaderTest, EmptyNameGivesAnEmptyPageAndDollarPagesKeepTheLocation) {
  LoadStartPage();
  Page("$hilfe.html", "nur gezeigt");
  ASSERT_TRUE(loader.SetXFile("$hilfe.html"));
  EXPECT_EQ(Words(), "nur gezeigt");
  EXPECT_EQ(loader.XFile(), "start.htx");
  EXPECT_TRUE(history.empty());
  ASSERT_TRUE(loader.SetXFile(""));
  EXPECT_EQ(Words(), "");
  EXPECT_EQ(loader.XFile(), "");
  EXPECT_EQ(reads, (std::vector<TPageRead>{TPageRead::Transient, TPageRead::Empty}));
}

TEST_F(LoaderTest, XPathFallsBackToTheProgramDirectory) {
  loader.SetProgramDirectory(dir.path() + "prog");
  loader.SetXPath(dir.path() + "gibtsnicht\\");
  EXPECT_EQ(loader.XPath(), dir.path() + "prog\\");
  loader.SetXPath(dir.path());
  EXPECT_EQ(loader.XPath(), dir.path());
}

TEST_F(LoaderTest, IncludesReadIntoThePageAndMissingOnesAreReported) {
  Page("teil.htx", "<b>eingebunden</b>");
  Page("inc\\tief.html", "ganz tief");
  Page("seite.html",
       "vorher <INCLUDE HREF=\"teil.htx\"> mitte <INCLUDE HREF=\"inc/tief.html\"> "
       "<INCLUDE HREF=\"fehlt.htx\"> nachher");
  ASSERT_TRUE(loader.SetXFile("seite.html"));
  EXPECT_EQ(Words(), "vorher eingebunden mitte ganz tief nachher");
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{"INCLUDE-Datei wurde nicht gefunden " + dir.path() + "fehlt.htx!!!"});
}

TEST_F(LoaderTest, BrokenIncludeIsReportedOnceAndReadingGoesOn) {
  const std::string packed = Deflate("verloren");
  dir.file("kaputt.htx", packed.substr(0, packed.size() - 4));
  Page("seite.html", "vor <INCLUDE HREF=\"kaputt.htx\"> nach");
  ASSERT_TRUE(loader.SetXFile("seite.html"));
  EXPECT_EQ(Words(), "vor nach");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.texts()[0].find("kaputt.htx\" ist beschädigt"), std::string::npos);
}

TEST_F(LoaderTest, EndlessIncludeChainsStopWithOneMessage) {
  Page("selbst.html", "A <INCLUDE HREF=\"SELBST.html\"> B <INCLUDE HREF=\"selbst.html\"> C");
  ASSERT_TRUE(loader.SetXFile("selbst.html"));
  EXPECT_EQ(Words(), "A B C");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.texts()[0].find("bindet sich über INCLUDE selbst ein"), std::string::npos);

  // two files including each other, reached through different spellings
  messages.clear();
  Page("x\\eins.htx", "eins <INCLUDE HREF=\"x\\zwei.htx\">");
  Page("x\\zwei.htx", "zwei <INCLUDE HREF=\"x\\..\\x\\EINS.htx\">");
  Page("ring.html", "<INCLUDE HREF=\"x/eins.htx\"> ende");
  ASSERT_TRUE(loader.SetXFile("ring.html"));
  EXPECT_EQ(Words(), "eins zwei ende");
  EXPECT_EQ(messages.shown().size(), 1u);

  // a long chain of distinct files ends at the depth limit
  messages.clear();
  for (int i = 0; i < 40; ++i)
    Page("k" + std::to_string(i) + ".html",
         std::to_string(i) + " <INCLUDE HREF=\"k" + std::to_string(i + 1) + ".html\">");
  loader.SetXPath(dir.path());
  ASSERT_TRUE(loader.SetXFile("k0.html"));
  EXPECT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.texts()[0].find("Zu viele"), std::string::npos);
  EXPECT_EQ(Words().substr(0, 6), "0 1 2 ");
}

TEST_F(LoaderTest, ContainersCannotBeIncluded) {
  dir.file("a.vyr", "VYR!01<EX>Aufgabe</EX>");
  Page("seite.html", "vor <INCLUDE HREF=\"a.vyr\"> nach");
  ASSERT_TRUE(loader.SetXFile("seite.html"));
  EXPECT_EQ(Words(), "vor nach");
  EXPECT_EQ(messages.shown().size(), 1u);
}

// Three tasks, two asked per round; every task says whether it is built as an exercise page.
constexpr const char* kContainer =
    "VYR!02<ALIAS #weiter=\"ziel.htx\">Kopf\r\n"
    "<EX>eins<IF #ex> ex</IF>\r\n<EX>zwei\r\n<EX>drei\r\n</EX>Fuß";

TEST_F(LoaderTest, CallWithoutPickAsksTheFilesNumber) {
  LoadStartPage();
  dir.file("test.vyr", kContainer);
  ASSERT_TRUE(loader.ContainerCall("EX FILE=test.vyr"));
  EXPECT_EQ(loader.Aufgaben(), 3);
  EXPECT_EQ(Words(), "Kopf eins ex Fuß");
  EXPECT_FALSE(model.BuildingExercisePage);
  EXPECT_EQ(model.Aliases.Get("#next"), "ex");
  EXPECT_EQ(history, std::vector<std::string>{dir.path() + "start.htx"});
  EXPECT_EQ(loader.XFile(), "start.htx");          // the calling page stays the current file
  EXPECT_EQ(loader.ContinueTarget(), "menu.htx");  // the calling page's alias

  model.Multiple.Answered = true;
  ASSERT_TRUE(loader.NextTask());
  EXPECT_EQ(Words(), "Kopf zwei Fuß");
  EXPECT_EQ(model.Aliases.Get("#next"), "");
  EXPECT_FALSE(model.Multiple.Answered);
  EXPECT_EQ(reads, (std::vector<TPageRead>{TPageRead::Task, TPageRead::Task}));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LoaderTest, PickAsksThatManyTasksAndContinues) {
  dir.file("test.vyr", kContainer);
  Page("ziel.htx", "Ziel erreicht");
  Page("ohne.htx", "ohne Alias");
  ASSERT_TRUE(loader.SetXFile("ohne.htx"));
  ASSERT_TRUE(loader.ContainerCall("EX PICK=5 FILE=test.vyr"));
  std::vector<std::string> nexts{model.Aliases.Get("#next")};
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(loader.NextTask());
    nexts.push_back(model.Aliases.Get("#next"));
    EXPECT_NE(loader.picker().recent().back(), loader.picker().recent()[loader.picker().recent().size() - 2]);
  }
  EXPECT_EQ(nexts, (std::vector<std::string>{"ex", "ex", "ex", "ex", ""}));
  // "#weiter" was not on the calling page: the exercise page's alias counts
  EXPECT_EQ(loader.ContinueTarget(), "#weiter");
  ASSERT_TRUE(loader.Continue());
  EXPECT_EQ(Words(), "Ziel erreicht");
  EXPECT_EQ(loader.XFile(), "ziel.htx");
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LoaderTest, TheGeneratorChoosesTheTask) {
  dir.file("test.vyr", kContainer);
  loader.SetRandom([](int range) { return range - 1; });  // always the last free task
  ASSERT_TRUE(loader.ContainerCall("EX PICK=3 FILE=test.vyr WEITER=ziel.htx"));
  EXPECT_EQ(Words(), "Kopf drei Fuß");
  ASSERT_TRUE(loader.NextTask());
  EXPECT_EQ(Words(), "Kopf zwei Fuß");
  ASSERT_TRUE(loader.NextTask(0));  // a given index
  EXPECT_EQ(Words(), "Kopf eins ex Fuß");
  EXPECT_EQ(loader.ContinueTarget(), "ziel.htx");
}

TEST_F(LoaderTest, ContainerLoadedAsAPageAsksTheFilesNumberEveryTime) {
  dir.file("test.vyr", kContainer);
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(loader.SetXFile("test.vyr"));
    EXPECT_EQ(loader.XFile(), "test.vyr");
    EXPECT_EQ(model.Aliases.Get("#next"), "ex") << round;
    ASSERT_TRUE(loader.NextTask());
    EXPECT_EQ(model.Aliases.Get("#next"), "") << round;
  }
}

TEST_F(LoaderTest, BrokenCallsAreReportedAndKeepTheExercise) {
  LoadStartPage();
  dir.file("test.vyr", kContainer);
  dir.file("falsch.vyr", "VYR!xx<EX>a");
  ASSERT_TRUE(loader.ContainerCall("EX PICK=2 FILE=test.vyr WEITER=ziel.htx"));
  messages.clear();
  reads.clear();
  const std::string words = Words();

  EXPECT_FALSE(loader.ContainerCall("EX PICK=2"));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"FILE= nicht gefunden"});
  messages.clear();
  EXPECT_FALSE(loader.ContainerCall("EX FILE=falsch.vyr WEITER=anders.htx"));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.texts()[0].find("Falsches Format (Anzahl)"), std::string::npos);
  messages.clear();
  EXPECT_FALSE(loader.ContainerCall("EX FILE=fehlt.vyr"));
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{"Die Datei \"" + dir.path() + "fehlt.vyr\" wurde nicht gefunden!"});
  messages.clear();
  EXPECT_FALSE(loader.ContainerCall("EX FILE=seite.htx"));  // not a container: nothing more happens
  EXPECT_TRUE(messages.shown().empty());

  EXPECT_EQ(Words(), words);
  EXPECT_EQ(loader.Aufgaben(), 3);
  EXPECT_EQ(loader.ContinueTarget(), "ziel.htx");
  EXPECT_TRUE(reads.empty());
}

TEST_F(LoaderTest, NextTaskWithoutContainerSaysSo) {
  EXPECT_FALSE(loader.NextTask());
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Keine Aufgaben vorhanden!"});
  EXPECT_FALSE(loader.Continue());
}

TEST_F(LoaderTest, ExampleIsAFileNotACall) {
  Page("example.htx", "ein Beispiel");
  EXPECT_EQ(loader.Resolve("example.htx"), dir.path() + "example.htx");
  ASSERT_TRUE(loader.SetXFile("example.htx"));
  EXPECT_EQ(Words(), "ein Beispiel");
}

TEST_F(LoaderTest, MarkupFromTheOwnerCanInclude) {
  Page("teil.htx", "Teil");
  loader.ReadMarkup("<INCLUDE HREF=\"teil.htx\"> erzeugt");
  EXPECT_EQ(Words(), "Teil erzeugt");
  EXPECT_EQ(reads, std::vector<TPageRead>{TPageRead::Text});
}

// Building the task shown again keeps the question's answered flag and picks
// nothing; any other page clears the flag and cannot be built again.
TEST_F(LoaderTest, RebuildTaskBuildsTheSameTaskAndKeepsTheAnsweredFlag) {
  EXPECT_FALSE(loader.RebuildTask());  // nothing shown yet
  Page("a.vyr", "VYR!02<EX>eins<EX>zwei<EX>drei</EX>");
  ASSERT_TRUE(loader.SetXFile("a.vyr"));
  EXPECT_FALSE(model.Multiple.Answered);
  const int task = loader.CurrentTask(), toAsk = loader.TasksToAsk();
  const std::string words = Words();
  model.Multiple.Answered = true;
  reads.clear();
  ASSERT_TRUE(loader.RebuildTask());
  EXPECT_EQ(reads, std::vector<TPageRead>{TPageRead::Task});
  EXPECT_EQ(loader.CurrentTask(), task);
  EXPECT_EQ(loader.TasksToAsk(), toAsk);
  EXPECT_EQ(Words(), words);
  EXPECT_TRUE(model.Multiple.Answered);
  ASSERT_TRUE(loader.NextTask());
  EXPECT_FALSE(model.Multiple.Answered);

  model.Multiple.Answered = true;
  loader.ReadMarkup("erzeugt");
  EXPECT_FALSE(model.Multiple.Answered);
  EXPECT_FALSE(loader.RebuildTask());
  EXPECT_EQ(Words(), "erzeugt");
}

// The demo course's exercise: its sources are UTF-8, packed as the course packer does.
std::string CourseSource(const char* name) {
  const char* env = std::getenv("VYR_COURSE_SOURCE");
  const std::string root = env ? env : VYR_COURSE_SOURCE_DIR;
  QFile f(QString::fromUtf8(root + "/" + name));
  if (!f.open(QIODevice::ReadOnly)) return std::string();
  const QByteArray bytes = f.readAll();
  return Utf8ToCp1252(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

TEST_F(LoaderTest, DemoCourseExerciseHasThreeTasksAnIncludeAndAnAlias) {
  const std::string vyr = CourseSource("hvyr/uebung.vyr");
  const std::string teil = CourseSource("hvyr/teil.htx");
  ASSERT_FALSE(vyr.empty());
  ASSERT_FALSE(teil.empty());
  dir.file("hvyr\\uebung.vyr", vyr);
  dir.file("hvyr\\teil.htx", Deflate(teil));
  Page("hvyr\\main.htx", "Start");
  ASSERT_TRUE(loader.SetXFile("hvyr\\main.htx"));
  ASSERT_TRUE(loader.ContainerCall("EX PICK=3 FILE=uebung.vyr"));
  EXPECT_EQ(loader.Aufgaben(), 3);
  EXPECT_EQ(loader.ContinueTarget(), "#weiter");
  EXPECT_EQ(model.Aliases.Get("#weiter"), "main.htx");
  EXPECT_EQ(model.TippAufgaben.size(), 1u);
  EXPECT_NE(Words().find("Tipp:"), std::string::npos);  // from the included piece, shown on exercise pages
  EXPECT_TRUE(messages.shown().empty()) << messages.texts()[0];
  ASSERT_TRUE(loader.NextTask());
  ASSERT_TRUE(loader.NextTask());
  EXPECT_EQ(model.Aliases.Get("#next"), "");
  ASSERT_TRUE(loader.Continue());
  EXPECT_EQ(loader.XFile(), "main.htx");

  TXHyperBase hyper;
  hyper.Load(dir.file("hvyr\\E_gaps\\hyper.txt", CourseSource("hvyr/E_gaps/hyper.txt")));
  std::string text, extra;
  ASSERT_GE(hyper.Find("*house*", text, extra), 0);
  EXPECT_NE(text.find("<a href=\"?home\" flash=#ffffff>home</a>"), std::string::npos);
  EXPECT_GE(hyper.Find("*kitchen*", text, extra), 0);
  EXPECT_NE(text.find("Küche"), std::string::npos);
}

// Every access key a demo page names in its text is in its key list.
TEST_F(LoaderTest, DemoCoursePagesHaveTheAccessKeysTheyName) {
  struct Case {
    const char* page;
    const char* key;
    const char* target;
  };
  for (const Case& c : {Case{"main.htx", "1", "markup.htx"}, Case{"main.htx", "5", "uebungen.htx"},
                        Case{"main.htx", "7", "EX PICK=4 FILE=auswahl.vyr WEITER=main.htx"},
                        Case{"main.htx", "k", "klang.htx"}, Case{"main.htx", "w", "wortschatz.htx"},
                        Case{"navigation.htx", "s", "#start"}, Case{"navigation.htx", "z", "-"},
                        Case{"bye.htx", "\x1B",
                             "\xA7"
                             "end"}}) {
    const std::string source = CourseSource((std::string("hvyr/") + c.page).c_str());
    ASSERT_FALSE(source.empty()) << c.page;
    Page(c.page, source);
    ASSERT_TRUE(loader.SetXFile(c.page));
    EXPECT_EQ(model.Keys.Get(c.key), c.target) << c.page << " " << c.key;
  }
  // A flashing link's colour does not make the links after it flash.
  Page("navigation.htx", CourseSource("hvyr/navigation.htx"));
  ASSERT_TRUE(loader.SetXFile("navigation.htx"));
  for (const TXText& e : model.Elements) {
    if (e.Text == "Seitenbau" || e.Text == "Maustaste") {
      EXPECT_FALSE(e.Format.Flash) << e.Text;
    }
  }
}

}  // namespace
}  // namespace vyr
