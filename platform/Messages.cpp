#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

#include "platform/MessageRecorder.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

int FirstButton(unsigned flags) {
  return (flags & 0x0F) == msg::YesNo ? msg::IdYes : msg::IdOk;
}

QString DisplayText(std::string_view text) {
  QString s = ToUnicode(text);
  s.replace(u"\r\n"_qs, u"\n"_qs);
  s.replace(u'\r', u'\n');
  return s;
}

int ShowBox(std::string_view text, unsigned flags) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    std::fprintf(stderr, "*vyr: %s\n", DisplayText(text).toLocal8Bit().constData());
    return FirstButton(flags);
  }
  QMessageBox box;
  box.setWindowTitle(u"*vyr"_qs);
  box.setText(DisplayText(text));
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
    case msg::OkCancel: choices = {{QMessageBox::Ok, u"OK", msg::IdOk}, {QMessageBox::Cancel, u"Abbrechen", msg::IdCancel}}; break;
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

int ShowCourseMessage(std::string_view text, unsigned flags) {
  if (Handler()) return Handler()(std::string(text), flags);
  return ShowBox(text, flags);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

TMessageRecorder::TMessageRecorder(std::deque<int> answers) : answers_(std::move(answers)) {
  previous_ = SetMessageHandler([this](const std::string& text, unsigned flags) {
    shown_.push_back({text, flags});
    if (answers_.empty()) return FirstButton(flags);
    const int a = answers_.front();
    answers_.pop_front();
    return a;
  });
}

TMessageRecorder::~TMessageRecorder() { SetMessageHandler(std::move(previous_)); }

std::vector<std::string> TMessageRecorder::texts() const {
  std::vector<std::string> out;
  for (const auto& s : shown_) out.push_back(s.text);
  return out;
}

}  // namespace vyr
