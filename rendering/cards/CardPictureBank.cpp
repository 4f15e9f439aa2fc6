#include "rendering/cards/CardPictureBank.h"

#include "rendering/cards/CardArt.h"
#include "rendering/cards/CardArtPaths.h"
#include "rendering/cards/CardGeometry.h"
#include "rendering/cards/CardSheet.h"
#include "base/text/VbText.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include <charconv>

namespace zarle {

namespace {

const QImage& NoPicture() {
    static const QImage none;
    return none;
}

bool ValidSheetCard(int n) {
    return n >= 1 && n <= CardsPerPack;
}

QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

QPainterPath SmallCardOutline() {
    QPainterPath outline;
    const double radius = CardCornerRadius * SmallCardW / LargeCardW;
    outline.addRoundedRect(QRectF(0, 0, SmallCardW, SmallCardH), radius, radius);
    return outline;
}

// Cached files carry no transparency; the rounded corners are cut out again after loading.
QImage CutCorners(QImage face) {
    static const QImage mask = [] {
        QImage m(SmallCardW, SmallCardH, QImage::Format_ARGB32_Premultiplied);
        m.fill(Qt::transparent);
        QPainter p(&m);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(SmallCardOutline(), Qt::black);
        return m;
    }();
    face = face.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&face);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, mask);
    return face;
}

QImage BlankSmallCard() {
    QImage card(SmallCardW, SmallCardH, QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.0));
    p.setBrush(Qt::white);
    const double radius = CardCornerRadius * SmallCardW / LargeCardW;
    p.drawRoundedRect(QRectF(0.5, 0.5, SmallCardW - 1, SmallCardH - 1), radius, radius);
    return card;
}

std::pair<std::string_view, int> SplitKey(std::string_view key) {
    const size_t colon = key.find(':');
    if (colon == std::string_view::npos) return {key, 0};
    int n = 0;
    const std::string_view tail = key.substr(colon + 1);
    std::from_chars(tail.data(), tail.data() + tail.size(), n);
    return {key.substr(0, colon), n};
}

} // namespace

CardPictureBank::CardPictureBank(std::filesystem::path appPath) : appPath_(std::move(appPath)) {
    builtInSheet_ = LoadCardArt(art::FaceSheet(BuiltInSheetStyle));
    RestoreBuiltInSheet();
    const QImage plain = LoadCardArt(art::PlainBack);
    for (int element : {0, 2, 5}) filePic_[static_cast<size_t>(element)] = plain;
    for (int skin = 0; skin < 2; ++skin) {
        empties_[skin][0] = LoadCardArt(art::EmptyPile(skin, false));
        empties_[skin][1] = LoadCardArt(art::EmptyPile(skin, true));
        skins_[skin] = LoadCardArt(art::TableSkin(skin));
        banners_[skin] = LoadCardArt(art::MenuBanner(skin));
    }
    LoadCardSkin(FirstRankStyle);
}

QImage CardPictureBank::RankPicture(int style, int rank, bool small) const {
    if (!IsRankStyle(style) || rank < 1 || rank > SheetColumns) return {};
    return LoadCardArt(art::RankPicture(style, rank, small));
}

const QImage& CardPictureBank::imgSkin(int backgroundIdx) const {
    return backgroundIdx == 0 || backgroundIdx == 1 ? skins_[static_cast<size_t>(backgroundIdx)]
                                                    : NoPicture();
}

const QImage& CardPictureBank::Image1(int rank, bool small) const {
    return rank >= 1 && rank <= SheetColumns ? image1_[static_cast<size_t>(rank)][small] : NoPicture();
}

const QImage& CardPictureBank::FilePic(int element) const {
    return element >= 0 && element < static_cast<int>(filePic_.size())
               ? filePic_[static_cast<size_t>(element)]
               : NoPicture();
}

