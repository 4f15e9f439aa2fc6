#pragma once
// The board's signals that are not card sounds: chimes, clicks, notices and alerts.

#include "tools/soundgen/Signal.h"

namespace zarle::soundgen {

Signal RemarkChime(int rate); // an opponent's remark, a help item, a peer peeking
Signal MenuHover(int rate);   // the mouse reaching the menu strip
Signal MenuClick(int rate);   // a click on the menu strip
Signal Notice(int rate);      // no play possible, the end of a turn, a network notice
Signal ErrorBuzz(int rate);   // an illegal move, a stalemate
Signal ChatPop(int rate);     // a chat line from the other side

} // namespace zarle::soundgen
