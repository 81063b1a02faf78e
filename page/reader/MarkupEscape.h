#pragma once
// The one way text from data (user names, vocabulary, meanings, dictionary
// entries, file names) gets into page markup: escaped by the reader's rules,
// so that it is shown as written and never read as a tag, an insertion, a
// special code or a command.
//
// The reader's traps, and what the escaping does about them:
//  - "<" starts a tag and "$" an insertion anywhere in a word: written as
//    "&lt;" and "&dollar;";
//  - only the first "&" of a word is decoded: the first character that needs
//    an entity takes it ("&amp;" for a first "&"); a later "&" of the same
//    word is literal anyway, and a later "<" or "$" starts a new word element
//    with the ignored tag "<!>" in between (no blank, so the words still join);
//  - a variable's value beginning with "#" goes to the special-code handler:
//    such a text starts with "<!>";
//  - NUL ends the text: dropped; other control characters become blanks
//    (the reader takes them as blanks anyway; a run of blanks shows as one).
#include <string>
#include <string_view>

namespace vyr {

// For page text and for values of page variables that pages insert.
std::string EscapeMarkup(std::string_view text);
// For a quoted attribute value (VALUE="…", ALT="…"): the double quote that
// would end the value and the ">" that would end the tag are left out.
std::string EscapeMarkupAttribute(std::string_view text);
// For the text of a "§" command inside a quoted link target
// (HREF="§[name …]"): also left out are "," (splits commands), "[" and "]"
// (end the bracketed command) and "@" (starts a note). The command arrives
// lower-cased, as every command does.
std::string EscapeMarkupCommand(std::string_view text);

}  // namespace vyr
