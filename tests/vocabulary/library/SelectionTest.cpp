#include <gtest/gtest.h>

#include "platform/core/Files.h"
#include "tests/common/TempDir.h"
#include "vocabulary/library/Selection.h"

namespace vyr {
namespace {

using test::TTempDir;

// A vocabulary folder with nested libraries, a directory that looks like one
// and a file beside the folder that no selection may reach.
struct SelectionFixture : ::testing::Test {
  TTempDir dir;
  std::string vocab;
  void SetUp() override {
    dir.file("geheim.asc", "x");
    vocab = dir.dir("Vokabeln (E)");
    dir.file("Vokabeln (E)\\Grundwortschatz\\Familie.asc");
    dir.file("Vokabeln (E)\\Grundwortschatz\\Tiere\\X.ASC");
    dir.file("Vokabeln (E)\\Grundwortschatz\\liesmich.txt");
    dir.dir("Vokabeln (E)\\Grundwortschatz\\y.asc");
    dir.file("Vokabeln (E)\\Reise\\Grüße.asc");
  }
  std::vector<std::string> Relative(const std::vector<std::string>& files) {
    std::vector<std::string> out;
    for (const auto& f : files) out.push_back(f.substr(vocab.size()));
    return out;
  }
};

TEST_F(SelectionFixture, FolderSelections) {
  struct Case {
    std::string selection;
    std::vector<std::string> files;
  };
  for (const Case& c : {
           Case{"Grundwortschatz\\", {"Grundwortschatz\\Familie.asc", "Grundwortschatz\\Tiere\\X.ASC"}},
           Case{"grundwortschatz", {"grundwortschatz\\Familie.asc", "grundwortschatz\\Tiere\\X.ASC"}},
           Case{"Grundwortschatz/Tiere/", {"Grundwortschatz\\Tiere\\X.ASC"}},
           Case{"Fehlt\\", {}},
           Case{"..\\", {}},
           Case{"..\\..\\", {}},
           Case{"Reise\\..\\..\\", {}},
           Case{"C:\\", {}},
           Case{"\\tmp\\", {}},
           Case{"/", {}},
       }) {
    EXPECT_EQ(Relative(SelectionFiles(c.selection, vocab, dir.path() + "fehlt.txt")), c.files) << c.selection;
  }
}

TEST_F(SelectionFixture, TheOwnListSkipsLinesLeavingTheFolderAndRepeats) {
  // Windows-1252 in the list, UTF-8 on disk.
  const std::string list = dir.file("E_Bibliotheken.txt",
                                    "Grundwortschatz\\Familie.asc\r\n"
                                    "\r\n"
                                    "..\\geheim.asc\r\n"
                                    "C:\\geheim.asc\r\n"
                                    "\\x.asc\r\n"
                                    "/x.asc\r\n"
                                    "Reise\\..\\..\\geheim.asc\r\n"
                                    "grundwortschatz/familie.asc\r\n"
                                    "GRUNDWORTSCHATZ\\\\Familie.asc\r\n"
                                    "  Reise\\Grüße.asc  \n"
                                    "Reise\\Fehlt.asc");
  EXPECT_EQ(Relative(SelectionFiles("", vocab, list)),
            (std::vector<std::string>{"Grundwortschatz\\Familie.asc", "Reise\\Grüße.asc", "Reise\\Fehlt.asc"}));
  EXPECT_TRUE(SelectionFiles("", vocab, dir.path() + "fehlt.txt").empty());
  EXPECT_TRUE(SelectionFiles("", "", list).empty());  // no vocabulary folder: nothing
  EXPECT_TRUE(SelectionFiles("Grundwortschatz\\", "", list).empty());
}

// The loader reads the own list as the selection tree shows it: a list
// saved by an editor with byte order marks loads its files, a line with
// a control byte loads nothing, and "Reise\" and "reise/" are one name.
TEST_F(SelectionFixture, TheOwnListLoadsWhatTheTreeShows) {
  struct Case {
    std::string list;
    std::vector<std::string> files;
  };
  for (const Case& c : {
           Case{"\xEF\xBB\xBFReise\\Grüße.asc\r\n", {"Reise\\Grüße.asc"}},
           Case{"\xEF\xBB\xBF\r\nReise\\Grüße.asc", {"Reise\\Grüße.asc"}},
           // two lists joined, and a mark that makes no name
           Case{"\xEF\xBB\xBFReise\\Grüße.asc\r\n\xEF\xBB\xBF \xEF\xBB\xBFGrundwortschatz\\Familie.asc\r\n"
                "\x16\xEF\xBB\xBF\r\n",
                {"Reise\\Grüße.asc", "Grundwortschatz\\Familie.asc"}},
           Case{"Grundwortschatz\\Fa\x01milie.asc\nReise\\Grüße.asc\n", {"Reise\\Grüße.asc"}},
           Case{"Grundwortschatz\\Familie.asc\nGRUNDWORTSCHATZ/familie.asc/\n", {"Grundwortschatz\\Familie.asc"}},
       }) {
    const std::string list = dir.file("E_Bibliotheken.txt", c.list);
    EXPECT_EQ(Relative(SelectionFiles("", vocab, list)), c.files) << c.list;
  }
}

TEST(Selection, GuardAndListPath) {
  for (const char* ok : {"", "a", "a\\b\\", "a..b\\c", "...\\x", "Grüße.asc"}) EXPECT_TRUE(StaysInsideFolder(ok)) << ok;
  for (const char* bad :
       {"..", "..\\", "a\\..\\b", "a/../b", "a\\ .. \\b", "C:", "c:x", "XE:a", "\\a", "/a", "\\\\s\\x"})
    EXPECT_FALSE(StaysInsideFolder(bad)) << bad;
  EXPECT_EQ(LibraryListPath("C:\\u\\anna", "C:\\vyr\\"), "C:\\u\\anna\\E_Bibliotheken.txt");
  EXPECT_EQ(LibraryListPath("", "C:\\vyr\\"), "C:\\vyr\\E_Bibliotheken.txt");
}

// The own list of the demo installation's program folder names libraries that are there.
TEST(Selection, DemoCourseListNamesItsLibraries) {
  const std::string install = CoursePath(QStringLiteral(VYR_INSTALL_DIR));
  const std::vector<std::string> files =
      SelectionFiles("", install + "\\Vokabeln (E)\\", install + "\\E_Bibliotheken.txt");
  ASSERT_EQ(files.size(), 3u);
  for (const auto& f : files) EXPECT_TRUE(FileExists(f)) << f;
}

}  // namespace
}  // namespace vyr
