#include "platform/controls/CommandButton.h"

namespace zarle {

CommandButton::CommandButton(QWidget* parent) : VbControl<QPushButton>(parent) {}

void CommandButton::CopyLook(const CommandButton& from) {
    setText(from.text());
    setIcon(from.icon());
    setDefault(from.isDefault());
}

} // namespace zarle
