#include "platform/desktop/ScreenSaver.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

#include "text/Cp1252.h"

namespace vyr {
namespace {

class TSessionBusScreenSaver : public TScreenSaverService {
 public:
  uint32_t Inhibit(const std::string& reason) override {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return 0;
    QDBusInterface saver(u"org.freedesktop.ScreenSaver"_qs, u"/org/freedesktop/ScreenSaver"_qs,
                         u"org.freedesktop.ScreenSaver"_qs, bus);
    if (!saver.isValid()) return 0;
    saver.setTimeout(2000);
    const QDBusReply<uint32_t> reply =
        saver.call(u"Inhibit"_qs, QCoreApplication::applicationName(), ToUnicode(reason));
    return reply.isValid() ? reply.value() : 0;
  }
  void UnInhibit(uint32_t cookie) override {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusInterface saver(u"org.freedesktop.ScreenSaver"_qs, u"/org/freedesktop/ScreenSaver"_qs,
                         u"org.freedesktop.ScreenSaver"_qs, bus);
    if (!saver.isValid()) return;
    saver.setTimeout(2000);
    saver.call(u"UnInhibit"_qs, cookie);
  }
};

TScreenSaverService* installed = nullptr;
int depth = 0;
uint32_t cookie = 0;

TScreenSaverService& Service() {
  static TSessionBusScreenSaver bus;
  return installed ? *installed : bus;
}

}  // namespace

void SetScreenSaverService(TScreenSaverService* service) { installed = service; }

void BlockScreenSaver() {
  if (depth++ == 0) cookie = Service().Inhibit("Superlearning");
}

void UnblockScreenSaver() {
  if (depth == 0 || --depth > 0) return;
  if (cookie != 0) Service().UnInhibit(cookie);
  cookie = 0;
}

bool ScreenSaverBlocked() { return depth > 0; }

}  // namespace vyr
