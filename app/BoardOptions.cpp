#include "BoardOptions.h"

#include "GameState.h"
#include "VbText.h"

namespace zarle {

namespace {

struct Seat {
    const char* name;
    const char* avatar;
};
constexpr Seat Opponents[] = {{"Zarle", "Zarle.jpg"}, {"Quenor", "Quenor.jpg"}, {"Vova", "Vova.jpg"}};

} // namespace

BoardOptions ParseBoardOptions(const std::vector<std::string>& args) {
    BoardOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--players" && hasValue) {
            const int players = ValInt16(args[++i]);
            if (players >= 2 && players <= 4) options.Players = players;
        } else if (arg == "--centers" && hasValue) {
            const int centers = ValInt16(args[++i]);
            if (centers == 3 || centers == 4) options.Centers = centers;
        } else if (arg == "--rows-up") {
            options.DisplaySize = 1;
        } else if (arg == "--small") {
            options.DisplaySize = 2;
        }
    }
    if (options.Players > 2) options.Centers = 4;
    return options;
}

void SetUpTable(GameState& game, const BoardOptions& options) {
    game.NumPlayers = static_cast<int16_t>(options.Players);
    game.NumCenters = static_cast<int16_t>(options.Centers);
    game.DisplaySize = static_cast<int16_t>(options.DisplaySize);
    game.DeckSize = static_cast<int16_t>(PackSize * options.Players);
    game.PlayerName = "Player";
    for (int seat = 2; seat <= MaxPlayers; ++seat) {
        SeatRecord& rec = game.Seat(seat);
        rec.Name = Opponents[seat - 2].name;
        rec.Avatar = Opponents[seat - 2].avatar;
    }
    game.OppName1 = game.SeatRec1.Name;
}

} // namespace zarle
