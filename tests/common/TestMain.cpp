#ifdef VYR_TEST_WIDGETS
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QGuiApplication>
using TTestApplication = QGuiApplication;
#endif
#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <cstdio>

#include "platform/core/Messages.h"
#include "text/Cp1252.h"

// Every test program runs offscreen, with the registry stand-in and the XDG
// folders (desktop, applications menu, config) inside a temporary directory,
// so a test never touches the real user's settings.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("VYR_SILENT", "1");  // sounds go to the silent back end
  QTemporaryDir home;
  qputenv("VYR_REGISTRY", (home.path() + u"/registry.txt"_qs).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home.path() + u"/config"_qs).toLocal8Bit());
  qputenv("XDG_DATA_HOME", (home.path() + u"/data"_qs).toLocal8Bit());
  qputenv("HOME", home.path().toLocal8Bit());
  TTestApplication app(argc, argv);
  // A message that no test expected is printed, never shown in a box that
  // would wait for a person.
  vyr::SetMessageHandler([](const std::string& text, unsigned flags) {
    std::fprintf(stderr, "unerwartete Meldung: %s\n", vyr::Cp1252ToUtf8(text).c_str());
    return (flags & 0x0F) == vyr::msg::YesNo ? vyr::msg::IdYes : vyr::msg::IdOk;
  });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
