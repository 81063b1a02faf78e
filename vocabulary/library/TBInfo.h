#pragma once
// The statistics dialog "Infos zur Bibliothek": the counts of a library by
// direction, word class, difficulty and contexts, taken once when the dialog
// is made. Read-only; "&OK" closes it.
#include <QDialog>

class QLabel;

namespace vyr {

class TVocLib;

class TBInfo : public QDialog {
  Q_OBJECT
 public:
  explicit TBInfo(const TVocLib& library, QWidget* parent = nullptr);

  // Makes the dialog, shows it modally and frees it.
  static void Show(const TVocLib& library, QWidget* parent = nullptr);
};

}  // namespace vyr
