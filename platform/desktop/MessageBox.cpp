#include "platform/desktop/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <vector>

#include "platform/core/Messages.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

int ShowBox(std::string_view text, unsigned flags) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    std::fprintf(stderr, "*vyr: %s\n", ToUnicode(MessageLines(text)).toLocal8Bit().constData());
    return FirstButtonAnswer(flags);
  }
  QMessageBox box;
  box.setWindowTitle(u"*vyr"_qs);
  box.setText(ToUnicode(MessageLines(text)));
  switch (flags & 0xF0) {
    case msg::IconError: box.setIcon(QMessageBox::Critical); break;
    case msg::IconQuestion: box.setIcon(QMessageBox::Question); break;
    case msg::IconInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::Warning); break;
  }
  struct Choice {
    QMessageBox::StandardButton button;
    const char16_t* label;
    int answer;
  };
  std::vector<Choice> choices;
  switch (flags & 0x0F) {
    case msg::OkCancel:
      choices = {{QMessageBox::Ok, u"OK", msg::IdOk}, {QMessageBox::Cancel, u"Abbrechen", msg::IdCancel}};
      break;
    case msg::YesNo: choices = {{QMessageBox::Yes, u"Ja", msg::IdYes}, {QMessageBox::No, u"Nein", msg::IdNo}}; break;
    default: choices = {{QMessageBox::Ok, u"OK", msg::IdOk}}; break;
  }
  for (const Choice& c : choices) box.addButton(c.button)->setText(QString::fromUtf16(c.label));
  const int pressed = box.exec();
  for (const Choice& c : choices)
    if (pressed == c.button) return c.answer;
  // Closed with Escape or the window button: the cancelling answer.
  return (flags & 0x0F) == msg::YesNo ? msg::IdNo : ((flags & 0x0F) == msg::OkCancel ? msg::IdCancel : msg::IdOk);
}

}  // namespace

void InstallMessageBoxes() { SetMessagePresenter(ShowBox); }

}  // namespace vyr
