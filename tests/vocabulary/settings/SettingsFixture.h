#pragma once
// A small installation for the trainer settings: a program folder with a
// vocabulary folder of libraries, an optional user folder standing for the
// logged-in user, and settings over a library of their own.
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Files.h"
#include "tests/common/TempDir.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/settings/VocEinstellungen.h"

namespace vyr::test {

inline TVokabel Entry(const std::string& word, const std::string& meaning = "m", int wortart = 0, bool deutsch = false,
                      int schwierigkeit = 0) {
  TVokabel e;
  e.Vokabel = word;
  e.Bedeutung[0] = meaning;
  e.Wortart = static_cast<uint8_t>(wortart);
  e.Deutsch = deutsch;
  e.Schwierigkeit = static_cast<uint8_t>(schwierigkeit);
  return e;
}

// Writes a library file of n entries named prefix1..prefixN.
inline void WriteLibrary(const std::string& path, int n, const std::string& prefix = "w") {
  TVocLib lib;
  lib.Clear(false);
  for (int i = 1; i <= n; ++i) lib.AddEntry(Entry(prefix + std::to_string(i)));
  MakeDirectories(ExtractFilePath(path));
  lib.SaveFile(path);
}

struct TSettingsInstallation {
  TTempDir dir;
  std::string program, vocab, user;  // user: empty = nobody logged in
  int userScore = 0;                 // every entry's score for the user
  TBibliothek library;
  std::unique_ptr<TVocEinstellungen> settings;

  TSettingsInstallation() {
    program = dir.path();
    vocab = dir.dir("Vokabeln (E)");
    WriteLibrary(vocab + "Grundwortschatz\\Familie.asc", 3, "fam");
    WriteLibrary(vocab + "Grundwortschatz\\Tiere\\Zoo.asc", 2, "zoo");
    WriteLibrary(vocab + "Reise\\Hotel.asc", 4, "hot");
  }
  TTrainerContext Context() {
    TTrainerContext c;
    c.programFolder = program;
    c.vocabularyFolder = vocab;
    c.userFolder = [this] { return user; };
    c.scores = [this]() -> TVocScoreLookup {
      if (user.empty()) return {};
      return [this](std::string_view, bool, int) { return userScore; };
    };
    return c;
  }
  TVocEinstellungen& Make() {
    settings = std::make_unique<TVocEinstellungen>(library, Context());
    return *settings;
  }
  std::string Read(const std::string& path) const { return ReadWholeFile(path).value_or("<fehlt>"); }
};

}  // namespace vyr::test
