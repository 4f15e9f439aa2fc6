#include "platform/dialogs/MsgBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

using namespace zarle;

namespace {

using Button = QMessageBox::StandardButton;

std::vector<Button> ButtonsOf(const QMessageBox& box) {
    std::vector<Button> buttons;
    for (Button b : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Abort, QMessageBox::Retry,
                     QMessageBox::Ignore, QMessageBox::Yes, QMessageBox::No})
        if (box.button(b)) buttons.push_back(b);
    return buttons;
}

} // namespace

TEST(MsgBox, StyleChoosesButtonsIconAndDefault) {
    struct Case {
        int style;
        std::vector<Button> buttons;
        Button defaultButton;
        Button escapeButton;
        QMessageBox::Icon icon;
    };
    const std::array<Case, 6> cases{{
        {0, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::NoIcon},
        {1 + 32,
         {QMessageBox::Ok, QMessageBox::Cancel},
         QMessageBox::Ok,
         QMessageBox::Cancel,
         QMessageBox::Question},
        {2 + 64,
         {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore},
         QMessageBox::Abort,
         QMessageBox::Abort,
         QMessageBox::Information},
        {3 + 16 + 512,
         {QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No},
         QMessageBox::Cancel,
         QMessageBox::Cancel,
         QMessageBox::Critical},
        {4 + 48 + 256,
         {QMessageBox::Yes, QMessageBox::No},
         QMessageBox::No,
         QMessageBox::No,
         QMessageBox::Warning},
        // A default button the box does not have falls back to the first.
        {5 + 768,
         {QMessageBox::Cancel, QMessageBox::Retry},
         QMessageBox::Retry,
         QMessageBox::Cancel,
         QMessageBox::NoIcon},
    }};
    for (const Case& c : cases) {
        const auto box = BuildMsgBox({QStringLiteral("text"), c.style, QStringLiteral("title")});
        std::vector<Button> expected = c.buttons;
        std::sort(expected.begin(), expected.end());
        std::vector<Button> actual = ButtonsOf(*box);
        std::sort(actual.begin(), actual.end());
        EXPECT_EQ(actual, expected) << c.style;
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton) << c.style;
        EXPECT_EQ(box->standardButton(box->escapeButton()), c.escapeButton) << c.style;
        EXPECT_EQ(box->icon(), c.icon) << c.style;
    }
}

TEST(MsgBox, AnswersByTheButtonChosen) {
    struct Case {
        int style;
        Button clicked; // NoButton: closed without a button
        int answer;
    };
    const std::array<Case, 11> cases{{
        {0, QMessageBox::Ok, 1},
        {0, QMessageBox::NoButton, 1},
        {1, QMessageBox::Cancel, 2},
        {1, QMessageBox::NoButton, 2},
        {2, QMessageBox::Abort, 3},
        {2, QMessageBox::Retry, 4},
        {2, QMessageBox::Ignore, 5},
        {3, QMessageBox::Yes, 6},
        {3, QMessageBox::No, 7},
        {3, QMessageBox::NoButton, 2},
        {4, QMessageBox::NoButton, 7},
    }};
    for (const Case& c : cases) {
        const auto box = BuildMsgBox({QStringLiteral("?"), c.style, {}});
        if (c.clicked != QMessageBox::NoButton) box->button(c.clicked)->click();
        EXPECT_EQ(MsgBoxAnswer(*box), c.answer) << c.style << " " << c.clicked;
    }
}

TEST(MsgBox, ShowsTextAsPlainTextWithTheProgramsTitleByDefault) {
    const auto box = BuildMsgBox({QStringLiteral("Player <b>Bob</b>\r\nleft"), 0, {}});
    EXPECT_EQ(box->textFormat(), Qt::PlainText) << "a name a peer typed must not turn into markup";
    EXPECT_EQ(box->text(), QStringLiteral("Player <b>Bob</b>\nleft"));
    EXPECT_EQ(box->windowTitle(), DefaultMsgBoxTitle());
    EXPECT_EQ(BuildMsgBox({{}, 0, QStringLiteral("Zarle:")})->windowTitle(), QStringLiteral("Zarle:"));
}

TEST(MsgBox, AHookAnswersInsteadOfABox) {
    std::vector<MsgBoxRequest> asked;
    const MsgBoxHook previous = SetMsgBoxHook([&](const MsgBoxRequest& r) {
        asked.push_back(r);
        return 6;
    });
    EXPECT_EQ(MsgBox(QStringLiteral("Do you want to save this game?"), 4, QStringLiteral("Save Game")), 6);
    SetMsgBoxHook(previous);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, QStringLiteral("Do you want to save this game?"));
    EXPECT_EQ(asked[0].style, 4);
    EXPECT_EQ(asked[0].title, QStringLiteral("Save Game"));
}
