#pragma once
// The presentation walk: a cursor over the active entries of the learner's
// library, forward, backward or in random order, as the superlearning
// presentations and the games take them. It never hangs: with no active
// entry it answers none (-1), a library that shrank under the cursor wraps
// the cursor, and random order draws from an index of the active entries.
#include <deque>
#include <string>
#include <vector>

namespace vyr {

class TVocEinstellungen;

struct TWalkPair {
  int index = -1;  // -1: no active entry
  std::string word, meaning, sound;
};
struct TWalkHalf {
  int index = -1;
  std::string text, sound;
};

class TPresentationWalk {
 public:
  explicit TPresentationWalk(TVocEinstellungen& settings);

  void StartWalk();
  // The next active entry, or -1 when none is active.
  int NextWalkEntry();
  // The recording of one side of an entry, empty unless speech is on: the
  // word side of an English-first entry, the meaning side of a German-first one.
  std::string WalkSound(int index, bool meaningSide) const;
  TWalkPair NextPair();
  // Word and meaning in turn, on the flag of the presentation options.
  TWalkHalf NextHalf();

  int Cursor() const { return cursor_; }
  // The recent picks of random order (oldest first).
  const std::deque<int>& Recent() const { return recent_; }

 private:
  int NextRandom();
  void RefreshIndex();

  TVocEinstellungen& settings_;
  int cursor_ = -1;
  int current_ = -1;  // the entry of the last word half
  bool ownHalfFlag_ = false;
  std::deque<int> recent_;
  std::vector<int> index_;      // the active entries
  std::vector<char> isRecent_;  // by entry index
  uint64_t indexGeneration_ = ~uint64_t(0);
  size_t indexLibrarySize_ = 0;
  const void* indexLibraryData_ = nullptr;
};

}  // namespace vyr
