#pragma once
// The commands of the drawn menus and the keys: MenuGame, MenuOptions, MenuInternet and MenuHelp
// take the entry's index in its menu (separators counted), as the menus, the keys and other code
// call them; FormControlCodes holds the whole keyboard interface of the board. Each command calls
// the window or routine that does the work through the game window's parts.

#include "board/commands/InternetCommands.h"
#include "board/commands/KeypadMove.h"
#include "board/menus/MenuStrip.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zarle {

class GameWindow;

class BoardCommands {
  public:
    BoardCommands(GameWindow& window, SoundPort& sound, MessageBoxPort& box);
    ~BoardCommands();
    BoardCommands(const BoardCommands&) = delete;
    BoardCommands& operator=(const BoardCommands&) = delete;

    // The network windows, once they exist; until then the refusals of a game without them.
    void SetInternet(InternetCommands& internet) { internet_ = &internet; }
    // Opens a web address, false when no browser could be started (tests put in their own).
    void SetBrowser(std::function<bool(std::string_view)> launch) { browser_ = std::move(launch); }

    void MenuGame(int index);
    void MenuOptions(int index, int choice);
    void MenuInternet(int index);
    void MenuHelp(int index, int choice);
    // One key of the board window: virtual-key code and modifiers (1 Shift, 2 Ctrl, 4 Alt).
    void FormControlCodes(int keyCode, int shift);

    // The Game title's refusals, which the keys of its commands share: a network game, or a
    // computer seat's turn. True (after the message) when refused.
    bool GameMenuRefused();

    MenuStrip& Strip() { return *strip_; }
    KeypadMove& Keypad() { return keypad_; }
    // The web address the Help menu opened last.
    const std::string& SiteAddress() const { return siteAddress_; }

  private:
    void Dispatch(int menu, int item, int choice);
    void HideStrip();
    // The program is closing: no command may touch the board any more.
    bool Closing() const;

    // Game menu.
    void NewGame();
    void RulesCommand();
    void RestartCurrentGame();
    void Exit();
    // Options menu.
    void ChangeNoise();
    void DisplaySize(int choice);
    // Help menu.
    void Peek();
    void CardCounter();
    void VisitSite(int choice);
    // Keys.
    bool FunctionKey(int keyCode);
    bool CtrlKey(int keyCode);
    void CtrlShiftKey(int keyCode);
    void Home(int shift);
    void LetterKey(int keyCode);
    void SoundKey(int keyCode);
    void Message(const std::string& text, int style, const std::string& title);

    GameWindow& w_;
    GameState& s_;
    SoundPort& sound_;
    MessageBoxPort& box_;
    NoInternetCommands noInternet_;
    InternetCommands* internet_;
    std::function<bool(std::string_view)> browser_;
    std::unique_ptr<MenuStrip> strip_;
    KeypadMove keypad_;
    std::string siteAddress_;
};

} // namespace zarle
