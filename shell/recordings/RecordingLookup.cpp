#include "shell/recordings/RecordingLookup.h"

#include <vector>

#include "page/reader/MarkupEscape.h"
#include "platform/core/Random.h"
#include "shell/recordings/Recordings.h"
#include "shell/startup/StartUp.h"
#include "text/Trim.h"

namespace vyr {
namespace {

// Both databases: a record whose file is missing in the main database
// leaves the word to the supplementary one.
TRecordingHit LookBoth(std::string_view text) {
  TRecordingHit hit;
  hit.spoken = std::string(text);
  for (const TXWaveBase* base : {MainRecordings(), SupplementaryRecordings()}) {
    if (!base) continue;
    const TXWave* w = base->LookupRecord(text, false);
    if (!w) continue;
    hit.recordFound = true;
    std::string full;
    if (ResolveAlias(w->file, full) == kAliasFound) {
      hit.path = full;
      return hit;
    }
  }
  return hit;
}

std::vector<std::string> SplitAt(std::string_view text, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(sep, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

TRecordingHit FindRecordingHit(std::string_view text) {
  TRecordingHit hit = LookBoth(text);
  if (!hit.path.empty()) return hit;
  if (text.find(';') == std::string_view::npos) {
    const std::string stripped = StripComments(text);
    if (stripped != text) {
      TRecordingHit again = LookBoth(stripped);
      again.recordFound = again.recordFound || hit.recordFound;
      return again;
    }
    hit.spoken = stripped;
    return hit;
  }
  // One of the parts with a recording, at random.
  std::vector<TRecordingHit> playable;
  bool anyRecord = false;
  std::string firstSpoken;
  for (const std::string& part : SplitAt(text, ';')) {
    const std::string stripped = StripComments(part);
    if (stripped.empty()) continue;
    if (firstSpoken.empty()) firstSpoken = stripped;
    TRecordingHit h = LookBoth(stripped);
    anyRecord = anyRecord || h.recordFound;
    if (!h.path.empty()) playable.push_back(std::move(h));
  }
  if (!playable.empty()) {
    TRecordingHit chosen = playable[static_cast<size_t>(RandomInt(static_cast<int>(playable.size())))];
    chosen.recordFound = true;
    return chosen;
  }
  hit.recordFound = hit.recordFound || anyRecord;
  hit.spoken = firstSpoken;
  return hit;
}

std::string FindRecording(std::string_view text) { return FindRecordingHit(text).path; }

std::string LinkToRecording(std::string_view text) {
  const std::string path = FindRecording(text);
  // A path with a character the link's quoted target cannot hold (or "@",
  // which starts a note there) stays plain text.
  if (path.empty() || path.find_first_of("\"<>@") != std::string::npos) return EscapeMarkup(text);
  return "<a href=\"" + path + "\" >" + EscapeMarkup(text) + "</a>";
}

std::string StripComments(std::string_view text) {
  std::string s(text);
  for (;;) {
    const size_t open = s.find('['), close = s.find(']');
    if (open == std::string::npos || close == std::string::npos || close < open + 2) break;
    s.erase(open, close - open + 1);
    if (const size_t twice = s.find("  "); twice != std::string::npos) s.erase(twice, 1);
    if (const size_t before = s.find(" ;"); before != std::string::npos) s.erase(before, 1);
  }
  return Trim(s);
}

std::string FormatMeaning(std::string_view text, bool links, bool commentStyle) {
  if (text.empty()) return std::string();
  if (!links) return std::string(text);
  std::string out;
  size_t pos = 0;
  bool first = true;
  while (pos <= text.size()) {
    size_t end = text.find(';', pos);
    const bool last = end == std::string_view::npos;
    if (last) end = text.size();
    const std::string part = TrimRight(text.substr(pos, end - pos));
    // The ";" and one blank after it belong to the separator.
    pos = end + 1;
    if (!last && pos < text.size() && text[pos] == ' ') ++pos;

    std::string comment, word;
    const size_t open = part.find('['), close = part.find(']');
    if (open == 0 && close != std::string::npos) {
      comment = part.substr(0, close + 1);
      word = Trim(std::string_view(part).substr(close + 1));
    } else if (open != std::string::npos && open > 0 && close == part.size() - 1) {
      comment = part.substr(open);
      word = Trim(std::string_view(part).substr(0, open));
    } else {
      word = Trim(part);
    }
    if (!first) out += "; ";
    first = false;
    if (!comment.empty())
      out += commentStyle ? "<+kommentar>" + EscapeMarkup(comment) + "<+normal> " : " " + EscapeMarkup(comment) + " ";
    out += LinkToRecording(word);
    if (last) break;
  }
  return out;
}

}  // namespace vyr
