#include "platform/core/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <map>

#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

struct Listing {
  struct timespec changed {};
  std::vector<std::pair<std::string, QString>> names;  // upper-cased Windows-1252, name on disk
};

std::map<QString, Listing>& Cache() {
  static std::map<QString, Listing> cache;
  return cache;
}

bool StatPath(const QString& native, struct stat& st) {
  const QByteArray bytes = QFile::encodeName(native);
  return ::stat(bytes.constData(), &st) == 0;
}

// The name on disk of one component in a directory, found ignoring case.
std::optional<QString> FindInDirectory(const QString& dir, std::string_view component) {
  const QString wanted = ToUnicode(component);
  struct stat st {};
  if (StatPath(dir + u'/' + wanted, st)) return wanted;  // spelt as on disk
  if (!StatPath(dir, st) || !S_ISDIR(st.st_mode)) return std::nullopt;
  Listing& listing = Cache()[dir];
  if (listing.changed.tv_sec != st.st_mtim.tv_sec || listing.changed.tv_nsec != st.st_mtim.tv_nsec ||
      listing.names.empty()) {
    listing.changed = st.st_mtim;
    listing.names.clear();
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entries) listing.names.emplace_back(UpperCase(FromUnicode(e)), e);
  }
  const std::string upper = UpperCase(component);
  for (const auto& [key, name] : listing.names)
    if (key == upper) return name;
  return std::nullopt;
}

void Forget(const QString& native) { Cache().erase(QFileInfo(native).absolutePath()); }

QString GermanError(const QFileDevice& f) {
  switch (f.error()) {
    case QFileDevice::NoError: return QString();
    case QFileDevice::PermissionsError: return u"Zugriff verweigert"_qs;
    case QFileDevice::OpenError: return u"Die Datei konnte nicht geöffnet werden"_qs;
    case QFileDevice::ReadError: return u"Fehler beim Lesen"_qs;
    case QFileDevice::WriteError: return u"Fehler beim Schreiben (ist der Datenträger voll?)"_qs;
    case QFileDevice::ResourceError: return u"Nicht genug Speicherplatz oder Systemmittel"_qs;
    default: return u"Dateifehler: "_qs + f.errorString();
  }
}

}  // namespace

bool IsNetworkPath(std::string_view path) {
  return path.size() >= 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
}

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'a' && path[0] <= 'z') || (path[0] >= 'A' && path[0] <= 'Z'));
}

QString NativePath(std::string_view coursePath) {
  std::string_view rest = coursePath;
  QString native;
  if (HasDrive(rest)) {
    if (UpperChar(rest[0]) != 'C') return QString();  // no such drive here
    rest.remove_prefix(2);
    native = u"/"_qs;
  } else if (IsNetworkPath(rest)) {
    return QString();
  } else if (!rest.empty() && (rest[0] == '\\' || rest[0] == '/')) {
    native = u"/"_qs;
  } else {
    native = QDir::currentPath();
  }
  size_t i = 0;
  while (i <= rest.size()) {
    size_t j = i;
    while (j < rest.size() && rest[j] != '\\' && rest[j] != '/') ++j;
    const std::string_view comp = rest.substr(i, j - i);
    i = j + 1;
    if (comp.empty() || comp == ".") continue;
    if (comp == "..") {
      native = QFileInfo(native).path();
      continue;
    }
    const QString base = native == u"/"_qs ? QString() : native;
    const auto found = FindInDirectory(base.isEmpty() ? u"/"_qs : base, comp);
    native = base + u'/' + (found ? *found : ToUnicode(comp));
  }
  if (native.isEmpty()) native = u"/"_qs;
  return native;
}

std::string CoursePath(const QString& nativePath) {
  const QString abs = QFileInfo(nativePath).isAbsolute() ? nativePath : QDir::current().absoluteFilePath(nativePath);
  std::string out = "C:" + FromUnicode(QDir::cleanPath(abs));
  for (char& c : out)
    if (c == '/') c = '\\';
  if (out == "C:") out = "C:\\";
  if (nativePath.endsWith(u'/') && out.back() != '\\') out.push_back('\\');
  return out;
}

