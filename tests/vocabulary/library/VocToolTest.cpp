#include <gtest/gtest.h>

#include <QProcess>

#include "platform/core/Files.h"
#include "tests/common/TempDir.h"

namespace vyr {
namespace {

using test::TTempDir;

struct TRun {
  int status;
  QByteArray out, err;
};

TRun RunTool(const QStringList& args) {
  QProcess tool;
  tool.start(QStringLiteral(VYR_VOC_TOOL), args);
  tool.waitForFinished(30000);
  return {tool.exitCode(), tool.readAllStandardOutput(), tool.readAllStandardError()};
}

// save refuses, leaving the target as it was, when the source is broken or
// missing or a word would read as a comment; otherwise it writes the same bytes.
TEST(VocTool, SaveIsARoundTripOrLeavesTheTargetAlone) {
  TTempDir dir;
  const std::string good = dir.file("gut.asc", "// Autor\r\npray\r\nbeten\r\n\r\n\r\n0\r\n\r\n0\r\n1\r\n0\r\n0\r\n");
  const std::string lf = dir.file("lf.asc", "pray\nbeten\n\n\n0\n\n0\n1\n0\n0\n");
  const std::string cut = dir.file("kaputt.asc", "pray\r\nbeten\r\n");
  const std::string comment = dir.file("kommentar.asc", "//\tx\r\nbeten\r\n\r\n\r\n0\r\n\r\n0\r\n1\r\n0\r\n0\r\n");
  struct Case {
    std::string in;
    int status;
    std::string written;  // empty: the target keeps "alt"
  };
  for (const Case& c :
       {Case{good, 0, *ReadWholeFile(good)}, Case{lf, 0, "pray\r\nbeten\r\n\r\n\r\n0\r\n\r\n0\r\n1\r\n0\r\n0\r\n"},
        Case{cut, 1, ""}, Case{comment, 1, ""}, Case{dir.path() + "fehlt.asc", 1, ""}}) {
    const std::string target = dir.file("ziel.asc", "alt");
    const TRun run = RunTool({u"save"_qs, NativePath(c.in), NativePath(target)});
    EXPECT_EQ(run.status, c.status) << c.in;
    EXPECT_EQ(ReadWholeFile(target).value_or(""), c.written.empty() ? "alt" : c.written) << c.in;
    if (c.status) {
      EXPECT_FALSE(run.err.isEmpty()) << c.in;  // a German message says why
    }
  }
}

TEST(VocTool, DumpShowsTheTrailingBlankEntryAndTheRealCount) {
  TTempDir dir;
  const std::string file = dir.file("a.asc", "//\r\nStraße\r\nstreet\r\n\r\n\r\n-1\r\n\r\n\r\n7\r\n1\r\n4\r\n");
  const TRun run = RunTool({u"dump"_qs, NativePath(file)});
  EXPECT_EQ(run.status, 0);
  const QString out = QString::fromUtf8(run.out);
  EXPECT_TRUE(out.contains(u"\"result\": 1, \"comments\": [\"\"]"_qs)) << out.toStdString();
  EXPECT_TRUE(
      out.contains(u"{\"Vokabel\": \"Straße\", \"Bedeutung\": [\"street\", \"\"], \"Kontext\": [\"\", \"\"], "
                   u"\"BedeutungAnzeigen\": [true, true], \"Wortart\": 7, \"Deutsch\": true, "
                   u"\"Schwierigkeit\": 4, \"Wert\": 0, \"complete\": true}"_qs))
      << out.toStdString();
  EXPECT_TRUE(out.contains(u"{\"Vokabel\": \"\""_qs));
  EXPECT_TRUE(out.endsWith(u"\"count\": 1}\n"_qs));
  EXPECT_EQ(RunTool({u"dump"_qs}).status, 1);
}

}  // namespace
}  // namespace vyr
