// Broken and random input through the page sources: nothing may crash, hang
// or read outside its data (run under the sanitizers to see the latter).
#include <gtest/gtest.h>

#include <random>

#include "page/model/PageModel.h"
#include "page/reader/PageLoader.h"
#include "page/sources/ContainerCall.h"
#include "page/sources/ExerciseContainer.h"
#include "page/sources/HyperBase.h"
#include "page/sources/PageName.h"
#include "page/sources/ZipResource.h"
#include "platform/core/MessageRecorder.h"
#include "tests/common/TempDir.h"
#include "text/ZStream.h"

namespace vyr {
namespace {

std::string Mutate(std::string s, std::mt19937& rng) {
  static const std::string pieces[] = {"<EX>",
                                       "</EX>",
                                       "VYR!",
                                       "{",
                                       "}",
                                       "..\\",
                                       "@",
                                       "*",
                                       "EX ",
                                       "FILE=",
                                       "PICK=",
                                       "WEITER=",
                                       "<INCLUDE HREF=\"",
                                       "\"",
                                       std::string(1, '\0'),
                                       "\r\n"};
  const int edits = 1 + static_cast<int>(rng() % 6);
  for (int i = 0; i < edits; ++i) {
    const size_t at = s.empty() ? 0 : rng() % (s.size() + 1);
    switch (rng() % 4) {
      case 0: s.insert(at, pieces[rng() % std::size(pieces)]); break;
      case 1:
        if (at < s.size()) s.erase(at, 1 + rng() % 8);
        break;
      case 2:
        if (at < s.size()) s[at] = static_cast<char>(rng());
        break;
      default: s.insert(at, 1, static_cast<char>(rng())); break;
    }
  }
  return s;
}

TEST(RobustnessTest, RandomNamesCallsContainersAndHyperTexts) {
  std::mt19937 rng(4711);
  const std::string seeds[] = {"VYR!03Kopf<EX>a<EX>b<EX>c</EX>Fuß", "EX PICK=2 FILE=a.vyr WEITER=#w",
                               "*..\\..\\x/y.htx@note", "siehe {Haus} und {Baum}"};
  for (int i = 0; i < 4000; ++i) {
    const std::string s = Mutate(seeds[i % 4], rng);
    const TContainerResult r = ParseExerciseContainer(s);
    if (r.status == TContainerStatus::Ok) {
      EXPECT_GE(r.container.tasks.size(), static_cast<size_t>(r.container.count));
    }
    ParseContainerCall(s);
    ResolvePageName(s, "C:\\kurs\\htx\\");
    EXPECT_GE(HyperLinks(s).size(), s.size());
  }
}

TEST(RobustnessTest, BrokenCompressedResourcesAndPages) {
  TMessageRecorder messages;
  test::TTempDir dir;
  TPageModel model;
  TPageLoader loader(model);
  loader.SetXPath(dir.path());
  std::mt19937 rng(815);
  const std::string packed = Deflate("<b>Seite</b> mit Text\r\n<INCLUDE HREF=\"seite.htx\">\r\n");
  const std::string container = "VYR!02<ALIAS #weiter=\"x.htx\">K<EX>a<INCLUDE HREF=\"c.vyr\"><EX>b</EX>F";
  for (int i = 0; i < 300; ++i) {
    TZIPResource r(Mutate(packed, rng), "Test");
    for (int guard = 0; !r.AtEnd(); ++guard) {
      ASSERT_LT(guard, 100000);
      r.ReadLine();
    }
    dir.file("seite.htx", Mutate(packed, rng));
    loader.SetXFile("seite.htx");
    dir.file("c.vyr", Mutate(container, rng));
    loader.ContainerCall("EX PICK=3 FILE=c.vyr");
    loader.NextTask();
  }
}

}  // namespace
}  // namespace vyr
