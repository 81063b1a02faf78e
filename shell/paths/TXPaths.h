#pragma once
// shell/paths: the path settings dialog of both programs.
//
// "*vyr englisch Verzeichnisse": the directories that differ between
// installations (user data, the course CD's recordings "XE:", the own
// recordings "XU:", the extensions' "XW:" and "XR:") and the switch of the
// synthetic voice. OK checks every field first: a field in error keeps the
// dialog open with its message and nothing is applied; otherwise the
// changes take effect (the user directory from the next start) and are
// written back.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace vyr {

class TXPaths : public QDialog {
  Q_OBJECT
 public:
  explicit TXPaths(QWidget* parent = nullptr);

  QTabWidget* tabs() const { return tabs_; }
  QLineEdit* installationField() const { return installation_; }
  QLineEdit* userField() const { return user_; }
  QLineEdit* waveField() const { return wave_; }
  QLineEdit* ownField() const { return own_; }
  QLineEdit* wirtschaftField() const { return wirtschaft_; }
  QLineEdit* rechtField() const { return recht_; }
  QCheckBox* voiceBox() const { return voice_; }
  QPushButton* browseButton(QLineEdit* field) const;

  void accept() override;

 private:
  void ColourWave();
  void BrowseUser();
  void BrowseWave();
  void BrowseOwn();

  QTabWidget* tabs_;
  QLineEdit *installation_, *user_, *wave_, *own_, *wirtschaft_, *recht_;
  QCheckBox* voice_;
};

}  // namespace vyr
