// The board window's keys: shortcuts of the menus, the keypad move, emoticons, sound keys and a
// few hidden views.

#include "board/GameWindow.h"
#include "board/commands/BoardCommands.h"
#include "platform/input/KeyCodes.h"
#include "board/menus/frmBackground.h"
#include "board/windows/frmSplash.h"

#include <array>
#include <filesystem>

namespace zarle {

namespace {

constexpr int EscKey = 27;
constexpr int AltKey = 18;
constexpr int HomeKey = 36;
constexpr int EndKey = 35;
constexpr int PageUpKey = 33;
constexpr int UpKey = 38;
constexpr int DownKey = 40;
constexpr int BackspaceKey = 8;
constexpr int DeleteKey = 46;
constexpr int EqualsKey = 187;
constexpr int F1 = 112;
constexpr int F2 = 113;
constexpr int F3 = 114;
constexpr int F4 = 115;
constexpr int F5 = 116;
constexpr int F6 = 117;
constexpr int F7 = 118;
constexpr int F8 = 119;
constexpr int F9 = 120;
constexpr int F10 = 121;
constexpr int F11 = 122;
constexpr int F12 = 123;
constexpr int KeyR = 82;
constexpr int KeyS = 83;
constexpr int CtrlShift = CtrlMask | ShiftMask;
constexpr int CtrlShiftAlt = CtrlMask | ShiftMask | AltMask;
constexpr int Connecting = 99;

struct Emoticon {
    char Key;
    const char* File;
};
constexpr std::array<Emoticon, 13> Emoticons{{{'A', "Angry.gif"},
                                              {'B', "Begging.gif"},
                                              {'C', "Crying.gif"},
                                              {'D', "Dumb_Move.gif"},
                                              {'E', "Embarrassed.gif"},
                                              {'F', "Hotflash.gif"},
                                              {'G', "Grinning.gif"},
                                              {'K', "Skull.gif"},
                                              {'M', "Mischievous.gif"},
                                              {'N', "Noose.gif"},
                                              {'S', "Sad.gif"},
                                              {'W', "Wink.gif"},
                                              {'X', "Shoot.gif"}}};

std::string ProgramFile(const std::string& appPath, const char* folder, const char* name) {
    return (std::filesystem::path(appPath) / folder / name).string();
}

} // namespace

void BoardCommands::FormControlCodes(int keyCode, int shift) {
    // Qt reports the Alt key's own press without its modifier.
    if (keyCode == AltKey) shift |= AltMask;
    s_.AwaitHuman = false;
    // The first key during a card-flow animation only stops it.
    if (s_.FlowRunning && !s_.FlowStop) {
        s_.FlowStop = true;
        return;
    }
    if (s_.GameEnding || Closing()) return;
    if (keypad_.Key(keyCode)) return;
    keypad_.Cancel();
    if (keyCode == EscKey) HideStrip();
    switch (shift) {
    case 0:
        if (s_.NetMode == Connecting && keyCode != F11) return;
        if (keyCode == HomeKey)
            Home(shift);
        else
            FunctionKey(keyCode);
        break;
    case AltMask:
        if (keyCode != HomeKey) strip_->ShowStrip();
        break;
    case CtrlMask:
        if (keyCode == HomeKey)
            Home(shift);
        else
            CtrlKey(keyCode);
        break;
    case CtrlShift:
        if (keyCode == HomeKey)
            Home(shift);
        else
            CtrlShiftKey(keyCode);
        break;
    case CtrlShiftAlt:
        if (keyCode == HomeKey) Home(shift);
        break;
    default: break;
    }
}

// Keys without modifiers.
bool BoardCommands::FunctionKey(int keyCode) {
    const bool local = s_.NetMode == 0;
    switch (keyCode) {
    case F1: MenuHelp(0, 0); break;
    case F2:
        if (local || s_.IsHost == 1) MenuGame(0);
        break;
    case F3: MenuGame(10); break;
    case F4:
        // As the Game title: not under a computer seat's turn.
        if (local && !GameMenuRefused()) MenuGame(7);
        break;
    case F5: MenuOptions(0, 0); break;
    case F6: MenuOptions(4, 0); break;
    case F7: MenuHelp(2, 0); break;
    case F8: MenuHelp(3, 0); break;
    case F9: MenuHelp(4, 0); break;
    case F10:
        if (!local || !GameMenuRefused()) MenuGame(5);
        break;
    case F11: MenuInternet(0); break;
    case F12: MenuGame(12); break;
    case UpKey:
    case DownKey: w_.Looks().backgrounds(keyCode); break;
    case BackspaceKey:
        if (local && s_.PTurn == 1) w_.Saves().RestartCurrentTurn();
        break;
    case EndKey: MenuOptions(2, 0); break;
    case PageUpKey:
        if (!local) internet_->ChatOffTop();
        break;
    default:
        if (keyCode >= 'A' && keyCode <= 'Z') {
            LetterKey(keyCode);
        } else if ((keyCode >= '0' && keyCode <= '9') || keyCode == EqualsKey) {
            SoundKey(keyCode);
        } else {
            return false;
        }
    }
    return true;
}

void BoardCommands::LetterKey(int keyCode) {
    for (const Emoticon& icon : Emoticons) {
        if (icon.Key != keyCode) continue;
        Control& image = w_.Board().Model().Edit(Ctl::imgIcon);
        image.Picture = ProgramFile(s_.AppPath, "Icons", icon.File);
        w_.Board().SetVisible({Ctl::imgIcon, 0}, true);
        w_.Board().Present();
        return;
    }
    w_.Board().SetVisible({Ctl::imgIcon, 0}, false);
}

// The personality's sounds: 1..9 events 3..11, 0 event 12, "=" event 13; the player asked for
// them, so they play at every sound level.
void BoardCommands::SoundKey(int keyCode) {
    w_.Board().SetVisible({Ctl::imgIcon, 0}, true);
    const int event = keyCode == EqualsKey ? 13 : keyCode == '0' ? 12 : keyCode - '0' + 2;
    sound_.PlayFileAtAnyLevel(s_.Sounds[event], SoundPlay::Async);
}

void BoardCommands::Home(int shift) {
    switch (shift) {
    case 0:
        sound_.PlayFileAtAnyLevel(ProgramFile(s_.AppPath, "Sounds", "IntroB.wav"), SoundPlay::Async);
        Message("There's no place like home.", MbOkOnly, "");
        break;
    case CtrlMask: w_.Looks().AnimateCardsFlow(1); break;
    case CtrlShift: w_.Looks().AnimateCardsFlow(2); break;
    case CtrlShiftAlt: w_.Looks().AnimateCardsFlow(0); break;
    default: break;
    }
}

bool BoardCommands::CtrlKey(int keyCode) {
    switch (keyCode) {
    case KeyS:
        if (!GameMenuRefused()) MenuGame(1);
        break;
    case KeyR:
        if (!GameMenuRefused()) MenuGame(2);
        break;
    case F3: w_.ShowScoreboard(1); break;
    case DeleteKey: Message("What are you trying to Delete?", MbOkOnly, ""); break;
    case F11: w_.Windows().DisplayStats(); break;
    case F9: (new frmBackground(s_.AppPath, w_.Profile().BackList, &w_.Window()))->show(); break;
    case F6: w_.Board().Flash(w_.Profile().PersonalityIdx); break;
    case F5: {
        auto* splash = new frmSplash(w_.Pictures());
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->show();
        break;
    }
    case F4: w_.Avatar().ImgAvatar_Click(); break;
    default: return false;
    }
    return true;
}

void BoardCommands::CtrlShiftKey(int keyCode) {
    if (keyCode == F3) {
        w_.ShowScoreboard(2);
    } else if (keyCode == F8 && (s_.PlayerName == "Doriza Zado" || s_.PlayerName == "Zado")) {
        s_.DevMode = !s_.DevMode;
    }
}

} // namespace zarle
