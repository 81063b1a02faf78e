// vyr-page dump FILE [options]      what a page file reads as, as JSON (UTF-8)
// vyr-page dump --text MARKUP       the same for markup given on the command line
//
// Options: --var NAME=VALUE (a page variable, repeatable), --cond NAME (a true
// condition, repeatable), --size WxH (the page control's size, default
// 800x572), --source (FILE is an editable course source: UTF-8 text, and
// the files it includes are read the same way).
// What the page complains about is written to the standard error stream.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "page/PageJson.h"
#include "page/PageLoader.h"
#include "page/PageModel.h"
#include "page/PageName.h"
#include "page/PageReader.h"
#include "platform/Files.h"
#include "platform/Messages.h"
#include "text/Cp1252.h"
#include "text/ZStream.h"

namespace {

int Usage() {
  std::fputs(
      "Aufruf: vyr-page dump DATEI [--var NAME=WERT] [--cond NAME] [--size BxH] [--source]\n"
      "        vyr-page dump --text MARKUP [--var NAME=WERT] [--cond NAME] [--size BxH]\n",
      stderr);
  return 2;
}

bool LooksCompressed(std::string_view data) {
  if (data.size() < 2) return false;
  const auto b0 = static_cast<unsigned char>(data[0]), b1 = static_cast<unsigned char>(data[1]);
  return (b0 & 0x0F) == 8 && (b0 * 256 + b1) % 31 == 0;
}

// The text of a page file: inflated when it is a zlib stream, converted from
// UTF-8 when it is a course source.
std::optional<std::string> PageText(std::string text, const std::string& path, bool source) {
  if (LooksCompressed(text)) {
    auto inflated = vyr::Inflate(text);
    if (!inflated) {
      vyr::ShowCourseMessage("Die Datei " + path + " ist besch\xE4" "digt (entpacken fehlgeschlagen).");
      return std::nullopt;
    }
    text = std::move(*inflated);
  } else if (source) {
    text = vyr::Utf8ToCp1252(text);
  }
  return text;
}

}  // namespace

// Qt's own notes about the environment are no complaint of the page.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQt);
  // A GUI application for fonts and pictures; messages still go to stderr.
  QGuiApplication app(argc, argv);
  if (argc < 3 || std::strcmp(argv[1], "dump") != 0) return Usage();

  vyr::TPageModel model;
  vyr::TPageLoader loader(model);
  model.onPictureRequest = [](const std::string&, QImage&) {};  // pictures painted on request stay white

  std::optional<std::string> markup;
  QString file;
  bool source = false;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--text" && hasValue) {
      markup = vyr::Utf8ToCp1252(argv[++i]);
    } else if (arg == "--var" && hasValue) {
      const std::string v = vyr::Utf8ToCp1252(argv[++i]);
      const size_t eq = v.find('=');
      model.Variables.Set(v.substr(0, eq), eq == std::string::npos ? std::string() : v.substr(eq + 1));
    } else if (arg == "--cond" && hasValue) {
      model.Bedingung.Set(vyr::Utf8ToCp1252(argv[++i]), true);
    } else if (arg == "--size" && hasValue) {
      int w = 0, h = 0;
      if (std::sscanf(argv[++i], "%dx%d", &w, &h) != 2 || w < 1 || h < 1 || w > 10000 || h > 10000) return Usage();
      model.ClientWidth = w;
      model.ClientHeight = h;
    } else if (arg == "--source") {
      source = true;
    } else if (!arg.empty() && arg[0] != '-' && file.isEmpty()) {
      file = QString::fromLocal8Bit(argv[i]);
    } else {
      return Usage();
    }
  }
  if (markup.has_value() == !file.isEmpty()) return Usage();

  if (markup) {
    loader.ReadMarkup(*markup);
  } else {
    const QFileInfo info(file);
    const std::string path = vyr::CoursePath(info.absoluteFilePath());
    QFile f(info.absoluteFilePath());
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) {
      vyr::ShowCourseMessage("Die Datei \"" + path + "\" wurde nicht gefunden!", vyr::msg::IconError);
      return 1;
    }
    const QByteArray data = f.readAll();
    std::string text(data.constData(), static_cast<size_t>(data.size()));
    if (text.rfind("VYR!", 0) == 0) {
      // An exercise container: the page control builds one of its tasks.
      if (!loader.SetXFile(path)) return 1;
    } else {
      const auto page = PageText(std::move(text), path, source);
      if (!page) return 1;
      if (source) {
        // Sources include sources: plain UTF-8 files, whatever their extension.
        model.onInclude = [&](const std::string& target) {
          const std::string name = loader.Resolve(target);
          const auto bytes = vyr::ReadWholeFile(name);
          if (!bytes) {
            vyr::ShowCourseMessage("INCLUDE-Datei wurde nicht gefunden " + name + "!!!", vyr::msg::IconError);
            return;
          }
          if (const auto included = PageText(*bytes, name, true)) vyr::ReadIncludedText(model, *included);
        };
      }
      loader.SetXPath(vyr::ExtractFilePath(path));
      model.XFile = vyr::ExtractFileName(path);
      loader.ReadMarkup(*page);
    }
  }
  const std::string json = vyr::PageToJson(model);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return 0;
}
