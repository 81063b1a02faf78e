#pragma once
// Sentence building, without drawing: the parts of each sentence stand in a
// row and are put in order by dragging one onto the place of another; a part
// dragged near another's edge takes its place. Once the parts read the
// written sentence the task is solved. The page control draws the parts,
// moves the dragged one and asks this class where it fits.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

#include "page/model/PageModel.h"

namespace vyr {

struct TSentencePart {
  QRect Rect;
  QPoint TextOffset;  // of the text inside the picture
  std::string Text;
  QImage Picture;
};

struct TSentenceTask {
  QRect Rect;
  std::string Correct;               // the parts in written order, joined by blanks
  std::vector<std::string> Written;  // the parts' texts in written order
  std::vector<TSentencePart> Parts;  // in their present order
  bool Dealt = false;                // shuffled once; later drawings keep the order
};

class TSentenceExercise {
 public:
  static constexpr int kPartGap = 3;  // pixels between two parts
  static constexpr int kSnap = 4;     // how near a part's edge snaps

  void Clear() { tasks_.clear(); }
  // The page's sentences; a sentence without parts or without room is left out.
  void Create(const TPageModel& model);
  // The parts left to right from the task's left edge, as wide as their pictures.
  static void LayoutParts(TSentenceTask& task);
  // Whether the parts read the written sentence.
  static bool InOrder(const TSentenceTask& task);
  // The parts put in their written order at once.
  static void Order(TSentenceTask& task);
  // The parts shuffled for the learner (random(n) is 0 <= r < n), dealt
  // again while they read the sentence, unless no other order exists (all
  // parts alike): a sentence dealt solved could not be built.
  static void Deal(TSentenceTask& task, const std::function<int(int)>& random);

  struct TPartRef {
    int Task = -1, Part = -1;
  };
  // The part at a point (page coordinates); Task -1 when none is there.
  TPartRef PartAt(QPoint at) const;
  // The part a dragged part of width `width` whose left edge is at x fits
  // onto (the pointer at height y), or -1.
  static int FitAt(const TSentenceTask& task, int dragged, int x, int y, int width);
  // Where the dragged part's top-left goes when it fits onto part `fitted`.
  static QPoint FitPosition(const TSentenceTask& task, int dragged, int fitted, int width);

  std::vector<TSentenceTask>& Tasks() { return tasks_; }
  const std::vector<TSentenceTask>& Tasks() const { return tasks_; }

 private:
  std::vector<TSentenceTask> tasks_;
};

}  // namespace vyr
