#include "shell/recordings/FileChooser.h"

#include <QFileDialog>

#include "platform/core/Files.h"
#include "text/Cp1252.h"

namespace vyr {

TFileChooser chooseFile = [](const std::string& directory, const std::string& proposed, const std::string& filter) {
  QFileDialog dialog(nullptr, QString(), NativePath(directory), ToUnicode(filter));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.selectFile(ToUnicode(proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::string();
  return CoursePath(dialog.selectedFiles().first());
};

}  // namespace vyr
