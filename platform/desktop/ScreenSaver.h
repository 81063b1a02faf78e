#pragma once
// Keeps the screen saver away while a presentation runs: the freedesktop
// inhibit call on the session bus, released afterwards. Where there is no
// session bus or no screen-saver service, blocking does nothing. Blocks
// nest; the service is asked once for the outermost.
#include <cstdint>
#include <string>

namespace vyr {

class TScreenSaverService {
 public:
  virtual ~TScreenSaverService() = default;
  // Answers a cookie, 0 when the service refused or is missing.
  virtual uint32_t Inhibit(const std::string& reason) = 0;
  virtual void UnInhibit(uint32_t cookie) = 0;
};

// The service in use: the session bus unless a test installed another.
void SetScreenSaverService(TScreenSaverService* service);  // nullptr: the session bus again

void BlockScreenSaver();
void UnblockScreenSaver();
bool ScreenSaverBlocked();

// Blocks the screen saver for its lifetime.
class TScreenSaverBlock {
 public:
  TScreenSaverBlock() { BlockScreenSaver(); }
  ~TScreenSaverBlock() { UnblockScreenSaver(); }
  TScreenSaverBlock(const TScreenSaverBlock&) = delete;
  TScreenSaverBlock& operator=(const TScreenSaverBlock&) = delete;
};

}  // namespace vyr
