#pragma once
// Page-level settings set by tags; all back to these values for a new page.
#include <QImage>
#include <cstdint>
#include <string>

#include "page/model/PageTables.h"

namespace vyr {

struct TPageSettings {
  std::string Title = "ohne Titel";
  int32_t ColorBGR = 0xFFFFFF;  // page background
  int32_t ColorTXT = 0x000000;  // text
  int32_t LinkColor = 0x008000;
  int32_t GapColor = 0xFFFFFF;    // typing gap words once done
  int32_t BlockColor = 0xC0C0C0;  // drag blocks, places, sentence parts
  int32_t HoleColor = 0x00FF00;   // left where a sentence part is picked up
  int32_t TrayTop = 350;
  std::string Background;  // path of the background picture, empty = none
  QImage BackgroundPicture;
  int32_t WaitInterval = 0;  // timed jump: milliseconds and target
  std::string WaitTarget;
  std::string ShowAction;
  std::string ClickLink;   // followed after every click
  std::string EnterLink;   // followed once on Enter
  bool FormColor = false;  // the window takes the page background
  TPageRect DragTarget;    // empty = none
  TPageRect SpecialRect{0, 0, 80, 20};
  bool NeedsBlending = false;  // the page needs per-pixel blending when drawn
};

}  // namespace vyr
