#pragma once
// The game-wide state: one plain object that every part of the program reads and writes.
// Index 0 of every pile stays empty, so pile positions count from 1 as the rules do.
// 16-bit fields hold what the game keeps in 16 bits (counts, cards, flags and saved numbers).

#include "base/Card.h"
#include "engine/NetCodes.h"
#include "engine/SeatRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zarle {

inline constexpr int MaxPlayers = 4;
inline constexpr int MaxCenters = 4;
inline constexpr int PackSize = 52;
inline constexpr int MaxDeckSize = PackSize * MaxPlayers; // 208
inline constexpr int FramesPerSeat = 25;                  // side-pile outline frames per seat

// Deck(field, position): field 0 the id and field 1 the value of stock position 1..DeckSize;
// field 2 is indexed by card id and is 1 once that card has been face up.
struct DeckTable {
    std::array<std::array<int16_t, MaxDeckSize + 1>, 3> Fields{};

    int16_t& operator()(int field, int pos) { return Fields[field][pos]; }
    int16_t operator()(int field, int pos) const { return Fields[field][pos]; }
    CardRec CardAt(int pos) const { return CardRec{Fields[0][pos], Fields[1][pos]}; }
    void SetCard(int pos, CardRec card) {
        Fields[0][pos] = card.Id;
        Fields[1][pos] = card.Value;
    }
};

using CardPile = std::array<CardRec, MaxDeckSize + 1>;
using CenterTable = std::array<std::array<CardRec, CenterFull + 1>, MaxCenters + 1>;
using StatsTable = std::array<std::array<int16_t, 6>, 6>;

// Games, wins and margin of one score category of the player's profile.
struct ScoreTotals {
    int16_t Games = 0;
    int16_t Wins = 0;
    int16_t Margin = 0;
};
inline constexpr int ScoreCategories = 7; // 0 overall, 1..3 by level, 4..6 by players
using ScoreCategoryTable = std::array<ScoreTotals, ScoreCategories>;

struct GameState {
    // --- Counts of the current game ---
    int16_t NumPlayers = 2;
    int16_t NumCenters = 3;
    int16_t SideSizeM1 = 19;
    int16_t DeckSize = 104;
    int16_t StockCount = 0; // the top of the stock is Deck position StockCount
    int16_t UsedCount = 0;
    int16_t HandCount = 5;
    int16_t TurnCounter = 0;

    // --- Deck, used pile and centers ---
    DeckTable Deck;
    CardPile UsedCards{};
    std::array<int16_t, MaxCenters + 1> CenterCount{}; // 0 empty .. 12 complete
    CenterTable CenterCards{};                         // CenterCards[c][k], k = 1..CenterCount(c)

    // --- The human's piles (seat 1) ---
    SlotRow PlayerCards{}; // 1 side top (mirrors SideCards(SideCount)), 2..6 hand, 7..10 hold tops
    SidePile SideCards{};
    int16_t SideCount = 0;
    HoldTable HoldCards{}; // cards beneath each hold top: HoldCards[p][1..HoldCount(p)]
    std::array<int16_t, HoldPiles + 1> HoldCount{};
    int16_t WildHand = 0;
    int16_t WildSide = 0;
    int16_t SidePos = 0;

    // --- Opponent seats 2, 3, 4 ---
    SeatRecord SeatRec1;
    SeatRecord SeatRec2;
    SeatRecord SeatRec3;
    SeatRecord& Seat(int seat) { return seat <= 2 ? SeatRec1 : seat == 3 ? SeatRec2 : SeatRec3; }
    const SeatRecord& Seat(int seat) const { return seat <= 2 ? SeatRec1 : seat == 3 ? SeatRec2 : SeatRec3; }

    // --- Working copy of the opponent seat that is playing ---
    int16_t WorkSeat = 0; // the seat 2..4 whose turn it holds; 0 before any seat's turn was taken up
    std::string WorkName;
    int16_t WorkSidePos = 0;
    int16_t WorkSideCount = 0;
    SidePile WorkSideCards{};
    SlotRow WorkSlots{};
    HoldTable WorkHoldCards{};
    HoldInfoTable WorkHoldInfo{};
    int16_t WorkWildHand = 0;
    int16_t WorkWildSide = 0;
    int16_t Level = 0;
    std::array<std::string, SoundEvents> Sounds{}; // full paths; blank plays nothing
    std::array<std::string, CommentLines> Comments{};
    bool NoComments = false;
    std::string PersonalityPicture;

    // --- Turn ---
    int16_t PTurn = 0; // 0 no game, 1 the human, 2..4 opponents, 99 an illegal play
    std::array<int16_t, MaxPlayers + 1> TurnOrder{};
    int16_t TurnPos = 0;
    int16_t OwnTurnSign = 0;
    int16_t OppTurnSign = 0;
    int16_t CenterIdx = 0;
    CardRec MoveCard;
    int16_t SrcSlot = 0;
    int16_t TargetSlot = 0;
    int16_t LastFrom = 0;
    int16_t LastTo = 0;
    int16_t WildPlaying = 0;

