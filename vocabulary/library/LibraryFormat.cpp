#include "vocabulary/library/LibraryFormat.h"

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

void AppendLine(std::string& out, std::string_view text) {
  const size_t at = out.size();
  out += text;
  for (size_t i = at; i < out.size(); ++i)
    if (static_cast<unsigned char>(out[i]) < 32) out[i] = ' ';
  out += "\r\n";
}

void AppendNumber(std::string& out, unsigned value) {
  char digits[4];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value && n < 4);
  while (n) out += digits[--n];
  out += "\r\n";
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
            e.Kontext[1].size() + 40;
  std::string out;
  out.reserve(size);
  for (const auto& c : comments) {
    out += "// ";
    AppendLine(out, c);
  }
  for (const auto& e : entries) {
    AppendLine(out, e.Vokabel);
    AppendLine(out, e.Bedeutung[0]);
    AppendLine(out, e.Bedeutung[1]);
    AppendLine(out, e.Kontext[0]);
    out += e.BedeutungAnzeigen[0] ? "1\r\n" : "0\r\n";
    AppendLine(out, e.Kontext[1]);
    out += e.BedeutungAnzeigen[1] ? "1\r\n" : "0\r\n";
    AppendNumber(out, e.Wortart);
    out += e.Deutsch ? "1\r\n" : "0\r\n";
    AppendNumber(out, e.Schwierigkeit);
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
  const std::string written = WithoutControlBytes(word);
  return IsCommentLine(TrimView(written));
}

}  // namespace vyr
