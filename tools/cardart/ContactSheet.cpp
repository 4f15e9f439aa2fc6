// Lays every card picture out on one sheet, the way the game shows them, to look them over:
//   zarle_card_contact_sheet <out.png> <avatar folder>
// Small faces go through the game's own cache files, so the sheet shows what the board shows.

#include "rendering/cards/CardArt.h"
#include "rendering/cards/CardArtPaths.h"
#include "rendering/cards/CardGeometry.h"
#include "rendering/cards/CardPictureBank.h"
#include "rendering/cards/clsDLL.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

using namespace zarle;

namespace {

constexpr int Gap = 4;
const QColor Felt(0x1F, 0x6B, 0x3C);
const QColor Plain(0xFF, 0xE0, 0xC0);

class Sheet {
  public:
    explicit Sheet(QPainter& p) : p_(p) {}

    void Title(const QString& text) {
        NewRow();
        y_ += 6;
        p_.setPen(Qt::white);
        QFont font = p_.font();
        font.setPixelSize(16);
        font.setBold(true);
        p_.setFont(font);
        p_.drawText(QPointF(Gap, y_ + 16), text);
        y_ += 22;
    }
    // A picture as a pile shows it: on its back colour, with a single-line border if asked.
    void Put(const QImage& picture, const QColor& back = Qt::transparent, bool border = false) {
        const QRect at(x_, y_, picture.width(), picture.height());
        p_.fillRect(at, back);
        p_.drawImage(at.topLeft(), picture);
        if (border) {
            p_.setPen(QColor(0x20, 0x20, 0x20));
            p_.setBrush(Qt::NoBrush);
            p_.drawRect(at.adjusted(0, 0, -1, -1));
        }
        x_ += picture.width() + Gap;
        rowHeight_ = std::max(rowHeight_, picture.height());
    }
    void Skip(int width) { x_ += width; }
    void NewRow() {
        if (x_ > Gap) y_ += rowHeight_ + Gap;
        x_ = Gap;
        rowHeight_ = 0;
    }
    int Bottom() const { return y_ + rowHeight_ + Gap; }

  private:
    QPainter& p_;
    int x_ = Gap, y_ = Gap, rowHeight_ = 0;
};

void SheetStyles(Sheet& s, CardPictureBank& bank, clsDLL& component) {
    const char* names[] = {"Standard", "Steel", "Tile"};
    for (int style = 6; style <= 8; ++style) {
        s.Title(QString("Style %1 \"%2\": large faces, and small faces from the cache")
                    .arg(style)
                    .arg(names[style - 6]));
        component.GetCardFaces(style);
        bank.SaveCardBitmaps();
        for (int row = 0; row < SheetRows; ++row) {
            for (int rank = 1; rank <= SheetColumns; ++rank) s.Put(bank.FaceCell(row * SheetColumns + rank));
            s.Skip(12);
            for (int rank = 1; rank <= SheetColumns; ++rank)
                s.Put(bank.LoadCardBitmap(row * SheetColumns + rank));
            s.NewRow();
        }
    }
}

void RankStyles(Sheet& s, const CardPictureBank& bank) {
    const char* names[] = {"Quenor", "Artsy", "Shout", "Zarle's", "Viking"};
    for (int style = FirstRankStyle; style <= LastRankStyle; ++style) {
        s.Title(QString("Style %1 \"%2\": large and small").arg(style).arg(names[style - 1]));
        for (int rank = 1; rank <= SheetColumns; ++rank)
            s.Put(bank.RankPicture(style, rank, false), Qt::white, true);
        s.Skip(12);
        for (int rank = 1; rank <= SheetColumns; ++rank)
            s.Put(bank.RankPicture(style, rank, true), Qt::white, true);
    }
}

void Backs(Sheet& s, CardPictureBank& bank, clsDLL& component) {
    s.Title("Backs, large and small; the plain back on the plain deck colour; empty piles (wood, metal)");
    for (bool small : {false, true}) {
        for (int design = 1; design <= component.GetBacksQuantity(); ++design)
            s.Put(component.GetCardBackPreview(design, small).picture);
        s.NewRow();
    }
    component.GetCardBacks(0);
    s.Put(bank.FilePic(0), Plain, true);
    s.Put(bank.FilePic(5).copy(0, 0, SmallCardW, SmallCardH), Plain, true);
    s.Skip(12);
    for (int skin : {0, 1}) {
        bank.SetCardSizePics(skin);
        s.Put(bank.BackPicA());
        s.Put(bank.BackPicB());
    }
}

void Table(Sheet& s, const CardPictureBank& bank, const QString& avatarDir) {
    s.Title("Menu strips, drop-down titles, table pictures, turn markers, slap, pointers, avatars");
    for (int skin : {0, 1}) {
        s.Put(bank.imgControl(skin).copy(0, 0, 760, 64));
        s.NewRow();
    }
    for (int skin : {0, 1}) s.Put(LoadCardArt(art::MenuTitle(skin)));
    s.NewRow();
    for (int skin : {0, 1})
        s.Put(bank.imgSkin(skin).scaled(240, 180, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    for (int which : {1, 2}) s.Put(LoadCardArt(art::TurnMarker(which)));
    for (int which : {0, 1}) s.Put(LoadCardArt(art::AvatarPointer(which)));
    s.NewRow();
    const QImage slap = LoadCardArt(art::Slap);
    for (const char* file : art::DefaultAvatars) {
        const QImage avatar(QDir(avatarDir).filePath(file));
        s.Put(avatar.scaled(120, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    QImage slapped = QImage(QDir(avatarDir).filePath(art::DefaultAvatars[0]))
                         .scaled(120, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter(&slapped).drawImage(0, 0, slap);
    s.Put(slapped);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zarle_card_contact_sheet <out.png> <avatar folder>\n");
        return 2;
    }
    QTemporaryDir programFolder;
    CardPictureBank bank(programFolder.path().toStdString());
    clsDLL component(bank);

    QImage sheet(1850, 3200, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Felt);
    int bottom = 0;
    {
        QPainter p(&sheet);
        Sheet s(p);
        SheetStyles(s, bank, component);
        RankStyles(s, bank);
        Backs(s, bank, component);
        Table(s, bank, QString::fromLocal8Bit(argv[2]));
        bottom = s.Bottom();
    }
    if (!sheet.copy(0, 0, sheet.width(), std::min(bottom, sheet.height()))
             .save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
