#pragma once
// Where page text comes from: the page directory and file (XPath, XFile),
// loading a page by name from plain and compressed files and from exercise
// containers, <INCLUDE>, container calls ("EX PICK=n FILE=x WEITER=y"), the
// next task ("ex") and the continue link ("+").
//
// The loader works on one page model (the page control owns both). It never
// lays out or draws: after every page it has read it calls onPageRead, and the
// owner lays the page out, scrolls to the top and draws. A load that fails
// (missing file, unreadable or broken data, broken container) shows one German
// message and leaves the model, XPath and XFile as they were.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "page/sources/ExerciseContainer.h"

namespace vyr {

struct TPageModel;

enum class TPageRead {
  Page,       // a page file was loaded: XPath/XFile changed, history appended
  Empty,      // an empty name: an empty page
  Transient,  // a "$" page: read from the page directory, location and history stay
  Task,       // a task of the exercise container was built
  Text,       // markup handed in by the owner (ReadMarkup)
};

class TPageLoader {
 public:
  // Files included into files included into ... a page, at most this deep.
  static constexpr int kMaxIncludeDepth = 12;

  // Installs the model's include and name-resolving hooks; the model must
  // outlive the loader.
  explicit TPageLoader(TPageModel& model);
  ~TPageLoader();
  TPageLoader(const TPageLoader&) = delete;
  TPageLoader& operator=(const TPageLoader&) = delete;

  TPageModel& model() { return model_; }

  // --- location
  const std::string& XPath() const;
  const std::string& XFile() const;
  // The directory when it exists (with a closing "\"), else the program's directory.
  void SetXPath(std::string_view dir);
  // Loads the page of that name; false when nothing was loaded.
  bool SetXFile(std::string_view name);
  // The full path of the page shown ("" before the first page).
  std::string CurrentPage() const;
  std::string Resolve(std::string_view name) const;
  // The program's own directory (default: where the program file lies).
  const std::string& ProgramDirectory() const { return programDir_; }
  void SetProgramDirectory(std::string_view dir);

  // Reads the source of a page (with a drive: as it is, else below XPath);
  // fresh = a new page, else text read into the page being read. A container
  // read fresh starts a round with the number of tasks written in it.
  bool LoadPageSource(std::string_view name, bool fresh);
  // Resets the page and reads markup the owner made (includes work as in files).
  void ReadMarkup(std::string_view markup);
  // Builds the task shown again, so that its multiple-choice question shows
  // its result: the same task, nothing picked, the answered flag kept.
  // False when the page shown is not a task of the exercise container.
  bool RebuildTask();
  bool TaskShown() const { return taskShown_; }

  // --- exercise containers
  // "EX PICK=n FILE=name WEITER=target" from a link.
  bool ContainerCall(std::string_view target);
  // Builds the next task: the given index when valid, else a random one.
  bool NextTask(int index = -1);
  // "+": loads the continue target of the container as a page.
  bool Continue();
  bool HasContinueTarget() const { return !weiter_.empty(); }
  const std::string& ContinueTarget() const { return weiter_; }
  int Aufgaben() const { return static_cast<int>(exercise_.tasks.size()); }
  int TasksToAsk() const { return toAsk_; }
  int CurrentTask() const { return currentTask_; }
  const TTaskPicker& picker() const { return picker_; }
  void SetRandom(TTaskPicker::Random random) { picker_.SetRandom(std::move(random)); }

  // --- owner hooks
  // A page was appended to the history (full path); the owner skips a path
  // equal to the last entry.
  std::function<void(const std::string& path)> onHistory;
  // The model holds a newly read page.
  std::function<void(TPageRead what)> onPageRead;

 private:
  struct TIncludeScope;
  void Include(const std::string& target);
  bool ReadSource(const std::string& path, bool fresh);
  void ReadFresh(std::string_view text, const std::string& path);
  bool CheckContainer(std::string_view text, const std::string& path, TContainerResult& result);
  void StartRound(TExerciseContainer container, const std::string& path, int pick);
  void BuildTask(int index);
  void ReadTask();
  void AppendHistory(const std::string& path);
  void Notify(TPageRead what);
  std::string SourcePath(std::string_view name) const;

  TPageModel& model_;
  std::string programDir_;

  // includes of the page being read: the page itself first, then the chain
  std::vector<std::string> includeChain_;
  bool includeLoopShown_ = false;

  // the exercise container
  TExerciseContainer exercise_;
  std::string exercisePath_;
  int toAsk_ = 0;
  int currentTask_ = -1;
  std::string weiter_;
  TTaskPicker picker_;
  bool taskShown_ = false;  // the page shown is the current task
};

}  // namespace vyr
