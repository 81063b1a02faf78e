#pragma once
// superlearning/sound: the background music (TMusic over TXPlayer, one piece
// after another at random from a music directory) and the sample player of
// single recordings, which both programs use.
//
// The one sample player of each program and the learner's music player,
// with the start-up and shutdown steps that create and release them.
#include <string>

namespace vyr {

class TMusic;
class TSamplePlayer;

TSamplePlayer* SamplePlayer();  // nullptr before the start-up step and after release
TMusic* Music();

void CreateSamplePlayer();
// Plays a recording once with the sample player (nothing without one): the
// player the recordings are heard through.
void PlaySampleOnce(const std::string& file);
void ReleaseSamplePlayer();
// The music of programDirectory + "MP3\"; a missing default directory is not
// reported (the superlearning options create the player this way).
void CreateMusic(const std::string& programDirectory);
void ReleaseMusic();

}  // namespace vyr
