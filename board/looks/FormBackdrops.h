#pragma once
// The skin's table picture as the backdrop of a small window (the hidden-cards window, the chat
// window), stretched over it; the hidden-cards window's buttons and labels take the skin's colour.

namespace zarle {

class CardPictureBank;
class Form;

// backgroundIdx: the player's skin, 0 wood or 1 metal.
void PaintFormBackground(Form& frm, int backgroundIdx, const CardPictureBank& pictures);

} // namespace zarle
