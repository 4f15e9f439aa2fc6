#include "tests/board/input/InputTable.h"

#include "board/StartUpLayout.h"

#include <QTest>

namespace zarle::test {

namespace {

constexpr QPoint Grip(10, 10);

} // namespace

InputTable::InputTable(int players, unsigned seed)
    : Random(seed), Pictures((Game.AppPath = Folder.path().toStdString())), Surface(CreateFrmZarle(Pictures)),
      Board(Game, Profile, Pictures, *Surface, BoardServices{Sound, Waiter, Box}), Window(Game, Board),
      Computer(Game, Rules, OpponentsPorts{Board, Sound, Waiter, Random, Files, Peers, Window, Window}),
      Rules(Game, EnginePorts{Board, Sound, Waiter, Box, Random, Computer, Files, Peers}),
      Input(BoardInputParts{Game, Profile, Form(), Board, Pictures, Rules, Sound, Peers}) {
    Game.NumPlayers = static_cast<int16_t>(players);
    Game.NumCenters = static_cast<int16_t>(players > 2 ? 4 : 3);
    Game.DeckSize = static_cast<int16_t>(PackSize * players);
    Game.SideSizeM1 = 9;
    Game.MoveDelay = 0;
    Game.PlayerName = "Tester";
    const char* names[] = {"Zarle", "Quenor", "Vova"};
    for (int seat = 2; seat <= MaxPlayers; ++seat) {
        Game.Seat(seat).Name = names[seat - 2];
        Game.Seat(seat).Level = 1;
    }
    LayOutBoard(Board, Game, BoardScreen{12000, 9000, false});
    Form().show();
}

InputTable::~InputTable() = default;

QPoint InputTable::Place(ControlId id) {
    const Control& c = Model(id);
    return QPoint(qRound(ToPixels(c.Left)), qRound(ToPixels(c.Top)));
}

void InputTable::DealToHuman() {
    Rules.ClearBoard();
    if (Rules.SetUp()) Rules.GoDeal();
}

void InputTable::GiveCard(int slot, int value) {
    const CardRec card = CardOfId(value);
    Game.PlayerCards[slot] = card;
    if (slot == 1) Game.SideCards[Game.SideCount] = card;
    Board.ShowCard(Pics::Picture7, slot, card.Id, 0);
    Board.SetVisible({Ctl::Picture7, slot}, true);
    Board.EnablePic(Pics::Picture7, true, slot, slot);
}

void InputTable::SetCenter(int center, int count) {
    Game.CenterCount[center] = static_cast<int16_t>(count);
    for (int k = 1; k <= CenterFull; ++k) Game.CenterCards[center][k] = k <= count ? CardOfId(k) : CardRec{};
    Board.ShowCard(Pics::PicCenter, center, count ? count : 0, count ? 0 : ShowEmptyPile);
}

void InputTable::Drag(int slot, QPoint to, Qt::MouseButton button) {
    QWidget* card = Widget({Ctl::Picture7, slot});
    const QPoint from = Place({Ctl::Picture7, slot});
    QTest::mousePress(card, button, Qt::NoModifier, Grip);
    QTest::mouseMove(card, Grip + (to - from));
    QTest::mouseRelease(card, button, Qt::NoModifier, Grip);
}

void InputTable::DoubleClick(ControlId id, Qt::MouseButton button) {
    QWidget* w = Widget(id);
    QTest::mouseClick(w, button, Qt::NoModifier, Grip);
    QTest::mouseDClick(w, button, Qt::NoModifier, Grip);
    QTest::mouseRelease(w, button, Qt::NoModifier, Grip);
}

void InputTable::RightClick(ControlId id, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(Widget(id), Qt::RightButton, modifiers, Grip);
}

} // namespace zarle::test
