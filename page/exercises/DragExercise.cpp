#include "page/exercises/DragExercise.h"

#include <algorithm>

namespace vyr {

void TDragExercise::Clear() {
  blocks_.clear();
  places_.clear();
  extraBlocksAdded_ = false;
  dealt_ = false;
}

void TDragExercise::Place(const std::vector<TDragPlace>& laidOut, const TPageModel& model) {
  std::vector<TDragPlaceState> places;
  for (const TDragPlace& p : laidOut) {
    if (p.Element < 0 || static_cast<size_t>(p.Element) >= model.Elements.size()) continue;
    places.push_back({ToQRect(p.Rect), p.Text, p.Element, true});
  }
  // A place closed by its block stays closed (its word is plain text now).
  for (const TDragPlaceState& old : places_)
    if (!old.Open) places.push_back(old);
  places_ = std::move(places);
  for (const TDragPlaceState& p : places_) {
    if (!p.Open) continue;
    const bool exists = std::any_of(blocks_.begin(), blocks_.end(),
                                    [&](const TDragBlock& b) { return b.Key == p.Element && b.Text == p.Text; });
    if (!exists) blocks_.push_back({QRect(), p.Text, QImage(), QImage(), p.Element});
  }
  if (!extraBlocksAdded_) {
    extraBlocksAdded_ = true;
    for (const std::string& t : model.DragAufgaben.Falsch) blocks_.push_back({QRect(), t, QImage(), QImage(), -1});
  }
}

void TDragExercise::ArrangeTray(int pageWidth, int blockHeight, const TPageModel& model,
                                const std::function<int(int)>& random) {
  if (dealt_) return;
  dealt_ = true;
  const int n = static_cast<int>(blocks_.size());
  for (int i = 0; i < n; ++i) {
    const int r = random(n);
    if (r != i) std::swap(blocks_[static_cast<size_t>(i)], blocks_[static_cast<size_t>(r)]);
  }
  const tDragAufgabenListe& d = model.DragAufgaben;
  const int perRow = std::max(1, d.PerRow);
  const int blockWidth = std::max(1, d.BlockWidth);
  const int left = d.TrayLeft != -1 ? d.TrayLeft : (pageWidth - perRow * (blockWidth + 20) + 20) / 2;
  const int right = d.TrayRight != -1 ? d.TrayRight : pageWidth - left;
  for (int i = 0; i < n; ++i) {
    const int x = perRow == 1 ? left : left + ((right - left - blockWidth) / (perRow - 1)) * (i % perRow);
    const int y = model.Settings.TrayTop + 30 * (i / perRow);
    blocks_[static_cast<size_t>(i)].Rect = QRect(x, y, blockWidth, blockHeight);
  }
}

int TDragExercise::BlockAt(QPoint at) const {
  for (size_t i = 0; i < blocks_.size(); ++i)
    if (!blocks_[i].Rect.isNull() && blocks_[i].Rect.contains(at)) return static_cast<int>(i);
  return -1;
}

QPoint TDragExercise::Snap(QPoint at, QPoint grab) const {
  for (const TDragPlaceState& p : places_) {
    if (!p.Open) continue;
    if (at.x() >= p.Rect.left() - kSnapDistance && at.x() <= p.Rect.right() + 1 + kSnapDistance &&
        at.y() >= p.Rect.top() - kSnapDistance && at.y() <= p.Rect.bottom() + 1 + kSnapDistance)
      return p.Rect.topLeft() + grab;
  }
  return at;
}

int TDragExercise::PlaceFor(size_t block, QPoint topLeft) const {
  if (block >= blocks_.size()) return -1;
  const auto place = std::find_if(places_.begin(), places_.end(),
                                  [&](const TDragPlaceState& p) { return p.Rect.topLeft() == topLeft; });
  if (place == places_.end() || !place->Open || place->Text != blocks_[block].Text) return -1;
  return static_cast<int>(place - places_.begin());
}

int TDragExercise::BlockFor(size_t place) const {
  if (place >= places_.size() || !places_[place].Open) return -1;
  const std::string& word = places_[place].Text;
  const auto b = std::find_if(blocks_.begin(), blocks_.end(), [&](const TDragBlock& x) { return x.Text == word; });
  return b == blocks_.end() ? -1 : static_cast<int>(b - blocks_.begin());
}

void TDragExercise::Fill(size_t place, size_t block) {
  if (place < places_.size()) {
    places_[place].Open = false;
    places_[place].Text.clear();
  }
  if (block < blocks_.size()) blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
}

bool TDragExercise::AllPlaced() const {
  return std::none_of(places_.begin(), places_.end(), [](const TDragPlaceState& p) { return p.Open; });
}

}  // namespace vyr
