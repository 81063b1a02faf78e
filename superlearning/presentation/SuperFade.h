#pragma once
// superlearning/presentation: the presentation driver ("gosuper", "stop",
// the music keys) and the full-screen window of the two basic styles.
//
// TSuperFade: a black full-screen window without cursor that shows the
// words of the presentation walk in one of two styles and runs until a key
// or a click after its first step, or a stop request, ends it.
//  - klassisch: a coloured band at a random height in which "{ word }" and
//    then the meaning fade in and out;
//  - abgedreht: word and meaning typed character by character in changing
//    fonts, sizes and places.
// Its steps come every 100 ms of the clock; fades and typing run their own
// waits, handling events, so a stop ends them at once. All timing is kept by
// deadlines of the clock: a slow frame is dropped, the tempo stays.
#include <QImage>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "shell/window/Presentations.h"
#include "superlearning/options/SuperOptions.h"

namespace vyr {

class TSamplePlayer;

struct TFadeItem {
  std::string text, sound;  // sound empty: no recording
};

struct TSuperFadeSetup {
  bool abgedreht = false;
  TSuperSettings settings;
  std::string face;                       // the band font ("Schrift" as it draws)
  std::function<TFadeItem()> nextItem;    // word and meaning in turn
  TSamplePlayer* samples = nullptr;       // nullptr: no recordings
  std::function<bool(int key)> musicKey;  // true: the key was taken
  QRect area;                             // empty: the whole screen
};

class TSuperFade : public QWidget, public TRunningPresentation {
  Q_OBJECT
 public:
  static constexpr int kStepMs = 100, kFrameMs = 10;

  explicit TSuperFade(TSuperFadeSetup setup, QWidget* parent = nullptr);
  ~TSuperFade() override;

  // Shows the window and runs the steps until the presentation is stopped.
  void Run();

  void Stop() override { stopRequested_ = true; }
  bool DrawsOnMainWindow() const override { return false; }

  // --- what it shows (for the tests and the benchmark)
  struct TFade {
    uint32_t start = 0, end = 0;
    int frames = 0;
  };
  const std::vector<TFade>& Fades() const { return fades_; }
  const std::vector<std::string>& Texts() const { return texts_; }
  // Every character abgedreht typed: its box, size and time, and which
  // text (an index into Texts) it belongs to.
  struct TTyped {
    QChar ch;
    QRect box;
    int points = 0;
    uint32_t at = 0;
    size_t text = 0;
  };
  const std::vector<TTyped>& Typed() const { return typed_; }
  int BandPoints() const { return bandPoints_; }
  const QImage& Screen() const { return screen_; }
  int BandTop() const { return bandTop_; }
  QSize BandSize() const { return band_.size(); }
  int Index() const { return index_; }
  bool Started() const { return started_; }
  bool StopRequested() const { return stopRequested_; }
  // Milliseconds a fade of the klassisch style lasts.
  int FadeDuration() const;
  // One frame of the band: fill, text, copy to the screen image; false when
  // drawing failed. Public for the benchmark.
  bool DrawBand(QRgb text, QRgb band);
  void SetBandText(const std::string& text) { text_ = text; }
  // Sizes the band to the window as the first show does.
  void SizeBand();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  enum class TFadeKind { NewColours, TextIntoBand, ToBlack };
  void Super();
  void KlassischStep();
  void AbgedrehtStep();
  void Fade(TFadeKind kind);
  TFadeItem TakeItem();
  void OpenRecording(const std::string& sound);
  void ReleaseRecording();
  void ShowText(const TFadeItem& item);
  void TypeText(std::string text);
  void ClearScreen(QRgb colour);
  void ShowRect(const QRect& r);

  TSuperFadeSetup setup_;
  QImage screen_;  // what the window shows
  QImage band_;
  int bandTop_ = 0;
  int bandPoints_ = 8;
  std::string text_;
  QRgb text0_ = 0, band0_ = 0;  // current colours (black at first)
  int index_ = -1;
  int wait_ = 0;
  bool ready_ = true, stopRequested_ = false, started_ = false;
  bool recordingPaused_ = false;
  bool done_ = false;
  QRgb vexaBack_ = 0, vexaText_ = 0;
  std::vector<TFade> fades_;
  std::vector<std::string> texts_;
  std::vector<TTyped> typed_;
};

}  // namespace vyr
