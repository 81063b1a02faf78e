#pragma once
// page/widgets: the self-drawn widgets of pages (colour button, check box).
//
// The colour button: a self-drawn button with a caption and/or a picture
// that highlights under the mouse, can act as an on/off switch and can
// recolour its picture with the blend modes. Page buttons are colour
// buttons; the editor's windows use them as tool and arrow buttons.
//
// Colours are colour values (0x00BBGGRR). The caption is Windows-1252 text.
// Like a push button it clicks on the release inside it; it takes no
// keyboard focus unless its owner gives it a focus policy, and then Space
// and Enter click it.
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QAction;

namespace vyr {

enum TTransitionMode : uint8_t {
  tmNormal = 0,
  tmWhite = 1,
  tmBlack = 2,
  tmWhite2 = 3,
  tmBlack2 = 4,
  tmWhite3 = 5,
  tmBlack3 = 6,
  tmColor = 7,
  tmColor2 = 8,
  tmNegativ = 9,
};

// The pixels of a one-pixel line from `from` to `to` as windows draw it:
// the end point itself is left out, so a polyline draws each corner once.
std::vector<QPoint> LinePixels(QPoint from, QPoint to);

class tXColorButton : public QWidget {
  Q_OBJECT

 public:
  explicit tXColorButton(QWidget* parent = nullptr);
  ~tXColorButton() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool on);
  // The caption font is the widget's font; its colour is kept here.
  int32_t FontColor() const { return fontColor_; }
  void SetFontColor(int32_t color);
  int32_t Color() const { return color_; }
  void SetColor(int32_t color);
  // `Color` with red and blue exchanged (0xRRGGBB).
  int32_t RGB() const;
  void SetRGB(int32_t rgb);
  int32_t FlashColor() const { return flashColor_; }
  void SetFlashColor(int32_t color);

  const QImage& Picture1() const { return picture1_; }
  // An icon keeps the caption shown; any other picture hides it.
  void SetPicture1(const QImage& picture, bool isIcon = false);
  const QImage& Picture2() const { return picture2_; }
  void SetPicture2(const QImage& picture);

  TTransitionMode Mode() const { return mode_; }
  void SetMode(TTransitionMode mode);
  int Radius() const { return radius_; }
  void SetRadius(int radius);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool on);
  bool Center() const { return center_; }
  void SetCenter(bool on);
  int Abstand() const { return abstand_; }
  void SetAbstand(int pixels);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  bool DDD() const { return ddd_; }
  void SetDDD(bool on);
  bool MouseOver() const { return mouseOver_; }
  void SetMouseOver(bool on);
  bool MouseOver3D() const { return mouseOver3D_; }
  void SetMouseOver3D(bool on);
  bool OnOff() const { return onOff_; }
  void SetOnOff(bool on);
  bool IsOn() const { return isOn_; }
  void SetIsOn(bool on);  // changes only while OnOff is on
  // A picture whose top-left part serves as the face.
  const QImage& Image() const { return image_; }
  void SetImage(const QImage& image);
  const QImage& Hintergrund() const { return hintergrund_; }
  void SetHintergrund(const QImage& image);
  // A command text kept for the owner (page buttons hold their link target).
  const std::string& Befehl() const { return befehl_; }
  void SetBefehl(std::string_view command) { befehl_ = std::string(command); }
  // A linked action is triggered by a click instead of OnClick.
  QAction* Action() const { return action_; }
  void SetAction(QAction* action) { action_ = action; }

  bool Hovered() const { return hovered_; }
  bool Pressed() const { return pressed_; }

  // The face as it is painted in the present state.
  QImage RenderFace() const;

 signals:
  void OnClick();
  void OnTurnOn();
  void OnTurnOff();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Changed(bool sizeStep = false);
  // Sets a property; a new value repaints, after the size step if asked.
  template <class T>
  void Assign(T& field, const T& value, bool sizeStep = false) {
    if (field == value) return;
    field = value;
    Changed(sizeStep);
  }
  void SizeStep();
  void Release(bool inside);
  bool PictureIs24Bit() const;

  std::string caption_;
  bool showCaption_ = true;
  int32_t fontColor_ = 0;
  int32_t color_ = 0;
  int32_t flashColor_ = 255;
  QImage picture1_, picture2_;
  bool picture1Icon_ = false;
  TTransitionMode mode_ = tmNormal;
  int radius_ = 0;
  bool stretch_ = false, center_ = false;
  int abstand_ = 0;
  bool autoSize_ = false, ddd_ = false, mouseOver_ = false, mouseOver3D_ = false;
  bool onOff_ = false, isOn_ = false;
  QImage image_, hintergrund_;
  std::string befehl_;
  QAction* action_ = nullptr;
  bool hovered_ = false, pressed_ = false;
};

}  // namespace vyr
