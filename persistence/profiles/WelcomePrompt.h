#pragma once
// Who is playing: the list of names the welcome window offers, and accepting a name, which
// switches to that player's profile or creates one for a new name.

#include "persistence/profiles/Profiles.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarle {

enum class WelcomeAnswer {
    Accepted,      // the profile is in force; the window closes
    TryAgain,      // refused after a message; the window stays open
    TryAgainEmpty, // refused, and the name box is to be emptied
};

class WelcomePrompt {
  public:
    explicit WelcomePrompt(Profiles& profiles) : profiles_(profiles) {}

    // The list: the current name first (it also stands in the box), the other players, then an
    // empty entry.
    const std::vector<std::string>& Form_Load();
    // An entry of the list was picked.
    void Combo1_Click(int index);
    // The button: `picked` is the list entry the text came from, -1 when it was typed.
    WelcomeAnswer Command1_Click(std::string_view text, int picked);

    // The table look of the window: colours as the profile keeps them, and the table picture in
    // force (none for a plain table).
    int32_t TableColor() const;
    int32_t TextColor() const;
    std::optional<std::filesystem::path> TablePicture() const;

  private:
    bool RefusedName(const std::string& upperName);
    bool PickedFromList(int picked) const;
    bool RecordInForceHolds(const std::string& name) const;
    void SwitchToPlayer(int recNo);
    void AddPlayer();

    Profiles& profiles_;
    std::vector<std::string> entries_;
};

} // namespace zarle
