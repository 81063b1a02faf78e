#pragma once
// A temporary installation for start-up tests: program directory with the
// start page and the basic vocabulary folder, a clean registry, a screen
// that passes and a message recorder.
#include <gtest/gtest.h>

#include <memory>

#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Registry.h"
#include "platform/desktop/Display.h"
#include "shell/startup/Environment.h"
#include "shell/startup/StartUp.h"
#include "tests/common/TempDir.h"

namespace vyr::test {

class StartUpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveFile(TRegistry::CurrentUser().fileName());
    TRegistry::Reload();
    ResetEnvironment();
    SetDisplayOverride(TDisplayInfo{1024, 768, 32});
    prog = t.dir("vyr");
    RemoveFile(prog + "vyr.ini");
    t.file("vyr\\hvyr\\main.htx", "<P>Start");
    t.dir("vyr\\Vokabeln (E)\\Grundwortschatz");
    messages.reset();
    messages = std::make_unique<TMessageRecorder>();
  }
  void TearDown() override {
    messages.reset();
    SetDisplayOverride(std::nullopt);
    TRegistry::Reload();
    ResetEnvironment();
  }
  void ini(const std::string& text) { t.file("vyr\\vyr.ini", text); }
  std::string iniText() const { return ReadWholeFile(prog + "vyr.ini").value_or(""); }
  TRegistry& reg() { return TRegistry::CurrentUser(); }
  bool start(TStartUpSteps steps = {}, bool editor = false, bool network = false) {
    TStartUpOptions o;
    o.programDirectory = prog;
    o.editor = editor;
    o.networkPath = network;
    return StartUp(steps, o);
  }
  std::vector<std::string> shown() const { return messages->texts(); }

  TTempDir t;
  std::string prog;
  std::unique_ptr<TMessageRecorder> messages;
};

}  // namespace vyr::test
