#pragma once
// The player of one piece of background music: loads and starts its file,
// applies its volume (hundredths of a decibel), and keeps the media events
// of the piece (1 completed, 3 aborted by an error) until HandleEvents
// fetches them. Each event is announced to the notification window, which
// answers by calling HandleEvents on its own turn of the event loop.
#include <QPointer>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "platform/desktop/MusicStream.h"

namespace vyr {

class TXPlayer {
 public:
  static constexpr int kEventCompleted = 1, kEventAborted = 2, kEventError = 3;

  TXPlayer();
  ~TXPlayer();
  TXPlayer(const TXPlayer&) = delete;
  TXPlayer& operator=(const TXPlayer&) = delete;

  std::string FileName;

  // Loads and starts FileName; false (nothing playing) when the file is
  // missing or no sound file. An old piece is released first.
  bool Play();
  // Stops and releases the piece; its pending events are dropped.
  void Release();
  // Stores the volume; while playing it applies at once.
  void SetVolume(int volume);
  int Volume() const { return volume_; }
  // The window that hears of media events, and what it does then; the
  // announcement is dropped once the window is gone. Nullptr: none.
  void SetNotifyWindow(QObject* window, std::function<void()> onEvent = {});
  // Fetches all pending events and returns the code of the last (0: none).
  int HandleEvents();
  bool IsPlaying() const { return playing_; }

  // Told once per Play whether the piece began to play (true) or failed
  // before it did (false); not told when it was released before either.
  std::function<void(bool started)> onStartOutcome;

 private:
  void Report(TMusicStream::TReport r);
  void Apply();

  int volume_ = -1200;
  bool playing_ = false;
  bool outcomePending_ = false;
  std::unique_ptr<TMusicStream> stream_;
  std::deque<int> events_;
  QPointer<QObject> window_;
  std::function<void()> onEvent_;
};

// Hundredths of a decibel (0 the loudest) as the linear volume of an output.
float LinearVolume(int hundredthsDb);

}  // namespace vyr
