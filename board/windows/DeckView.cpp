#include "board/windows/DeckView.h"

#include "rendering/cards/CardGeometry.h"
#include "rendering/cards/CardPictureBank.h"

#include <QPainter>

namespace zarle {

DeckView::DeckView(const GameState& game, CardPictureBank& pictures, QSize boardSize, QWidget* board)
    : Form(board) {
    setObjectName("frmStdSm");
    setWindowTitle("The Shuffled Deck");
    setAttribute(Qt::WA_DeleteOnClose);
    // As large as the board, and never so small that the last faces of a row are cut off.
    const int last = std::min<int>(game.DeckSize, MaxDeckSize);
    const int rows = std::max(1, (last + DeckViewRowLength - 1) / DeckViewRowLength);
    const QSize extent((DeckViewRowLength - 1) * DeckViewStepX + LargeCardW,
                       (rows - 1) * DeckViewStepY + LargeCardH);
    resize(boardSize.expandedTo(extent));
    QPixmap faces(size());
    faces.fill(BackColor());
    QPainter painter(&faces);
    for (int pos = 1; pos <= last; ++pos) {
        const QImage& face = pictures.FaceCell(game.Deck(0, pos));
        if (!face.isNull()) painter.drawImage(FacePosition(pos), face);
    }
    painter.end();
    SetPicture(faces);
}

QPoint DeckView::FacePosition(int pos) {
    const int index = pos - 1;
    return {(index % DeckViewRowLength) * DeckViewStepX, (index / DeckViewRowLength) * DeckViewStepY};
}

} // namespace zarle
