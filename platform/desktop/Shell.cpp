#include "platform/desktop/Shell.h"

#include <QDesktopServices>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

#include "platform/core/Files.h"
#include "platform/core/Registry.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

std::function<bool(const std::string&)>& OpenHandler() {
  static std::function<bool(const std::string&)> handler;
  return handler;
}

bool IsAddress(std::string_view t) {
  const size_t colon = t.find(':');
  return colon != std::string_view::npos && colon > 1 &&
         t.substr(0, colon).find_first_of("\\/") == std::string_view::npos;
}

}  // namespace

void SetShellOpenHandler(std::function<bool(const std::string&)> handler) { OpenHandler() = std::move(handler); }

bool ShellOpen(std::string_view target) {
  if (OpenHandler()) return OpenHandler()(std::string(target));
  const QUrl url = IsAddress(target) ? QUrl(ToUnicode(target)) : QUrl::fromLocalFile(NativePath(target));
  return url.isValid() && QDesktopServices::openUrl(url);
}

std::string ShortcutFolder(int kind) {
  static const char* const kExplorer = "Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  TRegistry& reg = TRegistry::CurrentUser();
  std::optional<std::string> set;
  switch (kind) {
    case kDesktopFolder: set = reg.ReadString(kExplorer, "Desktop"); break;
    case kQuickLaunchFolder:
      set = reg.ReadString("Software\\MicroSoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups", "Quick Launch");
      break;
    case kSendToFolder: set = reg.ReadString(kExplorer, "SendTo"); break;
    case kStartMenuFolder: set = reg.ReadString(kExplorer, "Start Menu"); break;
    case kProgramsFolder: set = reg.ReadString(kExplorer, "Programs"); break;
    default: return std::string();
  }
  if (set && !set->empty()) return ExcludeTrailingBackslash(*set);
  switch (kind) {
    case kDesktopFolder: return CoursePath(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    case kStartMenuFolder:
    case kProgramsFolder: return CoursePath(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation));
    default: return std::string();
  }
}

bool MakeShortcut(std::string_view exePath, std::string_view linkName, int kind, bool remove) {
  const std::string folder = ShortcutFolder(kind);
  if (folder.empty()) return false;
  const std::string link = folder + "\\" + std::string(linkName) + ".desktop";
  if (remove) {
    if (FileExists(link)) RemoveFile(link);
    return true;
  }
  // Written under the executable's own name first, then renamed to the
  // link name, so an old link of that name is replaced whole.
  const std::string first = folder + "\\" + ChangeFileExt(ExtractFileName(exePath), "") + ".desktop";
  const QString exe = NativePath(exePath);
  const QString text = u"[Desktop Entry]\nType=Application\nName="_qs + ToUnicode(linkName) +
                       u"\nComment=Englischkurs\nExec=\""_qs + exe + u"\"\nPath="_qs +
                       NativePath(ExtractFilePath(exePath)) + u"\nTerminal=false\nCategories=Education;Languages;\n"_qs;
  MakeDirectories(folder);
  if (!WriteWholeFile(first, text.toUtf8().toStdString())) return false;
  // Desktops start only launchers that are marked executable.
  QFile::setPermissions(NativePath(first),
                        QFile::permissions(NativePath(first)) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
  if (first == link) return true;
  if (FileExists(link)) RemoveFile(link);
  return RenameFile(first, link);
}

}  // namespace vyr
