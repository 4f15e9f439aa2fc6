#pragma once
// A real board window, offscreen, with the engine, the real computer player and the input
// handlers on it; sounds, waits and message boxes are recorded instead of played, waited and
// shown, and the random numbers follow a fixed seed. Helpers deal a game up to the human's turn,
// put chosen cards into the human's slots, and drag, click and double-click the real widgets.

#include "board/BoardPresenter.h"
#include "rendering/cards/CardPictureBank.h"
#include "opponents/ComputerPlayer.h"
#include "engine/Engine.h"
#include "board/FrmZarle.h"
#include "engine/IdleServices.h"
#include "engine/SeededRandom.h"
#include "board/input/BoardInput.h"
#include "board/input/OpponentWindowPorts.h"

#include <QPoint>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace zarle::test {

class RecordingSound : public SoundPort {
  public:
    std::vector<int> Resources;
    void PlayResource(int id, SoundPlay) override { Resources.push_back(id); }
    void PlayFile(std::string_view, SoundPlay) override {}
    void PlayCardSound(int) override {}
};

class InstantWaiter : public WaitPort {
  public:
    void Wait(float) override {}
    void DoEvents() override {}
};

// Answers Yes to a question and OK to everything else.
class AnsweringBox : public MessageBoxPort {
  public:
    std::vector<std::string> Texts;
    int MsgBox(std::string_view text, int style, std::string_view) override {
        Texts.emplace_back(text);
        return (style & 7) == MbYesNo ? AnswerYes : AnswerOk;
    }
};

class InputTable {
  public:
    explicit InputTable(int players = 2, unsigned seed = 7);
    ~InputTable();

    QTemporaryDir Folder;
    GameState Game;
    ProfileState Profile;
    RecordingSound Sound;
    InstantWaiter Waiter;
    AnsweringBox Box;
    SeededRandom Random;
    NoSavedGames Files;
    NoNetwork Peers;
    CardPictureBank Pictures;
    std::unique_ptr<BoardSurface> Surface;
    BoardPresenter Board;
    OpponentWindowPorts Window;
    ComputerPlayer Computer;
    Engine Rules;
    BoardInput Input;

    FrmZarle& Form() { return static_cast<FrmZarle&>(*Surface); }
    QWidget* Widget(ControlId id) { return Form().ControlWidget(id); }
    const Control& Model(ControlId id) { return Board.Model().Get(id); }
    std::string Line(int line) { return Model({Ctl::Label9, line}).Caption; }
    // The picture's place in pixels, as the model keeps it.
    QPoint Place(ControlId id);

    // A new game, played on until the human is to move.
    void DealToHuman();
    // Puts a card of that value into the human's slot and shows it, the slot enabled.
    void GiveCard(int slot, int value);
    // Sets a center to hold `count` cards.
    void SetCenter(int center, int count);

    // Mouse work on the real widgets. A drag takes hold of the picture and lets go of it with its
    // top-left corner on `to` (board pixels).
    void Drag(int slot, QPoint to, Qt::MouseButton button = Qt::LeftButton);
    void DragOnto(int slot, ControlId pile, Qt::MouseButton button = Qt::LeftButton) {
        Drag(slot, Place(pile), button);
    }
    // Press, release, double-click and release, as the mouse sends them.
    void DoubleClick(ControlId id, Qt::MouseButton button = Qt::LeftButton);
    void RightClick(ControlId id, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};

} // namespace zarle::test
