#pragma once
// The sound layer: devices opened, played, stopped and closed by alias
// through command strings, as the programs have always driven their sounds,
// and hover sounds played asynchronously by file name.
//
//   open "C:\kurs\hvyr\ton.wav" alias welle      (also: type …, wait)
//   open new type waveaudio alias test           (an empty wave device)
//   play welle [from <ms>] [wait]                stop welle    close welle|all
//   seek welle to start|end|<ms>                 pause welle   resume welle
//   status welle mode|position|length|ready
//
// The empty wave device also records (16-bit mono at 44,100 Hz only):
//   set test bitspersample 16 channels 1 alignment 2 samplespersec 44100 bytespersec 88200
//   seek test to start   record test [to <ms>]   stop test   play test (the take)
//   status test mode (recording|playing|stopped) | position | length  (ms)
//   save test "C:\kurs\aufnahme.wav"           the take as a wave file
// A new "record" replaces the take kept in memory; "to" caps its length.
//
// Wave and MP3 files are recognised by their content. Aliases are compared
// without regard to case. Commands may be sent from any thread; they run on
// the thread of the application object ("wait" blocks only the caller).
//
// Sound goes to QtMultimedia. When the environment variable VYR_SILENT is
// "1" (tests), when there is no audio output device or no application object,
// the silent back end takes over without a message: it checks and answers
// every command like the real one, plays nothing, and records what it was
// asked so that tests can see the sounds of a page. It records only when
// VYR_SILENT is "1": the take is silence as long as the time it ran, and
// "record" fails with NoInputDevice otherwise.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

namespace snd {
// Error numbers of the sound layer (0: done).
constexpr int Ok = 0;
constexpr int UnknownCommand = 261;
constexpr int NotOpen = 263;
constexpr int MissingParameter = 274;
constexpr int FileNotFound = 275;
constexpr int AliasInUse = 289;
constexpr int CannotPlay = 296;
constexpr int CannotSave = 302;     // the take could not be written
constexpr int BadFormat = 320;      // "set" asked for a format the recorder lacks
constexpr int NoInputDevice = 353;  // no microphone (or no sound server)
}  // namespace snd

struct TSoundReply {
  int error = snd::Ok;
  std::string text;  // the answer to a status query (Windows-1252)
  bool ok() const { return error == snd::Ok; }
};

// Chooses the media back end of QtMultimedia before the application object
// exists: the FFmpeg back end that the Qt multimedia library ships, unless
// the user set QT_MEDIA_BACKEND.
void ChooseSoundBackEnd();

// Sends one command string (Windows-1252 course text). "play … wait"
// returns when the sound has been played, when it failed, or at the latest
// after its length plus kPlayWaitSlackMs (kPlayWaitUnknownMs when the length
// is not known), so a stalled device never holds the caller.
TSoundReply SendSoundCommand(std::string_view command);
constexpr int kPlayWaitSlackMs = 2000;
constexpr int kPlayWaitUnknownMs = 30000;
// The German text of an error number, for the message the caller shows.
std::string SoundErrorText(int error);

// A hover sound: the wave file starts at once and the call returns; a new
// one ends the one still playing. False when the file is missing or is no
// wave file.
bool PlaySoundFile(std::string_view path);
void StopSoundFile();

// Whether the file exists and holds a wave or MP3 sound (by its first bytes).
bool IsSoundFile(std::string_view path);

// Closes every device and stops the hover sound.
void CloseAllSounds();

// Whether the silent back end is in use.
bool SoundIsSilent();

// What the silent back end was asked: the commands it accepted, in order,
// and hover sounds as the verb "playsound".
struct TSoundEvent {
  std::string verb;   // "open", "play", "stop", "close", "seek", "pause", "resume", "playsound"
  std::string alias;  // lower case
  std::string file;   // the file as given (open, playsound)
  int32_t from = -1;  // play from, in milliseconds; -1 when not given
  bool wait = false;
};
std::vector<TSoundEvent> SilentSoundEvents();
void ClearSilentSoundEvents();

// Makes the silent back end act like a device that never reports the end:
// sounds opened from now on play until stopped or closed, with the given
// length in milliseconds (0: unknown). A negative length restores sounds
// that are over at once.
void SetSilentSoundsNeverEnd(int64_t lengthMs);

// Moves the silent back end's clock on (tests): a take grows and a playback
// advances by that many milliseconds, without waiting.
void AdvanceSilentSoundClock(int64_t ms);

}  // namespace vyr
