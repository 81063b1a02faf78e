#include "shell/recordings/WaveBase.h"

#include <QFile>
#include <algorithm>

#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "text/Case.h"
#include "text/Trim.h"
#include "text/ZStream.h"

namespace vyr {

const char* LookupRuleName(TLookupRule rule) {
  switch (rule) {
    case TLookupRule::Exact: return "exact";
    case TLookupRule::WithoutBrackets: return "without-brackets";
    case TLookupRule::PrefixBracket: return "prefix-bracket";
    case TLookupRule::PrefixComma: return "prefix-comma";
    case TLookupRule::None: break;
  }
  return "none";
}

namespace {

bool TextLess(const TXWave& w, std::string_view text) { return CollateCompareNoCase(w.text, text) < 0; }

}  // namespace

// --- file

namespace {

// Takes the complete pairs off the front of data; the rest stays for the
// next piece.
size_t TakePairs(std::string_view data, std::vector<TXWave>& out) {
  size_t used = 0;
  for (;;) {
    const size_t textEnd = data.find('\0', used);
    if (textEnd == std::string_view::npos) break;
    const size_t fileEnd = data.find('\0', textEnd + 1);
    if (fileEnd == std::string_view::npos) break;
    out.push_back(
        TXWave{Trim(data.substr(used, textEnd - used)), std::string(data.substr(textEnd + 1, fileEnd - textEnd - 1))});
    used = fileEnd + 1;
  }
  return used;
}

}  // namespace

void TXWaveBase::AddAll(std::vector<TXWave> batch) {
  if (duplicates_ != TDuplicates::Ignore) {
    for (const TXWave& w : batch) Add(w.text, w.file);
    return;
  }
  // The same as adding one by one, without moving the list for each: the
  // batch sorted (stable, so the first of equal texts leads) and merged,
  // the records already there winning over equal texts.
  const auto less = [](const TXWave& a, const TXWave& b) { return CollateCompareNoCase(a.text, b.text) < 0; };
  std::stable_sort(batch.begin(), batch.end(), less);
  std::vector<TXWave> merged;
  merged.reserve(records_.size() + batch.size());
  size_t i = 0, j = 0;
  while (i < records_.size() || j < batch.size()) {
    int order = 0;
    if (i == records_.size()) order = 1;
    else if (j == batch.size()) order = -1;
    else order = CollateCompareNoCase(records_[i].text, batch[j].text);
    TXWave next = order <= 0 ? std::move(records_[i++]) : std::move(batch[j++]);
    if (order == 0) ++j;  // the record there keeps its file
    if (!merged.empty() && CollateCompareNoCase(merged.back().text, next.text) == 0) continue;
    merged.push_back(std::move(next));
  }
  if (merged.size() != records_.size()) {
    records_ = std::move(merged);
    modified_ = true;
  }
}

void TXWaveBase::AddPairs(std::string_view data) {
  std::vector<TXWave> batch;
  TakePairs(data, batch);
  AddAll(std::move(batch));
  if (onChange) onChange();
}

bool TXWaveBase::Load(const std::string& path) {
  if (fileName_.empty()) fileName_ = path;
  bool ok = false;
  if (const auto packed = ReadWholeFile(path)) {
    // Pairs are taken as they come out of the stream; a cut or damaged
    // stream keeps every pair that was complete before it.
    std::string pending;
    std::vector<TXWave> batch;
    const TInflateStatus status =
        InflateStream(*packed, kMaxInflated, [this, &pending, &batch](std::string_view piece) {
          pending.append(piece);
          pending.erase(0, TakePairs(pending, batch));
          // Merged in steps, so that a file of one pair repeated millions of
          // times holds one record, not millions.
          if (batch.size() >= kMergeStep) {
            AddAll(std::move(batch));
            batch.clear();
          }
          return true;
        });
    ok = status == TInflateStatus::Complete && pending.empty();
    AddAll(std::move(batch));
  }
  if (!ok) ShowCourseMessage("Fehler beim Laden von " + path + "!", msg::IconError);
  modified_ = false;
  if (current_ >= records_.size()) current_ = records_.empty() ? 0 : records_.size() - 1;
  if (onChange) onChange();
  return ok;
}

bool TXWaveBase::Save(const std::string& path) {
  // A read-only file is made writable first, as the old one is replaced.
  const QString native = NativePath(path);
  if (QFile::exists(native)) {
    const auto perms = QFile::permissions(native);
    if (!(perms & QFileDevice::WriteOwner) && !QFile::setPermissions(native, perms | QFileDevice::WriteOwner))
      return false;
  }
  std::string data;
  for (const TXWave& w : records_) {
    data += w.text;
    data += '\0';
    data += w.file;
    data += '\0';
  }
  return WriteWholeFile(path, Deflate(data));
}

bool TXWaveBase::SortAndSave() {
  Sort();
  modified_ = false;
  return !fileName_.empty() && Save(fileName_);
}

// --- records

bool TXWaveBase::Find(std::string_view text, size_t& pos) const {
  const auto it = std::lower_bound(records_.begin(), records_.end(), text, TextLess);
  pos = static_cast<size_t>(it - records_.begin());
  return it != records_.end() && CollateCompareNoCase(it->text, text) == 0;
}

bool TXWaveBase::Add(std::string_view text, std::string_view file) {
  const std::string trimmed = Trim(text);
  size_t pos = 0;
  if (Find(trimmed, pos)) {
    if (duplicates_ == TDuplicates::Ignore) return false;
    if (duplicates_ == TDuplicates::Replace) {
      if (records_[pos].file == file) return false;
      records_[pos].file = std::string(file);
      Changed(true);
      return true;
    }
  }
  records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(pos), TXWave{trimmed, std::string(file)});
  Changed(true);
  return true;
}

