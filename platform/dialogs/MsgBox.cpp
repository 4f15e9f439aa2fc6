#include "platform/dialogs/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <array>
#include <utility>
#include <vector>

namespace zarle {

namespace {

using Button = QMessageBox::StandardButton;

struct ButtonSet {
    std::vector<Button> buttons;
    // The answer of closing the box without a button.
    Button escape;
};

ButtonSet ButtonsOf(int style) {
    switch (style & 7) {
    case 1: return {{QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Cancel};
    case 2: return {{QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}, QMessageBox::Abort};
    case 3: return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, QMessageBox::Cancel};
    case 4: return {{QMessageBox::Yes, QMessageBox::No}, QMessageBox::No};
    case 5: return {{QMessageBox::Retry, QMessageBox::Cancel}, QMessageBox::Cancel};
    default: return {{QMessageBox::Ok}, QMessageBox::Ok};
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

constexpr std::array<std::pair<Button, int>, 7> Answers{{
    {QMessageBox::Ok, 1},
    {QMessageBox::Cancel, 2},
    {QMessageBox::Abort, 3},
    {QMessageBox::Retry, 4},
    {QMessageBox::Ignore, 5},
    {QMessageBox::Yes, 6},
    {QMessageBox::No, 7},
}};

int AnswerOf(Button button) {
    for (const auto& [b, answer] : Answers)
        if (b == button) return answer;
    return 2;
}

MsgBoxHook& Hook() {
    static MsgBoxHook hook;
    return hook;
}

} // namespace

QString DefaultMsgBoxTitle() {
    return QStringLiteral("ZarleNET");
}

std::unique_ptr<QMessageBox> BuildMsgBox(const MsgBoxRequest& request, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(
        QString(request.text).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n'));
    box->setWindowTitle(request.title.isEmpty() ? DefaultMsgBoxTitle() : request.title);
    box->setIcon(IconOf(request.style));
    const ButtonSet set = ButtonsOf(request.style);
    for (Button b : set.buttons) box->addButton(b);
    const size_t defaultIndex = (request.style >> 8) & 3;
    box->setDefaultButton(set.buttons[defaultIndex < set.buttons.size() ? defaultIndex : 0]);
    box->setEscapeButton(box->button(set.escape));
    return box;
}

int MsgBoxAnswer(const QMessageBox& box) {
    QAbstractButton* chosen = box.clickedButton() ? box.clickedButton() : box.escapeButton();
    return chosen ? AnswerOf(box.standardButton(chosen)) : AnswerOf(QMessageBox::Cancel);
}

MsgBoxHook SetMsgBoxHook(MsgBoxHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

int MsgBox(const QString& text, int style, const QString& title) {
    const MsgBoxRequest request{text, style, title};
    if (Hook()) return Hook()(request);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return AnswerOf(ButtonsOf(style).escape);
    // The window it belongs to may close while the box is up, taking the box with it.
    const QPointer<QMessageBox> box = BuildMsgBox(request, QApplication::activeWindow()).release();
    box->exec();
    if (!box) return AnswerOf(ButtonsOf(style).escape);
    const int answer = MsgBoxAnswer(*box);
    delete box.data();
    return answer;
}

} // namespace zarle
