#pragma once
// Whether a font face can be used on this system: installed under that name,
// or one of the Windows faces the fonts set-up stands in for with a
// metric-compatible free font.
#include <QString>
#include <string_view>

namespace vyr {

bool IsFontInstalled(std::string_view face);

// The installed face standing in for a face the course pages are written for
// ("Times New Roman" -> "Liberation Serif", "Arial" -> "Liberation Sans",
// "Courier New" -> "Liberation Mono", "Comic Sans MS" -> "Comic Neue",
// "Verdana" and "Tahoma" -> "DejaVu Sans"); any other face as written.
QString ResolveFaceName(std::string_view face);
// Whether the face is one of those above.
bool IsStandInFace(std::string_view face);

}  // namespace vyr
