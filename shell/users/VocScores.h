#pragma once
// The logged-in user's vocabulary scores in the form the library asks for
// them when it computes its entries' scores.
#include "vocabulary/library/VocScoreIndex.h"

namespace vyr {

class TXUserBase;

// A look-up into the user's records (case-free key, the first record wins);
// empty while nobody is logged in, so the library shows no earlier results.
TVocScoreLookup VocScoresOf(const TXUserBase& users);

}  // namespace vyr
