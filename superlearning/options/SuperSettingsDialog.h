#pragma once
// The dialog "VYR Superlearning - Einstellungen": nine pages of controls for
// the superlearning settings, opened on the page "audio". The volume slider
// is heard at once; "&Abbrechen" gives the player its volume and directory
// back. "&OK" takes only the controls that differ from what they showed
// after the last fill (opening or "&Zurücksetzen"), so values the controls
// cannot show exactly (clamped, rounded, fonts not installed) survive it.
// Closing stops the music and stores what changed.
#include <QDialog>
#include <QVariant>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "superlearning/options/SuperOptions.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

namespace vyr {

class TXPage;

// The choosers the dialog asks; tests put stand-ins in.
struct TSuperDialogChoosers {
  // A file below startDir matching the Qt name filter; nullopt on Cancel.
  std::function<std::optional<std::string>(const std::string& startDir, const QString& filter)> chooseFile;
  // A colour (web order 0xRRGGBB) starting from the given one; nullopt on Cancel.
  std::function<std::optional<int>(int rgb)> chooseColour;
  static TSuperDialogChoosers Platform(QWidget* parent);
};

class TSuperSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  TSuperSettingsDialog(TSuperOptions& options, TSuperDialogChoosers choosers, QWidget* parent = nullptr);
  ~TSuperSettingsDialog() override;

  // The markup the Techno preview shows last.
  const std::string& PreviewMarkup() const { return previewMarkup_; }

  // "&Abbrechen", Escape and the window's close button alike give the
  // player its volume and directory back.
  void reject() override;

 private:
  struct TBinding {
    std::function<void()> fill;      // control from the setting
    std::function<QVariant()> read;  // what the control shows
    std::function<void()> take;      // setting from the control
    QVariant filled = {};
  };
  void build();
  QWidget* klassischPage();
  QWidget* abgedrehtPage();
  QWidget* technoOptikPage();
  QWidget* technoAnimationPage();
  QWidget* ddPage();
  QWidget* vegasPage();
  QWidget* airportPage();
  QWidget* audioPage();
  QWidget* super3DPage();

  // Controls bound to one setting each.
  QSlider* intSlider(const char* name, int min, int max, int TSuperSettings::*member);
  QAbstractButton* check(QAbstractButton* box, bool TSuperSettings::*member);
  QComboBox* fontList(const char* name, std::string TSuperSettings::*member);
  QPushButton* colourField(const char* name, int TSuperSettings::*member, bool pageOrder);
  QWidget* pageChoice(const char* prefix, bool dd);

  void fill();
  void ok();
  void reset();
  void chooseMusic();
  void testMusic();
  void chooseTechnoDir();
  void updateLabels();
  void updatePreview();
  void showMusicCount();

  TSuperOptions& options_;
  TSuperDialogChoosers choosers_;
  std::vector<TBinding> bindings_;
  bool filling_ = false;
  int rememberedVolume_ = 0;
  std::string rememberedDirectory_;
  QString filledMusicDir_, filledTechnoDir_;
  std::string previewMarkup_;

  QTabWidget* pc_ = nullptr;
  QWidget* technoPage_ = nullptr;
  TXPage* preview_ = nullptr;
  QLineEdit* mp3Dir_ = nullptr;
  QLineEdit* technoDir_ = nullptr;
  QPushButton* mp3Test_ = nullptr;
  QLabel* mp3Info_ = nullptr;
  QSlider* volume_ = nullptr;
};

}  // namespace vyr
