#include "page/sources/ZipResource.h"

#include <QFile>

#include "platform/core/Messages.h"
#include "text/Cp1252.h"
#include "text/ZStream.h"

// The resources are built into the page library; initialising them here makes
// sure a program that reads them also links them.
static void InitZipResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(zres);
    return true;
  }();
  (void)done;
}

namespace vyr {
namespace {

constexpr size_t kMaxResourceText = size_t(16) << 20;

struct TResourceName {
  int number;
  const char* path;
};
// One table: resource number -> compiled-in file.
constexpr TResourceName kResourceNames[] = {
    {kResSprachlabor, ":/zres/sprachlabor.z"},
    {kResBeispielliste, ":/zres/beispielliste.z"},
};

}  // namespace

std::string ZipResourcePath(int number) {
  for (const auto& r : kResourceNames)
    if (r.number == number) return r.path;
  return std::string();
}

TZIPResource::TZIPResource(int number) {
  InitZipResources();
  const std::string path = ZipResourcePath(number);
  if (path.empty()) return;
  QFile f(ToUnicode(path));
  if (!f.open(QIODevice::ReadOnly)) return;
  const QByteArray bytes = f.readAll();
  Open(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
       "Die Programmressource " + std::to_string(number));
}

TZIPResource::TZIPResource(std::string_view compressed, std::string_view what) { Open(compressed, what); }

void TZIPResource::Open(std::string_view compressed, std::string_view what) {
  auto text = Inflate(compressed, kMaxResourceText);
  if (!text) {
    ShowCourseMessage(std::string(what) + " ist beschädigt und kann nicht gelesen werden.", msg::IconError);
    return;
  }
  data_ = std::move(*text);
  pos_ = 0;
}

std::string TZIPResource::ReadLine() {
  if (AtEnd()) return std::string();
  size_t end = pos_;
  while (end < data_.size() && static_cast<unsigned char>(data_[end]) >= 32) ++end;
  std::string line = data_.substr(pos_, end - pos_);
  pos_ = end;
  if (pos_ < data_.size()) {
    const bool crlf = data_[pos_] == '\r' && pos_ + 1 < data_.size() && data_[pos_ + 1] == '\n';
    pos_ += crlf ? 2 : 1;
  }
  return line;
}

}  // namespace vyr
