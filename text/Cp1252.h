#pragma once
// The one conversion pair between Windows-1252 bytes (course data, pages,
// user files) and Qt's Unicode strings. All 256 bytes map to distinct code
// points, so ToUnicode followed by FromUnicode gives back every byte;
// characters that Windows-1252 lacks become "?".
#include <QString>
#include <string>
#include <string_view>

namespace vyr {

QString ToUnicode(std::string_view cp1252);
std::string FromUnicode(const QString& text);
char16_t UnicodeOf(unsigned char byte);
// The Windows-1252 byte of a code point, or '?' when there is none.
char ByteOf(char16_t codePoint);

// UTF-8 at the edges (command-line tools, JSON, file names on disk).
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

}  // namespace vyr
