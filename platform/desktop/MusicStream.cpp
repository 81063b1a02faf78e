#include "platform/desktop/MusicStream.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "platform/core/Files.h"
#include "platform/desktop/Sound.h"

namespace vyr {
namespace {

// QtMultimedia: the player decodes and plays on its own threads; its signals
// arrive on the application's thread.
class TQtMusicStream final : public TMusicStream {
 public:
  TQtMusicStream(const QString& native, TReportHandler onReport) : onReport_(std::move(onReport)) {
    player_.setAudioOutput(&output_);
    QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_, [this] { Report(TReport::Failed); });
    // It plays once it is loaded and asked to play, in whichever order the
    // back end tells the two.
    const auto startedIfPlaying = [this] {
      const QMediaPlayer::MediaStatus s = player_.mediaStatus();
      if ((s == QMediaPlayer::BufferedMedia || s == QMediaPlayer::BufferingMedia) &&
          player_.playbackState() == QMediaPlayer::PlayingState)
        Report(TReport::Started);
    };
    QObject::connect(&player_, &QMediaPlayer::playbackStateChanged, &player_, startedIfPlaying);
    QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_,
                     [this, startedIfPlaying](QMediaPlayer::MediaStatus s) {
                       if (s == QMediaPlayer::InvalidMedia) Report(TReport::Failed);
                       startedIfPlaying();
                       // A file that ends before it ever played (nothing in it to decode)
                       // has failed; counting it as played would start the next at once.
                       if (s == QMediaPlayer::EndOfMedia) Report(started_ ? TReport::Completed : TReport::Failed);
                     });
    player_.setSource(QUrl::fromLocalFile(native));
  }
  ~TQtMusicStream() override {
    done_ = true;
    player_.stop();
  }
  void Play() override { player_.play(); }
  void SetVolume(float linear) override { output_.setVolume(linear); }

 private:
  void Report(TReport r) {
    if (done_) return;
    if (r == TReport::Started) {
      if (started_) return;
      started_ = true;
    } else {
      done_ = true;  // one end per stream: an error may come with more errors
    }
    onReport_(r);
  }

  TReportHandler onReport_;
  QMediaPlayer player_;
  QAudioOutput output_;
  bool started_ = false, done_ = false;
};

class TSilentMusicStream;
TSilentMusicStream* gSilentPlaying = nullptr;
TSilentMusicState gSilentState;

class TSilentMusicStream final : public TMusicStream {
 public:
  TSilentMusicStream(std::string path, TReportHandler onReport)
      : path_(std::move(path)), onReport_(std::move(onReport)) {}
  ~TSilentMusicStream() override {
    if (gSilentPlaying == this) {
      gSilentPlaying = nullptr;
      gSilentState.playing.clear();
    }
  }
  void Play() override {
    gSilentPlaying = this;
    gSilentState.playing = path_;
    gSilentState.volume = volume_;
    ++gSilentState.started;
    // Like a real stream, it reports its start on a later turn of the loop.
    QTimer::singleShot(0, &context_, [this] { onReport_(TReport::Started); });
  }
  void SetVolume(float linear) override {
    volume_ = linear;
    if (gSilentPlaying == this) gSilentState.volume = linear;
  }
  bool End(TReport r) {
    gSilentPlaying = nullptr;
    gSilentState.playing.clear();
    onReport_(r);
    return true;
  }

 private:
  std::string path_;
  TReportHandler onReport_;
  float volume_ = 1;
  QObject context_;  // no report after the stream is gone
};

}  // namespace

std::unique_ptr<TMusicStream> TMusicStream::Open(std::string_view path, TReportHandler onReport) {
  if (!IsSoundFile(path)) return nullptr;
  if (SoundIsSilent()) return std::make_unique<TSilentMusicStream>(std::string(path), std::move(onReport));
  return std::make_unique<TQtMusicStream>(NativePath(path), std::move(onReport));
}

TSilentMusicState SilentMusic() { return gSilentState; }

bool EndSilentMusic() { return gSilentPlaying && gSilentPlaying->End(TMusicStream::TReport::Completed); }
bool FailSilentMusic() { return gSilentPlaying && gSilentPlaying->End(TMusicStream::TReport::Failed); }

}  // namespace vyr
