#include "persistence/games/SaveSlotsPrompt.h"

#include "persistence/games/SavedGames.h"
#include "base/text/VbText.h"

#include <ctime>

namespace zarle {

namespace {

const std::string Crlf(CRLF);
const std::string NetMark = "^^";
constexpr int KeyUp = 38;
constexpr int KeyDown = 40;

std::string LocalShortDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[40];
    return std::strftime(text, sizeof text, "%x_%H:%M", &local) > 0 ? text : "";
}

} // namespace

SaveSlotsPrompt::SaveSlotsPrompt(GameState& state, SavedGames& games, MessageBoxPort& box, SaveMode mode)
    : DateTimeStamp(LocalShortDateTime), s_(state), games_(games), box_(box), mode_(mode) {}

std::string SaveSlotsPrompt::Caption() const {
    switch (mode_) {
    case SaveMode::Save: return "Save";
    case SaveMode::NetSave: return "NET Save";
    case SaveMode::Restore: return "Restore";
    }
    return "";
}

SaveSlotsPrompt::Look SaveSlotsPrompt::LookOf(int index) const {
    if (index == 0 || index != SelSlot) return Look::Normal;
    return Saving() ? Look::Proposed : Look::Chosen;
}

void SaveSlotsPrompt::Form_Load() {
    SelSlot = 0;
    if (!Local()) AutoSaveVisible = false;
}

void SaveSlotsPrompt::Text1_MouseDown(int index) {
    if (Saving() && Local() && index >= 1 && index <= UserSlots && index != SelSlot)
        Slots[index].Text.clear();
}

std::string SaveSlotsPrompt::ProposedName() const {
    const std::string players = std::to_string(s_.NumPlayers) + "P_";
    if (Local()) return players;
    const std::string& opponent = s_.IsHost != 0 ? s_.SeatRec1.Name : s_.DealerName;
    return "NET" + players + (DateTimeStamp ? DateTimeStamp() : "") + opponent;
}

void SaveSlotsPrompt::ChooseToSave(int index) {
    Message.clear();
    CursorAt = -1;
    for (int slot = 1; slot <= UserSlots; ++slot) {
        if (slot != index) Slots[slot].Text = SlotNames[slot];
    }
    SelSlot = index;
}

void SaveSlotsPrompt::Text1_Click(int index) {
    if (index < 1 || index > AutoSaveSlot || !Slots[index].Enabled) return;
    Message.clear();
    CursorAt = -1;
    if (Saving()) {
        // A click in the slot already chosen only places the cursor: the typing stays.
        if (index > UserSlots || index == SelSlot) return;
        ChooseToSave(index);
        Slots[index].Text = ProposedName();
        if (Local()) CursorAt = static_cast<int>(Slots[index].Text.size());
        return;
    }
    SelSlot = index;
    s_.SecureSave = false;
    const auto names = games_.SlotNames();
    const std::string& name = names[index].Name;
    if (name.rfind(NetMark, 0) != 0) return;
    if (Local() && !s_.DevMode) {
        box_.MsgBox("Saved Internet games can only be restored online from the Internet Menu.", MbInformation,
                    "Internet Game");
        SelSlot = 0;
    } else if (!Local()) {
        s_.SecureSave = true;
    }
}

void SaveSlotsPrompt::Text1_Change(int index, const std::string& text) {
    if (index < 1 || index > AutoSaveSlot || ReadOnly()) return;
    if (index <= UserSlots && index != SelSlot) ChooseToSave(index);
    Slots[index].Text = text;
}

int SaveSlotsPrompt::NextSlot(int from, int step) const {
    for (int slot = from + step; slot >= 1 && slot <= AutoSaveSlot; slot += step)
        if (Slots[slot].Enabled && Slots[slot].Visible) return slot;
    return 0;
}

int SaveSlotsPrompt::Text1_KeyDown(int index, int keyCode) {
    if ((keyCode != KeyUp && keyCode != KeyDown) || index < 1 || index > AutoSaveSlot) return 0;
    const int next = NextSlot(index, keyCode == KeyUp ? -1 : 1);
    const int slot = next != 0 ? next : index;
    Text1_Click(slot);
    return slot;
}

bool SaveSlotsPrompt::cmdSave_Click() {
    if (SelSlot == 0) {
        Message = "Select a game slot!";
        return false;
    }
    std::string& text = Slots[SelSlot].Text;
    // The network mark is the program's own: a name typed with it keeps only the player's part.
    text = Trim(text);
    while (text.rfind(NetMark, 0) == 0) text = Trim(text.substr(NetMark.size()));
    if (text.empty()) text = "saved game" + Str(SelSlot);
    Cancelled = false;
    s_.SaveSlot = static_cast<int16_t>(SelSlot);
    s_.SaveDesc = text;
    if (mode_ == SaveMode::NetSave && !Local()) s_.SaveDesc = NetMark + s_.SaveDesc;
    Closed = true;
    return true;
}

bool SaveSlotsPrompt::Command2_Click() {
    if (Saving() && SelSlot != 0) {
        const int answer =
            box_.MsgBox("Did you want to save this game?" + Crlf + "Click the Save button to save.", MbYesNo,
                        "Save game?");
        if (answer == AnswerYes) return false;
    }
    Cancel();
    return true;
}

void SaveSlotsPrompt::Form_QueryUnload() {
    if (!Closed) Cancel();
}

void SaveSlotsPrompt::Cancel() {
    Cancelled = true;
    if (!Local()) s_.SecureSave = false;
    Closed = true;
}

void SaveSlotsPrompt::Check1_Click(bool ticked) {
    AutoSaveTicked = ticked;
    if (ticked != s_.TempMovesOpen) games_.SetAutoSave(ticked);
    Slots[AutoSaveSlot].Visible = ticked;
}

void SaveSlotsPrompt::Check1_MouseUp(bool ticked) {
    if (!ticked || s_.PTurn == 0) return;
    s_.TurnCounter = 1;
    games_.SaveAuto();
}

} // namespace zarle
