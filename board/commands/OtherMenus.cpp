// The Options, Internet and Help menus' commands.

#include "board/GameWindow.h"
#include "rendering/sound/SoundEffects.h"
#include "engine/Utilities.h"
#include "board/commands/BoardCommands.h"
#include "engine/WebSites.h"
#include "board/windows/frmAbout.h"

namespace zarle {

namespace {

const std::string Crlf = "\r\n";
constexpr int PeekAlertSound = 105;

// ChangeNoise decides by the sound level itself; what it plays goes out as it is.
class PortOutput : public SoundOutput {
  public:
    explicit PortOutput(SoundPort& port) : port_(port) {}
    void PlayFile(const std::string& path, bool untilEnd) override {
        port_.PlayFileAtAnyLevel(path, untilEnd ? SoundPlay::ToEnd : SoundPlay::Async);
    }

  private:
    SoundPort& port_;
};

} // namespace

void BoardCommands::MenuOptions(int index, int choice) {
    HideStrip();
    if (Closing()) return;
    switch (index) {
    case 0: w_.Dialogs().ShowSpeed(); break;
    case 1: ChangeNoise(); break;
    case 2: w_.Looks().ShowPreferences(); break;
    case 4: w_.Dialogs().ShowCustomComments(); break;
    case 5: w_.Looks().backgrounds(32); break;
    case 6: w_.Looks().AddBackground(); break;
    case 7: DisplaySize(choice); break;
    default: break;
    }
}

// The sound level was chosen in the pop-up already; the personality answers it.
void BoardCommands::ChangeNoise() {
    PortOutput out(sound_);
    PersonalitySounds sounds;
    std::copy(s_.Sounds.begin(), s_.Sounds.end(), sounds.begin());
    const std::string line =
        zarle::ChangeNoise(out, {s_.AppPath, s_.SoundLevel, w_.Profile().BackgroundIdx}, sounds);
    w_.Board().SetCaption({Ctl::Label9, 2}, line);
}

void BoardCommands::DisplaySize(int choice) {
    if (choice == 0 || choice == 1)
        w_.Board().Layout().ChangeDisplay(choice);
    else
        w_.Board().Layout().SizeFormToBoard();
    w_.Board().Present();
}

void BoardCommands::MenuInternet(int index) {
    HideStrip();
    if (Closing()) return;
    switch (index) {
    case 0: internet_->SetupInternet(); break;
    case 1: internet_->ShowScores(); break;
    case 3: internet_->SetupPlayers(); break;
    case 5: w_.Saves().SaveNetGame(); break;
    case 6: w_.Saves().SendSavedNetGame(false); break;
    case 8: MenuGame(0); break;
    case 9: MenuGame(8); break;
    default: break;
    }
}

void BoardCommands::MenuHelp(int index, int choice) {
    HideStrip();
    if (Closing()) return;
    switch (index) {
    case 0: w_.Help().ShowHelp(""); break;
    case 1: w_.Windows().ShowTip(); break;
    case 2: Peek(); break;
    case 3: CardCounter(); break;
    case 4: {
        const bool shown = w_.Board().Model().Get(Ctl::StatusBar1).Visible;
        w_.Board().SetVisible({Ctl::StatusBar1, 0}, !shown);
        break;
    }
    case 6: VisitSite(choice); break;
    case 7: ShowAbout(s_.AppPath, w_.Pictures(), sound_, &w_.Window()); break;
    default: break;
    }
}

void BoardCommands::Peek() {
    if (s_.DealPos) return;
    const bool network = s_.NetMode != 0;
    if (network && !s_.PeekOn &&
        box_.MsgBox("Are you sure you want to peek at your opponent's cards? They will be notified!", MbYesNo,
                    "Cheater") == AnswerNo)
        return;
    s_.PeekOn = !s_.PeekOn;
    BoardPresenter& board = w_.Board();
    if (!network) {
        board.SetCaption({Ctl::Label9, 2},
                         s_.PeekOn ? "Some people like to watch..." + Crlf + Crlf + "CHEATER"
                                   : "Going Blind?" + Crlf +
                                         "Why should I bother to keep score if you're going to cheat?");
    } else if (s_.PeekOn) {
        board.SetCaption({Ctl::LabelPeek, 0}, Crlf + "You're PEEKING!");
        board.SetVisible({Ctl::LabelPeek, 0}, true);
        internet_->SendPeekNotice("ZARLE: You're being watched.", true);
        board.SetCaption({Ctl::Label9, 0}, "Opponent" + Crlf + "ALERTED");
    } else {
        internet_->SendPeekNotice("ZARLE: Nobody's looking now.", false);
        board.SetCaption({Ctl::Label9, 0}, "Opponent has" + Crlf + "been informed.");
        board.SetCaption({Ctl::LabelPeek, 0}, Crlf + (s_.OpponentPeeking ? "Opponent is PEEKING!" : ""));
        board.SetVisible({Ctl::LabelPeek, 0}, s_.OpponentPeeking);
    }
    w_.TheEngine().Peek();
    if (!network && w_.Windows().IsLoaded("frmCounter")) w_.Windows().CounterUpdate();
    if (network && s_.PeekOn) sound_.PlayResource(PeekAlertSound, SoundPlay::Async);
}

void BoardCommands::CardCounter() {
    if (s_.NetMode != 0 && !s_.DevMode) {
        Message("Count your own cards during a Net game!", MbExclamation, "Count by yourself");
        return;
    }
    w_.Windows().ShowCounter();
}

// Any other choice opens the address opened last.
void BoardCommands::VisitSite(int choice) {
    switch (choice) {
    case 1: siteAddress_ = GameSiteAddress; break;
    case 2: siteAddress_ = OnlineSiteAddress; break;
    case 3: siteAddress_ = IpAddressPage; break;
    default: break;
    }
    if (siteAddress_.empty()) return;
    OpenBrowser(box_, browser_, siteAddress_);
}

} // namespace zarle
