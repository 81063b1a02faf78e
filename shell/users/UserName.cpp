#include "shell/users/UserName.h"

namespace vyr {

TNameProblem CheckUserName(std::string_view name) {
  if (name.empty()) return TNameProblem::Empty;
  for (char c : name)
    if (kForbiddenNameCharacters.find(c) != std::string_view::npos) return TNameProblem::Forbidden;
  for (char c : name)
    if (static_cast<unsigned char>(c) < 32 || c == 127) return TNameProblem::Shape;
  const auto endsBadly = [](char c) { return c == ' ' || c == '.' || static_cast<unsigned char>(c) == 160; };
  if (endsBadly(name.front()) || endsBadly(name.back())) return TNameProblem::Shape;  // also "." and ".."
  return TNameProblem::None;
}

std::string UserNameMessage(TNameProblem problem) {
  switch (problem) {
    case TNameProblem::None: return {};
    case TNameProblem::Empty: return "Ein Benutzername ist erforderlich!";
    case TNameProblem::Forbidden:
      return "Der Name darf keines der folgenden Zeichen enthalten: " + std::string(kForbiddenNameCharacters);
    case TNameProblem::Shape:
      return "Ein Benutzername darf weder mit einem Leerzeichen oder Punkt beginnen oder enden noch "
             "Steuerzeichen enthalten!";
  }
  return {};
}

}  // namespace vyr
