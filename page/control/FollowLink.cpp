// Following a link target: check boxes, look-ups, aliases, web addresses,
// commands for the owner, notes, exercise steps, the end of the program,
// going back, and files by their extension.
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "page/control/PageControl.h"
#include "page/control/PageSound.h"
#include "page/sources/ContainerCall.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "platform/desktop/Shell.h"
#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {

void TXPage::FollowLink(const std::string& target, const QRect& rect) { FollowFrom(target, rect, false); }

void TXPage::PostLink(const std::string& target, const QRect& rect) {
  const uint64_t generation = pageGeneration_;
  QMetaObject::invokeMethod(
      this,
      [this, target, rect, generation] {
        if (generation == pageGeneration_) FollowLink(target, rect);
      },
      Qt::QueuedConnection);
}

void TXPage::FollowFrom(std::string t, const QRect& rect, bool afterCommand) {
  if (t.empty()) return;
  if (!afterCommand) {
    // a check box
    if (t.size() > 1 && t.front() == '+') return ToggleCheckBox(t.substr(1));
    // a word to look up: the handler of the page shown (of the outer page for a pop-up)
    if (t.front() == '?') {
      TXPage* owner = outer_ ? outer_ : this;
      if (owner->OnRightClick) {
        owner->OnRightClick(owner, QRect(), t.substr(1));
        return;
      }
    }
    if (t.front() == '#' && !model_.Aliases.empty()) {
      t = model_.Aliases.Get(t);
      if (t.empty()) return;
    }
    if (t.starts_with("http://") || t.starts_with("https://")) {
      if (!ShellOpen(t)) ShowCourseMessage("Internet-Verbindung konnte nicht geöffnet werden!", msg::IconInformation);
      return;
    }
    if (t.front() == kCommandMark) {
      std::string command, rest;
      if (t.size() > 1 && t[1] == '[') {
        const size_t close = t.find(']');
        command = t.substr(2, close == std::string::npos ? std::string::npos : close - 2);
        if (close != std::string::npos) rest = t.substr(close + 1);
      } else {
        command = t.substr(1);
      }
      if (command == "rec" && model_.Recorder.Present) {
        if (RecorderCommand) RecorderCommand(command);
      } else if (command == "play") {
        if (model_.Recorder.Present && RecorderCommand) RecorderCommand(command);
      } else if (command.starts_with("mchx")) {
        if (!model_.Multiple.Reaction.empty() || !ChoiceAnswer) choice_.Answered(model_.Multiple, command.substr(4));
        else ChoiceAnswer(command);
      } else {
        QPointer<TXPage> self(this);
        RunCommand(command);
        if (!self) return;  // the owner removed the page control
      }
      if (!rest.empty()) FollowFrom(rest, rect, true);
      return;
    }
  }
  if (t.front() == '@') return ShowNote(t.substr(1), rect);
  if (IsNextTaskLink(t)) {
    Load([&] { return loader_.NextTask(); });
    return;
  }
  if (t == "END") {
    if (QWidget* w = window()) w->close();
    return;
  }
  if (t == "-") return GoBack();
  if (t == "+" && loader_.HasContinueTarget()) {
    Load([&] { return loader_.Continue(); });
    return;
  }
  if (IsContainerCall(t)) {
    Load([&] { return loader_.ContainerCall(t); });
    return;
  }
  FollowByExtension(t);
}

namespace {
// Runs the owner's command handler; what it throws ends the command and is
// reported once.
void RunGuarded(TXPage* page, const std::string& command) {
  try {
    if (page->OnCommand) page->OnCommand(page, command);
  } catch (const std::exception& e) {
    ShowCourseMessage("Der Befehl \"" + command + "\" konnte nicht ausgeführt werden:\r" + e.what(), msg::IconError);
  } catch (...) {
    ShowCourseMessage("Der Befehl \"" + command + "\" konnte nicht ausgeführt werden.", msg::IconError);
  }
}
}  // namespace

// A command for the owner: mouse input off and the hourglass shown while its
// handler runs; whatever the handler throws ends with it.
void TXPage::RunCommand(const std::string& command) {
  QPointer<TXPage> self(this);
  mouseEnabled_ = false;
  setCursor(Qt::WaitCursor);
  RunGuarded(this, command);
  // Mouse input that arrived meanwhile is dropped while input is still off.
  QCoreApplication::processEvents();
  if (!self) return;
  mouseEnabled_ = true;
  if (cursor().shape() == Qt::WaitCursor) unsetCursor();  // unless the handler set a cursor (or hid it)
}

void TXPage::ToggleCheckBox(const std::string& name) {
  bool checked = false;
  for (TCheckBox& box : model_.CheckBoxes) {
    if (box.Name != name) continue;
    box.Checked = !box.Checked;
    checked = box.Checked;
    break;
  }
  model_.Bedingung.Set(name, checked);
  redraw();
  RunGuarded(this, (checked ? "+" : "-") + name);
}

// A note under the link's rectangle (page coordinates).
void TXPage::ShowNote(const std::string& note, const QRect& rect) {
  tips_.ShowNote(note, rect.translated(0, -layout_.ScrollPos), buffer_.width());
}

// --- back, and files by their extension

void TXPage::GoBack() {
  if (history_.size() < 2) return;  // nowhere to go: the page stays
  const std::string current = history_.entries().back();
  const std::optional<std::string> previous = history_.Back();
  if (!Load([&] { return loader_.SetXFile(*previous); })) history_.Undo(current);
}

void TXPage::FollowByExtension(const std::string& target) {
  const std::string plain = target.substr(0, target.find('@'));
  const std::string ext = ExtractFileExt(plain);
  if (ext == ".htx" || ext == ".hvyr" || ext == ".html" || ext == ".vyr") {
    Load([&] { return loader_.SetXFile(target); });
    return;
  }
  // Recordings and documents are found by their extension in any case
  // ("HOUSE.WAV" plays); pages keep their exact extensions above.
  const std::string kind = LowerCase(ext);
  const bool sound = kind == ".wav" || kind == ".mp3";
  const bool document = kind == ".pdf" || kind == ".exe";
  if (!sound && !document) return;
  std::string path = loader_.Resolve(plain);
  if (!path.empty() && path.front() == '*') path.erase(0, 1);
  if (sound) {
    if (FileExists(path)) PlayPageSound(path);
    return;
  }
  if (!FileExists(path)) {
    ShowCourseMessage(path + " konnte nicht gefunden werden!", msg::IconError);
    return;
  }
  if (!ShellOpen(path)) ShowCourseMessage(path + " konnte nicht geöffnet werden!", msg::IconInformation);
}

}  // namespace vyr
