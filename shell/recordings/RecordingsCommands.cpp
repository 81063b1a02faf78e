#include "shell/recordings/RecordingsCommands.h"

#include "shell/recordings/Recordings.h"
#include "shell/recordings/TWaveDB.h"

namespace vyr {

void TRecordingsCommands::RunCommand(TCommandId id, const std::string&) {
  if (id != TCommandId::RecordingsDialog || !MainRecordings()) return;
  TWaveDB dialog(*MainRecordings(), parent_);
  dialog.exec();
}

}  // namespace vyr
