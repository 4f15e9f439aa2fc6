#pragma once
// What the saved-games window shows and decides: ten named slots and the automatic-save entry,
// the slot chosen, the name a save gets, and the AutoSave switch. The window draws this model
// and hands the user's clicks and typing to it.

#include "engine/GameState.h"
#include "engine/ServicePorts.h"

#include <array>
#include <functional>
#include <string>

namespace zarle {

class SavedGames;

enum class SaveMode { Save, NetSave, Restore };

class SaveSlotsPrompt {
  public:
    struct Slot {
        std::string Text;
        bool Enabled = true;
        bool Visible = true;
    };
    // How a slot is drawn: the proposal of a save in the tool-tip colours, a slot chosen to
    // restore in the selection colours.
    enum class Look { Normal, Proposed, Chosen };

    SaveSlotsPrompt(GameState& state, SavedGames& games, MessageBoxPort& box, SaveMode mode);

    // --- Set up by the menu command before the window opens ---
    SaveMode Mode() const { return mode_; }
    std::string Caption() const;             // of the action button: "Save", "NET Save" or "Restore"
    std::array<Slot, 12> Slots{};            // 1..10 the user's, 11 the automatic-save entry
    std::array<std::string, 11> SlotNames{}; // what slots 1..10 show when not chosen
    bool AutoSaveVisible = false;
    bool AutoSaveTicked = false;

    // --- The window's state ---
    int SelSlot = 0;
    std::string Message; // the line under the slots
    bool Closed = false;
    bool Cancelled = true; // nothing to apply: until a slot is taken with the action button
    Look LookOf(int index) const;
    bool ReadOnly() const { return mode_ == SaveMode::Restore; }
    // Where the text cursor goes in a proposed name: after it (-1 leaves it alone).
    int CursorAt = -1;
    // The date and time a network save is named with; the window gives the screen's short forms.
    std::function<std::string()> DateTimeStamp;

    // --- The user's actions ---
    void Form_Load();
    void Text1_MouseDown(int index);
    // A slot chosen by a click, or by the keyboard's focus arriving in it.
    void Text1_Click(int index);
    // Typing into a slot while saving chooses it, with what is typed as its name.
    void Text1_Change(int index, const std::string& text);
    // Up (38) and Down (40) in slot `index`: the slot above or below is chosen (at either end, this
    // one). The slot that gets the cursor, 0 for any other key.
    int Text1_KeyDown(int index, int keyCode);
    // False when the window stays open (no slot chosen: the window beeps).
    bool cmdSave_Click();
    // False when the user goes back to the window.
    bool Command2_Click();
    // The window's close box.
    void Form_QueryUnload();
    void Check1_Click(bool ticked);
    void Check1_MouseUp(bool ticked);

  private:
    bool Saving() const { return mode_ != SaveMode::Restore; }
    bool Local() const { return s_.NetMode == 0; }
    std::string ProposedName() const;
    // Marks a slot as the one chosen to save into; the others show their names again.
    void ChooseToSave(int index);
    // The next slot from `from` in direction `step` that can be chosen; 0 when there is none.
    int NextSlot(int from, int step) const;
    void Cancel();

    GameState& s_;
    SavedGames& games_;
    MessageBoxPort& box_;
    SaveMode mode_;
};

} // namespace zarle
