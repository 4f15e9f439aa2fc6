#include "board/flash/WinnerFlash.h"

#include "board/BoardPresenter.h"
#include "board/BoardSurface.h"
#include "rendering/cards/CardArt.h"
#include "rendering/cards/CardArtPaths.h"
#include "opponents/Personalities.h"
#include "opponents/PersonalityPacks.h"
#include "rendering/model/VbRound.h"
#include "base/text/VbText.h"
#include "platform/pictures/Pictures.h"

#include <QLabel>

namespace zarle {

namespace {

constexpr int MaxFlashFrames = 14;
constexpr float FirstPause = 0.45f;
constexpr float FramePause = 0.25f;
constexpr float TopPause = 0.75f;
constexpr float PauseSlice = 0.05f; // how often a pause looks for a new game
constexpr float CleanUpPause = 0.2f;
constexpr int RaisedAboveMessage = 220; // twips

int Pixels(double twips) {
    return VbRound(ToPixels(twips));
}

} // namespace

std::vector<FlashStep> FlashSequence(int order) {
    std::vector<FlashStep> steps;
    int index = 0;
    bool up = true;
    while (static_cast<int>(steps.size()) < MaxFlashFrames) {
        float pause = FramePause;
        if (up) {
            ++index;
            if (index == 1) pause = FirstPause;
            if (index == WinFrames) {
                up = false;
                pause = TopPause;
            }
        } else if (--index == 0) {
            break;
        }
        steps.push_back({index, pause});
        if (order == 1 && !up) {
            index = 0;
            up = true;
        }
    }
    return steps;
}

WinnerFlash::WinnerFlash(GameState& game, BoardPresenter& board, BoardSurface& surface, WaitPort& waiter)
    : s_(game), board_(board), surface_(surface), waiter_(waiter), overlay_(new QLabel(&surface.Widget())) {
    overlay_->setObjectName("FlashFrame");
    overlay_->hide();
}

WinnerFlash::~WinnerFlash() = default;

void WinnerFlash::LoadLeadFrames() {
    for (int n = 1; n <= WinFrames; ++n) frames_[n] = QPixmap::fromImage(LoadCardArt(art::LeadWinFrame(n)));
}

// A frame file that cannot be read leaves that frame as it was. The frames, all kept, share the
// room of one picture.
bool WinnerFlash::LoadPackFrames(const std::string& name) {
    if (!PackFolder(s_.AppPath, name)) return false;
    for (int n = 1; n <= WinFrames; ++n) {
        const auto file = PackFrame(s_.AppPath, name, n);
        if (!file) continue;
        const QPixmap picture =
            LoadPicture(QString::fromStdString(file->string()), LargestPictureBytes / WinFrames);
        if (!picture.isNull()) frames_[n] = picture;
    }
    return true;
}

void WinnerFlash::Flash(int winner) {
    const auto& names = s_.Personalities[1];
    if (winner < 0 || winner >= static_cast<int>(names.size())) return;
    const int order = ValInt16(s_.Sounds[0]);
    const std::string name = PackOwner(Trim(names[winner]));
    const bool lead = name == LeadPersonality;
    if (frames_[1].isNull() || (lead && framesLoaded_)) {
        LoadLeadFrames();
        framesLoaded_ = false;
    }
    if (winner != lastWinner_) {
        framesLoaded_ = false;
        lastWinner_ = winner;
    }
    if (!lead && !framesLoaded_) {
        if (!LoadPackFrames(name)) return;
        framesLoaded_ = true;
    }

    overlay_->move(Place());
    overlay_->raise();
    for (const FlashStep& step : FlashSequence(order)) {
        overlay_->setPixmap(frames_[step.Frame]);
        overlay_->adjustSize();
        overlay_->show();
        overlay_->repaint();
        const PauseEnd end = Pause(step.Pause);
        if (end == PauseEnd::Closing) return;
        if (end == PauseEnd::NewGame) break;
    }
    CleanUp();
}

// Beside the center piles: over the human's side pile with three or four players, at the left edge
// with two.
QPoint WinnerFlash::Place() {
    const BoardModel& model = board_.Model();
    const Control& centers = model.Get(Ctl::Label10);
    const Control& remark = model.Get(Ctl::Label9, 2);
    if (s_.NumPlayers > 2) {
        board_.SetVisible({Ctl::Picture7, 1}, false);
        return {Pixels(centers.Left + centers.Width), Pixels(remark.Top - RaisedAboveMessage)};
    }
    if (s_.NumCenters == 4) return {Pixels(40), Pixels(centers.Top)};
    board_.SetVisible({Ctl::PicCenter, 1}, false);
    return {0, Pixels(remark.Top)};
}

// A new game is under way once the seat to move has side cards while it is not the human's turn.
WinnerFlash::PauseEnd WinnerFlash::Pause(float seconds) {
    for (float waited = 0; waited < seconds; waited += PauseSlice) {
        if (s_.StopWait) return PauseEnd::Closing;
        if (s_.WorkSideCount != 0 && s_.PTurn != 1) return PauseEnd::NewGame;
        waiter_.Wait(std::min(PauseSlice, seconds - waited));
    }
    if (s_.StopWait) return PauseEnd::Closing;
    return s_.WorkSideCount != 0 && s_.PTurn != 1 ? PauseEnd::NewGame : PauseEnd::Elapsed;
}

void WinnerFlash::CleanUp() {
    waiter_.Wait(CleanUpPause);
    overlay_->hide();
    const bool picture =
        board_.Profile().BackIdx != 0 && board_.Profile().BackIdx != board_.Profile().BackCount + 1;
    if (picture)
        board_.BackgroundPaint();
    else
        board_.ClearPaintedBoard();
    board_.SetVisible({Ctl::Picture7, 1}, true);
    board_.SetVisible({Ctl::PicCenter, 1}, true);
}

} // namespace zarle
