#pragma once
// The message box. The style adds up the buttons (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore,
// 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel), the icon (16 critical, 32 question,
// 48 exclamation, 64 information) and the default button (0 first, 256 second, 512 third).
// The answer is 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes or 7 No; closing the box
// answers as its Cancel (or No, or its only button) would.
//
// Texts are shown as plain text, line breaks CR LF or LF; an empty title shows the
// program's name.

#include <QString>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace zarle {

struct MsgBoxRequest {
    QString text;
    int style = 0;
    QString title;
};

// Shows the box modally (events keep running) and returns the answer.
int MsgBox(const QString& text, int style = 0, const QString& title = {});

// Answers boxes instead of showing them while set (tests, scripted runs); returns the
// hook it replaces. An empty hook shows boxes again.
using MsgBoxHook = std::function<int(const MsgBoxRequest&)>;
MsgBoxHook SetMsgBoxHook(MsgBoxHook hook);

// The box MsgBox would show, ready to run.
std::unique_ptr<QMessageBox> BuildMsgBox(const MsgBoxRequest& request, QWidget* parent = nullptr);
// The answer a finished box gives.
int MsgBoxAnswer(const QMessageBox& box);

QString DefaultMsgBoxTitle();

} // namespace zarle
