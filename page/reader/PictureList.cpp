#include "page/reader/PictureList.h"

#include <QFile>

#include "page/model/PageModel.h"
#include "page/reader/PageValues.h"
#include "page/sources/PictureDecode.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

// A picture compiled into the program: "$name.ext" is the resource
// ":/pictures/name_ext" ("-" and "." become "_").
QImage ReadProgramPicture(std::string_view name) {
  std::string res(name);
  for (char& c : res)
    if (c == '-' || c == '.') c = '_';
  QFile file(u":/pictures/"_qs + ToUnicode(res));
  if (!file.open(QIODevice::ReadOnly) || file.size() > static_cast<qint64>(kMaxPictureFileSize)) return {};
  const QByteArray data = file.readAll();
  return DecodePicture(std::string_view(data.constData(), static_cast<size_t>(data.size())), name);
}

}  // namespace

QImage ReadPictureFile(std::string_view path) {
  // Sizes are checked before any pixel memory is taken; a damaged file gives
  // a null picture.
  if (path.empty() || !FileExists(path)) return {};
  return DecodePictureFile(path);
}

int32_t LoadPicture(TPageModel& m, std::string_view name) {
  bool keep = false;
  if (!name.empty() && name[0] == '*') {
    keep = true;
    name.remove_prefix(1);
  }
  const bool stored = !name.empty() && name[0] == '$';
  const std::string resolved = stored ? std::string(name) : ResolveName(m, name);
  for (size_t i = 0; i < m.Pictures.size(); ++i) {
    TXPicture& p = m.Pictures[i];
    if (!p.Requested && SameText(p.Name, resolved)) {
      if (!p.Picture.isNull()) p.Keep = p.Keep || keep;
      // A picture that could not be loaded stays in the list without a
      // picture, so the page reports it once however often it is used.
      return p.Picture.isNull() ? -1 : static_cast<int32_t>(i);
    }
  }
  QImage image = stored ? ReadProgramPicture(name.substr(1)) : ReadPictureFile(resolved);
  if (image.isNull()) {
    ShowCourseMessage("Das Bild " + resolved + " konnte nicht geladen werden!", msg::Ok | msg::IconError);
    TXPicture failed;
    failed.Name = resolved;
    m.Pictures.push_back(std::move(failed));
    return -1;
  }
  TXPicture p;
  p.Picture = std::move(image);
  p.Name = resolved;
  p.Keep = keep;
  m.Pictures.push_back(std::move(p));
  return static_cast<int32_t>(m.Pictures.size() - 1);
}

int32_t AddRequestedPicture(TPageModel& m, std::string_view code, int32_t width, int32_t height) {
  TXPicture p;
  p.Picture = QImage(width, height, QImage::Format_RGB888);
  p.Picture.fill(Qt::white);
  p.Requested = true;
  p.Code = std::string(code);
  p.Name = "%" + std::to_string(width) + "x" + std::to_string(height) + "=" + p.Code;
  m.Pictures.push_back(std::move(p));
  const auto index = static_cast<int32_t>(m.Pictures.size() - 1);
  if (m.onPictureRequest) m.onPictureRequest(m.Pictures.back().Code, m.Pictures.back().Picture);
  return index;
}

}  // namespace vyr
