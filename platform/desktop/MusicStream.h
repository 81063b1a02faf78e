#pragma once
// One piece of background music: a media stream that plays one MP3 (or
// wave) file on the platform's own threads and reports, on the thread of the
// application object, when it has begun to play, when it has been played to
// the end, and when it failed. Destroying the stream stops it; no report
// comes after that.
//
// With the silent back end of the sound layer (tests, no audio output) the
// stream plays nothing: it reports its start on the next turn of the event
// loop and waits until a test ends it (EndSilentMusic) or lets it fail
// (FailSilentMusic).
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace vyr {

class TMusicStream {
 public:
  enum class TReport { Started, Completed, Failed };
  using TReportHandler = std::function<void(TReport)>;

  // Nullptr when the file is missing or is neither a wave nor an MP3 file.
  static std::unique_ptr<TMusicStream> Open(std::string_view path, TReportHandler onReport);
  virtual ~TMusicStream() = default;

  virtual void Play() = 0;
  // Linear volume, 0 (silent) to 1 (full).
  virtual void SetVolume(float linear) = 0;
};

// What the silent streams do, for tests: the file of the stream playing now
// (empty when none), its linear volume, and the number of streams started.
struct TSilentMusicState {
  std::string playing;
  float volume = 0;
  int started = 0;
};
TSilentMusicState SilentMusic();
// Ends or fails the silent stream playing now; false when none plays.
bool EndSilentMusic();
bool FailSilentMusic();

}  // namespace vyr
