#include "superlearning/options/SuperOptions.h"

#include <algorithm>

#include "page/sources/FindFiles.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "shell/startup/UserSettings.h"
#include "superlearning/options/OptionMappings.h"
#include "superlearning/sound/Music.h"
#include "text/Case.h"

namespace vyr {

using S = TSuperSettings;

const std::vector<TIntSetting>& IntSettings() {
  static const std::vector<TIntSetting> table = {
      {"KlassikFaktor", &S::KlassikFaktor, 20, 500},
      {"Faktor", &S::Faktor, 50, 400},
      {"TextDelay", &S::TextDelay, 0, 100},
      {"Madness", &S::Madness, 1, 10},
      {"VexaBGRColor", &S::VexaBGRColor, 0, 0xFFFFFF},
      {"VexaTXTColor", &S::VexaTXTColor, 0, 0xFFFFFF},
      {"TechnoRand", &S::TechnoRand, 0, 200},
      {"TechnoBGRColor", &S::TechnoBGRColor, 0, 0xFFFFFF},
      {"TechnoTextColor", &S::TechnoTextColor, 0, 0xFFFFFF},
      {"TechnoBMPColor", &S::TechnoBMPColor, 0, 0xFFFFFF},
      {"TechnoMode", &S::TechnoMode, 0, 8},
      {"TechnoFrameDelay", &S::TechnoFrameDelay, 0, 100000},
      {"TechnoTextDelay", &S::TechnoTextDelay, 0, 100000},
      {"TechnoSpeed", &S::TechnoSpeed, -25, 25},
      {"TechnoTransparenz", &S::TechnoTransparenz, 0, 100},
      {"DDTextDelay", &S::DDTextDelay, 1000, 20000},
      {"DDCharDelay", &S::DDCharDelay, 10, 210},
      {"DDBGRDelay", &S::DDBGRDelay, 0, 600},
      {"AirBGRDelay", &S::AirBGRDelay, 0, 600},
      {"AirCharDelay", &S::AirCharDelay, 0, 500},
      {"AirBDelay", &S::AirBDelay, 0, 2000},
      {"AirMainPause", &S::AirMainPause, 0, 5000},
      {"S3DBColor", &S::S3DBColor, 0, 0xFFFFFF},
      {"S3DTColor", &S::S3DTColor, 0, 0xFFFFFF},
      {"VegasFaktor", &S::VegasFaktor, 20, 200},
  };
  return table;
}

const TIntSetting& IntSetting(int S::*member) {
  for (const TIntSetting& row : IntSettings())
    if (row.member == member) return row;
  static const TIntSetting none{"", nullptr, 0, 0};
  return none;
}

namespace {

struct TTextSetting {
  const char* key;
  std::string S::*member;
};
struct TBoolSetting {
  const char* key;
  bool S::*member;
};

const TTextSetting kTexts[] = {{"Schrift", &S::Schrift},
                               {"TechnoPhotoDir", &S::TechnoPhotoDir},
                               {"TechnoSchrift", &S::TechnoSchrift},
                               {"DD", &S::DD},
                               {"Air", &S::Air},
                               {"S3DVSchrift", &S::S3DVSchrift},
                               {"S3DBSchrift", &S::S3DBSchrift}};
const TBoolSetting kBools[] = {{"Musik", &S::Musik},
                               {"Sprachausgabe", &S::Sprachausgabe},
                               {"TechnoScrolling", &S::TechnoScrolling},
                               {"TechnoFading", &S::TechnoFading},
                               {"OhneHintergrund", &S::OhneHintergrund},
                               {"Schwarz-Weiß", &S::SchwarzWeiss}};

// The two colour groups that load together: one unreadable text sends its
// whole group back to the defaults.
const std::vector<int S::*> kVexaColours = {&S::VexaBGRColor, &S::VexaTXTColor};
const std::vector<int S::*> kTechnoColours = {&S::TechnoBGRColor, &S::TechnoTextColor, &S::TechnoBMPColor};

bool IsColour(int S::*member) {
  return std::find(kVexaColours.begin(), kVexaColours.end(), member) != kVexaColours.end() ||
         std::find(kTechnoColours.begin(), kTechnoColours.end(), member) != kTechnoColours.end();
}

// The order in which the settings are written.
const char* const kSaveOrder[] = {"MP3",
                                  "Sprachausgabe",
                                  "Musik",
                                  "Volume",
                                  "Schrift",
                                  "KlassikFaktor",
                                  "Faktor",
                                  "TextDelay",
                                  "Madness",
                                  "VexaBGRColor",
                                  "VexaTXTColor",
                                  "TechnoPhotoDir",
                                  "TechnoSchrift",
                                  "TechnoBGRColor",
                                  "TechnoTextColor",
                                  "TechnoBMPColor",
                                  "TechnoScrolling",
                                  "TechnoFading",
                                  "OhneHintergrund",
                                  "Schwarz-Weiß",
                                  "TechnoRand",
                                  "TechnoMode",
                                  "TechnoFrameDelay",
                                  "TechnoTextDelay",
                                  "TechnoSpeed",
                                  "TechnoTransparenz",
                                  "DDTextDelay",
                                  "DDCharDelay",
                                  "DDBGRDelay",
                                  "DD",
                                  "AirBGRDelay",
                                  "AirCharDelay",
                                  "AirBDelay",
                                  "AirMainPause",
                                  "Air",
                                  "S3DVSchrift",
                                  "S3DBSchrift",
                                  "S3DBColor",
                                  "S3DTColor",
                                  "VegasFaktor"};

const TIntSetting* FindInt(std::string_view key) {
  for (const TIntSetting& r : IntSettings())
    if (key == r.key) return &r;
  return nullptr;
}
const TBoolSetting* FindBool(std::string_view key) {
  for (const TBoolSetting& r : kBools)
    if (key == r.key) return &r;
  return nullptr;
}
const TTextSetting* FindTextSetting(std::string_view key) {
  for (const TTextSetting& r : kTexts)
    if (key == r.key) return &r;
  return nullptr;
}

std::vector<std::string> PageNames(const std::string& dir) {
  std::vector<std::string> files, names;
  if (!DirectoryExists(dir)) return names;
  FindFiles(dir, &files, ".htx");
  for (const std::string& f : files) {
    // Relative to the style folder, so that pages in subfolders load again.
    std::string rel = f.size() > dir.size() && SameText(f.substr(0, dir.size()), dir) ? f.substr(dir.size()) : f;
    rel.resize(rel.size() - 4);
    names.push_back(rel);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  names.erase(std::unique(names.begin(), names.end(), [](const auto& a, const auto& b) { return SameText(a, b); }),
              names.end());
  return names;
}

}  // namespace

TSuperOptions::TSuperOptions(TSuperPlaces places, TMusic& music) : places_(std::move(places)), music_(music) {
  scanPages();
  music_.SetDefaultDirectory(DefaultMusicDirectory());
  SetDefaults();
  modified_ = false;
}

TSuperOptions::~TSuperOptions() { SaveIfModified(); }

std::string TSuperOptions::Key() { return UserSettingsKey() + "\\Super"; }

void TSuperOptions::scanPages() {
  ddPages_ = PageNames(PageDirectory(TPageStyle::DD));
  airPages_ = PageNames(PageDirectory(TPageStyle::Air));
}

std::string TSuperOptions::PageDirectory(TPageStyle style) const {
  return places_.pageRoot + "hvyr\\" + (style == TPageStyle::DD ? "SuperDD\\" : "Air\\");
}

const std::vector<std::string>& TSuperOptions::Pages(TPageStyle style) const {
  return style == TPageStyle::DD ? ddPages_ : airPages_;
}

std::string TSuperOptions::DefaultFace(std::string S::*font) const {
  const auto installed = [this](std::string_view f) { return places_.fontInstalled && places_.fontInstalled(f); };
  if (font == &S::TechnoSchrift) {
    for (const char* f : {"Andale Mono", "Verdana"})
      if (installed(f)) return f;
    return "courier new";
  }
  if (font == &S::S3DVSchrift) return installed("Impact") ? "Impact" : "Arial";
  if (font == &S::S3DBSchrift) return installed("Georgia") ? "Georgia" : "Arial";
  return "Arial";
}

std::string TSuperOptions::Face(std::string S::*font) const {
  const std::string& f = s_.*font;
  return f.empty() ? DefaultFace(font) : f;
}

void TSuperOptions::SetDefaults() {
  TSuperSettings d;
  d.Schrift = DefaultFace(&S::Schrift);
  d.TechnoSchrift = DefaultFace(&S::TechnoSchrift);
  d.S3DVSchrift = DefaultFace(&S::S3DVSchrift);
  d.S3DBSchrift = DefaultFace(&S::S3DBSchrift);
  d.Sprachausgabe = places_.speechAvailable;
  const std::string techno = places_.programDirectory + "Techno\\";
  d.TechnoPhotoDir = DirectoryExists(techno) ? techno : std::string();
  s_ = d;
  // The program's own music folder: not there is no reason for a message.
  music_.SetDefaultDirectory(DefaultMusicDirectory());
  modified_ = true;
}

void TSuperOptions::Load() {
  SetDefaults();
  const TRegistry& reg = TRegistry::CurrentUser();
  const std::string key = Key();
  if (reg.KeyExists(key)) {
    for (const TIntSetting& row : IntSettings())
      if (!IsColour(row.member))
        if (auto v = reg.ReadInteger(key, row.key)) s_.*row.member = std::clamp(*v, row.min, row.max);
    for (const TBoolSetting& row : kBools)
      if (auto v = reg.ReadBool(key, row.key)) s_.*row.member = *v;
    if (auto v = reg.ReadInteger(key, "Volume")) music_.SetVolumeDb(std::clamp(*v, -24, 0));
    for (const TTextSetting& row : kTexts) {
      if (!reg.ValueExists(key, row.key)) s_.*row.member = std::string();
      else if (auto v = reg.ReadString(key, row.key)) s_.*row.member = *v;
    }
    for (const auto* group : {&kVexaColours, &kTechnoColours}) {
      std::vector<int> read;
      for (int S::*member : *group)
        if (auto c = ParseColourText(reg.ReadString(key, IntSetting(member).key).value_or(""))) read.push_back(*c);
      if (read.size() == group->size())
        for (size_t i = 0; i < read.size(); ++i) s_.*(*group)[i] = read[i];
    }
    if (s_.TechnoPhotoDir.empty()) s_.TechnoPhotoDir = places_.programDirectory + "Techno\\";
    const std::string mp3 = reg.ReadString(key, "MP3").value_or("");
    if (!mp3.empty() && DirectoryExists(mp3)) music_.SetDirectory(mp3);
  }
  modified_ = false;
}

bool TSuperOptions::Save() {
  TRegistry& reg = TRegistry::CurrentUser();
  const std::string key = Key();
  reg.BeginBatch();
  for (const char* name : kSaveOrder) {
    const std::string_view n = name;
    if (n == "MP3") reg.WriteString(key, n, music_.Directory());
    else if (n == "Volume") reg.WriteInteger(key, n, music_.VolumeDb());
    else if (const TIntSetting* i = FindInt(n)) {
      if (IsColour(i->member)) reg.WriteString(key, n, ColourText(s_.*i->member));
      else reg.WriteInteger(key, n, s_.*i->member);
    } else if (const TBoolSetting* b = FindBool(n)) reg.WriteBool(key, n, s_.*b->member);
    else if (const TTextSetting* t = FindTextSetting(n)) reg.WriteString(key, n, s_.*t->member);
  }
  if (!reg.EndBatch()) return false;  // the mark stays: the next save tries again
  modified_ = false;
  return true;
}

bool TSuperOptions::SaveIfModified() { return !modified_ || Save(); }

void TSuperOptions::Set(int S::*member, int value) {
  const TIntSetting& row = IntSetting(member);
  if (row.member) value = std::clamp(value, row.min, row.max);
  if (s_.*member == value) return;
  s_.*member = value;
  modified_ = true;
}

void TSuperOptions::Set(bool S::*member, bool value) {
  if (s_.*member == value) return;
  s_.*member = value;
  modified_ = true;
}

void TSuperOptions::Set(std::string S::*member, std::string_view value) {
  if (s_.*member == value) return;
  s_.*member = std::string(value);
  modified_ = true;
}

void TSuperOptions::SetTechnoPhotoDir(std::string_view dir) {
  std::string value(dir);
  if (!value.empty()) value = IncludeTrailingBackslash(value);
  Set(&S::TechnoPhotoDir, value);
  if (!value.empty()) {
    if (!DirectoryExists(value)) {
      ShowCourseMessage("Superlearning : Das Verzeichnis \"" + value + "\" existiert nicht!", msg::IconError);
      Set(&S::TechnoPhotoDir, "");
    } else if (FindFiles(value, nullptr, ".jpg", ".bmp") == 0) {
      ShowCourseMessage("Superlearning : Das Verzeichnis \"" + value + "\" enthält keine Bilder (JPG oder BMP)!",
                        msg::IconError);
    }
  }
  if (s_.TechnoPhotoDir.empty())
    ShowCourseMessage("Der Techno-Modus benötigt ein Verzeichnis mit Bildern (JPG oder BMP)!", msg::IconError);
}

void TSuperOptions::SetMusicDirectory(std::string_view dir) {
  const std::string before = music_.Directory();
  music_.SetDirectory(dir);
  if (music_.Directory() != before) modified_ = true;
}

const std::string& TSuperOptions::MusicDirectory() const { return music_.Directory(); }
int TSuperOptions::MusicFileCount() const { return music_.FileCount(); }

std::string TSuperOptions::PickPage(TPageStyle style) {
  const std::string dir = PageDirectory(style);
  const std::string& chosen = style == TPageStyle::DD ? s_.DD : s_.Air;
  if (!chosen.empty() && FileExists(dir + chosen + ".htx")) return dir + chosen + ".htx";
  const std::vector<std::string>& pages = Pages(style);
  if (pages.empty()) return {};
  // One draw among the pages other than the last one; a single page (or
  // only the last one) comes back as it is.
  std::vector<std::string> others;
  for (const std::string& p : pages)
    if (dir + p + ".htx" != lastPicked_) others.push_back(dir + p + ".htx");
  lastPicked_ = others.empty() ? dir + pages.front() + ".htx" : others[RandomInt(static_cast<int>(others.size()))];
  return lastPicked_;
}

}  // namespace vyr
