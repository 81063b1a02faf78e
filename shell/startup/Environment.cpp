#include "shell/startup/Environment.h"

namespace vyr {

TEnvironment& Env() {
  static TEnvironment env;
  return env;
}

void ResetEnvironment() { Env() = TEnvironment(); }

void SetUserDirectory(const std::string& dir) {
  Env().userDirectory = dir;
  Env().configuredUserDirectory = dir;
}

void SetWaveDirectory(const std::string& dir) {
  Env().waveDirectory = dir;
  Env().configuredWaveDirectory = dir;
}

}  // namespace vyr
