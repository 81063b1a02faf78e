#pragma once
// A small installation for the superlearning options: a program folder
// (optionally with "MP3\" and "Techno\"), DD and Air pages below the page
// root, an empty registry, nobody logged in, and a quiet music player.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "shell/startup/Environment.h"
#include "superlearning/options/SuperOptions.h"
#include "superlearning/sound/Music.h"
#include "tests/common/SoundFiles.h"
#include "tests/common/TempDir.h"

namespace vyr::test {

class OptionsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEnvironment();
    Env().programDirectory = dir.path();
    Env().contentRoot = dir.path();
    RemoveFile(TRegistry::CurrentUser().fileName());
    TRegistry::Reload();
    SetRandomSeed(24);
  }
  void TearDown() override {
    options.reset();
    music.reset();
    TRegistry::Reload();
    ResetEnvironment();
  }

  void AddMusic(const std::string& folder = "MP3") {
    dir.file(folder + "\\eins.mp3", TinyMp3());
    dir.file(folder + "\\zwei.mp3", TinyMp3());
  }
  void AddTechno() {
    dir.file("Techno\\bild1.jpg", "x");
    dir.file("Techno\\vorschau.jpg", "x");
  }
  void AddPages() {
    dir.file("hvyr\\SuperDD\\sterne.htx", "<body>");
    dir.file("hvyr\\SuperDD\\Herbst\\blätter.htx", "<body>");
    dir.file("hvyr\\Air\\abflug.htx", "<body>");
  }
  TSuperPlaces Places() const {
    TSuperPlaces p;
    p.programDirectory = dir.path();
    p.pageRoot = dir.path();
    p.speechAvailable = true;
    p.fontInstalled = [](std::string_view f) { return f == "Verdana" || f == "Georgia"; };
    return p;
  }
  TSuperOptions& Make() {
    music = std::make_unique<TMusic>("", dir.path(), false);
    options = std::make_unique<TSuperOptions>(Places(), *music);
    return *options;
  }
  static std::string Key() { return TSuperOptions::Key(); }
  static TRegistry& Reg() { return TRegistry::CurrentUser(); }
  std::string RegistryBytes() const { return ReadWholeFile(TRegistry::CurrentUser().fileName()).value_or(""); }

  TTempDir dir;
  TMessageRecorder messages;
  std::unique_ptr<TMusic> music;
  std::unique_ptr<TSuperOptions> options;
};

}  // namespace vyr::test
