#pragma once
// platform/core: the operating-system stand-ins without widgets or sound:
// files, registry, ini files, random numbers, tick, version, messages.
//
// The file layer. Course paths are written Windows-style ("C:\kurs\hvyr\main.htx",
// any letter case, "\" or "/"); the drive "C:" stands for the root of the
// Linux file system, so "C:\home\anna\vyr\" is "/home/anna/vyr/". Other drive
// letters and network shares ("\\server\share\...") name nothing here. A path
// without a drive is taken relative to the current directory.
//
// Every name is found without regard to letter case (cached directory
// listings, checked against the directory's change time); names on disk are
// UTF-8. Every write goes through QSaveFile, so a failed write leaves the old
// file whole and is reported, never taken for success.
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

// The Linux path of a course path, with every existing component spelt as on
// disk; components that do not exist are kept as written (for creating them).
QString NativePath(std::string_view coursePath);
// The course path of a Linux path: "/a/b" -> "C:\a\b".
std::string CoursePath(const QString& nativePath);

bool FileExists(std::string_view path);       // a regular file (or a link to one)
bool DirectoryExists(std::string_view path);  // a directory
bool IsNetworkPath(std::string_view path);    // begins with two backslashes
bool HasDrive(std::string_view path);         // "C:..."

// Reads a whole file. A missing file, a directory or a read error gives
// nullopt and, when asked for, the system's error text in German.
std::optional<std::string> ReadWholeFile(std::string_view path, std::string* error = nullptr,
                                         size_t maxSize = size_t(1) << 30);
bool WriteWholeFile(std::string_view path, std::string_view data, std::string* error = nullptr);
bool RemoveFile(std::string_view path);
bool RenameFile(std::string_view from, std::string_view to);
bool MakeDirectories(std::string_view path);

struct TDirEntry {
  std::string name;  // Windows-1252
  bool isDirectory = false;
};
// The entries of a directory ("." and ".." left out), sorted by name.
std::vector<TDirEntry> ListDirectory(std::string_view path);

// Path pieces in the Windows style the course data uses.
std::string IncludeTrailingBackslash(std::string_view path);
std::string ExcludeTrailingBackslash(std::string_view path);
std::string ExtractFilePath(std::string_view path);  // up to and with the last "\" or ":"
std::string ExtractFileName(std::string_view path);
std::string ExtractFileExt(std::string_view path);  // ".htx", or empty
std::string ChangeFileExt(std::string_view path, std::string_view ext);

// Forgets the cached listings (after another program changed a directory
// within the same second, for example).
void ForgetDirectoryCache();

}  // namespace vyr
