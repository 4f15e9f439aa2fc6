#include "opponents/dialogs/OpponentDialogs.h"

#include "opponents/dialogs/frmCustom.h"
#include "opponents/dialogs/frmSpeed.h"

namespace zarle {

OpponentDialogs::~OpponentDialogs() {
    delete custom_;
}

frmCustom* OpponentDialogs::CustomComments() const {
    return custom_;
}

void OpponentDialogs::ShowSpeed() {
    frmSpeed window(ports_.Game, ports_.Profile(), ports_.Board);
    window.exec();
}

void OpponentDialogs::ShowCustomComments() {
    if (!custom_) {
        custom_ = new frmCustom(ports_, ports_.Board);
        custom_->setAttribute(Qt::WA_DeleteOnClose);
    }
    custom_->show();
    custom_->raise();
    custom_->activateWindow();
}

} // namespace zarle
