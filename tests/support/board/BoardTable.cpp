#include "tests/support/board/BoardTable.h"

#include "board/FrmZarle.h"

#include <QDir>
#include <QFile>

namespace zarle::test {

namespace {

struct Opponent {
    const char* name;
    const char* avatar;
};
constexpr Opponent Opponents[] = {{"Zarle", "Zarle.jpg"}, {"Quenor", "Quenor.jpg"}, {"Vova", "Vova.jpg"}};

// The default avatars the build puts into the program folder, so that the boards show faces.
void CopyDefaultAvatars(const QString& toFolder) {
    const QDir from(QStringLiteral(ZARLE_DEFAULT_AVATARS));
    QDir().mkpath(toFolder);
    for (const QString& file : from.entryList(QDir::Files))
        QFile::copy(from.filePath(file), toFolder + "/" + file);
}

} // namespace

BoardTable::BoardTable(TableSetting setting) {
    Game.AppPath = Folder.path().toStdString();
    CopyDefaultAvatars(Folder.filePath("Avatars"));
    Game.NumPlayers = static_cast<int16_t>(setting.Players);
    Game.NumCenters = static_cast<int16_t>(setting.Players > 2 ? 4 : setting.Centers);
    Game.DeckSize = static_cast<int16_t>(PackSize * setting.Players);
    Game.DisplaySize = static_cast<int16_t>(setting.DisplaySize);
    for (int seat = 2; seat <= MaxPlayers; ++seat) {
        Game.Seat(seat).Name = Opponents[seat - 2].name;
        Game.Seat(seat).Avatar = Opponents[seat - 2].avatar;
    }
    Window = std::make_unique<GameWindow>(Game, Profile, GameWindowServices{&Sound, &Waiter, &Box});
    Window->Board().SetFlightClock([] { return 0.0; }); // flights move on the recorded waits alone
    Window->LayOut(BoardScreen{setting.ScreenTwips, setting.ScreenTwips * 3 / 4, false});
}

QWidget* BoardTable::Widget(ControlId id) {
    return static_cast<FrmZarle&>(Window->Surface()).ControlWidget(id);
}

QPoint BoardTable::CardPlace(ControlId id) {
    const QWidget* w = Widget(id);
    const int border = (w->width() - qRound(ToPixels(Model(id).Width))) / 2;
    return w->pos() + QPoint(border, border);
}

} // namespace zarle::test
