#include "superlearning/options/SuperOptionsSteps.h"

#include <QFontDatabase>
#include <memory>

#include "shell/startup/Environment.h"
#include "shell/users/UserBase.h"
#include "superlearning/options/SuperOptions.h"
#include "superlearning/sound/SoundPlayers.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {
std::unique_ptr<TSuperOptions> gOptions;
}  // namespace

TSuperOptions* SuperOptions() { return gOptions.get(); }

void CreateSuperOptions() {
  if (!Music()) CreateMusic(Env().programDirectory);
  TSuperPlaces places;
  places.programDirectory = Env().programDirectory;
  places.pageRoot = Env().contentRoot;
  places.speechAvailable = !Env().waveDirectory.empty();
  places.fontInstalled = [](std::string_view family) {
    return QFontDatabase::families().contains(ToUnicode(family), Qt::CaseInsensitive);
  };
  gOptions = std::make_unique<TSuperOptions>(std::move(places), *Music());
}

void LoadSuperOptionsWithoutUser() {
  if (gOptions && Env().userName.empty()) gOptions->Load();
}

void ConnectSuperOptions(TXUserBase& users) {
  users.loginHooks.push_back([] {
    if (gOptions) gOptions->Load();
  });
  users.logoutHooks.push_back([] {
    if (gOptions) gOptions->SaveIfModified();
  });
}

void ReleaseSuperOptions() { gOptions.reset(); }

}  // namespace vyr
