#pragma once
// A started installation with a main window, trainer settings over three
// entries (recordings for the words), quiet music of two pieces, the
// presentation options and the driver, all on the fake clock with a fixed
// seed; the full-screen window is 1024 x 768 and recorded screen-saver calls
// stand in for the session bus.
#include <QTest>
#include <memory>

#include "page/control/PageControl.h"
#include "platform/core/Random.h"
#include "platform/core/Tick.h"
#include "platform/desktop/ScreenSaver.h"
#include "platform/desktop/Sound.h"
#include "shell/window/MainWindow.h"
#include "superlearning/options/SuperOptions.h"
#include "superlearning/presentation/PresentationDriver.h"
#include "superlearning/presentation/SuperFade.h"
#include "superlearning/sound/Music.h"
#include "superlearning/sound/SamplePlayer.h"
#include "tests/common/SoundFiles.h"
#include "tests/shell/startup/StartUpFixture.h"
#include "text/ZStream.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/settings/VocEinstellungen.h"

namespace vyr::test {

struct TRecordedScreenSaver : TScreenSaverService {
  uint32_t Inhibit(const std::string&) override {
    calls.push_back("inhibit");
    return 7;
  }
  void UnInhibit(uint32_t cookie) override { calls.push_back("uninhibit " + std::to_string(cookie)); }
  std::vector<std::string> calls;
};

class PresentationTest : public StartUpTest {
 protected:
  void SetUp() override {
    StartUpTest::SetUp();
    ASSERT_TRUE(start());
    SetScreenSaverService(&saver);
    SetRandomSeed(5);
    page("bye.htx", "<P>Auf Wiedersehen!");
    page("vokabeln.htx", "<P>Vokabeln");
    page("freefall\\intro.htx", "<P>Free Fall");
    page("vegas\\intro.htx", "<P>Las Vegas");
    for (const char* w : {"dog", "cat", "sun"}) t.file(std::string("vyr\\wave\\") + w + ".wav", TinyWave());
    t.file("vyr\\MP3\\eins.mp3", TinyMp3());
    t.file("vyr\\MP3\\zwei.mp3", TinyMp3());
    music = std::make_unique<TMusic>("", prog, false);
    TSuperPlaces places;
    places.programDirectory = prog;
    places.pageRoot = prog;
    options = std::make_unique<TSuperOptions>(places, *music);
    options->Set(&TSuperSettings::Sprachausgabe, true);
    library.Clear(false);
    library.AddEntry(Entry("dog", "Hund"));
    library.AddEntry(Entry("cat", "Katze"));
    library.AddEntry(Entry("sun", "Sonne"));
    TTrainerContext c;
    c.programFolder = prog;
    c.speechOn = [this] { return options->Settings().Sprachausgabe; };
    c.findRecording = [this](std::string_view w) { return prog + "wave\\" + std::string(w) + ".wav"; };
    c.halfFlag = &options->alternation;
    settings = std::make_unique<TVocEinstellungen>(library, c);
    settings->SetRichtung(0);
    settings->SetModus(1);
    main = std::make_unique<TMain>();
    driver = std::make_unique<TPresentationDriver>(*main, *settings, *options);
    driver->showVocabularyStart = [this] { main->XPage()->SetXFile(Env().contentRoot + "hvyr\\vokabeln.htx"); };
    samples.SetSettling(true);  // its sound events in step with the clock
    driver->samples = &samples;
    driver->area = QRect(0, 0, 1024, 768);
    driver->onFade = [this](TSuperFade& f) { fade = &f; };
    ClearSilentSoundEvents();
  }
  void TearDown() override {
    driver.reset();
    main.reset();
    settings.reset();
    options.reset();
    music.reset();
    SetScreenSaverService(nullptr);
    StartUpTest::TearDown();
  }
  static TVokabel Entry(const std::string& word, const std::string& meaning) {
    TVokabel e;
    e.Vokabel = word;
    e.Bedeutung[0] = meaning;
    return e;
  }
  void page(const std::string& name, const std::string& markup) { t.file("vyr\\hvyr\\" + name, Deflate(markup)); }
  // Runs "gosuper" with the fade stopped at `stopAt` ms after its start.
  void RunUntil(uint32_t stopAt) {
    const uint32_t t0 = TickCount();
    clock.clock.At(t0 + stopAt, [this] { driver->StopPresentation(); });
    main->PageCommand("gosuper");
  }
  // The sound events of the recording alias, as "verb file".
  std::vector<std::string> Recordings() const {
    std::vector<std::string> out;
    for (const TSoundEvent& e : SilentSoundEvents())
      if (e.alias == "klang") out.push_back(e.verb + (e.file.empty() ? "" : " " + ExtractFileName(e.file)));
    return out;
  }
  std::string Shown() const { return main->XPage()->XFile(); }

  TFakeClockScope clock;
  TRecordedScreenSaver saver;
  std::unique_ptr<TMusic> music;
  std::unique_ptr<TSuperOptions> options;
  TBibliothek library;
  std::unique_ptr<TVocEinstellungen> settings;
  std::unique_ptr<TMain> main;
  TSamplePlayer samples;
  std::unique_ptr<TPresentationDriver> driver;
  TSuperFade* fade = nullptr;  // valid during a run
};

}  // namespace vyr::test
