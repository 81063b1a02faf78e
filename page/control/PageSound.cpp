#include "page/control/PageSound.h"

#include "page/sources/PageName.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "platform/desktop/Sound.h"
#include "text/Case.h"

namespace vyr {

std::string PageSoundCommand(std::string_view command, bool silent) {
  const TSoundReply reply = SendSoundCommand(command);
  if (reply.ok()) return reply.text;
  if (!silent) ShowCourseMessage(SoundErrorText(reply.error), msg::Ok | msg::IconInformation);
  return "Error" + std::to_string(reply.error);
}

bool PlayPageSound(std::string_view path) {
  const std::string alias(kPageSoundAlias);
  PageSoundCommand("close " + alias, true);
  const std::string opened = PageSoundCommand("open \"" + std::string(path) + "\" alias " + alias, false);
  if (opened.rfind("Error", 0) == 0) return false;
  return PageSoundCommand("play " + alias + " from 0", false).rfind("Error", 0) != 0;
}

void ClosePageSound() { PageSoundCommand("close " + std::string(kPageSoundAlias), true); }

bool PlayHoverSound(std::string_view pageDirectory, std::string_view name) {
  if (name.empty() || LowerCase(ExtractFileExt(name)) != ".wav") return false;
  const std::string path = InPageDirectory(pageDirectory, name);
  if (!FileExists(path)) return false;
  return PlaySoundFile(path);
}

}  // namespace vyr
