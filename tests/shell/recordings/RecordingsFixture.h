#pragma once
// Recordings databases on a temporary installation: a wave directory with
// its "VYR_E" marker, the registry in the test's folder, recorded messages.
#include <gtest/gtest.h>

#include <memory>

#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Registry.h"
#include "shell/recordings/Recordings.h"
#include "shell/recordings/WaveBase.h"
#include "shell/startup/Environment.h"
#include "tests/common/SoundFiles.h"
#include "tests/common/TempDir.h"
#include "text/ZStream.h"

namespace vyr::test {

class RecordingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveFile(TRegistry::CurrentUser().fileName());
    TRegistry::Reload();
    ResetEnvironment();
    Env().programDirectory = t.dir("vyr");
    Env().waveDirectory = t.dir("vyr\\wave");
    t.file("vyr\\wave\\VYR_E");
    SetRecordings(std::make_unique<TXWaveBase>(), std::make_unique<TXWaveBase>());
  }
  void TearDown() override {
    SetRecordings(nullptr, nullptr);
    ResetEnvironment();
  }
  // A wave file in the wave directory; its "XE:" path.
  std::string wave(const std::string& name) {
    t.file("vyr\\wave\\" + name, TinyWave());
    return "XE:\\" + name;
  }
  static std::string Pairs(std::initializer_list<std::pair<std::string, std::string>> pairs) {
    std::string data;
    for (const auto& [text, file] : pairs) data += text + '\0' + file + '\0';
    return data;
  }
  TXWaveBase& main() { return *MainRecordings(); }
  TXWaveBase& supplementary() { return *SupplementaryRecordings(); }

  TTempDir t;
  TMessageRecorder messages;
};

}  // namespace vyr::test
