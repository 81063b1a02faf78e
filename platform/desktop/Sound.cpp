#include "platform/desktop/Sound.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "platform/core/Files.h"
#include "platform/core/Tick.h"
#include "text/Case.h"

namespace vyr {
namespace {

enum class TSoundKind { Wave, Mp3, Empty };

// What a file holds, by its first bytes: a RIFF wave, or MP3 (an ID3 tag or
// an MPEG audio frame).
std::optional<TSoundKind> SoundKindOf(const QString& native) {
  QFile f(native);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray head = f.read(16);
  if (head.size() >= 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE") return TSoundKind::Wave;
  if (head.size() >= 10 && head.startsWith("ID3")) return TSoundKind::Mp3;
  if (head.size() >= 4 && static_cast<uint8_t>(head[0]) == 0xFF && (static_cast<uint8_t>(head[1]) & 0xE0) == 0xE0 &&
      (static_cast<uint8_t>(head[1]) & 0x06) != 0)
    return TSoundKind::Mp3;
  return std::nullopt;
}

// ---------------------------------------------------------------------------
// Command strings

struct TCommand {
  std::string verb, alias, file, item, seekTo;
  int32_t from = -1;
  bool wait = false;
  bool openNew = false;
  std::map<std::string, std::string> format;  // "set": key -> value
};

// The one format the recorder takes: 16-bit mono PCM at 44,100 Hz.
constexpr int kTakeRate = 44100, kTakeBytesPerSecond = 88200;

QAudioFormat TakeFormat() {
  QAudioFormat f;
  f.setSampleRate(kTakeRate);
  f.setChannelCount(1);
  f.setSampleFormat(QAudioFormat::Int16);
  return f;
}

int64_t TakeMs(qsizetype bytes) { return int64_t(bytes) * 1000 / kTakeBytesPerSecond; }

std::vector<std::string> Tokens(std::string_view text) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    if (i >= text.size()) break;
    std::string token;
    if (text[i] == '"') {
      const size_t end = text.find('"', i + 1);
      token = std::string(text.substr(i + 1, end == std::string_view::npos ? std::string_view::npos : end - i - 1));
      i = end == std::string_view::npos ? text.size() : end + 1;
    } else {
      while (i < text.size() && static_cast<unsigned char>(text[i]) > ' ') token += text[i++];
    }
    out.push_back(std::move(token));
  }
  return out;
}

std::optional<int32_t> Number(const std::string& s) {
  if (s.empty() || s.size() > 9) return std::nullopt;
  int32_t n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

int Parse(std::string_view text, TCommand& cmd) {
  const std::vector<std::string> t = Tokens(text);
  if (t.empty()) return snd::UnknownCommand;
  cmd.verb = LowerCase(t[0]);
  static const char* const kVerbs[] = {"open",   "play",   "stop", "close",  "seek", "pause",
                                       "resume", "status", "set",  "record", "save"};
  bool known = false;
  for (const char* v : kVerbs) known = known || cmd.verb == v;
  if (!known) return snd::UnknownCommand;
  if (t.size() < 2 || t[1].empty()) return snd::MissingParameter;
  if (cmd.verb == "open") {
    if (SameText(t[1], "new")) cmd.openNew = true;
    else cmd.file = t[1];
    cmd.alias = LowerCase(t[1]);
  } else {
    cmd.alias = LowerCase(t[1]);
  }
  for (size_t i = 2; i < t.size(); ++i) {
    const std::string key = LowerCase(t[i]);
    const bool hasValue = i + 1 < t.size();
    if (key == "wait") {
      cmd.wait = true;
    } else if (cmd.verb == "open" && key == "alias") {
      if (!hasValue) return snd::MissingParameter;
      cmd.alias = LowerCase(t[++i]);
    } else if (cmd.verb == "open" && key == "type") {
      if (!hasValue) return snd::MissingParameter;
      ++i;
    } else if (cmd.verb == "record" && key == "to") {
      if (!hasValue) return snd::MissingParameter;
      const auto n = Number(t[++i]);
      if (!n) return snd::MissingParameter;
      cmd.from = *n;  // the longest take in milliseconds
    } else if (cmd.verb == "play" && (key == "from" || key == "to")) {
      if (!hasValue) return snd::MissingParameter;
      const auto n = Number(t[++i]);
      if (!n) return snd::MissingParameter;
      if (key == "from") cmd.from = *n;
    } else if (cmd.verb == "seek" && key == "to") {
      if (!hasValue) return snd::MissingParameter;
      cmd.seekTo = LowerCase(t[++i]);
    } else if (cmd.verb == "status" && cmd.item.empty()) {
      cmd.item = key;
    } else if (cmd.verb == "set") {
      if (!hasValue) return snd::MissingParameter;
      cmd.format[key] = t[++i];
    } else if (cmd.verb == "save" && cmd.file.empty()) {
      cmd.file = t[i];
    }
    // "notify", "shareable" and the like change nothing here.
  }
  if (cmd.verb == "status" && cmd.item.empty()) return snd::MissingParameter;
  if (cmd.verb == "save" && cmd.file.empty()) return snd::MissingParameter;
  if (cmd.verb == "seek" && cmd.seekTo != "start" && cmd.seekTo != "end" && !Number(cmd.seekTo))
    return snd::MissingParameter;
  return snd::Ok;
}

// ---------------------------------------------------------------------------
// Back ends

class TBackEnd {
 public:
  virtual ~TBackEnd() = default;
  virtual bool Silent() const = 0;
  virtual bool Open(const std::string& alias, const QString& native, TSoundKind kind) = 0;
  virtual void Play(const std::string& alias, int32_t from) = 0;
  virtual void Stop(const std::string& alias) = 0;
  virtual void Pause(const std::string& alias) = 0;
  virtual void Seek(const std::string& alias, int64_t ms) = 0;  // -1: the end
  virtual void Close(const std::string& alias) = 0;
  virtual bool Playing(const std::string& alias) = 0;
  virtual std::string Mode(const std::string& alias) = 0;
  virtual int64_t Position(const std::string& alias) = 0;
  virtual int64_t Length(const std::string& alias) = 0;
  virtual void PlayFile(const QString& native) = 0;
  virtual void StopFile() = 0;
  // The empty wave device ("open new"): "play" replays its take, and it
  // records a new take into memory, replacing the old one.
  // limitMs: the longest take (-1: no limit); a device that hands over its
  // samples in bursts never makes a take longer than that.
  virtual int Record(const std::string& alias, int64_t limitMs) = 0;
  virtual QByteArray Take(const std::string& alias) = 0;
};

// Plays nothing; every sound is over at once, unless a test asked for
// sounds that never end (a stalled device).
class TSilentBackEnd final : public TBackEnd {
 public:
  bool Silent() const override { return true; }
  bool Open(const std::string& alias, const QString&, TSoundKind kind) override {
    if (kind == TSoundKind::Empty) waves_[alias] = {};
    else if (neverEndLength >= 0) lengths_[alias] = neverEndLength;
    return true;
  }
  void Play(const std::string& alias, int32_t) override {
    if (TWave* w = FindWave(alias)) {
      Stop(alias);  // a take being recorded ends first
      if (w->bytes > 0) *w = {TWave::Playing, Now(), w->bytes, w->limit};
      return;
    }
    if (lengths_.count(alias)) playing_.insert(alias);
  }
  void Stop(const std::string& alias) override {
    if (TWave* w = FindWave(alias)) {
      if (w->mode == TWave::Recording) {
        const int64_t ms = w->limit >= 0 ? std::min(Now() - w->start, w->limit) : Now() - w->start;
        w->bytes = ms * kTakeBytesPerSecond / 1000 / 2 * 2;
      }
      w->mode = TWave::Stopped;
    }
    playing_.erase(alias);
  }
  void Pause(const std::string& alias) override { Stop(alias); }
  void Seek(const std::string&, int64_t) override {}
  void Close(const std::string& alias) override {
    playing_.erase(alias);
    lengths_.erase(alias);
    waves_.erase(alias);
  }
  bool Playing(const std::string& alias) override {
    if (TWave* w = FindWave(alias)) return Settle(*w) == TWave::Playing;
    return playing_.count(alias) > 0;
  }
  std::string Mode(const std::string& alias) override {
    if (TWave* w = FindWave(alias)) {
      const auto mode = Settle(*w);
      return mode == TWave::Recording ? "recording" : mode == TWave::Playing ? "playing" : "stopped";
    }
    return Playing(alias) ? "playing" : "stopped";
  }
  int64_t Position(const std::string& alias) override {
    TWave* w = FindWave(alias);
    if (!w || Settle(*w) == TWave::Stopped) return 0;
    return Now() - w->start;
  }
  int64_t Length(const std::string& alias) override {
    if (TWave* w = FindWave(alias)) return TakeMs(w->bytes);
    const auto it = lengths_.find(alias);
    return it == lengths_.end() ? 0 : it->second;
  }
  void PlayFile(const QString&) override {}
  void StopFile() override {}
  // Records only when the tests asked for the silent back end: a machine
  // that merely lacks a sound card has no microphone either.
  int Record(const std::string& alias, int64_t limitMs) override {
    TWave* w = FindWave(alias);
    if (!w) return snd::UnknownCommand;
    if (qgetenv("VYR_SILENT") != "1") return snd::NoInputDevice;
    *w = {TWave::Recording, Now(), 0, limitMs};
    return snd::Ok;
  }
  QByteArray Take(const std::string& alias) override {
    TWave* w = FindWave(alias);
    if (!w) return {};
    Settle(*w);
    return w->mode == TWave::Recording ? QByteArray() : QByteArray(qsizetype(w->bytes), '\0');
  }

  static inline int64_t neverEndLength = -1;
  static inline int64_t clockOffset = 0;  // moved on by tests

 private:
  // A take of silence: recording from `start`, or playing from `start`
  // until its length has passed.
  struct TWave {
    enum TMode { Stopped, Recording, Playing } mode = Stopped;
    int64_t start = 0;
    int64_t bytes = 0;
    int64_t limit = -1;
  };
  static int64_t Now() { return int64_t(TickCount()) + clockOffset; }
  TWave* FindWave(const std::string& alias) {
    const auto it = waves_.find(alias);
    return it == waves_.end() ? nullptr : &it->second;
  }
  static TWave::TMode Settle(TWave& w) {
    if (w.mode == TWave::Playing && Now() - w.start >= TakeMs(w.bytes)) w.mode = TWave::Stopped;
    return w.mode;
  }
  std::map<std::string, int64_t> lengths_;
  std::set<std::string> playing_;
  std::map<std::string, TWave> waves_;
};

class TQtBackEnd final : public TBackEnd {
 public:
  bool Silent() const override { return false; }
  bool Open(const std::string& alias, const QString& native, TSoundKind kind) override {
    if (kind == TSoundKind::Empty) {
      waves_[alias] = std::make_unique<TWave>();
      return true;
    }
    auto p = std::make_unique<TPlayer>();
    if (kind != TSoundKind::Empty) p->player.setSource(QUrl::fromLocalFile(native));
    players_[alias] = std::move(p);
    return true;
  }
  void Play(const std::string& alias, int32_t from) override {
    if (TWave* w = FindWave(alias)) return w->Play();
    if (TPlayer* p = Find(alias)) {
      if (from >= 0) p->player.setPosition(from);
      p->player.play();
    }
  }
  void Stop(const std::string& alias) override {
    if (TWave* w = FindWave(alias)) w->Stop();
    if (TPlayer* p = Find(alias)) p->player.stop();
  }
  void Pause(const std::string& alias) override {
    if (TWave* w = FindWave(alias)) w->Stop();
    if (TPlayer* p = Find(alias)) p->player.pause();
  }
  void Seek(const std::string& alias, int64_t ms) override {
    if (TPlayer* p = Find(alias)) p->player.setPosition(ms < 0 ? p->player.duration() : ms);
  }
  void Close(const std::string& alias) override {
    players_.erase(alias);
    waves_.erase(alias);
  }
  bool Playing(const std::string& alias) override {
    if (TWave* w = FindWave(alias)) return w->Playing();
    TPlayer* p = Find(alias);
    return p && !p->failed && p->player.playbackState() == QMediaPlayer::PlayingState &&
           p->player.mediaStatus() != QMediaPlayer::InvalidMedia && p->player.mediaStatus() != QMediaPlayer::EndOfMedia;
  }
  std::string Mode(const std::string& alias) override {
    if (TWave* w = FindWave(alias)) return w->Recording() ? "recording" : w->Playing() ? "playing" : "stopped";
    TPlayer* p = Find(alias);
    if (p && p->player.playbackState() == QMediaPlayer::PausedState) return "paused";
    return Playing(alias) ? "playing" : "stopped";
  }
  int64_t Position(const std::string& alias) override {
    if (TWave* w = FindWave(alias)) return w->Position();
    TPlayer* p = Find(alias);
    return p ? p->player.position() : 0;
  }
  int64_t Length(const std::string& alias) override {
    if (TWave* w = FindWave(alias)) return TakeMs(w->take.size());
    TPlayer* p = Find(alias);
    return p ? p->player.duration() : 0;
  }
  void PlayFile(const QString& native) override {
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(native));
    effect_->play();
  }
  void StopFile() override {
    if (effect_) effect_->stop();
  }
  int Record(const std::string& alias, int64_t limitMs) override {
    TWave* w = FindWave(alias);
    return w ? w->Record(limitMs) : snd::UnknownCommand;
  }
  QByteArray Take(const std::string& alias) override {
    TWave* w = FindWave(alias);
    return w && !w->Recording() ? w->take : QByteArray();
  }

 private:
  // The empty wave device: a take in memory, recorded from the default
  // input through a QAudioSource and replayed through a QAudioSink.
  struct TWave {
    QByteArray take;
    QBuffer in, out;
    std::unique_ptr<QAudioSource> source;
    std::unique_ptr<QAudioSink> sink;

    qsizetype limit = -1;  // bytes

    int Record(int64_t limitMs) {
      Stop();
      limit = limitMs < 0 ? -1 : qsizetype(limitMs * kTakeBytesPerSecond / 1000 / 2 * 2);
      const QAudioDevice device = QMediaDevices::defaultAudioInput();
      if (device.isNull()) return snd::NoInputDevice;
      source = std::make_unique<QAudioSource>(device, TakeFormat());
      source->setBufferSize(kTakeBytesPerSecond / 20);  // small pieces: the take grows as it is spoken
      take.clear();
      in.close();
      in.setBuffer(&take);
      in.open(QIODevice::WriteOnly | QIODevice::Truncate);
      source->start(&in);
      if (source->error() != QAudio::NoError || source->state() == QAudio::StoppedState) {
        source.reset();
        in.close();
        take.clear();
        return snd::NoInputDevice;
      }
      return snd::Ok;
    }
    void Play() {
      Stop();
      if (take.isEmpty()) return;  // nothing recorded: nothing to play
      sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), TakeFormat());
      out.close();
      out.setData(take);
      out.open(QIODevice::ReadOnly);
      sink->start(&out);
    }
    void Stop() {
      if (source) {
        source->stop();
        source.reset();
        in.close();
        if (limit >= 0 && take.size() > limit) take.truncate(limit);
      }
      if (sink) sink->stop();
    }
    bool Recording() const { return source && source->state() != QAudio::StoppedState; }
    bool Playing() const {
      if (!sink) return false;
      const QAudio::State state = sink->state();
      return state == QAudio::ActiveState || (state == QAudio::IdleState && !out.atEnd());
    }
    int64_t Position() const {
      if (Recording()) return TakeMs(take.size());
      return Playing() ? sink->processedUSecs() / 1000 : 0;
    }
  };
  TWave* FindWave(const std::string& alias) {
    const auto it = waves_.find(alias);
    return it == waves_.end() ? nullptr : it->second.get();
  }
  std::map<std::string, std::unique_ptr<TWave>> waves_;

  struct TPlayer {
    QMediaPlayer player;
    QAudioOutput output;
    bool failed = false;  // the back end reported an error: nothing more will play
    TPlayer() {
      player.setAudioOutput(&output);
      QObject::connect(&player, &QMediaPlayer::errorOccurred, &player, [this] { failed = true; });
    }
  };
  TPlayer* Find(const std::string& alias) {
    const auto it = players_.find(alias);
    return it == players_.end() ? nullptr : it->second.get();
  }
  std::map<std::string, std::unique_ptr<TPlayer>> players_;
  std::unique_ptr<QSoundEffect> effect_;
};

