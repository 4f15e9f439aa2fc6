#pragma once
// What the internet windows choose for the network game, beside the game state: the host to join
// and the port, the personalities whose sounds the chat offers, and the score file.

#include "network/session/InternetSession.h"

#include <array>
#include <string>

namespace zarle {

struct InternetChoices {
    std::string HostIP;
    int NetPort = DefaultNetPort;
    std::array<std::string, 3> ChatSoundNames; // "" = an empty entry
    std::string NetScoreFile;                  // the competition of the game, "" = the default file
    std::string NetCompetition;                // the competition last picked in the setup
    std::string NetPersonality;                // whose lines the chat's quick phrases use
};

} // namespace zarle
