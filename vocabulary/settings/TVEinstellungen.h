#pragma once
// The settings dialog "*vyr englisch - Einstellungen für den Vokabeltrainer":
// edits the live trainer settings, showing every entry of the library (the
// active ones bold), how many are active and, while a user is logged in,
// the score filter with a histogram of the scores. OK keeps the changes;
// Cancel puts back the settings as they were when the dialog opened.
#include <QDialog>

#include "vocabulary/settings/VocEinstellungen.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QSlider;

namespace vyr {

class TEntryListModel;

class TVEinstellungen : public QDialog {
  Q_OBJECT
 public:
  explicit TVEinstellungen(TVocEinstellungen& settings, QWidget* parent = nullptr);

  // Shows the dialog modally; true on OK.
  static bool Execute(TVocEinstellungen& settings, QWidget* parent = nullptr);

  void reject() override;

 private:
  void Fill();
  void Zeigen();
  void ProRundeZeigen();
  void ShowAktiv();
  void WertChange();

  TVocEinstellungen& settings_;
  TVocSettingsValues snapshot_;
  bool snapshotModified_ = false;
  bool loggedIn_ = false;

  TEntryListModel* model_;
  QListView* liste_;
  QButtonGroup* richtung_;
  QButtonGroup* sprache_;
  QSlider* trackProRunde_;
  QLabel* lProRunde_;
  QSlider* trackMultiple_;
  QLabel* mPro_;
  QLabel* ePro_;
  QCheckBox* kontext_;
  QCheckBox* wortart_[8];
  QCheckBox* sg_[kDifficultyCount];
  QGroupBox* filter_;
  QLineEdit* wertVon_;
  QLineEdit* wertBis_;
  QLabel* scoreExpl_;
  QLabel* info_;
  QLabel* maske0_;
  QLabel* maske1_;
  QLabel* lHistogram_;
  QLabel* histogram_;
};

}  // namespace vyr