// ---------------------------------------------------------------------------
// The layer: the open devices and the back end, on the application's thread.

class TSoundLayer {
 public:
  TBackEnd& BackEnd() {
    if (!backEnd_) {
      const bool silent =
          qgetenv("VYR_SILENT") == "1" || !QCoreApplication::instance() || QMediaDevices::audioOutputs().isEmpty();
      if (silent) {
        backEnd_ = std::make_unique<TSilentBackEnd>();
      } else {
        backEnd_ = std::make_unique<TQtBackEnd>();
        // The players must go before the application object does.
        qAddPostRoutine(ShutDown);
      }
    }
    return *backEnd_;
  }

  TSoundReply Execute(const TCommand& c) {
    TSoundReply r;
    TBackEnd& b = BackEnd();
    if (c.verb == "open") {
      if (devices_.count(c.alias)) return Fail(snd::AliasInUse);
      TSoundKind kind = TSoundKind::Empty;
      QString native;
      if (!c.openNew) {
        native = NativePath(c.file);
        if (native.isEmpty() || !QFileInfo(native).isFile()) return Fail(snd::FileNotFound);
        const auto k = SoundKindOf(native);
        if (!k) return Fail(snd::CannotPlay);
        kind = *k;
      }
      if (!b.Open(c.alias, native, kind)) return Fail(snd::CannotPlay);
      devices_[c.alias] = c.file;
      if (c.openNew) waves_.insert(c.alias);
      Log(c);
      return r;
    }
    if (c.verb == "close" && c.alias == "all") {
      for (const auto& [alias, file] : devices_) b.Close(alias);
      devices_.clear();
      waves_.clear();
      Log(c);
      return r;
    }
    if (!devices_.count(c.alias)) return Fail(snd::NotOpen);
    if (c.verb == "play") {
      b.Play(c.alias, c.from);
    } else if (c.verb == "stop") {
      b.Stop(c.alias);
    } else if (c.verb == "pause") {
      b.Pause(c.alias);
    } else if (c.verb == "resume") {
      b.Play(c.alias, -1);
    } else if (c.verb == "seek") {
      b.Seek(c.alias, c.seekTo == "start" ? 0 : c.seekTo == "end" ? -1 : *Number(c.seekTo));
    } else if (c.verb == "close") {
      b.Close(c.alias);
      devices_.erase(c.alias);
      waves_.erase(c.alias);
    } else if (c.verb == "set" || c.verb == "record" || c.verb == "save") {
      if (!waves_.count(c.alias)) return Fail(snd::UnknownCommand);
      if (c.verb == "set" && !TakeFormatAccepted(c.format)) return Fail(snd::BadFormat);
      if (c.verb == "record") {
        if (const int error = b.Record(c.alias, c.from)) return Fail(error);
      }
      if (c.verb == "save" && !SaveTake(c.file, b.Take(c.alias))) return Fail(snd::CannotSave);
    } else if (c.verb == "status") {
      if (c.item == "mode") r.text = b.Mode(c.alias);
      else if (c.item == "position") r.text = std::to_string(b.Position(c.alias));
      else if (c.item == "length") r.text = std::to_string(b.Length(c.alias));
      else if (c.item == "ready") r.text = "true";
      else return Fail(snd::UnknownCommand);
      return r;
    }
    Log(c);
    return r;
  }

