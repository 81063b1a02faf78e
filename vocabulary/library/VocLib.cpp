#include "vocabulary/library/VocLib.h"

#include <algorithm>

#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "platform/core/Random.h"
#include "vocabulary/library/LibraryFormat.h"

namespace vyr {
namespace {

const TVokabel kBlank{};

}  // namespace

TVocLib::TVocLib() { Clear(true); }

void TVocLib::Clear(bool withBlankEntry) {
  entries_.clear();
  comments_.clear();
  if (withBlankEntry) entries_.push_back(kBlank);
  current_ = 0;
  fileName_.clear();
  modified_ = false;
}

int TVocLib::Position(int index) const {
  const int count = static_cast<int>(entries_.size());
  if (count == 0) return -1;
  const int current = std::clamp(current_, 0, count - 1);
  if (index == -1) index = current;
  else if (index == -2) index = std::max(current - 1, 0);
  else if (index == -3) index = std::min(current + 1, count - 1);
  return index >= 0 && index < count ? index : -1;
}

bool TVocLib::IsIncomplete(int index) const {
  const int p = Position(index);
  return p < 0 || !entries_[size_t(p)].IsComplete();
}

int TVocLib::EntryCount(bool withTrailing) const {
  const int count = static_cast<int>(entries_.size());
  if (withTrailing || count == 0) return count;
  return entries_.back().IsComplete() ? count : count - 1;
}

int TVocLib::AddBlankEntry() {
  TVokabel blank = kBlank;
  blank.Deutsch = !entries_.empty() && entries_.back().Deutsch;
  entries_.push_back(std::move(blank));
  modified_ = true;
  return static_cast<int>(entries_.size()) - 1;
}

void TVocLib::AddEntry(const TVokabel& entry) {
  TVokabel e = entry;
  e.Vokabel = WithoutControlBytes(e.Vokabel);
  for (int k = 0; k < 2; ++k) {
    e.Bedeutung[k] = WithoutControlBytes(e.Bedeutung[k]);
    e.Kontext[k] = WithoutControlBytes(e.Kontext[k]);
  }
  entries_.push_back(std::move(e));
  modified_ = true;
}

void TVocLib::DeleteEntry(int index) {
  const int p = Position(index);
  if (p < 0) return;
  entries_.erase(entries_.begin() + p);
  modified_ = true;
  if (entries_.empty() || entries_.back().IsComplete()) AddBlankEntry();
  current_ = std::clamp(current_, 0, static_cast<int>(entries_.size()) - 1);
}

int TVocLib::LoadFile(std::string_view path, bool append) {
  if (!FileExists(path)) return 0;
  const auto bytes = ReadWholeFile(path, nullptr, kMaxLibraryFileSize);
  if (!bytes) return kLoadFailed;
  // Parsed aside first: a broken file leaves the library as it was.
  TLibraryText text = ParseLibrary(*bytes);
  if (text.result == kLoadFailed) return kLoadFailed;
  if (!append) {
    Clear(false);
  } else if (!entries_.empty() && !entries_.back().IsComplete()) {
    entries_.pop_back();
  }
  comments_.insert(comments_.end(), std::make_move_iterator(text.comments.begin()),
                   std::make_move_iterator(text.comments.end()));
  entries_.insert(entries_.end(), std::make_move_iterator(text.entries.begin()),
                  std::make_move_iterator(text.entries.end()));
  if (!append) fileName_ = path;
  if (entries_.empty() || entries_.back().IsComplete()) AddBlankEntry();
  current_ = std::clamp(current_, 0, static_cast<int>(entries_.size()) - 1);
  modified_ = append;
  return text.result;
}

void TVocLib::LoadFiles(std::vector<std::string> paths, int limit) {
  Clear(true);
  if (paths.size() == 1) {
    LoadFile(paths.front(), false);
  } else {
    while (!paths.empty()) {
      const size_t pick = static_cast<size_t>(RandomInt(static_cast<int>(paths.size())));
      LoadFile(paths[pick], true);
      paths.erase(paths.begin() + static_cast<std::ptrdiff_t>(pick));
      if (limit > 0 && EntryCount(false) > limit) break;
    }
  }
  modified_ = false;
}

bool TVocLib::SaveFile(std::string_view path) {
  size_t count = entries_.size();
  if (count > 0 && !entries_.back().IsComplete()) --count;
  for (size_t i = 0; i < count; ++i) {
    if (!ReadsAsComment(entries_[i].Vokabel)) continue;
    ShowCourseMessage("Der Eintrag " + std::to_string(i + 1) + " (\"" + WithoutControlBytes(entries_[i].Vokabel) +
                          "\") würde beim Lesen als Kommentar gelten. Bitte ändern Sie das Wort; die Datei " +
                          std::string(path) + " wurde nicht gespeichert.",
                      msg::IconError);
    return false;
  }
  std::string error;
  if (!WriteWholeFile(path, RenderLibrary(comments_, std::span(entries_).first(count)), &error)) {
    ShowCourseMessage("Die Datei " + std::string(path) + " konnte nicht gespeichert werden: " + error, msg::IconError);
    return false;
  }
  fileName_ = path;
  modified_ = false;
  return true;
}

const TVokabel& TVocLib::Entry(int index) const {
  const int p = Position(index);
  return p < 0 ? kBlank : entries_[size_t(p)];
}

TVokabel* TVocLib::Writable(int index) {
  const int p = Position(index);
  return p < 0 ? nullptr : &entries_[size_t(p)];
}

void TVocLib::SetVokabel(int index, std::string_view text) {
  if (TVokabel* e = Writable(index)) Assign(e->Vokabel, WithoutControlBytes(text));
}

void TVocLib::SetBedeutung(int index, int which, std::string_view text) {
  TVokabel* e = Writable(index);
  if (e && (which == 0 || which == 1)) Assign(e->Bedeutung[which], WithoutControlBytes(text));
}

void TVocLib::SetKontext(int index, int which, std::string_view text) {
  TVokabel* e = Writable(index);
  if (e && (which == 0 || which == 1)) Assign(e->Kontext[which], WithoutControlBytes(text));
}

void TVocLib::SetBedeutungAnzeigen(int index, int which, bool show) {
  TVokabel* e = Writable(index);
  if (e && (which == 0 || which == 1)) Assign(e->BedeutungAnzeigen[which], show);
}

void TVocLib::SetWortart(int index, int wortart) {
  TVokabel* e = Writable(index);
  if (e && wortart >= 0 && wortart <= 255) Assign(e->Wortart, static_cast<uint8_t>(wortart));
}

void TVocLib::SetDeutsch(int index, bool deutsch) {
  if (TVokabel* e = Writable(index)) Assign(e->Deutsch, deutsch);
}

void TVocLib::SetSchwierigkeit(int index, int schwierigkeit) {
  if (TVokabel* e = Writable(index))
    Assign(e->Schwierigkeit, static_cast<uint8_t>(std::clamp(schwierigkeit, 0, kSchwierigkeitMax)));
}

void TVocLib::SetWert(int index, int wert) {
  if (TVokabel* e = Writable(index)) e->Wert = wert;
}

void TVocLib::SetCurrentIndex(int index) {
  current_ = std::clamp(index, 0, std::max(static_cast<int>(entries_.size()) - 1, 0));
}

}  // namespace vyr
