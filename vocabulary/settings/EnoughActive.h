#pragma once
// The checks the trainer and the start page share: whether enough entries
// are active for a round, and the "to " before English verbs.
#include <string>

namespace vyr {

class TVocEinstellungen;
struct TVokabel;

inline constexpr const char* kNotEnoughPerRound = "Nicht genug Vokabeln pro Runde vorhanden!!!";

// False without real or active entries. Turns 0 tasks per round into 10 and,
// in random order, shrinks them to the active count when that lies between 6
// and the tasks; too few for a round then show the message (when asked to)
// and give false. Forward and backward order need just one active entry.
bool CheckEnoughActive(TVocEinstellungen& settings, bool showMessage = true);

// "to " before an English verb other than the modal ones, else empty.
std::string VerbPrefix(const TVokabel& entry);

}  // namespace vyr
