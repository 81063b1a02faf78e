#include "page/FontFaces.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include "page/FontMetrics.h"
#include "text/Cp1252.h"

namespace vyr {
bool IsFontInstalled(std::string_view face) {
  if (face.empty()) return false;
  if (IsStandInFace(face)) return true;
  // The font database needs a running GUI application.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return false;
  static const QStringList families = QFontDatabase::families();
  return families.contains(ToUnicode(face), Qt::CaseInsensitive);
}

}  // namespace vyr
