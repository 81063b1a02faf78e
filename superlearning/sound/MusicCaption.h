#pragma once
// The main window's answer to the music: on every media event it lets the
// music player handle it (the end of a piece starts the next) and shows the
// path of the piece playing in its caption, or its own caption again when
// the music has stopped.
class QWidget;

namespace vyr {

class TMusic;

void AnswerMusicEvents(TMusic& music, QWidget& window);

}  // namespace vyr
