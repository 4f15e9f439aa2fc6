#pragma once
// A command button. Its Click is the button's `clicked` signal, which the keyboard raises
// as well as the mouse; the other control events come through Events().

#include "platform/controls/VbControl.h"

#include <QPushButton>

namespace zarle {

class CommandButton : public VbControl<QPushButton> {
  public:
    explicit CommandButton(QWidget* parent = nullptr);

    // "&" marks the access key, "&&" is an ampersand.
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }

    void CopyLook(const CommandButton& from);
};

} // namespace zarle
