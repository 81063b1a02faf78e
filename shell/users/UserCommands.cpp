#include "shell/users/UserCommands.h"

#include "page/reader/MarkupEscape.h"
#include "shell/users/UserBase.h"
#include "shell/window/PageCodes.h"

namespace vyr {

std::string UserCodeValue(const TXUserBase& users, const std::string& code) {
  if (!users.IsLoggedIn()) return code;
  const TUserStatistics& st = users.Statistics();
  if (code == "login") return "+";  // <IF ?login>
  if (code == "user") return EscapeMarkup(users.UserName());
  if (code == "perfa") return std::to_string(st.averageAbsolute);
  if (code == "perfr") return std::to_string(st.averageRelative);
  if (code == "perfd") return std::to_string(st.averageGerman);
  if (code == "perff") return std::to_string(st.averageForeign);
  if (code == "nr") return std::to_string(users.Records().Size());
  if (code == "nrd") return std::to_string(st.germanCount);
  if (code == "nrf") return std::to_string(st.foreignCount);
  if (code == "pe") return std::to_string(st.shareTyping);
  if (code == "pm") return std::to_string(st.shareChoice);
  if (code == "pv") return std::to_string(st.shareVegas);
  if (code == "pf") return std::to_string(st.shareFreeFall);
  if (code == "zeit") return FormatLearningTime(users.LearningSeconds());
  return code;
}

bool UserPicture(const TXUserBase& users, const std::string& code, QImage& picture) {
  if (!users.IsLoggedIn()) return false;
  static const struct {
    const char* code;
    TChartKind kind;
  } kCharts[] = {{"absolut", TChartKind::Absolute},
                 {"relativ", TChartKind::Relative},
                 {"deutsch", TChartKind::German},
                 {"fremd", TChartKind::Foreign}};
  for (const auto& c : kCharts) {
    if (code == c.code) {
      users.PaintChart(picture, c.kind);
      return true;
    }
  }
  return false;
}

void TUserCommands::RunCommand(TCommandId id, const std::string&) {
  switch (id) {
    case TCommandId::ChangePassword: users_.ChangePassword(); return;
    case TCommandId::Statistics: users_.ComputeStatistics(); return;
    case TCommandId::Login: users_.LoginFlow(); break;
    case TCommandId::NewUser: users_.NewUser(); break;
    case TCommandId::ChangeUser: users_.ChangeUser(); break;
    default: return;
  }
  if (loginChanged_) loginChanged_();
}

}  // namespace vyr