  bool Playing(const std::string& alias) { return devices_.count(alias) && BackEnd().Playing(alias); }

  bool PlayFile(std::string_view path) {
    const QString native = NativePath(path);
    if (native.isEmpty() || !QFileInfo(native).isFile() || SoundKindOf(native) != TSoundKind::Wave) return false;
    BackEnd().PlayFile(native);
    if (BackEnd().Silent()) events_.push_back({"playsound", "", std::string(path), -1, false});
    return true;
  }

  void StopFile() { BackEnd().StopFile(); }

  void CloseAll() {
    for (const auto& [alias, file] : devices_) BackEnd().Close(alias);
    devices_.clear();
    waves_.clear();
    StopFile();
  }

  std::vector<TSoundEvent> events_;

 private:
  static void ShutDown();
  static TSoundReply Fail(int error) { return {error, {}}; }
  void Log(const TCommand& c) {
    if (BackEnd().Silent()) events_.push_back({c.verb, c.alias, c.file, c.from, c.wait});
  }

  // "set": every value given must be that of 16-bit mono at 44,100 Hz.
  static bool TakeFormatAccepted(const std::map<std::string, std::string>& format) {
    static const std::map<std::string, int32_t> kTake = {{"bitspersample", 16},
                                                         {"channels", 1},
                                                         {"alignment", 2},
                                                         {"samplespersec", kTakeRate},
                                                         {"bytespersec", kTakeBytesPerSecond}};
    for (const auto& [key, value] : format) {
      const auto it = kTake.find(key);
      if (it == kTake.end() || Number(value) != it->second) return false;
    }
    return true;
  }
  // The take as a wave file: the 44-byte RIFF header of 16-bit mono PCM at
  // 44,100 Hz, then the samples; written safely, so a failure keeps the old file.
  static bool SaveTake(const std::string& path, const QByteArray& take) {
    const auto le32 = [](std::string& out, uint32_t v) {
      for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
    };
    const auto le16 = [](std::string& out, uint16_t v) {
      out += char(v & 0xFF);
      out += char(v >> 8);
    };
    const uint32_t size = uint32_t(take.size());
    std::string wave = "RIFF";
    le32(wave, 36 + size);
    wave += "WAVEfmt ";
    le32(wave, 16);
    le16(wave, 1);  // PCM
    le16(wave, 1);  // mono
    le32(wave, kTakeRate);
    le32(wave, kTakeBytesPerSecond);
    le16(wave, 2);   // block
    le16(wave, 16);  // bits
    wave += "data";
    le32(wave, size);
    wave.append(take.constData(), size_t(take.size()));
    return WriteWholeFile(path, wave);
  }

