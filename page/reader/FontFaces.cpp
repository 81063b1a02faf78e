#include "page/reader/FontFaces.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <array>

#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

// Faces the course pages are written for and the installed fonts that stand
// in for them.
struct TStandIn {
  std::string_view face;
  const char16_t* installed;
};
constexpr std::array<TStandIn, 6> kStandIns = {{{"Times New Roman", u"Liberation Serif"},
                                                {"Arial", u"Liberation Sans"},
                                                {"Courier New", u"Liberation Mono"},
                                                {"Comic Sans MS", u"Comic Neue"},
                                                {"Verdana", u"DejaVu Sans"},
                                                {"Tahoma", u"DejaVu Sans"}}};

const TStandIn* StandInFor(std::string_view face) {
  for (const TStandIn& s : kStandIns)
    if (SameText(s.face, face)) return &s;
  return nullptr;
}

}  // namespace

bool IsStandInFace(std::string_view face) { return StandInFor(face) != nullptr; }

QString ResolveFaceName(std::string_view face) {
  if (const TStandIn* s = StandInFor(face)) return QString::fromUtf16(s->installed);
  return ToUnicode(face);
}

bool IsFontInstalled(std::string_view face) {
  if (face.empty()) return false;
  if (IsStandInFace(face)) return true;
  // The font database needs a running GUI application.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return false;
  static const QStringList families = QFontDatabase::families();
  return families.contains(ToUnicode(face), Qt::CaseInsensitive);
}

}  // namespace vyr
