#pragma once
// The message box behind ShowCourseMessage: caption "*vyr", the German
// buttons of the flags, the icon of the flags. The programs install it at
// start; code that shows messages only includes platform/core/Messages.h.

namespace vyr {

void InstallMessageBoxes();

}  // namespace vyr
