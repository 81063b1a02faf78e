#pragma once
// Lets the event loop run until a condition holds or the time is up.
#include <QCoreApplication>
#include <QElapsedTimer>

namespace vyr::test {

template <class F>
bool WaitUntil(F done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

}  // namespace vyr::test
