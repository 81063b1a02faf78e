#pragma once
// Every message box of the system: caption "*vyr", German text (Windows-1252),
// flags and answers as in the Windows message-box call. Flags 0 are an OK
// button with the warning icon. In the texts "\r" and "\n" break lines.
//
// The programs install message boxes (platform/desktop/MessageBox.h); without
// them or without a running QApplication (command-line tools) the text goes
// to the standard error stream and the first button counts as pressed. Tests
// install a handler that answers and records, so no window is ever needed.
#include <functional>
#include <string>
#include <string_view>

namespace vyr {

namespace msg {
// buttons
constexpr unsigned Ok = 0x00, OkCancel = 0x01, YesNo = 0x04;
// icons (no icon flag: the warning icon)
constexpr unsigned IconError = 0x10, IconQuestion = 0x20, IconWarning = 0x30, IconInformation = 0x40;
// answers
constexpr int IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7;
}  // namespace msg

int ShowCourseMessage(std::string_view text, unsigned flags = 0);

using MessageHandler = std::function<int(const std::string& text, unsigned flags)>;
// Replaces how messages are shown and returns the handler it replaced; an
// empty handler restores the message box.
MessageHandler SetMessageHandler(MessageHandler handler);

// How a message is shown when no handler is set; nullptr prints it to the
// standard error stream.
using MessagePresenter = int (*)(std::string_view text, unsigned flags);
void SetMessagePresenter(MessagePresenter presenter);
// The text with "\r\n" and "\r" as line breaks "\n", as a message shows it.
std::string MessageLines(std::string_view text);
// The answer of the first button: Yes for Yes/No, otherwise OK.
int FirstButtonAnswer(unsigned flags);

}  // namespace vyr
