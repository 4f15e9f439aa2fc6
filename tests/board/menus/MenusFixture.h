#pragma once
// The program started on a copy of the default program folder, with helpers to open a drawn menu
// and act inside its wait, to choose entries with real clicks, and to press the board's keys.

#include "board/FrmZarle.h"
#include "tests/support/board/ProgramFolderFixture.h"
#include "platform/help/HelpPort.h"
#include "board/menus/frmMenu.h"

#include <QApplication>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace zarle::test {

class RecordingHelp : public HelpPort {
  public:
    std::vector<std::string> Keywords;
    void ShowHelp(std::string_view keyword) override { Keywords.emplace_back(keyword); }
};

class MenusTest : public ProgramFolderTest {
  protected:
    void SetUp() override;

    BoardCommands& Commands() { return Window->Commands(); }
    MenuStrip& Strip() { return Commands().Strip(); }
    FrmZarle& Form() { return static_cast<FrmZarle&>(Window->Surface()); }
    // Started, with a game dealt and the human to move.
    void StartAndDeal();
    // Presses a title of the strip; `inside` runs while the menu waits (null: nothing opened).
    void OpenMenu(int menu, const std::function<void(frmMenu*)>& inside);
    // A real click on entry `index` of an open menu.
    void ClickEntry(frmMenu& menu, int index);
    void Key(int keyCode, int shift = 0) { Commands().FormControlCodes(keyCode, shift); }
    std::vector<std::string> BoxTexts() const;
    std::string Status() { return Window->Board().Model().Get(Ctl::Label9, 1).Caption; }

    RecordingHelp HelpCalls;
};

// Runs `act` on the next modal window of this type once it shows.
template <class Dialog> void WhenModal(std::function<void(Dialog&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(*dialog);
    });
    poll->start();
}

} // namespace zarle::test
