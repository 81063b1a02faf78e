// vyr-page: what the page engine makes of a page, without starting the program.
//
//   vyr-page dump FILE [options]        what the page reads as, as JSON (UTF-8)
//   vyr-page dump --text MARKUP         the same for markup given on the command line
//   vyr-page layout FILE [--width W]    the laid-out page as JSON
//   vyr-page check FILE...              every bad link, solved words drawn unseen, what lies under
//                                       the scroll bar, every complaint
//   vyr-page render FILE -o OUT.png [--width W] [--height H] [--full]
//
// Options: --var NAME=VALUE (a page variable, repeatable), --cond NAME (a true
// condition, repeatable), --size WxH (the page control's size, default
// 800x572), --source (FILE is an editable course source: UTF-8 text, and the
// files it includes are read the same way). Pages load as the page control
// loads them: by name, plain or compressed by extension, containers too.
// What the pages complain about goes to the standard error stream.
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "page/draw/RenderPage.h"
#include "page/layout/FontMetrics.h"
#include "page/layout/LayoutJson.h"
#include "page/layout/LinkCheck.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageJson.h"
#include "page/model/PageModel.h"
#include "page/reader/PageLoader.h"
#include "page/reader/PageReader.h"
#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Messages.h"
#include "text/Cp1252.h"

namespace {

int Usage() {
  std::fputs(
      "Aufruf: vyr-page dump DATEI [--var NAME=WERT] [--cond NAME] [--size BxH] [--source]\n"
      "        vyr-page dump --text MARKUP [--var NAME=WERT] [--cond NAME] [--size BxH]\n"
      "        vyr-page layout DATEI [--width B] [--var NAME=WERT] [--cond NAME]\n"
      "        vyr-page check DATEI...\n"
      "        vyr-page render DATEI -o BILD.png [--width B] [--height H] [--full] [--var NAME=WERT] [--cond NAME]\n",
      stderr);
  return 2;
}

struct TOptions {
  std::vector<std::string> files;  // course paths
  std::optional<std::string> markup;
  std::vector<std::pair<std::string, std::string>> variables;
  std::vector<std::string> conditions;
  int width = 800, height = 572;
  bool source = false, full = false;
  std::string output;
};

bool ParseOptions(int argc, char** argv, TOptions& o) {
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    auto number = [&](int& out) {
      const int v = std::atoi(argv[++i]);
      if (v < 1 || v > 10000) return false;
      out = v;
      return true;
    };
    if (arg == "--text" && hasValue) {
      o.markup = vyr::Utf8ToCp1252(argv[++i]);
    } else if (arg == "--var" && hasValue) {
      const std::string v = vyr::Utf8ToCp1252(argv[++i]);
      const size_t eq = v.find('=');
      o.variables.emplace_back(v.substr(0, eq), eq == std::string::npos ? std::string() : v.substr(eq + 1));
    } else if (arg == "--cond" && hasValue) {
      o.conditions.push_back(vyr::Utf8ToCp1252(argv[++i]));
    } else if (arg == "--size" && hasValue) {
      if (std::sscanf(argv[++i], "%dx%d", &o.width, &o.height) != 2 || o.width < 1 || o.height < 1 || o.width > 10000 ||
          o.height > 10000)
        return false;
    } else if (arg == "--width" && hasValue) {
      if (!number(o.width)) return false;
    } else if (arg == "--height" && hasValue) {
      if (!number(o.height)) return false;
    } else if (arg == "-o" && hasValue) {
      o.output = argv[++i];
    } else if (arg == "--full") {
      o.full = true;
    } else if (arg == "--source") {
      o.source = true;
    } else if (!arg.empty() && arg[0] != '-') {
      o.files.push_back(vyr::CoursePath(QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath()));
    } else {
      return false;
    }
  }
  return true;
}

// Reads an editable course source (UTF-8) into the model; its includes are
// read as sources too.
bool ReadSource(vyr::TPageLoader& loader, vyr::TPageModel& model, const std::string& path) {
  const auto text = vyr::ReadWholeFile(path);
  if (!text) {
    vyr::ShowCourseMessage("Die Datei \"" + path + "\" wurde nicht gefunden!", vyr::msg::IconError);
    return false;
  }
  model.onInclude = [&](const std::string& target) {
    const std::string name = loader.Resolve(target);
    if (const auto bytes = vyr::ReadWholeFile(name)) vyr::ReadIncludedText(model, vyr::Utf8ToCp1252(*bytes));
    else vyr::ShowCourseMessage("INCLUDE-Datei wurde nicht gefunden " + name + "!!!", vyr::msg::IconError);
  };
  loader.SetXPath(vyr::ExtractFilePath(path));
  model.XFile = vyr::ExtractFileName(path);
  loader.ReadMarkup(vyr::Utf8ToCp1252(*text));
  return true;
}

