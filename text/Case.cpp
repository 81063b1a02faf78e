#include "text/Case.h"

#include <array>

namespace vyr {
namespace {

constexpr unsigned char U(char c) { return static_cast<unsigned char>(c); }

struct CaseTables {
  std::array<unsigned char, 256> upper{}, lower{};
  constexpr CaseTables() {
    for (int i = 0; i < 256; ++i) upper[i] = lower[i] = static_cast<unsigned char>(i);
    auto pair = [this](int up, int low) {
      upper[low] = static_cast<unsigned char>(up);
      lower[up] = static_cast<unsigned char>(low);
    };
    for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
      if (c != 0xD7) pair(c, c + 32);  // "×" and "÷" are no letters
    pair(0x8A, 0x9A);                  // Š š
    pair(0x8C, 0x9C);                  // Œ œ
    pair(0x8E, 0x9E);                  // Ž ž
    pair(0x9F, 0xFF);                  // Ÿ ÿ
  }
};
constexpr CaseTables kCase;

// Collation: a primary weight (the base letter, letters after every other
// character), an accent weight and a case weight per unit; some letters
// expand to two units ("ß" = "ss", "æ" = "ae", "œ" = "oe", "þ" = "th").
struct Unit {
  unsigned short primary = 0;
  unsigned char accent = 0;
  unsigned char upper = 0;
};

struct CollationEntry {
  char base1 = 0, base2 = 0;  // base letters, lower case; 0 = no letter
  unsigned char accent = 0;
};

struct CollationTable {
  std::array<CollationEntry, 256> e{};
  constexpr void set(int c, char b1, unsigned char accent, char b2 = 0) {
    e[c] = {b1, b2, accent};
    const int up = CaseTables().upper[c];
    if (up != c) e[up] = {b1, b2, accent};
  }
  constexpr CollationTable() {
    for (int c = 'a'; c <= 'z'; ++c) set(c, static_cast<char>(c), 0);
    // à á â ã ä å; accent weights keep the order of the code points
    for (int c = 0xE0; c <= 0xE5; ++c) set(c, 'a', static_cast<unsigned char>(c - 0xE0 + 1));
    set(0xE6, 'a', 1, 'e');
    set(0xE7, 'c', 1);
    for (int c = 0xE8; c <= 0xEB; ++c) set(c, 'e', static_cast<unsigned char>(c - 0xE8 + 1));
    for (int c = 0xEC; c <= 0xEF; ++c) set(c, 'i', static_cast<unsigned char>(c - 0xEC + 1));
    set(0xF0, 'd', 1);
    set(0xF1, 'n', 1);
    for (int c = 0xF2; c <= 0xF6; ++c) set(c, 'o', static_cast<unsigned char>(c - 0xF2 + 1));
    set(0xF8, 'o', 6);
    for (int c = 0xF9; c <= 0xFC; ++c) set(c, 'u', static_cast<unsigned char>(c - 0xF9 + 1));
    set(0xFD, 'y', 1);
    set(0xFE, 't', 1, 'h');
    set(0xFF, 'y', 2);
    set(0x9A, 's', 1);
    set(0x9C, 'o', 7, 'e');
    set(0x9E, 'z', 1);
    e[0xDF] = {'s', 's', 1};  // ß has no upper case of its own
  }
};
constexpr CollationTable kCollation;

class UnitReader {
 public:
  explicit UnitReader(std::string_view s) : s_(s) {}
  bool next(Unit& u) {
    if (pendingSecond_) {
      u = second_;
      pendingSecond_ = false;
      return true;
    }
    if (i_ >= s_.size()) return false;
    const unsigned char c = U(s_[i_++]);
    const CollationEntry& e = kCollation.e[c];
    const unsigned char isUpper = kCase.lower[c] != c ? 1 : 0;
    if (e.base1 == 0) {
      u = {c, 0, 0};
      return true;
    }
    u = {static_cast<unsigned short>(0x100 + U(e.base1)), e.accent, isUpper};
    if (e.base2 != 0) {
      second_ = {static_cast<unsigned short>(0x100 + U(e.base2)), e.accent, isUpper};
      pendingSecond_ = true;
    }
    return true;
  }

 private:
  std::string_view s_;
  size_t i_ = 0;
  bool pendingSecond_ = false;
  Unit second_;
};

template <typename Weight>
int CompareLevel(std::string_view a, std::string_view b, Weight weight) {
  UnitReader ra(a), rb(b);
  Unit ua, ub;
  for (;;) {
    const bool ha = ra.next(ua), hb = rb.next(ub);
    if (!ha || !hb) return ha ? 1 : (hb ? -1 : 0);
    const int wa = weight(ua), wb = weight(ub);
    if (wa != wb) return wa < wb ? -1 : 1;
  }
}

}  // namespace

char UpperChar(char c) { return static_cast<char>(kCase.upper[U(c)]); }
char LowerChar(char c) { return static_cast<char>(kCase.lower[U(c)]); }

std::string UpperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = UpperChar(c);
  return out;
}

std::string LowerCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerChar(c);
  return out;
}

int CompareText(std::string_view a, std::string_view b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ca = kCase.upper[U(a[i])], cb = kCase.upper[U(b[i])];
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameText(std::string_view a, std::string_view b) { return a.size() == b.size() && CompareText(a, b) == 0; }

bool StartsWithText(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && CompareText(s.substr(0, prefix.size()), prefix) == 0;
}

size_t FindText(std::string_view s, std::string_view what, size_t from) {
  if (what.empty()) return from <= s.size() ? from : std::string_view::npos;
  for (size_t i = from; i + what.size() <= s.size(); ++i)
    if (StartsWithText(s.substr(i), what)) return i;
  return std::string_view::npos;
}

int CollateCompare(std::string_view a, std::string_view b) {
  if (int r = CompareLevel(a, b, [](const Unit& u) { return int(u.primary); })) return r;
  if (int r = CompareLevel(a, b, [](const Unit& u) { return int(u.accent); })) return r;
  if (int r = CompareLevel(a, b, [](const Unit& u) { return int(u.upper); })) return r;
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

bool CollateStartsWith(std::string_view s, std::string_view prefix) {
  UnitReader rs(s), rp(prefix);
  Unit us, up;
  while (rp.next(up))
    if (!rs.next(us) || us.primary != up.primary) return false;
  return true;
}

int CollateCompareNoCase(std::string_view a, std::string_view b) {
  // Texts equal ignoring case have equal letters and accents too: one
  // cheap pass settles them (equal texts in a file cost no more).
  const int byCase = CompareText(a, b);
  if (byCase == 0) return 0;
  if (int r = CompareLevel(a, b, [](const Unit& u) { return int(u.primary); })) return r;
  if (int r = CompareLevel(a, b, [](const Unit& u) { return int(u.accent); })) return r;
  return byCase < 0 ? -1 : 1;
}

}  // namespace vyr
