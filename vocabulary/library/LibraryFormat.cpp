#include "vocabulary/library/LibraryFormat.h"

#include <algorithm>
#include <cstring>

#include "text/Trim.h"

namespace vyr {
namespace {

// Walks the lines of a text: a line ends at CR, LF or CR LF, or at the end.
class TLineCursor {
 public:
  explicit TLineCursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  std::string_view Next() {
    const size_t start = pos_;
    size_t i = start;
    while (i < text_.size() && text_[i] != '\r' && text_[i] != '\n') ++i;
    const std::string_view line = text_.substr(start, i - start);
    if (i < text_.size()) i += (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ? 2 : 1;
    pos_ = i;
    return line;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// The text without the empty (blank) lines at its end: it stops with the
// line that holds the last visible byte.
std::string_view WithoutTrailingEmptyLines(std::string_view text) {
  size_t last = text.size();
  while (last > 0 && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
  if (last == 0) return {};
  size_t end = last;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  return text.substr(0, end);
}

bool IsCommentLine(std::string_view trimmed) { return trimmed == "//" || trimmed.starts_with("// "); }

// Whether a text holds a control byte (below 32), looked for eight bytes at
// a time: ((w - 0x20..) & ~w & 0x80..) is not 0 exactly when a byte of w is
// below 0x20.
bool HasControlBytes(std::string_view text) {
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    if (((word - 0x2020202020202020u) & ~word & 0x8080808080808080u) != 0) return true;
  }
  for (; i < text.size(); ++i)
    if (static_cast<unsigned char>(text[i]) < 32) return true;
  return false;
}

// Writing goes through a cursor into a buffer of the exact size, so the
// bytes are copied once.
char* PutText(char* p, std::string_view text) {
  // Control bytes are rare: the text is copied as it is unless it holds one.
  if (HasControlBytes(text)) {
    for (const char c : text) *p++ = static_cast<unsigned char>(c) < 32 ? ' ' : c;
  } else {
    p = std::copy(text.begin(), text.end(), p);
  }
  *p++ = '\r';
  *p++ = '\n';
  return p;
}

char* PutFlag(char* p, bool flag) { return PutText(p, flag ? "1" : "0"); }

size_t NumberSize(unsigned value) { return value >= 100 ? 3 : (value >= 10 ? 2 : 1); }

char* PutNumber(char* p, unsigned value) {
  const size_t n = NumberSize(value);
  for (size_t i = n; i-- > 0; value /= 10) p[i] = static_cast<char>('0' + value % 10);
  return PutText(p + n, {});
}

}  // namespace

bool ParseByteNumber(std::string_view text, uint8_t& value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  unsigned v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + unsigned(text[i] - '0');
    if (v > 255) return false;
  }
  if (negative && v != 0) return false;
  value = static_cast<uint8_t>(v);
  return true;
}

bool ParseFlag(std::string_view text) { return text != "0"; }

bool EntryFromLines(const std::string_view (&lines)[kLinesPerEntry], bool sampleFlags, TVokabel& entry) {
  entry = TVokabel{};
  if (!ParseByteNumber(lines[7], entry.Wortart) || !ParseByteNumber(lines[9], entry.Schwierigkeit)) return false;
  entry.Vokabel = lines[0];
  entry.Bedeutung[0] = lines[1];
  entry.Bedeutung[1] = lines[2];
  entry.Kontext[0] = lines[3];
  entry.BedeutungAnzeigen[0] = ParseFlag(lines[4]);
  entry.Kontext[1] = lines[5];
  entry.BedeutungAnzeigen[1] = ParseFlag(lines[6]);
  entry.Deutsch = sampleFlags ? lines[8] == "-1" : ParseFlag(lines[8]);
  return true;
}

TLibraryText ParseLibrary(std::string_view bytes) {
  TLibraryText out;
  if (bytes.size() > kMaxLibraryFileSize) {
    out.result = kLoadFailed;
    return out;
  }
  TLineCursor cursor(WithoutTrailingEmptyLines(bytes));
  while (!cursor.AtEnd()) {
    const std::string_view first = TrimView(cursor.Next());
    if (IsCommentLine(first)) {
      out.comments.emplace_back(first.substr(first.size() > 2 ? 3 : 2));
      continue;
    }
    std::string_view lines[kLinesPerEntry];
    lines[0] = first;
    for (int k = 1; k < kLinesPerEntry; ++k) {
      if (cursor.AtEnd()) {  // the entry is cut short
        out.result = kLoadFailed;
        return out;
      }
      lines[k] = TrimView(cursor.Next());
    }
    TVokabel entry;
    if (!EntryFromLines(lines, false, entry)) {
      out.result = kLoadFailed;
      return out;
    }
    out.entries.push_back(std::move(entry));
  }
  out.result = static_cast<int>(out.entries.size());
  return out;
}

std::string RenderLibrary(const std::vector<std::string>& comments, std::span<const TVokabel> entries) {
  size_t size = 0;
  for (const auto& c : comments) size += c.size() + 5;
  for (const auto& e : entries)
    size += e.Vokabel.size() + e.Bedeutung[0].size() + e.Bedeutung[1].size() + e.Kontext[0].size() +
            e.Kontext[1].size() + NumberSize(e.Wortart) + NumberSize(e.Schwierigkeit) + 3 + 2 * kLinesPerEntry;
  std::string out(size, '\0');
  char* p = out.data();
  for (const auto& c : comments) {
    p = std::copy_n("// ", 3, p);
    p = PutText(p, c);
  }
  for (const auto& e : entries) {
    p = PutText(p, e.Vokabel);
    p = PutText(p, e.Bedeutung[0]);
    p = PutText(p, e.Bedeutung[1]);
    p = PutText(p, e.Kontext[0]);
    p = PutFlag(p, e.BedeutungAnzeigen[0]);
    p = PutText(p, e.Kontext[1]);
    p = PutFlag(p, e.BedeutungAnzeigen[1]);
    p = PutNumber(p, e.Wortart);
    p = PutFlag(p, e.Deutsch);
    p = PutNumber(p, e.Schwierigkeit);
  }
  return out;
}

std::string WithoutControlBytes(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  return out;
}

bool ReadsAsComment(std::string_view word) {
  // Written, a control byte becomes a blank, and reading trims every byte
  // up to 32: so the trimmed word is read as a comment when it is "//" or
  // "//" followed by any such byte.
  const std::string_view t = TrimView(word);
  return t == "//" || (t.size() > 2 && t.starts_with("//") && static_cast<unsigned char>(t[2]) <= 32);
}

}  // namespace vyr