void TXWaveBase::Sort() {
  // Every change keeps the order, so there is nothing to move; a stable
  // sort all the same mends a list that was filled from outside.
  if (records_.size() >= 2)
    std::stable_sort(records_.begin(), records_.end(),
                     [](const TXWave& a, const TXWave& b) { return CollateCompareNoCase(a.text, b.text) < 0; });
  Changed(true);
}

void TXWaveBase::Changed(bool modifies) {
  if (modifies) modified_ = true;
  if (onChange) onChange();
}

// --- look-up

const TXWave* TXWaveBase::Exact(std::string_view text) const {
  size_t pos = 0;
  return Find(text, pos) ? &records_[pos] : nullptr;
}

const TXWave* TXWaveBase::FirstWithPrefix(const std::string& prefix) const {
  // The texts beginning with prefix lie in one stretch from its sorted
  // place on; the first in list order that begins with it letter for
  // letter (case respected) is the one.
  size_t pos = 0;
  Find(prefix, pos);
  for (; pos < records_.size() && CollateStartsWith(records_[pos].text, prefix); ++pos)
    if (records_[pos].text.compare(0, prefix.size(), prefix) == 0) return &records_[pos];
  return nullptr;
}

const TXWave* TXWaveBase::LookupRecord(std::string_view text, bool exactOnly, TLookupRule* rule) const {
  auto found = [rule](const TXWave* w, TLookupRule r) {
    if (rule) *rule = w ? r : TLookupRule::None;
    return w;
  };
  if (text.empty()) return found(nullptr, TLookupRule::None);
  if (const TXWave* w = Exact(text)) return found(w, TLookupRule::Exact);
  std::string plain(text);
  std::erase_if(plain, [](char c) { return c == '(' || c == ')'; });
  if (plain != text)
    if (const TXWave* w = Exact(plain)) return found(w, TLookupRule::WithoutBrackets);
  if (!exactOnly) {
    if (const TXWave* w = FirstWithPrefix(std::string(text) + " (")) return found(w, TLookupRule::PrefixBracket);
    if (const TXWave* w = FirstWithPrefix(std::string(text) + ", ")) return found(w, TLookupRule::PrefixComma);
  }
  return found(nullptr, TLookupRule::None);
}

std::optional<std::string> TXWaveBase::Lookup(std::string_view text, bool exactOnly, TLookupRule* rule) const {
  if (const TXWave* w = LookupRecord(text, exactOnly, rule)) return w->file;
  return std::nullopt;
}

