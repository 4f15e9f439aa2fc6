#pragma once
// The table's background picture: a picture of the backgrounds folder tiled unscaled from the
// board's top-left corner when its name begins with "TILE" (in any case), else stretched over the
// whole board.

#include <QImage>
#include <QSize>
#include <QString>

#include <filesystem>
#include <string_view>

namespace zarle {

bool IsTiledBackground(std::string_view fileName);

// Columns and rows of whole tiles that cover a target from its top-left corner, one more than fit;
// none for a tile without width or height.
QSize TileCounts(QSize target, QSize tile);

// What the table shows over `size`: the picture tiled or stretched.
QImage TableLook(const QImage& picture, bool tiled, QSize size);

// Reads background pictures, keeping the last one read while its file stays the same: the board
// paints it again at every resize.
class TablePicture {
  public:
    // Null when the file is missing or is no picture.
    const QImage& Load(const std::filesystem::path& file);

  private:
    QString path_;
    qint64 stamp_ = -1;
    QImage picture_;
};

} // namespace zarle
