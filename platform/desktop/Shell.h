#pragma once
// platform/desktop: the stand-ins that need the desktop: message boxes,
// display, opening documents and shortcuts, sound commands and the music
// stream.
//
// Opening documents, programs and web addresses the way the desktop does
// ("open"), and the program's shortcuts as freedesktop .desktop files.
#include <functional>
#include <string>
#include <string_view>

namespace vyr {

// Opens a course path (a document) or an address ("http:...", "mailto:...").
// False when the desktop could not open it.
bool ShellOpen(std::string_view target);
// Tests see what would be opened instead of opening it.
void SetShellOpenHandler(std::function<bool(const std::string&)> handler);

// Folder kinds of shortcuts: 0 desktop, 1 quick launch, 2 send-to, 3 start
// menu, 4 programs.
enum TShortcutFolder {
  kDesktopFolder = 0,
  kQuickLaunchFolder = 1,
  kSendToFolder = 2,
  kStartMenuFolder = 3,
  kProgramsFolder = 4
};
// The folder of a kind: a value set under
// "Software\MicroSoft\Windows\CurrentVersion\Explorer\Shell Folders" ("Desktop",
// "SendTo", "Start Menu", "Programs"; quick launch: "Quick Launch" under
// "...\GrpConv\MapGroups") wins; otherwise the desktop is the XDG desktop
// folder and the start menu and programs are the XDG applications folder.
// Empty when there is none.
std::string ShortcutFolder(int kind);
// Creates (or with remove, deletes) folder + "\" + linkName + ".desktop"
// starting the executable. False when it could not be written.
bool MakeShortcut(std::string_view exePath, std::string_view linkName, int kind, bool remove);

}  // namespace vyr
