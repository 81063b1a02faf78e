#pragma once
// Exercise containers (".vyr"): several exercise pages in one plain file,
// from which tasks are asked at random.
//
//   "VYR!"          the file's mark
//   two digits      how many tasks one round asks ("03")
//   header markup   then for each task "<EX>" and its markup, the last one
//                   ending with "</EX>", then footer markup
//
// Every page of a round is header + task + footer.
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

struct TExerciseContainer {
  std::string header;
  std::vector<std::string> tasks;
  std::string footer;
  int count = 0;  // the number of tasks to ask written in the file
};

enum class TContainerStatus {
  Ok,
  BadMark,        // does not begin with "VYR!"
  BadCount,       // no two-digit count, or a count of 0
  NoTasks,        // no "<EX>" in the file
  CountTooLarge,  // asks more tasks than the file holds
};

struct TContainerResult {
  TContainerStatus status = TContainerStatus::Ok;
  TExerciseContainer container;
};

// Reads a container's text. Only an Ok result carries a container.
TContainerResult ParseExerciseContainer(std::string_view text);
// The German message for a result that is not Ok ("Falsches Format (ID)", ...).
std::string ContainerMessage(const TContainerResult& result, std::string_view path);

// Picks the tasks of a round: a given valid index, or else a random task that
// is not among the latest 20 asked. When every task was asked recently (a
// round longer than a small container), the list is started afresh with only
// the task asked last, so a task is never asked twice in a row while there is
// another one.
class TTaskPicker {
 public:
  static constexpr size_t kRecentMax = 20;
  // random(n) gives 0 <= r < n; the program's generator by default.
  using Random = std::function<int(int range)>;

  explicit TTaskPicker(Random random = {});
  void SetRandom(Random random);

  // -1 when count <= 0.
  int Pick(int count, int wanted = -1);
  void ClearRecent() { recent_.clear(); }
  const std::deque<int>& recent() const { return recent_; }

 private:
  bool IsRecent(int index) const;
  void Remember(int index);

  Random random_;
  std::deque<int> recent_;
};

}  // namespace vyr
