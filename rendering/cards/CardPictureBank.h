#pragma once
// The hidden banks of card pictures: the rank-picture sets and table pictures (frmCards), the
// active rank pictures, backs, empty-pile pictures and menu banners (frmPic), and the face sheet
// with its pre-cut cells (frmStdSm); plus the cache of small faces in Data/<n>.tmp.
// Every lookup the board makes per card returns a ready picture without drawing or decoding.

#include "rendering/cards/ShowCardChoice.h"

#include <QImage>

#include <array>
#include <filesystem>
#include <string_view>

namespace zarle {

class CardPictureBank {
  public:
    // appPath: the program folder, whose Data folder holds the small-face cache.
    explicit CardPictureBank(std::filesystem::path appPath);

    // frmCards: rank picture of style 1..5 (a null image for other styles or ranks), and the
    // table picture of a skin.
    QImage RankPicture(int style, int rank, bool small) const;
    const QImage& imgSkin(int backgroundIdx) const;

    // frmPic: the active rank pictures (rank 1..13), backs (elements 0 large, 2 plain, 5 small),
    // empty-pile pictures (2: metal skin, 3: wood skin) and the menu banners.
    const QImage& Image1(int rank, bool small = false) const;
    const QImage& FilePic(int element) const;
    void SetFilePic(int element, const QImage& picture);
    const QImage& ImgEmpty2() const { return empties_[1][0]; }
    const QImage& ImgEmptySm2() const { return empties_[1][1]; }
    const QImage& ImgEmpty3() const { return empties_[0][0]; }
    const QImage& ImgEmptySm3() const { return empties_[0][1]; }
    const QImage& imgControl(int backgroundIdx) const;
    const QImage& BackPicA() const { return empties_[emptySkin_][0]; }
    const QImage& BackPicB() const { return empties_[emptySkin_][1]; }

    // frmStdSm: the face sheet in use and its cells.
    const QImage& imgALL() const { return sheet_; }
    // A null sheet, or one of the wrong size, puts the built-in sheet back.
    void SetFaceSheet(const QImage& sheet);
    void RestoreBuiltInSheet();
    const QImage& FaceCell(int id);

    // Copies the rank pictures of style 1..5 into Image1; false (and no change) for other styles.
    bool LoadCardSkin(int cardStyle);
    // Points BackPicA/BackPicB at the empty-pile pair of the skin; returns the menu captions' right
    // margin (5 for the metal skin, 8 for wood).
    int SetCardSizePics(int backgroundIdx);
    // Writes the 52 cells of the face sheet as BMP files Data/1.tmp .. Data/52.tmp; false when any
    // could not be written (the faces are still shown, from the sheet).
    bool SaveCardBitmaps();
    // The cached small face of SheetCard 1..52, read once from its file and scaled to 59 x 80; a
    // missing or unreadable file gives the sheet's cell scaled instead.
    const QImage& LoadCardBitmap(int sheetCard);

    // The picture a ShowCard choice names, or the one a PictureKey names; null for none.
    const QImage& Picture(const CardShown& shown);
    const QImage& Picture(std::string_view key);

    std::filesystem::path CacheFile(int sheetCard) const;

  private:
    QImage SmallFaceFromSheet(int sheetCard);

    std::filesystem::path appPath_;
    QImage builtInSheet_;
    QImage sheet_;
    std::array<QImage, 53> cells_;
    std::array<QImage, 53> smallFaces_;
    std::array<std::array<QImage, 2>, 14> image1_;
    std::array<QImage, 6> filePic_;
    std::array<std::array<QImage, 2>, 2> empties_;
    std::array<QImage, 2> skins_;
    std::array<QImage, 2> banners_;
    int emptySkin_ = 0;
};

} // namespace zarle
