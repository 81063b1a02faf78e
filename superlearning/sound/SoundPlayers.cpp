#include "superlearning/sound/SoundPlayers.h"

#include <memory>

#include "superlearning/sound/Music.h"
#include "superlearning/sound/SamplePlayer.h"

namespace vyr {
namespace {
std::unique_ptr<TSamplePlayer> gSamplePlayer;
std::unique_ptr<TMusic> gMusic;
}  // namespace

TSamplePlayer* SamplePlayer() { return gSamplePlayer.get(); }
TMusic* Music() { return gMusic.get(); }

void CreateSamplePlayer() { gSamplePlayer = std::make_unique<TSamplePlayer>(); }
void ReleaseSamplePlayer() { gSamplePlayer.reset(); }
void PlaySampleOnce(const std::string& file) {
  if (gSamplePlayer) gSamplePlayer->PlaySample(file, true);
}

void CreateMusic(const std::string& programDirectory) {
  gMusic = std::make_unique<TMusic>("", programDirectory, /*reportMissing=*/false);
}
void ReleaseMusic() {
  if (gMusic) gMusic->Stop();
  gMusic.reset();
}

}  // namespace vyr
