#pragma once
// The keypad move's marker around the chosen card: a ring, bright between two dark lines, that
// lies over the piles and shows on every table and on the card's own white edge.

#include "platform/controls/Label.h"

namespace zarle {

class CardMarker final : public Label {
  public:
    explicit CardMarker(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zarle
