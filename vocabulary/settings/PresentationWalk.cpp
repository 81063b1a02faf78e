#include "vocabulary/settings/PresentationWalk.h"

#include <algorithm>

#include "platform/core/Random.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/settings/EnoughActive.h"
#include "vocabulary/settings/VocEinstellungen.h"

namespace vyr {
namespace {

// Draws that find only recent picks before the walk takes the first free
// entry of the index instead of drawing on.
constexpr int kMaxDraws = 64;

}  // namespace

TPresentationWalk::TPresentationWalk(TVocEinstellungen& settings) : settings_(settings) {}

void TPresentationWalk::StartWalk() {
  const int count = settings_.Library().EntryCount(false);
  switch (settings_.Richtung()) {
    case 0: cursor_ = -1; break;
    case 1: cursor_ = count; break;
    default:
      recent_.clear();
      indexGeneration_ = ~uint64_t(0);
      RefreshIndex();
      break;
  }
}

void TPresentationWalk::RefreshIndex() {
  const TBibliothek& library = settings_.Library();
  const size_t size = library.Entries().size();
  const void* data = library.Entries().data();
  if (indexGeneration_ == settings_.Generation() && indexLibrarySize_ == size && indexLibraryData_ == data) return;
  index_ = settings_.ActiveIndex();
  indexGeneration_ = settings_.Generation();
  indexLibrarySize_ = size;
  indexLibraryData_ = data;
  isRecent_.assign(size, 0);
  // Picks that are no longer active are forgotten.
  std::deque<int> kept;
  for (const int e : recent_)
    if (settings_.IsActive(e)) kept.push_back(e);
  recent_ = std::move(kept);
  for (const int e : recent_) isRecent_[size_t(e)] = 1;
}

int TPresentationWalk::NextRandom() {
  RefreshIndex();
  if (index_.empty()) return -1;
  const size_t limit = std::min<size_t>(20, index_.size());
  while (!recent_.empty() && recent_.size() >= limit) {
    isRecent_[size_t(recent_.front())] = 0;
    recent_.pop_front();
  }
  int pick = -1;
  for (int draw = 0; draw < kMaxDraws && pick < 0; ++draw) {
    const int e = index_[size_t(RandomInt(static_cast<int>(index_.size())))];
    if (!isRecent_[size_t(e)]) pick = e;
  }
  if (pick < 0) {
    for (const int e : index_) {
      if (!isRecent_[size_t(e)]) {
        pick = e;
        break;
      }
    }
  }
  recent_.push_back(pick);
  isRecent_[size_t(pick)] = 1;
  if (recent_.size() >= limit) {
    isRecent_[size_t(recent_.front())] = 0;
    recent_.pop_front();
  }
  return pick;
}

int TPresentationWalk::NextWalkEntry() {
  const int richtung = settings_.Richtung();
  if (richtung == 2) return NextRandom();
  const int count = settings_.Library().EntryCount(false);
  for (int step = 0; step < count; ++step) {
    if (richtung == 0) {
      ++cursor_;
      if (cursor_ >= count || cursor_ < 0) cursor_ = 0;
    } else {
      --cursor_;
      if (cursor_ < 0 || cursor_ >= count) cursor_ = count - 1;
    }
    if (settings_.IsActive(cursor_)) return cursor_;
  }
  return -1;
}

std::string TPresentationWalk::WalkSound(int index, bool meaningSide) const {
  const TTrainerContext& c = settings_.Context();
  if (!c.speechOn || !c.speechOn() || !c.findRecording) return {};
  if (index < 0 || index >= settings_.Library().EntryCount(false)) return {};
  const TVokabel& e = settings_.Library().Entry(index);
  if (!meaningSide && !e.Deutsch) return c.findRecording(e.Vokabel);
  if (meaningSide && e.Deutsch) return c.findRecording(e.Bedeutung[0]);
  return {};
}

TWalkPair TPresentationWalk::NextPair() {
  TWalkPair p;
  p.index = NextWalkEntry();
  if (p.index < 0) return p;
  const TVokabel& e = settings_.Library().Entry(p.index);
  p.word = e.Vokabel;
  p.meaning = e.Bedeutung[0];
  p.sound = WalkSound(p.index, false);
  return p;
}

TWalkHalf TPresentationWalk::NextHalf() {
  bool& flag = settings_.Context().halfFlag ? *settings_.Context().halfFlag : ownHalfFlag_;
  TWalkHalf h;
  if (!flag) {
    current_ = NextWalkEntry();
    h.index = current_;
    if (current_ >= 0) {
      const TVokabel& e = settings_.Library().Entry(current_);
      h.text = VerbPrefix(e) + e.Vokabel;
      h.sound = WalkSound(current_, false);
    }
  } else {
    h.index = current_;
    if (current_ >= 0 && current_ < settings_.Library().EntryCount(false)) {
      h.text = settings_.Library().Entry(current_).Bedeutung[0];
      h.sound = WalkSound(current_, true);
    }
  }
  flag = !flag;
  return h;
}

}  // namespace vyr
