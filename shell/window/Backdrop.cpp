#include "shell/window/Backdrop.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

namespace vyr {

TBackdrop::TBackdrop(QWidget* parent) : QWidget(parent), menu_(new QMenu(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  menu_->addAction(u"Minimieren"_qs, this, [this] {
    if (onMinimise) onMinimise();
  });
  menu_->addSeparator();
  QAction* window = menu_->addAction(u"Fenster-Modus"_qs, this, [this] {
    if (onWindowMode) onWindowMode();
  });
  window->setShortcut(QKeySequence(Qt::Key_F5));
  window->setShortcutVisibleInContextMenu(true);
  menu_->addSeparator()->setVisible(false);
  auto* group = new QActionGroup(this);
  const char16_t* names[] = {u"Weiß", u"Hellgrau", u"Dunkelgrau", u"Schwarz"};
  for (size_t i = 0; i < kColours.size(); ++i) {
    colourItems_[i] = menu_->addAction(QString::fromUtf16(names[i]), this, [this, i] {
      SetColour(kColours[i]);
      if (onColourChanged) onColourChanged(kColours[i]);
    });
    colourItems_[i]->setCheckable(true);
    group->addAction(colourItems_[i]);
  }
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
}

void TBackdrop::SetColour(int colour) {
  colour_ = colour;
  ShowColor();
  update();
}

void TBackdrop::ShowColor() {
  for (size_t i = 0; i < kColours.size(); ++i) colourItems_[i]->setChecked(kColours[i] == colour_);
}

void TBackdrop::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(colour_ & 0xFF, (colour_ >> 8) & 0xFF, (colour_ >> 16) & 0xFF));
}

void TBackdrop::mousePressEvent(QMouseEvent* e) {
  // The page stays the active part of the window; the click goes nowhere.
  if (QWidget* w = window()) w->activateWindow();
  e->accept();
}

void TBackdrop::contextMenuEvent(QContextMenuEvent* e) {
  ShowColor();
  menu_->popup(e->globalPos());
}

}  // namespace vyr
