#pragma once
// The coloured backdrop behind the page in full-screen mode. It fills the
// main window, which in full-screen mode covers the whole screen with the
// 800 x 572 page centred on it; a right click offers the context menu
// ("Minimieren", "Fenster-Modus", the four colours). A click on it is not
// passed on.
#include <QWidget>
#include <array>
#include <functional>

class QAction;
class QMenu;

namespace vyr {

class TBackdrop : public QWidget {
  Q_OBJECT
 public:
  // The colours of the menu, as 0x00BBGGRR: white, light grey, dark grey, black.
  static constexpr std::array<int, 4> kColours = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000};

  explicit TBackdrop(QWidget* parent = nullptr);

  int Colour() const { return colour_; }
  void SetColour(int colour);
  // Checks the menu item of the current colour (none when it is no menu colour).
  void ShowColor();

  QMenu* Menu() const { return menu_; }
  std::function<void()> onMinimise;
  std::function<void()> onWindowMode;
  std::function<void(int colour)> onColourChanged;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  int colour_ = 0;
  QMenu* menu_;
  std::array<QAction*, 4> colourItems_{};
};

}  // namespace vyr
