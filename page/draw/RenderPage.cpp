#include "page/draw/RenderPage.h"

#include <QFileInfo>
#include <algorithm>

#include "page/draw/PageDraw.h"
#include "page/layout/FontMetrics.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "page/reader/PageLoader.h"
#include "platform/core/Files.h"
#include "text/Cp1252.h"

namespace vyr {

QImage RenderPage(const std::string& file, const TRenderOptions& options) {
  TPageModel model;
  TPageLoader loader(model);
  model.onPictureRequest = [](const std::string&, QImage&) {};  // pictures painted on request stay white
  model.ClientWidth = std::clamp(options.Width, 1, 10000);
  model.ClientHeight = std::clamp(options.Height, 1, 10000);
  for (const auto& [name, value] : options.Variables) model.Variables.Set(name, value);
  for (const std::string& c : options.Conditions) model.Bedingung.Set(c, true);

  bool read = false;
  loader.onPageRead = [&](TPageRead) { read = true; };
  // A native path becomes a course path; a course path stays as it is.
  const QFileInfo native(ToUnicode(file));
  const std::string path = native.exists() ? CoursePath(native.absoluteFilePath()) : file;
  if (!loader.SetXFile(path) || !read) return {};

  TQtFontMetrics metrics;
  TPageLayout layout;
  LayoutPage(model, metrics, layout);
  QImage buffer = MakePageBuffer(model, layout);
  DrawPage(model, layout, metrics, buffer);
  if (options.Full) return buffer;
  QImage view = buffer.copy(0, 0, model.ClientWidth, model.ClientHeight);
  if (layout.ScrollBar.Visible) {
    const int bar = std::min<int>(kScrollBarWidth + 1, view.width());
    for (int y = 0; y < view.height(); ++y)
      std::fill_n(view.scanLine(y) + 3 * (view.width() - bar), 3 * bar, uint8_t(0xE0));
  }
  return view;
}

}  // namespace vyr
