#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>

#include "shell/window/Backdrop.h"

using namespace vyr;

TEST(Backdrop, MenuHoldsItsItemsInOrderAndColoursAreRadioItems) {
  TBackdrop b;
  b.resize(100, 80);
  const QList<QAction*> items = b.Menu()->actions();
  ASSERT_EQ(items.size(), 8);
  EXPECT_EQ(items[0]->text(), u"Minimieren"_qs);
  EXPECT_TRUE(items[1]->isSeparator());
  EXPECT_EQ(items[2]->text(), u"Fenster-Modus"_qs);
  EXPECT_EQ(items[2]->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_TRUE(items[3]->isSeparator());
  EXPECT_FALSE(items[3]->isVisible());
  EXPECT_EQ(items[4]->text(), u"Weiß"_qs);
  EXPECT_EQ(items[7]->text(), u"Schwarz"_qs);

  b.SetColour(0x808080);
  EXPECT_TRUE(items[6]->isChecked());
  items[4]->trigger();  // "Weiß"
  EXPECT_EQ(b.Colour(), 0xFFFFFF);
  EXPECT_TRUE(items[4]->isChecked());
  EXPECT_FALSE(items[6]->isChecked());
  b.SetColour(0x123456);  // no menu colour: nothing checked
  for (int i = 4; i < 8; ++i) EXPECT_FALSE(items[i]->isChecked());

  bool window = false, minimised = false;
  b.onWindowMode = [&] { window = true; };
  b.onMinimise = [&] { minimised = true; };
  items[2]->trigger();
  items[0]->trigger();
  EXPECT_TRUE(window);
  EXPECT_TRUE(minimised);
}

TEST(Backdrop, PaintsItsColour) {
  TBackdrop b;
  b.resize(40, 30);
  b.SetColour(0x0000FF);  // red in 0x00BBGGRR
  const QImage img = b.grab().toImage();
  EXPECT_EQ(img.pixelColor(5, 5), QColor(255, 0, 0));
}
