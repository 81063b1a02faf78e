#include <functional>
#include <set>

#include "superlearning/options/OptionMappings.h"
#include "tests/superlearning/options/OptionsFixture.h"

namespace vyr::test {
namespace {

using S = TSuperSettings;

class SuperOptionsTest : public OptionsFixture {};

TEST_F(SuperOptionsTest, LoadTurnsStoredValuesIntoSettings) {
  struct Case {
    const char* what;
    std::function<void(TRegistry&, const std::string&)> store;
    std::function<void(const TSuperOptions&)> check;
  };
  const Case cases[] = {
      {"clamps at the lower ends",
       [](TRegistry& r, const std::string& k) {
         r.WriteInteger(k, "KlassikFaktor", 10);
         r.WriteInteger(k, "Volume", -30);
         r.WriteInteger(k, "TechnoSpeed", -99);
         r.WriteInteger(k, "DDTextDelay", -5);
         r.WriteInteger(k, "S3DBColor", -1);
       },
       [](const TSuperOptions& o) {
         EXPECT_EQ(o.Settings().KlassikFaktor, 20);
         EXPECT_EQ(o.Music().VolumeDb(), -24);
         EXPECT_EQ(o.Settings().TechnoSpeed, -25);
         EXPECT_EQ(o.Settings().DDTextDelay, 1000);
         EXPECT_EQ(o.Settings().S3DBColor, 0);
       }},
      {"clamps at the upper ends",
       [](TRegistry& r, const std::string& k) {
         r.WriteInteger(k, "Volume", 5);
         r.WriteInteger(k, "DDBGRDelay", 1200);
         r.WriteInteger(k, "TechnoFrameDelay", 240000);
         r.WriteInteger(k, "VegasFaktor", 2147483647);
         r.WriteInteger(k, "TechnoMode", 9);
       },
       [](const TSuperOptions& o) {
         EXPECT_EQ(o.Music().VolumeDb(), 0);
         EXPECT_EQ(o.Settings().DDBGRDelay, 600);
         EXPECT_EQ(IntervalText(o.Settings().DDBGRDelay), "10 Minuten");
         EXPECT_EQ(o.Settings().TechnoFrameDelay, 100000);
         EXPECT_EQ(o.Settings().VegasFaktor, 200);
         EXPECT_EQ(o.Settings().TechnoMode, 8);
       }},
      {"values inside the ranges and switches",
       [](TRegistry& r, const std::string& k) {
         r.WriteInteger(k, "Madness", 3);
         r.WriteInteger(k, "Musik", 0);
         r.WriteInteger(k, "TechnoScrolling", 7);  // any non-zero value is on
         r.WriteString(k, "DD", "Herbst\\blätter");
       },
       [](const TSuperOptions& o) {
         EXPECT_EQ(o.Settings().Madness, 3);
         EXPECT_FALSE(o.Settings().Musik);
         EXPECT_TRUE(o.Settings().TechnoScrolling);
         EXPECT_EQ(o.Settings().DD, "Herbst\\blätter");
       }},
      {"wrong types keep the defaults; missing texts read empty",
       [](TRegistry& r, const std::string& k) {
         r.WriteString(k, "KlassikFaktor", "150");
         r.WriteString(k, "Musik", "0");
         r.WriteInteger(k, "TechnoSchrift", 5);
       },
       [](const TSuperOptions& o) {
         EXPECT_EQ(o.Settings().KlassikFaktor, 100);
         EXPECT_TRUE(o.Settings().Musik);
         EXPECT_EQ(o.Settings().TechnoSchrift, "Verdana");
         // "Schrift" was not stored at all: empty, drawn in its default face.
         EXPECT_EQ(o.Settings().Schrift, "");
         EXPECT_EQ(o.Face(&S::Schrift), "Arial");
         EXPECT_EQ(o.Face(&S::S3DVSchrift), "Arial");  // Impact is not installed
       }},
      {"the abgedreht colours fail alone",
       [](TRegistry& r, const std::string& k) {
         r.WriteString(k, "VexaBGRColor", "xyz");
         r.WriteString(k, "VexaTXTColor", "123456");
         r.WriteString(k, "TechnoBGRColor", "00ff7f");
         r.WriteString(k, "TechnoTextColor", "1234567");
         r.WriteString(k, "TechnoBMPColor", "ABCDEF");
       },
       [](const TSuperOptions& o) {
         EXPECT_EQ(o.Settings().VexaBGRColor, 0xFFFFFF);
         EXPECT_EQ(o.Settings().VexaTXTColor, 0x000000);
         EXPECT_EQ(o.Settings().TechnoBGRColor, 0x00FF7F);
         EXPECT_EQ(o.Settings().TechnoTextColor, 0x234567);
         EXPECT_EQ(o.Settings().TechnoBMPColor, 0xABCDEF);
       }},
      {"the Techno colours fail together",
       [](TRegistry& r, const std::string& k) {
         r.WriteString(k, "VexaBGRColor", "010203");
         r.WriteString(k, "VexaTXTColor", "040506");
         r.WriteString(k, "TechnoBGRColor", "112233");
         r.WriteString(k, "TechnoTextColor", "#FFFFFF");
         r.WriteString(k, "TechnoBMPColor", "445566");
       },
       [](const TSuperOptions& o) {
         EXPECT_EQ(o.Settings().VexaBGRColor, 0x010203);
         EXPECT_EQ(o.Settings().VexaTXTColor, 0x040506);
         EXPECT_EQ(o.Settings().TechnoBGRColor, 0x000000);
         EXPECT_EQ(o.Settings().TechnoTextColor, 0xFFFFFF);
         EXPECT_EQ(o.Settings().TechnoBMPColor, 0x990099);
       }},
      {"an empty or missing colour fails its group",
       [](TRegistry& r, const std::string& k) {
         r.WriteString(k, "VexaBGRColor", "010203");
         r.WriteString(k, "TechnoBGRColor", "112233");
         r.WriteString(k, "TechnoTextColor", "");
         r.WriteString(k, "TechnoBMPColor", "445566");
       },
       [](const TSuperOptions& o) {
         EXPECT_EQ(o.Settings().VexaBGRColor, 0xFFFFFF);  // its partner is missing
         EXPECT_EQ(o.Settings().TechnoBGRColor, 0x000000);
       }},
      {"an empty picture folder becomes the program's, even when missing",
       [](TRegistry& r, const std::string& k) { r.WriteString(k, "TechnoPhotoDir", ""); },
       [this](const TSuperOptions& o) { EXPECT_EQ(o.Settings().TechnoPhotoDir, dir.path() + "Techno\\"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RemoveFile(Reg().fileName());
    TRegistry::Reload();
    c.store(Reg(), Key());
    TSuperOptions& o = Make();
    o.Load();
    c.check(o);
    EXPECT_FALSE(o.Modified());
  }
  EXPECT_TRUE(messages.texts().empty());
}

TEST_F(SuperOptionsTest, TheMusicFolderIsTakenOnlyWhenItExists) {
  AddMusic("Eigene Musik");
  TSuperOptions& o = Make();
  EXPECT_EQ(o.MusicDirectory(), "");  // no "MP3\" in the program folder, and no message
  Reg().WriteString(Key(), "MP3", dir.path() + "fehlt\\");
  o.Load();
  EXPECT_EQ(o.MusicDirectory(), "");
  Reg().WriteString(Key(), "MP3", dir.path() + "Eigene Musik");
  o.Load();
  EXPECT_EQ(o.MusicDirectory(), dir.path() + "Eigene Musik\\");
  EXPECT_EQ(o.MusicFileCount(), 2);
  EXPECT_TRUE(messages.texts().empty());
}

TEST_F(SuperOptionsTest, MachineDefaultsFollowTheInstallation) {
  AddTechno();
  AddMusic();
  TSuperOptions& o = Make();
  o.Load();  // no key: all defaults
  EXPECT_EQ(o.Settings().TechnoPhotoDir, dir.path() + "Techno\\");
  EXPECT_EQ(o.Settings().TechnoSchrift, "Verdana");
  EXPECT_EQ(o.Settings().S3DVSchrift, "Arial");
  EXPECT_EQ(o.Settings().S3DBSchrift, "Georgia");
  EXPECT_TRUE(o.Settings().Sprachausgabe);
  EXPECT_EQ(o.MusicDirectory(), dir.path() + "MP3\\");
  EXPECT_FALSE(o.Modified());
}

TEST_F(SuperOptionsTest, SaveAndLoadRoundTripEverySetting) {
  AddMusic("Musik");
  TSuperOptions& o = Make();
  o.Load();
  // Every integer setting one step inside its range from the default.
  for (const TIntSetting& row : IntSettings()) {
    const int v = o.Settings().*row.member;
    o.Set(row.member, v < row.max ? v + 1 : v - 1);
  }
  for (bool S::*b :
       {&S::Musik, &S::Sprachausgabe, &S::TechnoScrolling, &S::TechnoFading, &S::OhneHintergrund, &S::SchwarzWeiss})
    o.Set(b, !(o.Settings().*b));
  int n = 0;
  for (std::string S::*t :
       {&S::Schrift, &S::TechnoPhotoDir, &S::TechnoSchrift, &S::DD, &S::Air, &S::S3DVSchrift, &S::S3DBSchrift})
    o.Set(t, "Wert ä" + std::to_string(++n));
  o.SetMusicDirectory(dir.path() + "Musik");
  o.Music().SetVolumeDb(-7);
  ASSERT_TRUE(o.Modified());
  const TSuperSettings saved = o.Settings();
  ASSERT_TRUE(o.Save());
  EXPECT_FALSE(o.Modified());
  EXPECT_EQ(Reg().ValueNames(Key()).size(), 40u);
  EXPECT_EQ(Reg().ReadString(Key(), "TechnoBMPColor").value_or(""), "99009A");  // upper case

  TRegistry::Reload();
  TSuperOptions& back = Make();
  back.Load();
  EXPECT_TRUE(back.Settings() == saved);
  EXPECT_EQ(back.MusicDirectory(), dir.path() + "Musik\\");
  EXPECT_EQ(back.Music().VolumeDb(), -7);
  EXPECT_FALSE(back.Modified());
}

TEST_F(SuperOptionsTest, SettersClampAndMarkOnlyRealChanges) {
  TSuperOptions& o = Make();
  o.Load();
  o.Set(&S::KlassikFaktor, 100);
  o.Set(&S::Schrift, "Arial");
  EXPECT_FALSE(o.Modified());
  o.Set(&S::Schrift, "arial");  // texts compare with case
  EXPECT_TRUE(o.Modified());
  o.Set(&S::TechnoTextDelay, 2000000000);
  o.Set(&S::Madness, -4);
  o.Set(&S::VexaBGRColor, 0x7F123456);
  EXPECT_EQ(o.Settings().TechnoTextDelay, 100000);
  EXPECT_EQ(o.Settings().Madness, 1);
  EXPECT_EQ(o.Settings().VexaBGRColor, 0xFFFFFF);
}

TEST_F(SuperOptionsTest, AFailedWriteKeepsTheMarkAndTheNextSaveTriesAgain) {
  TSuperOptions& o = Make();
  o.Load();
  o.Set(&S::Madness, 4);
  const QByteArray old = qgetenv("VYR_REGISTRY");
  const std::string blocker = dir.file("sperre");
  qputenv("VYR_REGISTRY", NativePath(blocker + "\\registry.txt").toLocal8Bit());
  TRegistry::Reload();
  EXPECT_FALSE(o.Save());
  EXPECT_TRUE(o.Modified());
  RemoveFile(blocker);
  EXPECT_TRUE(o.SaveIfModified());
  EXPECT_FALSE(o.Modified());
  EXPECT_EQ(Reg().ReadInteger(Key(), "Madness").value_or(0), 4);
  qputenv("VYR_REGISTRY", old);
}

TEST_F(SuperOptionsTest, LoadWithoutTheKeyClearsTheMark) {
  TSuperOptions& o = Make();
  o.Set(&S::Madness, 2);
  o.Load();
  EXPECT_FALSE(o.Modified());
  EXPECT_EQ(o.Settings().Madness, 9);
  EXPECT_FALSE(Reg().KeyExists(Key()));
}

TEST_F(SuperOptionsTest, TechnoPictureFolderIsCheckedWhenSet) {
  AddTechno();
  dir.dir("Leer");
  TSuperOptions& o = Make();
  struct Case {
    std::string set;
    std::string stored;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {dir.path() + "Techno", dir.path() + "Techno\\", {}},
      {dir.path() + "Leer",
       dir.path() + "Leer\\",
       {"Superlearning : Das Verzeichnis \"" + dir.path() + "Leer\\\" enthält keine Bilder (JPG oder BMP)!"}},
      {dir.path() + "fehlt\\",
       "",
       {"Superlearning : Das Verzeichnis \"" + dir.path() + "fehlt\\\" existiert nicht!",
        "Der Techno-Modus benötigt ein Verzeichnis mit Bildern (JPG oder BMP)!"}},
      {"", "", {"Der Techno-Modus benötigt ein Verzeichnis mit Bildern (JPG oder BMP)!"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set);
    messages.clear();
    o.SetTechnoPhotoDir(c.set);
    EXPECT_EQ(o.Settings().TechnoPhotoDir, c.stored);
    EXPECT_EQ(messages.texts(), c.shown);
  }
}

TEST_F(SuperOptionsTest, PagesAreListedRelativeToTheirFolder) {
  AddPages();
  TSuperOptions& o = Make();
  EXPECT_EQ(o.Pages(TSuperOptions::TPageStyle::DD), (std::vector<std::string>{"Herbst\\blätter", "sterne"}));
  EXPECT_EQ(o.Pages(TSuperOptions::TPageStyle::Air), (std::vector<std::string>{"abflug"}));
}

TEST_F(SuperOptionsTest, PickPage) {
  using P = TSuperOptions::TPageStyle;
  AddPages();
  dir.file("hvyr\\SuperDD\\Herbst\\sterne.htx", "<body>");  // the same name in a subfolder
  const std::string dd = dir.path() + "hvyr\\SuperDD\\";
  TSuperOptions& o = Make();

  // A configured page, also in a subfolder, comes back every time.
  o.Set(&S::DD, "Herbst\\blätter");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(o.PickPage(P::DD), dd + "Herbst\\blätter.htx");
  EXPECT_EQ(o.LastPickedPage(), "");

  // Once it is deleted, pages are drawn, never the same twice in a row, and
  // the two pages called "sterne" are two pages.
  o.Set(&S::DD, "gelöscht");
  std::set<std::string> seen;
  std::string last;
  for (int i = 0; i < 60; ++i) {
    const std::string p = o.PickPage(P::DD);
    EXPECT_NE(p, last);
    EXPECT_TRUE(FileExists(p)) << p;
    seen.insert(p);
    last = p;
  }
  EXPECT_EQ(seen.size(), 3u);

  // One page comes back every time, without looping.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(o.PickPage(P::Air), dir.path() + "hvyr\\Air\\abflug.htx");
}

TEST_F(SuperOptionsTest, PickPageInAnEmptyFolderGivesNothing) {
  dir.dir("hvyr\\Air");
  TSuperOptions& o = Make();
  EXPECT_EQ(o.PickPage(TSuperOptions::TPageStyle::Air), "");
  EXPECT_EQ(o.PickPage(TSuperOptions::TPageStyle::DD), "");  // no folder at all
}

}  // namespace
}  // namespace vyr::test
