#include "page/exercises/SentenceExercise.h"

#include <algorithm>

namespace vyr {
namespace {

std::string Joined(const std::vector<TSentencePart>& parts) {
  std::string out;
  for (const auto& p : parts) out += (out.empty() ? "" : " ") + p.Text;
  return out;
}

}  // namespace

void TSentenceExercise::Create(const TPageModel& model) {
  for (const tSatzteilListe& s : model.Satzbau) {
    TSentenceTask task;
    task.Rect = ToQRect(s.Rect);
    // an empty part ("a // b") would be an empty block that belongs nowhere
    for (const std::string& p : s.Parts) {
      if (p.empty()) continue;
      task.Written.push_back(p);
      task.Parts.push_back({QRect(), QPoint(), p, QImage()});
    }
    task.Correct = Joined(task.Parts);
    if (task.Parts.empty() || task.Rect.width() <= 0 || task.Rect.height() <= 0) continue;
    tasks_.push_back(std::move(task));
  }
}

void TSentenceExercise::LayoutParts(TSentenceTask& task) {
  int x = task.Rect.left();
  for (TSentencePart& p : task.Parts) {
    p.Rect = QRect(x, task.Rect.top(), p.Picture.width(), task.Rect.height());
    x += p.Picture.width() + kPartGap;
  }
}

bool TSentenceExercise::InOrder(const TSentenceTask& task) { return Joined(task.Parts) == task.Correct; }

void TSentenceExercise::Order(TSentenceTask& task) {
  for (size_t i = 0; i < task.Written.size(); ++i) {
    const auto it = std::find_if(task.Parts.begin() + static_cast<std::ptrdiff_t>(i), task.Parts.end(),
                                 [&](const TSentencePart& p) { return p.Text == task.Written[i]; });
    if (it != task.Parts.end()) std::iter_swap(task.Parts.begin() + static_cast<std::ptrdiff_t>(i), it);
  }
}

void TSentenceExercise::Deal(TSentenceTask& task, const std::function<int(int)>& random) {
  const int n = static_cast<int>(task.Parts.size());
  const auto other = std::find_if(task.Parts.begin(), task.Parts.end(),
                                  [&](const TSentencePart& p) { return p.Text != task.Parts.front().Text; });
  if (other == task.Parts.end()) return;  // one part, or all alike: no other order
  constexpr int kDeals = 20;
  for (int deal = 0; deal < kDeals; ++deal) {
    for (int j = 0; j < n; ++j) {
      const int r = random(n);
      if (r != j && r >= 0 && r < n) std::swap(task.Parts[static_cast<size_t>(j)], task.Parts[static_cast<size_t>(r)]);
    }
    if (!InOrder(task)) return;
  }
  // A generator that keeps dealing the same order: two unlike parts change places.
  const auto unlike = std::find_if(task.Parts.begin(), task.Parts.end(),
                                   [&](const TSentencePart& p) { return p.Text != task.Parts.front().Text; });
  std::iter_swap(task.Parts.begin(), unlike);
}

TSentenceExercise::TPartRef TSentenceExercise::PartAt(QPoint at) const {
  for (size_t t = 0; t < tasks_.size(); ++t)
    for (size_t i = 0; i < tasks_[t].Parts.size(); ++i)
      if (tasks_[t].Parts[i].Rect.contains(at)) return {static_cast<int>(t), static_cast<int>(i)};
  return {};
}

// A part to the right of the dragged one is taken when the dragged part's
// left edge comes near enough to that part's right end; one to its left (or
// itself) when the edge comes near that part's left edge.
int TSentenceExercise::FitAt(const TSentenceTask& task, int dragged, int x, int y, int width) {
  if (y < task.Rect.top() || y > task.Rect.bottom() + 1) return -1;
  for (size_t j = 0; j < task.Parts.size(); ++j) {
    const QRect& d = task.Parts[j].Rect;
    const int h = std::min(width, d.width());
    const int right = d.right() + 1;
    if (static_cast<int>(j) > dragged) {
      if (right - h - kSnap <= x && x <= right + kSnap) return static_cast<int>(j);
    } else if (d.left() - kSnap <= x && x <= d.left() + h + kSnap) {
      return static_cast<int>(j);
    }
  }
  return -1;
}

QPoint TSentenceExercise::FitPosition(const TSentenceTask& task, int dragged, int fitted, int width) {
  const QRect& d = task.Parts[static_cast<size_t>(fitted)].Rect;
  if (fitted > dragged) return QPoint(d.right() + 1 - std::min(width, d.width()), d.top());
  return d.topLeft();
}

}  // namespace vyr
