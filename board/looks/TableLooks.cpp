#include "board/looks/TableLooks.h"

#include "board/FrmZarle.h"
#include "platform/dialogs/CommonDialog.h"
#include "persistence/dialogs/frmOptions.h"

namespace zarle {

TableLooks::TableLooks(TableLooksParts parts)
    : p_(parts),
      backgrounds_(BackgroundsParts{parts.Game, parts.Profile, parts.Board, parts.Box, parts.PlayerProfiles}),
      flow_(CardsFlowParts{parts.Game, parts.Profile, parts.Form, parts.Board, parts.Pictures, parts.Waiter,
                           parts.Box}),
      preferences_(parts.Game, parts.Profile, parts.Board, parts.Form, parts.Pictures, backgrounds_) {
    flow_.SetDealButton([this] { p_.GameEngine.Command2_Click(); });
    backgrounds_.SetFileDialog([this](const FileDialogRequest& request) -> std::optional<std::string> {
        const QString chosen =
            ShowOpen(QString::fromStdString(request.Title), QString::fromStdString(request.Filter),
                     QString::fromStdString(request.InitDir), &p_.Form);
        if (chosen.isEmpty()) return std::nullopt;
        return chosen.toStdString();
    });
}

void TableLooks::ShowPreferences() {
    GameState& g = p_.Game;
    if (g.NetMode != 0 && g.PTurn >= 2) {
        g.MsgAnswer =
            static_cast<int16_t>(p_.Box.MsgBox("Please wait until your turn to change game preferences!",
                                               MbInformation, "Don't hold up the game!"));
        return;
    }
    ShowPreferencesDialog(g, p_.Profile, preferences_, p_.Help, p_.LargeFonts, &p_.Form);
    // The comment line's size is the message size from now on.
    p_.Profile.MsgFontSize = static_cast<int16_t>(p_.Board.FontSize({Ctl::Label9, 2}));
}

} // namespace zarle
