#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test program runs offscreen, with the registry stand-in and the XDG
// folders (desktop, applications menu, config) inside a temporary directory,
// so a test never touches the real user's settings.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  qputenv("VYR_REGISTRY", (home.path() + u"/registry.txt"_qs).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home.path() + u"/config"_qs).toLocal8Bit());
  qputenv("XDG_DATA_HOME", (home.path() + u"/data"_qs).toLocal8Bit());
  qputenv("HOME", home.path().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
