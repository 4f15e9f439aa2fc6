#pragma once
// The board window's controls as the platform's control arrays, one array per family, each
// element a widget of the family's kind: picture boxes for the piles and the menu strip, labels
// for captions and boxes, shapes for the side-pile frames, images, the Deal button and the
// status bar.

#include "engine/BoardControls.h"

#include <QWidget>

#include <functional>
#include <map>

namespace zarle {

class BoardControlArrays {
  public:
    explicit BoardControlArrays(QWidget& form);

    // The element, loaded now when it was not; null for a family the board does not have.
    QWidget* Load(ControlId id);
    void Unload(ControlId id);
    // The element, or null when it is not loaded.
    QWidget* At(ControlId id) const;

    // Labels, shapes and images are drawn on the form itself: they lie under every picture box,
    // button and the status bar, whatever order they were brought forward in.
    static bool DrawnOnForm(Ctl family);
    // The network status and the keypad's card marker lie over everything while they show, and
    // let the mouse through to the piles beneath.
    static bool Overlay(Ctl family);

  private:
    struct Family {
        std::function<QWidget*(int)> load;
        std::function<void(int)> unload;
        std::function<QWidget*(int)> at;
    };
    template <class T> void Add(Ctl family, QWidget& form);

    std::map<Ctl, Family> families_;
};

} // namespace zarle
