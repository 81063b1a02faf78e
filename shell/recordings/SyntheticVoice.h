#pragma once
// The synthetic voice for English words and sentences that have no
// recording: espeak-ng runs as a separate process (the text on its standard
// input, never on its command line, with a time limit) and writes a wave
// file into the user's cache, where the next request for the same text
// finds it. The user switches it in the path dialog (settings value
// "Synthetische Stimme", on by default).
#include <string>
#include <string_view>

namespace vyr {

// Whether espeak-ng can be run here.
bool SyntheticVoiceAvailable();
// The user's switch (and availability).
bool SyntheticVoiceEnabled();
void SetSyntheticVoiceEnabled(bool on);
// The cached wave file that speaks text, made now when it is not cached;
// empty when the voice is off, unavailable, the text is empty, or espeak-ng
// fails or runs out of time.
std::string SyntheticRecording(std::string_view text);

// Tests: another program in espeak-ng's place (empty: the real one), the
// time limit, and how many processes were started.
void SetSyntheticVoiceProgram(const std::string& program);
void SetSyntheticVoiceTimeLimit(int milliseconds);
int SyntheticVoiceRuns();

// Texts longer than this are spoken up to here.
inline constexpr size_t kSyntheticTextLimit = 1000;

}  // namespace vyr
