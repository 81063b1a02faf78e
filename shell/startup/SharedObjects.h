#pragma once
// The shared objects of the learning program that the start-up creates and
// the shutdown releases, one of each for the whole run. The objects of the
// subsystems still to come join here as they are built.
#include <memory>

namespace vyr {

class TXHyperBase;

struct TSharedObjects {
  std::unique_ptr<TXHyperBase> hyperBase;
};

TSharedObjects& Shared();

// The start-up step of the hyper base: created and loaded from the
// environment's hyper base file.
void CreateHyperBase();

}  // namespace vyr
