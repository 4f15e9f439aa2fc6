// The chosen background picture painted over the board, under every control.

#include "board/BoardPresenter.h"

#include "platform/forms/Form.h"
#include "board/looks/Backgrounds.h"

namespace zarle {

void BoardPresenter::BackgroundPaint() {
    auto* board = dynamic_cast<Form*>(&surface_.Widget());
    const auto file = ChosenBackgroundFile(game_, profile_);
    if (!board || !file) return;
    const QImage& picture = tablePicture_.Load(*file);
    if (picture.isNull()) {
        // A missing or broken picture leaves the plain table.
        board->SetPicture(QPixmap());
        Batch batch(*this);
        model_.EditWindow().BackColor = profile_.MatColor;
        return;
    }
    const bool tiled = IsTiledBackground(file->filename().string());
    board->SetPicture(QPixmap::fromImage(TableLook(picture, tiled, board->size())));
}

} // namespace zarle
