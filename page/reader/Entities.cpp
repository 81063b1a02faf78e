#include "page/reader/Entities.h"

#include <array>

namespace vyr {
namespace {

// The names of the characters 160 to 255, in order.
constexpr std::array<std::string_view, 96> kLatin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

}  // namespace

int EntityCharacter(std::string_view name) {
  if (name == "amp") return '&';
  if (name == "lt") return '<';
  if (name == "gt") return '>';
  if (name == "quot") return '"';
  if (name == "dollar") return '$';  // a "$" in page text would start an insertion
  for (size_t i = 0; i < kLatin1Names.size(); ++i)
    if (kLatin1Names[i] == name) return static_cast<int>(160 + i);
  return -1;
}

std::string DecodeFirstEntity(std::string_view word) {
  const size_t amp = word.find('&');
  if (amp == std::string_view::npos) return std::string(word);
  const size_t semi = word.find(';', amp + 1);
  const size_t nameEnd = semi == std::string_view::npos ? word.size() : semi;
  const size_t after = semi == std::string_view::npos ? word.size() : semi + 1;
  std::string out(word.substr(0, amp));
  const int c = EntityCharacter(word.substr(amp + 1, nameEnd - amp - 1));
  if (c >= 0) out.push_back(static_cast<char>(c));
  out.append(word.substr(after));
  return out;
}

}  // namespace vyr