// Loads what the options name into the model, as the page control does.
bool Load(vyr::TPageLoader& loader, vyr::TPageModel& model, const TOptions& o, const std::string& file) {
  model.ClientWidth = o.width;
  model.ClientHeight = o.height;
  model.onPictureRequest = [](const std::string&, QImage&) {};  // pictures painted on request stay white
  for (const auto& [name, value] : o.variables) model.Variables.Set(name, value);
  for (const auto& c : o.conditions) model.Bedingung.Set(c, true);
  if (o.markup) {
    loader.ReadMarkup(*o.markup);
    return true;
  }
  if (o.source) return ReadSource(loader, model, file);
  return loader.SetXFile(file);
}

int Dump(const TOptions& o) {
  if (o.markup.has_value() == (o.files.size() == 1)) return Usage();
  vyr::TPageModel model;
  vyr::TPageLoader loader(model);
  if (!Load(loader, model, o, o.files.empty() ? std::string() : o.files[0])) return 1;
  const std::string json = vyr::PageToJson(model);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return 0;
}

int Layout(const TOptions& o) {
  if (o.files.size() != 1 && !o.markup) return Usage();
  vyr::TPageModel model;
  vyr::TPageLoader loader(model);
  if (!Load(loader, model, o, o.files.empty() ? std::string() : o.files[0])) return 1;
  vyr::TQtFontMetrics metrics;
  vyr::TPageLayout layout;
  vyr::LayoutPage(model, metrics, layout);
  const std::string json = vyr::LayoutToJson(model, layout);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return 0;
}

// Every bad link and every complaint of each page; status 1 when there is any.
int Check(const TOptions& o) {
  if (o.files.empty()) return Usage();
  int bad = 0;
  for (const std::string& file : o.files) {
    vyr::TMessageRecorder complaints;
    vyr::TPageModel model;
    vyr::TPageLoader loader(model);
    const bool loaded = Load(loader, model, o, file);
    if (loaded) {
      vyr::TQtFontMetrics metrics;
      vyr::TPageLayout layout;
      vyr::LayoutPage(model, metrics, layout);
      for (const vyr::TBadLink& link : vyr::CheckLinks(model)) {
        std::printf("%s: Verweis \"%s\" -> %s\n", vyr::Cp1252ToUtf8(file).c_str(), vyr::Cp1252ToUtf8(link.Name).c_str(),
                    link.Target.empty() ? "(kein Ziel)" : vyr::Cp1252ToUtf8(link.Target).c_str());
        ++bad;
      }
      if (const std::string item = vyr::FirstDrawnUnderScrollBar(model, layout); !item.empty()) {
        const std::string text = file + ": " + item + " liegt unter der Bildlaufleiste (rechts " +
                                 std::to_string(vyr::kScrollBarWidth) + " Pixel frei lassen)";
        std::printf("%s\n", vyr::Cp1252ToUtf8(text).c_str());
        ++bad;
      }
      if (const std::string word = vyr::FirstHiddenSolvedWord(model); !word.empty()) {
        const std::string text =
            file + ": gelöstes Wort \"" + word + "\" unsichtbar: Lückenfarbe (<BODY GAP=...>) wie der Hintergrund";
        std::printf("%s\n", vyr::Cp1252ToUtf8(text).c_str());
        ++bad;
      }
    }
    for (const auto& m : complaints.shown()) {
      std::printf("%s: %s\n", vyr::Cp1252ToUtf8(file).c_str(), vyr::Cp1252ToUtf8(m.text).c_str());
      ++bad;
    }
    if (!loaded && complaints.shown().empty()) ++bad;
  }
  const std::string summary = std::to_string(o.files.size()) + " Seiten geprüft, " + std::to_string(bad) + " Fehler";
  std::printf("%s\n", vyr::Cp1252ToUtf8(summary).c_str());
  return bad == 0 ? 0 : 1;
}

int Render(const TOptions& o) {
  if (o.files.size() != 1 || o.output.empty()) return Usage();
  vyr::TRenderOptions r;
  r.Width = o.width;
  r.Height = o.height;
  r.Full = o.full;
  r.Variables = o.variables;
  r.Conditions = o.conditions;
  const QImage image = vyr::RenderPage(o.files[0], r);
  if (image.isNull()) return 1;
  if (!image.save(QString::fromLocal8Bit(o.output.c_str()), "PNG")) {
    std::fprintf(stderr, "vyr-page: %s konnte nicht geschrieben werden\n", o.output.c_str());
    return 1;
  }
  return 0;
}

// Qt's own notes about the environment are no complaint of the page.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQt);
  // A GUI application for fonts and pictures; messages still go to stderr.
  QGuiApplication app(argc, argv);
  TOptions o;
  if (argc < 3 || !ParseOptions(argc, argv, o)) return Usage();
  const std::string command = argv[1];
  if (command == "dump") return Dump(o);
  if (command == "layout") return Layout(o);
  if (command == "check") return Check(o);
  if (command == "render") return Render(o);
  return Usage();
}
