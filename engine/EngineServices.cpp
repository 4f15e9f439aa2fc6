// The undo log of the turn and the rules captions.

#include "engine/Engine.h"
#include "engine/RulesCaption.h"
#include "engine/UndoLog.h"

#include "base/text/VbText.h"

namespace zarle {

void Engine::TempMoves_Open(bool open) {
    undoLog_.reset();
    if (open) {
        undoLog_ = UndoLog::Open(s_.AppPath);
        s_.TempMovesOpen = undoLog_ != nullptr;
        return;
    }
    s_.TempMovesOpen = false;
    s_.TurnCounter = 0;
}

void Engine::WriteUndoRecord(int recordNo) {
    if (!undoLog_) return;
    undoLog_->Write(recordNo, p_.Persistence.UndoRecord());
}

void Engine::RulesRefresh() {
    WildCardsCaption(s_);
    Caption(Ctl::lblRules, 0, "Rules:" + Str(s_.SideSizeM1 + 1) + " cards " + s_.RulesCaption);
    std::string level;
    if (!Local())
        level = s_.ShuffleApart ? "Decks: separate" : "Decks: together";
    else if (s_.SeatRec1.Level >= 0 && s_.SeatRec1.Level <= 2)
        level = s_.LevelNames[s_.SeatRec1.Level];
    Caption(Ctl::lblLevel, 0, level);
}

} // namespace zarle
