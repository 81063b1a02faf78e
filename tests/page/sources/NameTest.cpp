#include <gtest/gtest.h>

#include "page/sources/ContainerCall.h"
#include "page/sources/PageName.h"

namespace vyr {
namespace {

struct ResolveCase {
  const char* name;
  const char* xpath;
  const char* expected;
};

class ResolveTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveTest, Resolves) {
  const ResolveCase& c = GetParam();
  EXPECT_EQ(ResolvePageName(c.name, c.xpath), c.expected) << c.name << " in " << c.xpath;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ResolveTest,
    ::testing::Values(ResolveCase{"a.htx", "C:\\kurs\\htx\\", "C:\\kurs\\htx\\a.htx"},
                      ResolveCase{"\\a.htx", "C:\\kurs\\htx\\", "C:\\kurs\\htx\\a.htx"},
                      ResolveCase{"..\\b\\a.htx", "C:\\kurs\\htx\\", "C:\\kurs\\b\\a.htx"},
                      ResolveCase{"..\\..\\a.htx", "C:\\kurs\\htx\\", "C:\\a.htx"},
                      ResolveCase{"..\\..\\..\\a.htx", "C:\\kurs\\htx\\", "C:\\a.htx"},  // not above the drive
                      ResolveCase{"D:\\x\\a.htx", "C:\\kurs\\htx\\", "D:\\x\\a.htx"},
                      ResolveCase{"\\\\srv\\share\\a.htx", "C:\\kurs\\", "\\\\srv\\share\\a.htx"},
                      ResolveCase{"*a.htx@3", "C:\\kurs\\htx\\", "*C:\\kurs\\htx\\a.htx"},
                      ResolveCase{"a.htx@Hinweis mit @", "C:\\kurs\\", "C:\\kurs\\a.htx"},
                      ResolveCase{"a/b.htx", "C:\\kurs\\htx\\", "C:\\kurs\\htx\\a\\b.htx"},
                      ResolveCase{"../b/a.htx", "C:\\kurs\\htx\\", "C:\\kurs\\b\\a.htx"},
                      ResolveCase{"Wörterbuch.HTX", "C:\\kurs\\", "C:\\kurs\\Wörterbuch.HTX"},  // case kept as written
                      ResolveCase{"a.htx", "C:\\kurs", "C:\\kurs\\a.htx"},                      // directory without "\"
                      // container calls resolve to their file, the same file the call loads
                      ResolveCase{"EX PICK=2 FILE=test.vyr WEITER=x.htx", "C:\\kurs\\", "C:\\kurs\\test.vyr"},
                      ResolveCase{"ex file=..\\t.vyr", "C:\\kurs\\htx\\", "C:\\kurs\\t.vyr"},
                      ResolveCase{"EX PICK=2", "C:\\kurs\\", ""}, ResolveCase{"ex", "C:\\kurs\\", ""},
                      // a file whose name merely begins with "ex" is a file
                      ResolveCase{"example.htx", "C:\\kurs\\", "C:\\kurs\\example.htx"},
                      ResolveCase{"exfile=a.htx", "C:\\kurs\\", "C:\\kurs\\exfile=a.htx"},
                      ResolveCase{"EXTRA\\a.htx", "C:\\kurs\\", "C:\\kurs\\EXTRA\\a.htx"}));

TEST(ParentDirectoryTest, StopsAtTheRoot) {
  EXPECT_EQ(ParentDirectory("C:\\kurs\\htx\\"), "C:\\kurs\\");
  EXPECT_EQ(ParentDirectory("C:\\kurs\\htx"), "C:\\kurs\\");
  EXPECT_EQ(ParentDirectory("C:\\"), "C:\\");
  EXPECT_EQ(ParentDirectory("\\\\srv\\share\\"), "\\\\srv\\share\\");
  EXPECT_EQ(ParentDirectory(""), "");
}

TEST(PageKindTest, ExtensionsCompareExactly) {
  for (const char* n : {"a.htx", "a.hvyr", "a.xtml", "C:\\x.y\\a.xtm"}) EXPECT_TRUE(IsCompressedPageName(n)) << n;
  for (const char* n : {"a.HTX", "a.html", "a.txt", "a.vyr", "htx", "a.htx\\b"})
    EXPECT_FALSE(IsCompressedPageName(n)) << n;
  EXPECT_TRUE(IsContainerName("C:\\k\\test.vyr"));
  EXPECT_FALSE(IsContainerName("test.VYR"));
}

struct CallCase {
  const char* target;
  bool hasEx;
  int pick;
  bool hasFile;
  const char* file;
  bool hasWeiter;
  const char* weiter;
};

class CallTest : public ::testing::TestWithParam<CallCase> {};

TEST_P(CallTest, Parses) {
  const CallCase& c = GetParam();
  const TContainerCall call = ParseContainerCall(c.target);
  EXPECT_EQ(call.hasEx, c.hasEx) << c.target;
  EXPECT_EQ(call.pick, c.pick) << c.target;
  EXPECT_EQ(call.hasFile, c.hasFile) << c.target;
  EXPECT_EQ(call.file, c.file) << c.target;
  EXPECT_EQ(call.hasWeiter, c.hasWeiter) << c.target;
  EXPECT_EQ(call.weiter, c.weiter) << c.target;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CallTest,
    ::testing::Values(CallCase{"EX PICK=5 FILE=test.vyr", true, 5, true, "test.vyr", false, "#weiter"},
                      CallCase{"EX FILE=test.vyr", true, -1, true, "test.vyr", false, "#weiter"},
                      CallCase{"EX PICK=3 FILE=a.vyr WEITER=menu.htx", true, 3, true, "a.vyr", true, "menu.htx"},
                      CallCase{"ex pick=2 file=a.vyr weiter=#zurueck", true, 2, true, "a.vyr", true, "#zurueck"},
                      CallCase{"EX  PICK=x  FILE=a.vyr  egal WEITER=", true, -1, true, "a.vyr", true, ""},
                      CallCase{"EX PICK=0 FILE=a.vyr", true, -1, true, "a.vyr", false, "#weiter"},
                      CallCase{"EX PICK=-4 FILE=a.vyr", true, -1, true, "a.vyr", false, "#weiter"},
                      CallCase{"EX PICK=99999999999 FILE=a.vyr", true, -1, true, "a.vyr", false, "#weiter"},
                      CallCase{"EX PICK=2", true, 2, false, "", false, "#weiter"},
                      CallCase{"EX WEITER=b.htx FILE=a.vyr", true, -1, false, "", true, "b.htx"},
                      CallCase{"EX FILE=", true, -1, false, "", false, "#weiter"},
                      CallCase{"PICK=2 FILE=a.vyr", false, 2, true, "a.vyr", false, "#weiter"}));

TEST(CallSyntaxTest, OnlyTheCallSyntaxIsACall) {
  EXPECT_TRUE(IsContainerCall("EX FILE=a.vyr"));
  EXPECT_TRUE(IsContainerCall("ex file=a.vyr"));
  EXPECT_TRUE(IsContainerCall("Ex PICK=1"));
  EXPECT_FALSE(IsContainerCall("example.htx"));
  EXPECT_FALSE(IsContainerCall("EXFILE=a.vyr"));
  EXPECT_FALSE(IsContainerCall("ex"));
  EXPECT_TRUE(IsNextTaskLink("ex"));
  EXPECT_TRUE(IsNextTaskLink("EX"));
  EXPECT_FALSE(IsNextTaskLink("ex "));
  EXPECT_FALSE(IsNextTaskLink("exa"));
}

}  // namespace
}  // namespace vyr
