#include "superlearning/sound/MusicCaption.h"

#include <QWidget>

#include "superlearning/sound/Music.h"
#include "text/Cp1252.h"

namespace vyr {

void AnswerMusicEvents(TMusic& music, QWidget& window) {
  const QString caption = window.windowTitle();
  music.SetNotifyWindow(&window, [&music, &window, caption] {
    music.HandleEvents();
    window.setWindowTitle(music.IsPlaying() ? ToUnicode(music.CurrentPiece()) : caption);
  });
}

}  // namespace vyr
