#include "page/sources/ExerciseContainer.h"

#include <algorithm>

#include "platform/core/Random.h"
#include "text/Case.h"
#include "text/Trim.h"

namespace vyr {
namespace {

// The two digits after the mark; a single digit may follow a blank (" 3").
int ReadCount(std::string_view digits) {
  if (digits.size() < 2) return -1;
  if (digits[0] == ' ') digits.remove_prefix(1);
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

TContainerResult ParseExerciseContainer(std::string_view text) {
  TContainerResult result;
  if (text.substr(0, 4) != "VYR!") {
    result.status = TContainerStatus::BadMark;
    return result;
  }
  const int count = ReadCount(text.substr(4, 2));
  if (count <= 0) {
    result.status = TContainerStatus::BadCount;
    return result;
  }
  TExerciseContainer& c = result.container;
  c.count = count;
  const std::string_view body = text.substr(6);
  size_t ex = FindText(body, "<EX>", 0);
  if (ex == std::string_view::npos) {
    result.status = TContainerStatus::NoTasks;
    return result;
  }
  c.header = Trim(body.substr(0, ex));
  for (;;) {
    const size_t start = ex + 4;
    const size_t next = FindText(body, "<EX>", start);
    if (next == std::string_view::npos) {
      const size_t end = FindText(body, "</EX>", start);
      if (end == std::string_view::npos) {
        c.tasks.push_back(Trim(body.substr(start)));
      } else {
        c.tasks.push_back(Trim(body.substr(start, end - start)));
        c.footer = std::string(body.substr(end + 5));
      }
      break;
    }
    c.tasks.push_back(Trim(body.substr(start, next - start)));
    ex = next;
  }
  if (static_cast<size_t>(c.count) > c.tasks.size()) result.status = TContainerStatus::CountTooLarge;
  return result;
}

std::string ContainerMessage(const TContainerResult& result, std::string_view path) {
  const std::string file(path);
  switch (result.status) {
    case TContainerStatus::Ok: return std::string();
    case TContainerStatus::BadMark: return "Falsches Format (ID)";
    case TContainerStatus::BadCount:
      return "Falsches Format (Anzahl): Am Anfang von " + file +
             " fehlt die zweistellige Zahl der Aufgaben, die gestellt werden sollen.";
    case TContainerStatus::NoTasks: return "Keine Aufgaben vorhanden!";
    case TContainerStatus::CountTooLarge:
      return "Falsches Format (Anzahl): " + file + " soll " + std::to_string(result.container.count) +
             " Aufgaben stellen, enthält aber nur " + std::to_string(result.container.tasks.size()) + ".";
  }
  return std::string();
}

TTaskPicker::TTaskPicker(Random random) { SetRandom(std::move(random)); }

void TTaskPicker::SetRandom(Random random) {
  random_ = random ? std::move(random) : Random([](int range) { return RandomInt(range); });
}

bool TTaskPicker::IsRecent(int index) const {
  return std::find(recent_.begin(), recent_.end(), index) != recent_.end();
}

void TTaskPicker::Remember(int index) {
  recent_.push_back(index);
  while (recent_.size() > kRecentMax) recent_.pop_front();
}

int TTaskPicker::Pick(int count, int wanted) {
  if (count <= 0) return -1;
  int index = wanted;
  if (index < 0 || index >= count) {
    std::vector<int> free;
    auto collect = [&] {
      free.clear();
      for (int i = 0; i < count; ++i)
        if (!IsRecent(i)) free.push_back(i);
    };
    collect();
    if (free.empty() && !recent_.empty()) {
      const int last = recent_.back();
      recent_.assign(1, last);
      collect();
    }
    if (free.empty()) {
      index = 0;
    } else {
      const int r = random_(static_cast<int>(free.size()));
      index = free[static_cast<size_t>(std::clamp(r, 0, static_cast<int>(free.size()) - 1))];
    }
  }
  Remember(index);
  return index;
}

}  // namespace vyr