bool FileExists(std::string_view path) {
  const QString n = NativePath(path);
  struct stat st {};
  return !n.isEmpty() && StatPath(n, st) && S_ISREG(st.st_mode);
}

bool DirectoryExists(std::string_view path) {
  const QString n = NativePath(path);
  struct stat st {};
  return !n.isEmpty() && StatPath(n, st) && S_ISDIR(st.st_mode);
}

std::optional<std::string> ReadWholeFile(std::string_view path, std::string* error, size_t maxSize) {
  auto fail = [&](const QString& why) -> std::optional<std::string> {
    if (error) *error = FromUnicode(why);
    return std::nullopt;
  };
  const QString n = NativePath(path);
  struct stat st {};
  if (n.isEmpty() || !StatPath(n, st)) return fail(u"Die Datei wurde nicht gefunden"_qs);
  if (S_ISDIR(st.st_mode)) return fail(u"Ein Verzeichnis ist keine Datei"_qs);
  if (static_cast<unsigned long long>(st.st_size) > maxSize) return fail(u"Die Datei ist zu groß"_qs);
  QFile f(n);
  if (!f.open(QIODevice::ReadOnly)) return fail(GermanError(f));
  const QByteArray data = f.readAll();
  if (f.error() != QFileDevice::NoError) return fail(GermanError(f));
  return std::string(data.constData(), static_cast<size_t>(data.size()));
}

bool WriteWholeFile(std::string_view path, std::string_view data, std::string* error) {
  const QString n = NativePath(path);
  if (n.isEmpty()) {
    if (error) *error = FromUnicode(u"Ungültiger Pfad"_qs);
    return false;
  }
  QSaveFile f(n);
  bool ok = f.open(QIODevice::WriteOnly) &&
            f.write(data.data(), static_cast<qint64>(data.size())) == static_cast<qint64>(data.size());
  if (ok) ok = f.commit();
  else f.cancelWriting();
  if (!ok && error) *error = FromUnicode(GermanError(f).isEmpty() ? u"Fehler beim Schreiben"_qs : GermanError(f));
  Forget(n);
  return ok;
}

bool RemoveFile(std::string_view path) {
  const QString n = NativePath(path);
  const bool ok = !n.isEmpty() && QFile::remove(n);
  Forget(n);
  return ok;
}

bool RenameFile(std::string_view from, std::string_view to) {
  const QString a = NativePath(from), b = NativePath(to);
  if (a.isEmpty() || b.isEmpty()) return false;
  const bool ok = QFile::rename(a, b);
  Forget(a);
  Forget(b);
  return ok;
}

bool MakeDirectories(std::string_view path) {
  const QString n = NativePath(path);
  const bool ok = !n.isEmpty() && QDir().mkpath(n);
  Forget(n);
  return ok;
}

std::vector<TDirEntry> ListDirectory(std::string_view path) {
  std::vector<TDirEntry> out;
  const QString n = NativePath(path);
  if (n.isEmpty()) return out;
  const QFileInfoList infos = QDir(n).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  for (const QFileInfo& fi : infos) out.push_back({FromUnicode(fi.fileName()), fi.isDir()});
  return out;
}

std::string IncludeTrailingBackslash(std::string_view path) {
  std::string out(path);
  if (out.empty() || out.back() != '\\') out.push_back('\\');
  return out;
}

std::string ExcludeTrailingBackslash(std::string_view path) {
  std::string out(path);
  if (!out.empty() && out.back() == '\\') out.pop_back();
  return out;
}

std::string ExtractFilePath(std::string_view path) {
  const size_t p = path.find_last_of("\\:/");
  return p == std::string_view::npos ? std::string() : std::string(path.substr(0, p + 1));
}

std::string ExtractFileName(std::string_view path) {
  const size_t p = path.find_last_of("\\:/");
  return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}

std::string ExtractFileExt(std::string_view path) {
  const size_t p = path.find_last_of(".\\:/");
  if (p == std::string_view::npos || path[p] != '.') return std::string();
  return std::string(path.substr(p));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const std::string old = ExtractFileExt(path);
  return std::string(path.substr(0, path.size() - old.size())) + std::string(ext);
}

void ForgetDirectoryCache() { Cache().clear(); }

}  // namespace vyr
