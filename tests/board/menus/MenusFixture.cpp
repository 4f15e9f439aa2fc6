#include "tests/board/menus/MenusFixture.h"

#include "tests/support/board/WindowEvents.h"
#include "platform/controls/ListBox.h"

#include <QCoreApplication>
#include <QTimer>

namespace zarle::test {

void MenusTest::SetUp() {
    ProgramFolderTest::SetUp();
    Help = &HelpCalls;
}

void MenusTest::StartAndDeal() {
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    Window->Deal();
    ASSERT_EQ(Game->PTurn, 1);
}

void MenusTest::OpenMenu(int menu, const std::function<void(frmMenu*)>& inside) {
    const float titleX[] = {0, 100, 260, 420, 570};
    Strip().ShowStrip();
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        frmMenu* window = Strip().MenuWindow();
        inside(window);
        // A test that forgot to close the menu must not hang.
        if (Strip().MenuWindow() == window && window) window->Unload();
    });
    Strip().picPanel_MouseDown(titleX[menu], 40);
    // No menu opened: the timer still runs once, with nothing to act on.
    if (!ran) QCoreApplication::processEvents();
}

void MenusTest::ClickEntry(frmMenu& menu, int index) {
    ListBox& list = *menu.List1;
    ClickWith(*list.viewport(), Qt::LeftButton, Qt::NoModifier,
              list.visualItemRect(list.item(index)).center());
}

std::vector<std::string> MenusTest::BoxTexts() const {
    std::vector<std::string> texts;
    for (const BoxShown& box : Box.Shown) texts.push_back(box.Text);
    return texts;
}

} // namespace zarle::test
