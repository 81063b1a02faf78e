#include "shell/startup/SharedObjects.h"

#include "page/sources/HyperBase.h"
#include "shell/startup/Environment.h"

namespace vyr {

TSharedObjects& Shared() {
  static TSharedObjects shared;
  return shared;
}

void CreateHyperBase() {
  Shared().hyperBase = std::make_unique<TXHyperBase>();
  Shared().hyperBase->Load(Env().hyperBaseFile);
}

}  // namespace vyr
