#include "page/FontFaces.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <array>

#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

// Faces the course pages are written for; fontconfig maps them to Liberation,
// DejaVu and Comic Neue.
constexpr std::array<std::string_view, 6> kStandInFaces = {"Times New Roman", "Arial",   "Courier New",
                                                           "Comic Sans MS",   "Verdana", "Tahoma"};

}  // namespace

bool IsFontInstalled(std::string_view face) {
  if (face.empty()) return false;
  for (std::string_view f : kStandInFaces)
    if (SameText(f, face)) return true;
  // The font database needs a running GUI application.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return false;
  static const QStringList families = QFontDatabase::families();
  return families.contains(ToUnicode(face), Qt::CaseInsensitive);
}

}  // namespace vyr
