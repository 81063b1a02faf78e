#pragma once
// "Verwaltung der Sprachaufnahmen": browsing and editing the main
// recordings database, one record at a time. A text is taken when its field
// is left or Enter is pressed; it then moves to its sorted place (a text
// that is there already is refused). Records left without text are dropped
// when the dialog closes.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vyr {

class TXWaveBase;

class TWaveDB : public QDialog {
  Q_OBJECT
 public:
  explicit TWaveDB(TXWaveBase& base, QWidget* parent = nullptr);
  ~TWaveDB() override;

  QLineEdit* searchField() const { return search_; }
  QLineEdit* textField() const { return text_; }
  QLineEdit* fileField() const { return file_; }
  QLabel* counter() const { return counter_; }
  // By hint: "Vorlesen", "Zum nächsten Eintrag", ...
  QPushButton* button(const QString& hint) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void done(int result) override;

 private:
  void Show();
  bool CommitText();
  void Navigate(void (TXWaveBase::*move)());
  void Insert();
  void Delete();
  void Speak();
  void Browse();

  TXWaveBase& base_;
  QLineEdit *search_, *text_, *file_;
  QLabel* counter_;
  QPushButton* speak_;
  bool showing_ = false;
};

}  // namespace vyr
