#include "page/sources/PageSource.h"

#include "page/sources/PageName.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "text/ZStream.h"

namespace vyr {

void TerminatePageText(std::string& text) {
  if (text.empty() || text.back() != '\r') text.push_back('\r');
  text.push_back('\0');
}

TPageSource ReadPageSource(std::string_view path) {
  TPageSource source;
  auto data = ReadWholeFile(path, &source.error, kMaxPageFileSize);
  if (!data) {
    source.status = TSourceStatus::FileError;
    return source;
  }
  if (IsCompressedPageName(path)) {
    auto inflated = Inflate(*data, kMaxPageTextSize);
    if (!inflated) {
      source.status = TSourceStatus::Corrupt;
      return source;
    }
    source.text = std::move(*inflated);
  } else {
    source.text = std::move(*data);
  }
  TerminatePageText(source.text);
  return source;
}

std::string PageSourceMessage(const TPageSource& source, std::string_view path) {
  switch (source.status) {
    case TSourceStatus::Ok: return std::string();
    case TSourceStatus::FileError:
      return "Die Datei \"" + std::string(path) + "\" konnte nicht gelesen werden:\r" + source.error;
    case TSourceStatus::Corrupt:
      return "Die Datei \"" + std::string(path) +
             "\" ist beschädigt oder unvollständig und konnte nicht entpackt werden.";
  }
  return std::string();
}

std::optional<std::string> LoadPageSource(std::string_view path) {
  TPageSource source = ReadPageSource(path);
  if (source.status != TSourceStatus::Ok) {
    ShowCourseMessage(PageSourceMessage(source, path), msg::IconWarning);
    return std::nullopt;
  }
  return std::move(source.text);
}

}  // namespace vyr