  std::unique_ptr<TBackEnd> backEnd_;
  std::map<std::string, std::string> devices_;  // alias -> file as given
  std::set<std::string> waves_;                 // the aliases of empty wave devices
};

TSoundLayer& Layer() {
  static TSoundLayer layer;
  return layer;
}

void TSoundLayer::ShutDown() {
  TSoundLayer& l = Layer();
  l.devices_.clear();
  l.waves_.clear();
  l.backEnd_.reset();
}

// Runs `work` on the application's thread and waits for it.
template <class F>
void OnSoundThread(F&& work) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() == app->thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(app, std::forward<F>(work), Qt::BlockingQueuedConnection);
}

}  // namespace

void ChooseSoundBackEnd() {
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

TSoundReply SendSoundCommand(std::string_view command) {
  TCommand cmd;
  if (const int error = Parse(command, cmd)) return {error, {}};
  TSoundReply reply;
  OnSoundThread([&] { reply = Layer().Execute(cmd); });
  if (!reply.ok() || cmd.verb != "play" || !cmd.wait) return reply;
  // "wait": return when the sound has been played, was closed or failed,
  // and at the latest when it has had its length and some slack to finish.
  const bool onAppThread =
      !QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread();
  QElapsedTimer clock;
  clock.start();
  while (true) {
    bool playing = false;
    int64_t length = 0;
    OnSoundThread([&] {
      playing = Layer().Playing(cmd.alias);
      if (playing) length = Layer().BackEnd().Length(cmd.alias);
    });
    if (!playing) break;
    const int64_t bound =
        length > 0 ? std::max<int64_t>(length - std::max(cmd.from, 0), 0) + kPlayWaitSlackMs : kPlayWaitUnknownMs;
    if (clock.elapsed() >= bound) break;
    if (onAppThread) {
      QEventLoop loop;
      QTimer::singleShot(20, &loop, &QEventLoop::quit);
      loop.exec();
    } else {
      QThread::msleep(20);
    }
  }
  return reply;
}

std::string SoundErrorText(int error) {
  switch (error) {
    case snd::Ok: return {};
    case snd::UnknownCommand: return "Der Befehl wird vom Audiogerät nicht unterstützt.";
    case snd::NotOpen: return "Das angegebene Gerät ist nicht geöffnet.";
    case snd::MissingParameter: return "Im Befehl fehlt eine Angabe oder sie ist ungültig.";
    case snd::FileNotFound: return "Die angegebene Datei wurde nicht gefunden. Prüfen Sie Pfad und Dateinamen.";
    case snd::AliasInUse: return "Der angegebene Aliasname wird bereits verwendet.";
    case snd::CannotPlay:
      return "Die Datei kann nicht wiedergegeben werden. Sie ist beschädigt oder hat ein unbekanntes Format.";
    case snd::CannotSave: return "Die Aufnahme konnte nicht gespeichert werden.";
    case snd::BadFormat: return "Das Aufnahmeformat wird nicht unterstützt.";
    case snd::NoInputDevice: return "Kein Aufnahmegerät gefunden.";
    default: return "Unbekannter Fehler des Audiogeräts (" + std::to_string(error) + ").";
  }
}

bool PlaySoundFile(std::string_view path) {
  bool ok = false;
  OnSoundThread([&] { ok = Layer().PlayFile(path); });
  return ok;
}

void StopSoundFile() {
  OnSoundThread([] { Layer().StopFile(); });
}

bool IsSoundFile(std::string_view path) {
  const QString native = NativePath(path);
  return !native.isEmpty() && QFileInfo(native).isFile() && SoundKindOf(native).has_value();
}

void CloseAllSounds() {
  OnSoundThread([] { Layer().CloseAll(); });
}

bool SoundIsSilent() {
  bool silent = true;
  OnSoundThread([&] { silent = Layer().BackEnd().Silent(); });
  return silent;
}

std::vector<TSoundEvent> SilentSoundEvents() {
  std::vector<TSoundEvent> events;
  OnSoundThread([&] { events = Layer().events_; });
  return events;
}

void AdvanceSilentSoundClock(int64_t ms) {
  OnSoundThread([ms] { TSilentBackEnd::clockOffset += ms; });
}

void SetSilentSoundsNeverEnd(int64_t lengthMs) {
  OnSoundThread([lengthMs] { TSilentBackEnd::neverEndLength = lengthMs; });
}

void ClearSilentSoundEvents() {
  OnSoundThread([] { Layer().events_.clear(); });
}

}  // namespace vyr
