#pragma once
// superlearning/options: the settings of the presentations and games
// (TSuperOptions), their mapping to the controls of the settings dialog, and
// the dialog itself in vyr_superlearning_options_ui.
//
// TSuperOptions: every setting of the superlearning presentations and the
// vocabulary games, kept per user in the registry below the user's settings
// key + "\Super". The music player holds two of them itself, its directory
// ("MP3") and its volume ("Volume"); the options hand them over and read them
// back. Besides the stored settings the object carries what the
// presentations share while the program runs: the background pages of the
// DD and Air styles, the word/meaning alternation mark and the page last
// picked at random.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

class TMusic;

// The stored settings. Colours: the abgedreht colours (Vexa…) in the colour
// order of pages (red in the low byte), the Techno and 3D colours in web
// order 0xRRGGBB.
struct TSuperSettings {
  std::string Schrift;
  int KlassikFaktor = 100;
  int Faktor = 100;
  int TextDelay = 80;
  int Madness = 9;
  bool Musik = true;
  bool Sprachausgabe = false;
  int VexaBGRColor = 0xFFFFFF;
  int VexaTXTColor = 0x000000;
  int TechnoRand = 100;
  int TechnoBGRColor = 0x000000;
  int TechnoTextColor = 0xFFFFFF;
  int TechnoBMPColor = 0x990099;
  std::string TechnoPhotoDir;
  bool TechnoScrolling = false;
  bool TechnoFading = true;
  int TechnoMode = 0;
  int TechnoFrameDelay = 4000;
  int TechnoTextDelay = 3000;
  int TechnoSpeed = 1;
  int TechnoTransparenz = 40;
  std::string TechnoSchrift;
  int DDTextDelay = 2000;
  int DDCharDelay = 40;
  int DDBGRDelay = 60;
  std::string DD;
  bool OhneHintergrund = false;
  bool SchwarzWeiss = false;  // key "Schwarz-Weiß"
  int AirBGRDelay = 60;
  std::string Air;
  int AirCharDelay = 100;
  int AirBDelay = 300;
  int AirMainPause = 1000;
  std::string S3DVSchrift;
  std::string S3DBSchrift;
  int S3DBColor = 0x990033;
  int S3DTColor = 0xFFFFFF;
  int VegasFaktor = 100;

  bool operator==(const TSuperSettings&) const = default;
};

// An integer setting with the range its stored value is clamped to.
struct TIntSetting {
  const char* key;
  int TSuperSettings::*member;
  int min, max;
};
// Every integer setting, the colours included (they are masked to 24 bits).
const std::vector<TIntSetting>& IntSettings();
const TIntSetting& IntSetting(int TSuperSettings::*member);

// What the options depend on in the installation, settled by the start-up.
struct TSuperPlaces {
  std::string programDirectory;  // with "\"
  std::string pageRoot;          // the content root, with "\"
  bool speechAvailable = false;  // the recordings directory is configured and valid
  // Whether a font family is installed; empty: every name counts as missing.
  std::function<bool(std::string_view family)> fontInstalled;
};

class TSuperOptions {
 public:
  enum class TPageStyle { DD, Air };

  // Builds both page lists and hands the default music directory to the
  // player; does not load the stored settings.
  TSuperOptions(TSuperPlaces places, TMusic& music);
  ~TSuperOptions();  // saves when modified
  TSuperOptions(const TSuperOptions&) = delete;
  TSuperOptions& operator=(const TSuperOptions&) = delete;

  const TSuperSettings& Settings() const { return s_; }
  TMusic& Music() const { return music_; }

  // Defaults, then the values stored for the current user (clamped); always
  // ends unmodified.
  void Load();
  // Every setting back to its default except the volume; the default music
  // directory goes to the player without a message when it is missing.
  void SetDefaults();
  // Writes all settings in one registry write; false (modified mark kept)
  // when the registry could not be written.
  bool Save();
  bool SaveIfModified();
  bool Modified() const { return modified_; }
  // The volume keys of presentations change the player's volume directly.
  void MarkModified() { modified_ = true; }

  // The key the settings live in.
  static std::string Key();

  // The setters: each clamps to the setting's range and marks modified when
  // the value really changes (texts compare case-sensitively).
  void Set(int TSuperSettings::*member, int value);
  void Set(bool TSuperSettings::*member, bool value);
  void Set(std::string TSuperSettings::*member, std::string_view value);
  // The Techno picture directory: stored with a final "\"; a missing
  // directory is reported and cleared, one without pictures reported and kept.
  void SetTechnoPhotoDir(std::string_view dir);
  // The player's music directory; marks modified when it changed.
  void SetMusicDirectory(std::string_view dir);
  const std::string& MusicDirectory() const;
  int MusicFileCount() const;
  std::string DefaultMusicDirectory() const { return places_.programDirectory + "MP3\\"; }
  const std::string& ProgramDirectory() const { return places_.programDirectory; }

  // A font setting as it draws: an empty name draws in that setting's default face.
  std::string Face(std::string TSuperSettings::*font) const;
  std::string DefaultFace(std::string TSuperSettings::*font) const;

  // The background pages of a style: names relative to its folder without
  // ".htx" ("Herbst\blätter"), sorted.
  const std::vector<std::string>& Pages(TPageStyle style) const;
  std::string PageDirectory(TPageStyle style) const;
  // The configured page when its file exists, else one drawn at random that
  // differs from the page picked last whenever another page exists; empty
  // when the style has no pages.
  std::string PickPage(TPageStyle style);
  const std::string& LastPickedPage() const { return lastPicked_; }

  // Flipped by the presentation walk for every item; styles that begin with
  // a word reset it.
  bool alternation = false;

 private:
  void scanPages();
  TSuperPlaces places_;
  TMusic& music_;
  TSuperSettings s_;
  bool modified_ = false;
  std::vector<std::string> ddPages_, airPages_;
  std::string lastPicked_;
};

}  // namespace vyr
