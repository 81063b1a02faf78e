#pragma once
// A page drawn offscreen exactly as the page control draws it: read through
// the page loader, laid out with the real fonts at the control's size and
// drawn into a page buffer. For course authors who want to see a page
// without starting the program.
#include <QImage>
#include <string>
#include <utility>
#include <vector>

namespace vyr {

struct TRenderOptions {
  int Width = 800;  // the page control's size
  int Height = 572;
  bool Full = false;                                           // the whole page buffer instead of the window-sized view
  std::vector<std::pair<std::string, std::string>> Variables;  // page variables (Windows-1252)
  std::vector<std::string> Conditions;                         // conditions set before reading
};

// `file` is a page file (a native path or a course path). A null image when
// the page cannot be loaded; the loader has shown its message then. The view
// shows the top of the page; when the page needs a scroll bar, its place at
// the right edge is left in a plain grey as the control leaves it to the bar.
QImage RenderPage(const std::string& file, const TRenderOptions& options = {});

}  // namespace vyr
