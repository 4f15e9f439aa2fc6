#include "board/commands/BoardCommands.h"

#include "board/FrmZarle.h"
#include "board/GameWindow.h"
#include "platform/shell/Browser.h"

namespace zarle {

BoardCommands::BoardCommands(GameWindow& window, SoundPort& sound, MessageBoxPort& box)
    : w_(window), s_(window.Game()), sound_(sound), box_(box), noInternet_(window.Game(), box),
      internet_(&noInternet_),
      browser_([](std::string_view address) { return OpenUrlInBrowser(QString::fromUtf8(address)); }),
      strip_(std::make_unique<MenuStrip>(
          MenuStripParts{window.Game(), window.Profile(), static_cast<FrmZarle&>(window.Surface()),
                         window.Board(), sound, box, window.Pictures(), window.StartUpValues().LargeFonts,
                         [this](int menu, int item, int choice) { Dispatch(menu, item, choice); },
                         [this] { return GameMenuRefused(); }})),
      keypad_(window.Game(), window.Board(), window.TheEngine()) {
    // The board previews every key of its controls.
    auto& form = static_cast<FrmZarle&>(window.Surface());
    QObject::connect(&form.Events(), &ControlEvents::KeyDown, strip_.get(),
                     [this](int keyCode, int shift) { FormControlCodes(keyCode, shift); });
}

BoardCommands::~BoardCommands() = default;

// The command of a drop-down entry; separators run nothing.
void BoardCommands::Dispatch(int menu, int item, int choice) {
    if (item < 0 || item >= static_cast<int>(MenuEntries(menu, {s_.NetMode, s_.IsHost}).size())) return;
    switch (menu) {
    case GameMenu:
        if (item != 3 && item != 6 && item != 9 && item != 11) MenuGame(item);
        break;
    case OptionsMenu:
        if (item != 3) MenuOptions(item, item == 7 ? choice : 0);
        break;
    case InternetMenu:
        if (item != 2) MenuInternet(item);
        break;
    case HelpMenu:
        if (item != 5) MenuHelp(item, item == 6 ? choice : 0);
        break;
    default: break;
    }
}

bool BoardCommands::GameMenuRefused() {
    if (s_.NetMode != 0) {
        Message("Use the Internet Menu during Internet games", MbInformation, "ZarleNET Online");
        return true;
    }
    if (s_.PTurn > 1) {
        s_.MsgText = "Wait!  Let me finish my turn first!";
        s_.MsgAnswer = static_cast<int16_t>(box_.MsgBox(s_.MsgText, MbOkOnly, "Zarle:"));
        HideStrip();
        return true;
    }
    return false;
}

void BoardCommands::HideStrip() {
    strip_->HideStrip();
}

bool BoardCommands::Closing() const {
    return s_.StopWait;
}

void BoardCommands::Message(const std::string& text, int style, const std::string& title) {
    s_.MsgAnswer = static_cast<int16_t>(box_.MsgBox(text, style, title));
}

} // namespace zarle
