#pragma once
// What the start-up checks of the screen: its size in pixels and colour depth.
#include <optional>

namespace vyr {

struct TDisplayInfo {
  int width = 0, height = 0, depth = 0;  // depth in bits per pixel
};
// The primary screen (through QScreen); a set override answers instead (tests).
TDisplayInfo PrimaryDisplay();
void SetDisplayOverride(std::optional<TDisplayInfo> info);

}  // namespace vyr