    // --- Rule settings ---
    int16_t ForcedMask = 0; // 1 forced Ace, 2 forced Two, 4 only visible cards count
    bool NoWildAce = false;
    bool ShuffleApart = false;
    std::string RulesCaption;
    bool RulesChanged = false;

    // --- Engine flags and pacing ---
    bool GameBusy = false;
    bool StopWait = false;
    bool NoDoEvents = false;
    float MoveDelay = 0.5f;
    float SavedMoveDelay = 0.0f;
    bool TempMovesOpen = false;
    bool DealPos = false;
    bool GameStarted = false;
    bool GameEnding = false;
    bool AwaitHuman = false;
    bool PeekOn = false;
    bool HandSortOn = false;
    bool DevMode = false;

    // --- Board-level values of the sequences ---
    int16_t FlipTies = 0;
    int16_t StaleState = 0; // 0 play, 1 stalemate declared, 2 cards in play being reshuffled
    bool RedealFailed = false;
    int16_t MoveRecNo = 0; // last record of the undo log written in this turn
    bool MissedMove = false;
    bool DragDropped = false;
    int16_t HomeLeft = 0;
    int16_t HomeTop = 0;
    bool AvatarSwapped = false;
    int16_t CommentPick = 0;
    int16_t LastBlockComment = 0;
    int16_t LastBlockSound = 0;
    bool NewGameQueued = false;
    bool Seat3Shown = false;
    bool Seat4Shown = false;
    bool CentersDimmed = false;
    bool StartingUp = false;
    bool FlowRunning = false;  // the card-back flow animation is on the board
    bool FlowNewGame = false;  // a new game waits for that animation to stop
    bool FlowStop = false;     // asks the flow animation to stop
    bool RestartMode = false;  // a whole-turn restart is under way
    bool UndoMode = false;     // a one-move undo is under way
    bool PrevTurnMode = false; // a turn-start copy is being restored
    std::string MsgText;
    int16_t MsgAnswer = 0;

    // --- What the computer seats' planners read about the human (set by Ck_Player) ---
    int16_t HumanReach = 0;
    int16_t EmptyCenter = 0;
    int16_t PlanCenter = 1;
    std::array<int16_t, MaxCenters + 1> CenterNeed{};

    // --- Saved games ---
    int16_t SaveSlot = 0;     // the record of the save file to read or write
    std::string SaveDesc;     // the name the chosen slot is saved under
    bool SaveFromNet = false; // the network code saves: the seat at play is stored back first
    bool SecureSave = false;  // the slot being restored holds a network save ("^^")

    // --- End of game and scores ---
    std::string ResultText;
    int16_t LastMargin = 0;
    int16_t TotGames = 0;
    int16_t TotWins = 0;
    int16_t TotMargin = 0;
    int16_t NetGames = 0;
    int16_t NetWins = 0;
    int16_t NetMargin = 0;
    StatsTable Stats{};
    ScoreCategoryTable PlayerScores{}; // the category counters of the player's profile
    bool NoWinAnimation = false;
    bool NoLoseAnimation = false;

    // --- Network game ---
    int16_t NetMode = 0; // 0 local game; host: joined remotes; remote: 1
    int16_t IsHost = 0;
    int16_t NetState = 0; // the NetCode of the last message handled; NetGoodbye also a lost connection
    std::string PeerVersion{OwnVersionCode};
    int16_t SeatMode = 0;
    int16_t AckCount = 0;
    std::string RecoverText;
    std::string OutMsg;
    bool ReplyFlag = false;
    std::array<int16_t, 5> LastCmd{};
    int16_t NetRestore = 0; // 1: a whole game has arrived and waits to be taken up
    // The seat the host's "TR" names; a remote's deal takes it.
    int16_t FirstTurnSeat = 0;
    std::string DealerName = "Zarle";
    bool OpponentPeeking = false;
    int16_t ChatSeqOut = 0;

    // --- Preferences and player ---
    int16_t SoundLevel = 0; // 0 all, 1 fewer, 2 none
    int16_t DisplaySize = 0;
    int32_t ScreenTwips = 15360;
    uint32_t DeckColor = 0xC0E0FF;
    int16_t CardStyle = 6;
    std::string PlayerName;
    std::string OppName1;
    std::string AvatarFile;
    std::array<std::string, 3> LevelNames{"Average", "Clever", "Ruthless"};
    std::string AppPath;                                   // the program folder, prefix of every data path
    std::array<std::vector<std::string>, 2> Personalities; // row 1: the personality names
};

} // namespace zarle
