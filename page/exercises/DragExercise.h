#pragma once
// The drag exercise of a page, without drawing: the places in the text that
// wait for a word, the blocks in the tray (one per place, plus the extra
// wrong words), how the tray is laid out, where a dragged block snaps and
// which place a dropped block fills. The page control draws and moves the
// blocks and asks this class what they do.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"

namespace vyr {

struct TDragBlock {
  QRect Rect;  // in the tray (page coordinates)
  std::string Text;
  QImage Face;       // the block as drawn
  QImage Under;      // the tray as it was under the block
  int32_t Key = -1;  // the element of the place it was made for; -1 = an extra block
};

struct TDragPlaceState {
  QRect Rect;
  std::string Text;
  int32_t Element = -1;
  bool Open = true;
};

class TDragExercise {
 public:
  // A block dragged this close to an open place jumps onto it.
  static constexpr int kSnapDistance = 8;

  // A new page: no places, no blocks.
  void Clear();
  // After every layout: the open places from the drag words, a block for
  // each (laying out again adds none twice), and the extra blocks once.
  void Place(const std::vector<TDragPlace>& laidOut, const TPageModel& model);
  // The blocks shuffled (random(n) is 0 <= r < n) and given their rectangles
  // in the tray of a page pageWidth wide: once for a page, so that a later
  // drawing finds every block where the learner left it.
  void ArrangeTray(int pageWidth, int blockHeight, const TPageModel& model, const std::function<int(int)>& random);
  // The element whose format the blocks are written in; -1 without places.
  int32_t FontElement() const { return places_.empty() ? -1 : places_.front().Element; }

  // The block in the tray at a point (page coordinates), or -1.
  int BlockAt(QPoint at) const;
  // Where the pointer goes for a block held at grab: onto the first open
  // place within the snap distance, otherwise where it is.
  QPoint Snap(QPoint pointer, QPoint grab) const;
  // The open place with the block's word whose top-left is at topLeft, or -1.
  int PlaceFor(size_t block, QPoint topLeft) const;
  // The first block with the word of an open place, or -1.
  int BlockFor(size_t place) const;
  // The place gets its word: it closes, and the block leaves the tray.
  void Fill(size_t place, size_t block);
  bool AllPlaced() const;

  std::vector<TDragBlock>& Blocks() { return blocks_; }
  const std::vector<TDragBlock>& Blocks() const { return blocks_; }
  const std::vector<TDragPlaceState>& Places() const { return places_; }

 private:
  std::vector<TDragBlock> blocks_;
  std::vector<TDragPlaceState> places_;
  bool extraBlocksAdded_ = false;
  bool dealt_ = false;  // the tray is laid out
};

}  // namespace vyr
