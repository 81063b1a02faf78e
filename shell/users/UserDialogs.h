#pragma once
// The account dialogs of the programs, for TXUserBase::dialogs.
#include "shell/users/UserBase.h"

namespace vyr {

// The dialogs shown modally; the wizard reads its pages from the course's
// page directory ("hvyr\" of the content root).
TUserDialogs UserDialogs(const std::string& pageDirectory);

}  // namespace vyr
