#pragma once
// Which pile pictures show which seat: the human's Picture7, seats 2..4 Picture1..Picture3.

#include "engine/BoardControls.h"

namespace zarle {

constexpr Pics SeatPics(int seat) {
    switch (seat) {
    case 2: return Pics::Picture1;
    case 3: return Pics::Picture2;
    case 4: return Pics::Picture3;
    default: return Pics::Picture7;
    }
}

// The named control of a pile family's picture.
constexpr ControlId PicControl(Pics pics, int index) {
    switch (pics) {
    case Pics::Picture1: return {Ctl::Picture1, index};
    case Pics::Picture2: return {Ctl::Picture2, index};
    case Pics::Picture3: return {Ctl::Picture3, index};
    case Pics::PicCenter: return {Ctl::PicCenter, index};
    default: return {Ctl::Picture7, index};
    }
}

} // namespace zarle
