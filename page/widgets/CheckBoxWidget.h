#pragma once
// The check box of the editor's windows: a self-drawn 12 x 12 box with a
// tick and a caption beside it. A press of the left button toggles it at
// once; the release inside it raises OnClick. With the keyboard focus the
// space bar does both.
#include <QWidget>
#include <cstdint>
#include <string>
#include <string_view>

namespace vyr {

class tXCheckBox : public QWidget {
  Q_OBJECT

 public:
  explicit tXCheckBox(QWidget* parent = nullptr);
  ~tXCheckBox() override;

  const std::string& Caption() const { return caption_; }  // Windows-1252
  void SetCaption(std::string_view caption);
  // The caption font is the widget's font; its colour is kept here (0x00BBGGRR).
  int32_t FontColor() const { return fontColor_; }
  void SetFontColor(int32_t color);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  // The top of the box for the present height.
  int BoxTop() const { return (height() - 12) / 2; }

 signals:
  void OnClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  std::string caption_;
  int32_t fontColor_ = 0;
  bool checked_ = false;
};

}  // namespace vyr
