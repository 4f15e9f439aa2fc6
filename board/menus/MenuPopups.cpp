#include "board/menus/MenuPopups.h"

#include <QMenu>

namespace zarle {

namespace {

constexpr int32_t SmallScreenTwips = 10000;

} // namespace

PopupItems PopupItemsOf(Popup popup, const GameState& game) {
    switch (popup) {
    case Popup::Noise: return {{"Full Sound", "Some Sound", "No Sound"}, 0, game.SoundLevel, true};
    case Popup::DisplaySize:
        return {{game.DisplaySize == 1 ? "Move Cards Down" : "Move Cards Up",
                 game.DisplaySize == 2 ? "Make Display Larger" : "Make Display Smaller",
                 "Reset Default Window Size"},
                0,
                -1,
                game.ScreenTwips >= SmallScreenTwips};
    case Popup::ToInternet:
        return {{"Zarle's Site", "ZarleNET Online Gaming Site", "IP Address Check"}, 1, -1, true};
    }
    return {};
}

int ShowPopup(const PopupItems& items, QWidget* parent, QPoint at) {
    QMenu menu(parent);
    for (size_t i = 0; i < items.Captions.size(); ++i) {
        QAction* action = menu.addAction(QString::fromStdString(items.Captions[i]));
        action->setData(items.FirstIndex + static_cast<int>(i));
        action->setEnabled(items.Enabled);
        if (items.FirstIndex + static_cast<int>(i) == items.DefaultItem) menu.setDefaultAction(action);
    }
    const QAction* chosen = menu.exec(at);
    return chosen ? chosen->data().toInt() : -1;
}

} // namespace zarle
