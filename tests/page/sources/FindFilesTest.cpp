#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>

#include "page/sources/FindFiles.h"
#include "tests/common/TempDir.h"

namespace vyr {
namespace {

TEST(FindFilesTest, WalksAllSubdirectoriesAndComparesExtensionsIgnoringCase) {
  test::TTempDir dir;
  dir.file("a.asc");
  dir.file("B.ASC");
  dir.file("c.txt");
  dir.file("sub\\d.asc");
  dir.file("sub\\tief\\e.xsl");
  dir.file("sub\\tief\\f.ascx");
  dir.dir("leer");
  std::vector<std::string> list;
  EXPECT_EQ(FindFiles(dir.path(), &list, ".asc"), 3);
  std::sort(list.begin(), list.end());
  EXPECT_EQ(list, (std::vector<std::string>{dir.path() + "B.ASC", dir.path() + "a.asc", dir.path() + "sub\\d.asc"}));
  EXPECT_EQ(FindFiles(dir.path().substr(0, dir.path().size() - 1), nullptr, ".asc", ".xsl"), 4);
  EXPECT_EQ(FindFiles(dir.path() + "fehlt\\", nullptr, ".asc"), 0);
}

TEST(FindFilesTest, LinkLoopsEnd) {
  test::TTempDir dir;
  dir.file("sub\\a.asc");
  ASSERT_TRUE(QFile::link(dir.native(), dir.native() + u"/sub/zurueck"_qs));
  EXPECT_EQ(FindFiles(dir.path(), nullptr, ".asc"), 1);
}

}  // namespace
}  // namespace vyr
