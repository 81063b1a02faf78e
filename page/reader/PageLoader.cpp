#include "page/reader/PageLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "page/model/PageModel.h"
#include "page/reader/PageReader.h"
#include "page/sources/ContainerCall.h"
#include "page/sources/PageName.h"
#include "page/sources/PageSource.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "text/Case.h"

namespace vyr {
namespace {

std::string DefaultProgramDirectory() {
  const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
  return IncludeTrailingBackslash(CoursePath(dir));
}

std::string WithoutStar(std::string s) {
  if (!s.empty() && s.front() == '*') s.erase(0, 1);
  return s;
}

// Two names of one file compare equal (letter case, "..\", links).
std::string FileKey(const std::string& path) {
  const QString real = QFileInfo(NativePath(path)).canonicalFilePath();
  return real.isEmpty() ? UpperCase(path) : real.toStdString();
}

void NotFound(const std::string& path) {
  ShowCourseMessage("Die Datei \"" + path + "\" wurde nicht gefunden!", msg::IconError);
}

}  // namespace

// The page being read and the files it includes, innermost last.
struct TPageLoader::TIncludeScope {
  TPageLoader& loader;
  TIncludeScope(TPageLoader& l, const std::string& path) : loader(l) {
    if (loader.includeChain_.empty()) loader.includeLoopShown_ = false;
    loader.includeChain_.push_back(path.empty() ? std::string() : FileKey(path));
  }
  ~TIncludeScope() { loader.includeChain_.pop_back(); }
};

TPageLoader::TPageLoader(TPageModel& model) : model_(model), programDir_(DefaultProgramDirectory()) {
  model_.onInclude = [this](const std::string& target) { Include(target); };
  model_.onResolve = [this](const std::string& name) { return Resolve(name); };
}

TPageLoader::~TPageLoader() {
  model_.onInclude = nullptr;
  model_.onResolve = nullptr;
}

const std::string& TPageLoader::XPath() const { return model_.XPath; }
const std::string& TPageLoader::XFile() const { return model_.XFile; }

void TPageLoader::SetXPath(std::string_view dir) {
  model_.XPath = !dir.empty() && DirectoryExists(dir) ? IncludeTrailingBackslash(dir) : programDir_;
}

void TPageLoader::SetProgramDirectory(std::string_view dir) { programDir_ = IncludeTrailingBackslash(dir); }

std::string TPageLoader::CurrentPage() const {
  return model_.XFile.empty() ? std::string() : model_.XPath + model_.XFile;
}

std::string TPageLoader::Resolve(std::string_view name) const { return ResolvePageName(name, model_.XPath); }

std::string TPageLoader::SourcePath(std::string_view name) const {
  return HasDrive(name) || IsNetworkPath(name) ? std::string(name) : model_.XPath + std::string(name);
}

void TPageLoader::Notify(TPageRead what) {
  if (onPageRead) onPageRead(what);
}

void TPageLoader::AppendHistory(const std::string& path) {
  if (!path.empty() && onHistory) onHistory(path);
}

// A new page: its multiple-choice question is asked anew.
void TPageLoader::ReadFresh(std::string_view text, const std::string& path) {
  model_.Multiple.Answered = false;
  taskShown_ = false;
  TIncludeScope scope(*this, path);
  ReadPage(model_, text);
}

bool TPageLoader::RebuildTask() {
  if (!taskShown_) return false;
  ReadTask();
  Notify(TPageRead::Task);
  return true;
}

bool TPageLoader::SetXFile(std::string_view name) {
  if (name.empty()) {
    model_.XFile.clear();
    ReadFresh(std::string_view("\r\0", 2), std::string());
    Notify(TPageRead::Empty);
    return true;
  }
  // "$name": a page of the page directory shown without becoming the current
  // file (location and history stay).
  const std::string_view plain = name.substr(0, name.find('@'));
  if (!plain.empty() && plain.front() == '$') {
    if (!LoadPageSource(plain, true)) return false;
    Notify(TPageRead::Transient);
    return true;
  }
  std::string path = WithoutStar(Resolve(name));
  if (path.size() > 1 && !IsNetworkPath(path) && !HasDrive(path)) path = programDir_ + path;
  if (!FileExists(path)) {
    NotFound(path);
    return false;
  }
  // Everything that can fail happens before the page or its location change.
  std::optional<std::string> text = vyr::LoadPageSource(path);
  if (!text) return false;
  const bool isContainer = IsContainerName(path);
  TContainerResult container;
  if (isContainer && !CheckContainer(*text, path, container)) return false;
  model_.XPath = ExtractFilePath(path);
  model_.XFile = ExtractFileName(path);
  if (isContainer) {
    StartRound(std::move(container.container), path, -1);
  } else {
    ReadFresh(*text, path);
  }
  AppendHistory(path);
  Notify(TPageRead::Page);
  return true;
}

bool TPageLoader::LoadPageSource(std::string_view name, bool fresh) { return ReadSource(SourcePath(name), fresh); }

bool TPageLoader::ReadSource(const std::string& path, bool fresh) {
  if (!fresh && IsContainerName(path)) {
    ShowCourseMessage("Eine Aufgabendatei kann nicht mit INCLUDE in eine Seite eingebunden werden: " + path,
                      msg::IconInformation);
    return false;
  }
  std::optional<std::string> text = vyr::LoadPageSource(path);
  if (!text) return false;
  if (IsContainerName(path)) {
    TContainerResult container;
    if (!CheckContainer(*text, path, container)) return false;
    StartRound(std::move(container.container), path, -1);
    return true;
  }
  if (fresh) {
    ReadFresh(*text, path);
  } else {
    TIncludeScope scope(*this, path);
    ReadIncludedText(model_, *text);
  }
  return true;
}

void TPageLoader::ReadMarkup(std::string_view markup) {
  std::string text(markup);
  TerminatePageText(text);
  ReadFresh(text, std::string());
  Notify(TPageRead::Text);
}

void TPageLoader::Include(const std::string& target) {
  const std::string path = WithoutStar(Resolve(target));
  if (path.empty() || !FileExists(path)) {
    ShowCourseMessage("INCLUDE-Datei wurde nicht gefunden " + path + "!!!", msg::IconError);
    return;
  }
  const std::string key = FileKey(path);
  const bool loop = std::find(includeChain_.begin(), includeChain_.end(), key) != includeChain_.end();
  const bool tooDeep = includeChain_.size() > static_cast<size_t>(kMaxIncludeDepth);
  if (loop || tooDeep) {
    if (!includeLoopShown_) {
      includeLoopShown_ = true;
      ShowCourseMessage(
          loop ? "Die Datei " + path + " bindet sich über INCLUDE selbst ein; sie wird nicht noch einmal gelesen."
               : "Zu viele ineinander eingebundene INCLUDE-Dateien (mehr als " + std::to_string(kMaxIncludeDepth) +
                     "); " + path + " wird nicht mehr gelesen.",
          msg::IconWarning);
    }
    return;
  }
  ReadSource(path, false);
}

bool TPageLoader::CheckContainer(std::string_view text, const std::string& path, TContainerResult& result) {
  result = ParseExerciseContainer(text);
  if (result.status == TContainerStatus::Ok) return true;
  ShowCourseMessage(ContainerMessage(result, path),
                    result.status == TContainerStatus::NoTasks ? msg::IconInformation : msg::IconWarning);
  return false;
}

void TPageLoader::StartRound(TExerciseContainer container, const std::string& path, int pick) {
  exercise_ = std::move(container);
  exercisePath_ = path;
  // A round asks the tasks the call names, else the number written in the file.
  toAsk_ = pick > 0 ? pick : exercise_.count;
  picker_.ClearRecent();
  BuildTask(-1);
}

// Picks a task (the given index when valid) and builds its page.
void TPageLoader::BuildTask(int index) {
  model_.Multiple.Answered = false;
  toAsk_ = std::max(0, toAsk_ - 1);
  currentTask_ = picker_.Pick(static_cast<int>(exercise_.tasks.size()), index);
  ReadTask();
}

// The page of the current task: header, task and footer read as one page.
void TPageLoader::ReadTask() {
  if (currentTask_ < 0 || static_cast<size_t>(currentTask_) >= exercise_.tasks.size()) return;
  taskShown_ = true;
  std::string text = exercise_.header;
  text += "\r\n";
  text += exercise_.tasks[static_cast<size_t>(currentTask_)];
  text += "\r\n";
  text += exercise_.footer;
  TerminatePageText(text);

  struct Building {
    bool& flag;
    explicit Building(bool& f) : flag(f) { flag = true; }
    ~Building() { flag = false; }
  } building(model_.BuildingExercisePage);
  TIncludeScope scope(*this, exercisePath_);
  ResetPage(model_);
  model_.Aliases.Set("#next", toAsk_ > 0 ? "ex" : "");
  ReadIncludedText(model_, text);
}

bool TPageLoader::NextTask(int index) {
  if (exercise_.tasks.empty()) {
    ShowCourseMessage("Keine Aufgaben vorhanden!", msg::IconInformation);
    return false;
  }
  BuildTask(index);
  Notify(TPageRead::Task);
  return true;
}

bool TPageLoader::ContainerCall(std::string_view target) {
  const TContainerCall call = ParseContainerCall(target);
  if (!call.hasEx) ShowCourseMessage("EX nicht gefunden", msg::IconInformation);
  if (!call.hasFile) ShowCourseMessage("FILE= nicht gefunden", msg::IconInformation);
  // "#name" takes the calling page's alias; one the page lacks is looked up
  // again on the exercise page when "+" is followed.
  std::string weiter = call.weiter;
  if (!weiter.empty() && weiter.front() == '#')
    if (const std::string* text = model_.Aliases.Find(weiter)) weiter = *text;
  AppendHistory(CurrentPage());
  if (!call.hasFile || !IsContainerName(call.file)) return false;
  const std::string path = WithoutStar(Resolve(call.file));
  if (!FileExists(path)) {
    NotFound(path);
    return false;
  }
  std::optional<std::string> text = vyr::LoadPageSource(path);
  TContainerResult container;
  if (!text || !CheckContainer(*text, path, container)) return false;
  StartRound(std::move(container.container), path, call.pick);
  weiter_ = std::move(weiter);
  Notify(TPageRead::Task);
  return true;
}

bool TPageLoader::Continue() {
  if (weiter_.empty()) return false;
  std::string target = weiter_;
  if (target.front() == '#')
    if (const std::string* text = model_.Aliases.Find(target)) target = *text;
  if (target.empty() || target.front() == '#') return false;
  return SetXFile(target);
}

}  // namespace vyr
