#include "platform/desktop/Display.h"

#include <QGuiApplication>
#include <QScreen>

namespace vyr {
namespace {
std::optional<TDisplayInfo>& Override() {
  static std::optional<TDisplayInfo> info;
  return info;
}
}  // namespace

TDisplayInfo PrimaryDisplay() {
  if (Override()) return *Override();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QSize size = screen->size();  // logical pixels, as the page is laid out
  return {size.width(), size.height(), screen->depth()};
}

void SetDisplayOverride(std::optional<TDisplayInfo> info) { Override() = info; }

}  // namespace vyr
