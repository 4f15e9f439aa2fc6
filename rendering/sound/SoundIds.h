#pragma once
// The program's own sound resources, ids 105..123, and what each is played for.

namespace zarle {

inline constexpr int FirstSoundId = 105;
inline constexpr int LastSoundId = 123;

namespace SoundId {
inline constexpr int Remark = 105;    // an opponent's remark, a Help item, chat events
inline constexpr int MenuHover = 106; // the mouse over the drawn menu strip
inline constexpr int MenuClick = 107; // a click on the drawn menu strip
inline constexpr int Notice = 108;    // no play possible, end of the human's turn, network notice
inline constexpr int Alert = 109;     // stalemate, illegal move
inline constexpr int Chat = 110;      // a chat line from the other side
inline constexpr int Restore = 117;   // a restored game (also a card effect)
inline constexpr int Sweep = 118;     // piles cleared and redealt (also a card effect)
inline constexpr int AboutIcon = 119; // the about box's icon (also a card effect)
inline constexpr int Deal = 121;      // the deal, a received or restored game
inline constexpr int NewGame = 122;   // a new game, the used pile reshuffled
inline constexpr int FlipForFirst = 123;
} // namespace SoundId

// The resource of card effect 1..5 in the card-sound set of the skin: `backgroundIdx` 1 picks
// 111..115, any other value 116..120. 0 for an effect outside 1..5.
int CardSoundId(int effect, int backgroundIdx);

} // namespace zarle
