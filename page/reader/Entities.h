#pragma once
// Entity references in page words: only the first "&" of a word is decoded.
#include <string>
#include <string_view>

namespace vyr {

// The character an entity name stands for, or -1 for "nil" and unknown names.
// Names are case-sensitive ("Auml" is "Ä", "auml" is "ä").
int EntityCharacter(std::string_view name);
// The word with its first "&name;" (or "&name" to the end of the word)
// replaced by its character; later "&" stay as written.
std::string DecodeFirstEntity(std::string_view word);

}  // namespace vyr