void CardPictureBank::SetFilePic(int element, const QImage& picture) {
    if (element >= 0 && element < static_cast<int>(filePic_.size()))
        filePic_[static_cast<size_t>(element)] = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const QImage& CardPictureBank::imgControl(int backgroundIdx) const {
    return backgroundIdx == 0 || backgroundIdx == 1 ? banners_[static_cast<size_t>(backgroundIdx)]
                                                    : NoPicture();
}

void CardPictureBank::SetFaceSheet(const QImage& sheet) {
    if (sheet.width() != SheetWidth || sheet.height() != SheetHeight) {
        RestoreBuiltInSheet();
        return;
    }
    sheet_ = sheet.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (QImage& cell : cells_) cell = QImage();
}

void CardPictureBank::RestoreBuiltInSheet() {
    sheet_ = builtInSheet_;
    for (QImage& cell : cells_) cell = QImage();
}

const QImage& CardPictureBank::FaceCell(int id) {
    const int card = FoldCardId(id);
    if (!ValidSheetCard(card)) return NoPicture();
    QImage& cell = cells_[static_cast<size_t>(card)];
    if (cell.isNull() && !sheet_.isNull())
        cell = sheet_.copy(SheetX(card), SheetY(card), LargeCardW, LargeCardH);
    return cell;
}

bool CardPictureBank::LoadCardSkin(int cardStyle) {
    if (!IsRankStyle(cardStyle)) return false;
    for (int rank = 1; rank <= SheetColumns; ++rank)
        for (bool small : {false, true})
            image1_[static_cast<size_t>(rank)][small] = RankPicture(cardStyle, rank, small);
    return true;
}

int CardPictureBank::SetCardSizePics(int backgroundIdx) {
    emptySkin_ = backgroundIdx == 1 ? 1 : 0;
    return backgroundIdx == 1 ? 5 : 8;
}

std::filesystem::path CardPictureBank::CacheFile(int sheetCard) const {
    return appPath_ / "Data" / (CStr(sheetCard) + ".tmp");
}

bool CardPictureBank::SaveCardBitmaps() {
    QDir().mkpath(ToQString(appPath_ / "Data"));
    bool allWritten = true;
    for (int n = 1; n <= CardsPerPack; ++n) {
        QImage bitmap(LargeCardW, LargeCardH, QImage::Format_RGB32);
        bitmap.fill(Qt::white);
        QPainter(&bitmap).drawImage(0, 0, FaceCell(n));
        QSaveFile file(ToQString(CacheFile(n)));
        const bool written = file.open(QIODevice::WriteOnly) && bitmap.save(&file, "BMP") && file.commit();
        allWritten = allWritten && written;
        smallFaces_[static_cast<size_t>(n)] = QImage();
    }
    return allWritten;
}

QImage CardPictureBank::SmallFaceFromSheet(int sheetCard) {
    const QImage& cell = FaceCell(sheetCard);
    if (cell.isNull()) return BlankSmallCard();
    return CutCorners(cell.scaled(SmallCardW, SmallCardH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

const QImage& CardPictureBank::LoadCardBitmap(int sheetCard) {
    if (!ValidSheetCard(sheetCard)) return NoPicture();
    QImage& face = smallFaces_[static_cast<size_t>(sheetCard)];
    if (!face.isNull()) return face;
    QImageReader reader(ToQString(CacheFile(sheetCard)), "BMP");
    QImage bitmap = reader.read();
    if (bitmap.isNull() || bitmap.size() != QSize(LargeCardW, LargeCardH)) {
        face = SmallFaceFromSheet(sheetCard);
    } else {
        face = CutCorners(
            bitmap.scaled(SmallCardW, SmallCardH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return face;
}

const QImage& CardPictureBank::Picture(const CardShown& shown) {
    switch (shown.picture) {
    case CardPicture::None: return NoPicture();
    case CardPicture::Face: return FaceCell(shown.SheetCard);
    case CardPicture::SmallFace: return LoadCardBitmap(shown.SheetCard);
    case CardPicture::RankPicture: return Image1(shown.rank, false);
    case CardPicture::SmallRankPicture: return Image1(shown.rank, true);
    case CardPicture::LargeBack: return FilePic(0);
    case CardPicture::SmallBack: return FilePic(5);
    case CardPicture::LargeEmpty: return BackPicA();
    case CardPicture::SmallEmpty: return BackPicB();
    }
    return NoPicture();
}

const QImage& CardPictureBank::Picture(std::string_view key) {
    const auto [kind, n] = SplitKey(key);
    CardShown shown;
    shown.SheetCard = n;
    shown.rank = n;
    if (kind == "face")
        shown.picture = CardPicture::Face;
    else if (kind == "smallface")
        shown.picture = CardPicture::SmallFace;
    else if (kind == "rank")
        shown.picture = CardPicture::RankPicture;
    else if (kind == "smallrank")
        shown.picture = CardPicture::SmallRankPicture;
    else if (key == "back:large")
        shown.picture = CardPicture::LargeBack;
    else if (key == "back:small")
        shown.picture = CardPicture::SmallBack;
    else if (key == "empty:large")
        shown.picture = CardPicture::LargeEmpty;
    else if (key == "empty:small")
        shown.picture = CardPicture::SmallEmpty;
    return Picture(shown);
}

} // namespace zarle
