#pragma once
// page/reader: the markup reader and its tag files, entities, value forms,
// the pictures and font faces a page asks for, and the loader that reads
// pages by name from the sources. No widgets.
//
// The page reader: turns page markup (Windows-1252) into the model's element
// list, tables and settings in one pass. Any byte string is a page: the
// reader never reads outside the text, never loops without end, and a NUL
// byte ends the text as the loader's terminator does.
#include <string_view>

namespace vyr {

struct TPageModel;

// A fresh page: the page is reset (what survives a new page stays), the
// current format starts at its defaults, then the text is read.
void ReadPage(TPageModel& model, std::string_view text);
// Text read into the page being read (<INCLUDE>, exercise pages): no reset;
// the text starts from the default format and leaves its format in force.
void ReadIncludedText(TPageModel& model, std::string_view text);
// Empties the page as a new page does; variables, conditions, styles, kept
// pictures and the multiple-choice state stay.
void ResetPage(TPageModel& model);

}  // namespace vyr
