#pragma once
// A shown page control on pages written into a temporary directory (plain
// ".html" pages), with helpers to find and click link areas.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <string>
#include <vector>

#include "page/control/PageControl.h"
#include "platform/core/MessageRecorder.h"
#include "tests/common/TempDir.h"

namespace vyr::test {

class ControlFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    page.resize(400, 300);
    page.show();
    page.SetXPath(dir.path());
    page.OnCommand = [this](TXPage*, const std::string& c) { commands.push_back(c); };
  }
  std::string Page(const std::string& name, const std::string& body) { return dir.file(name, body); }
  bool Open(const std::string& name) { return page.SetXFile(dir.path() + name); }
  // The area whose link name is `name`; fails the test when there is none.
  QRect Area(const std::string& name) const {
    const tNamed_rectangle_list& links = page.Model().LinkNames;
    for (const TLinkArea& a : links.Areas)
      if (a.NameIndex >= 0 && links.Names[static_cast<size_t>(a.NameIndex)] == name)
        return QRect(QPoint(a.Rect.Left, a.Rect.Top), QPoint(a.Rect.Right, a.Rect.Bottom));
    ADD_FAILURE() << "no area " << name;
    return {};
  }
  // The middle of an area on the screen.
  QPoint At(const std::string& name) const { return Area(name).center() - QPoint(0, page.ScrollPos()); }
  void Click(const std::string& name, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&page, button, {}, At(name));
  }
  // Moves the mouse over the page with the given buttons held.
  void MoveMouse(QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), page.mapToGlobal(QPointF(at)), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(&page, &move);
  }
  // Waits (processing events) until the condition holds or the time is up.
  template <class F>
  static bool WaitFor(F condition, int ms = 2000) {
    for (int waited = 0; waited < ms; waited += 10) {
      if (condition()) return true;
      QTest::qWait(10);
    }
    return condition();
  }

  TTempDir dir;
  TMessageRecorder messages;
  TXPage page;
  std::vector<std::string> commands;
};

}  // namespace vyr::test
