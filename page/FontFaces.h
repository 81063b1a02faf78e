#pragma once
// Whether a font face can be used on this system: installed under that name,
// or one of the Windows faces the fonts set-up stands in for with a
// metric-compatible free font.
#include <string_view>

namespace vyr {

bool IsFontInstalled(std::string_view face);

}  // namespace vyr