std::optional<std::string> OwnRecordingsAlias(std::string_view file, std::string_view directory) {
  if (directory.empty()) return std::nullopt;
  const std::string dir = IncludeTrailingBackslash(directory);
  if (!StartsWithText(file, dir)) return std::nullopt;
  return "XU:" + std::string(file.substr(dir.size() - 1));
}

bool TXWaveBase::HasFilesIn(std::string_view directory) const {
  if (directory.empty()) return false;
  return std::any_of(records_.begin(), records_.end(),
                     [directory](const TXWave& w) { return OwnRecordingsAlias(w.file, directory).has_value(); });
}

int TXWaveBase::ReplaceByAlias(std::string_view directory) {
  if (directory.empty()) return 0;
  int count = 0;
  for (TXWave& w : records_)
    if (auto alias = OwnRecordingsAlias(w.file, directory)) {
      w.file = std::move(*alias);
      ++count;
    }
  Changed(true);
  return count;
}

// --- cursor

void TXWaveBase::Locate(std::string_view text) {
  if (text.empty() || records_.empty()) {
    current_ = 0;
  } else {
    size_t pos = 0;
    Find(text, pos);
    current_ = std::min(pos, records_.size() - 1);
  }
  Changed(false);
}

void TXWaveBase::First() {
  current_ = 0;
  Changed(false);
}

void TXWaveBase::Last() {
  current_ = records_.empty() ? 0 : records_.size() - 1;
  Changed(false);
}

void TXWaveBase::Next() {
  if (current_ + 1 < records_.size()) ++current_;
  Changed(false);
}

void TXWaveBase::Previous() {
  if (current_ > 0) --current_;
  Changed(false);
}

std::string TXWaveBase::CurrentText() const { return current_ < records_.size() ? records_[current_].text : ""; }
std::string TXWaveBase::CurrentFile() const { return current_ < records_.size() ? records_[current_].file : ""; }

bool TXWaveBase::SetCurrentText(std::string_view text) {
  if (current_ >= records_.size()) return false;
  const std::string trimmed = Trim(text);
  if (records_[current_].text == trimmed) return true;
  size_t pos = 0;
  const bool exists = Find(trimmed, pos);
  if (exists && !trimmed.empty() && !SameText(records_[current_].text, trimmed)) {
    ShowCourseMessage(
        "Zu dem Text " + trimmed + " gibt es schon einen Eintrag.\rJeder Text kann nur einmal in der Datenbank stehen.",
        msg::IconWarning);
    return false;
  }
  // The record leaves its place and goes where its new text belongs.
  TXWave record = std::move(records_[current_]);
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(current_));
  record.text = trimmed;
  Find(trimmed, pos);
  records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(pos), std::move(record));
  current_ = pos;
  Changed(true);
  return true;
}

void TXWaveBase::SetCurrentFile(std::string_view file) {
  if (current_ >= records_.size() || records_[current_].file == file) return;
  records_[current_].file = std::string(file);
  Changed(true);
}

void TXWaveBase::InsertEmpty() {
  records_.insert(records_.begin(), TXWave{std::string(), ".wav"});
  current_ = 0;
  Changed(true);
}

void TXWaveBase::DeleteCurrent() {
  if (current_ >= records_.size()) return;
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(current_));
  if (current_ >= records_.size() && current_ > 0) --current_;
  Changed(true);
}

bool TXWaveBase::CurrentComplete() const {
  if (records_.empty()) return false;
  const TXWave& w = records_[current_];
  if (!w.text.empty() && !w.file.empty()) return true;
  ShowCourseMessage("Der aktuelle Eintrag ist nicht vollständig!", msg::IconWarning);
  return false;
}

int TXWaveBase::DropEmptyTexts() {
  const size_t before = records_.size();
  std::erase_if(records_, [](const TXWave& w) { return w.text.empty(); });
  const int dropped = static_cast<int>(before - records_.size());
  if (current_ >= records_.size()) current_ = records_.empty() ? 0 : records_.size() - 1;
  if (dropped) Changed(true);
  return dropped;
}

}  // namespace vyr
