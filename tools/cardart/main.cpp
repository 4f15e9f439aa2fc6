// Draws every picture of the game into the build tree:
//   zarle_cardart <output folder> <font folder>
// The resource pictures and their list go under the output folder, the default avatars under
// <output folder>/Avatars and the personalities' animation frames under <output folder>/Packs.

#include "tools/cardart/ArtWriter.h"
#include "tools/cardart/Avatars.h"
#include "rendering/cards/BackDesigns.h"
#include "tools/cardart/BoardMarks.h"
#include "rendering/cards/CardArtPaths.h"
#include "tools/cardart/CardBacks.h"
#include "tools/cardart/CardFace.h"
#include "rendering/cards/CardGeometry.h"
#include "tools/cardart/RankPictures.h"
#include "tools/cardart/TableArt.h"
#include "tools/cardart/Text.h"
#include "tools/cardart/WinFrames.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

using namespace zarle;
using namespace zarle::cardart;

namespace {

void DrawCards(ArtWriter& out) {
    out.Resource(art::FaceSheet(6), FaceSheet(FaceLook::Standard));
    out.Resource(art::FaceSheet(7), FaceSheet(FaceLook::Steel));
    out.Resource(art::FaceSheet(8), FaceSheet(FaceLook::Tile));
    for (int style = FirstRankStyle; style <= LastRankStyle; ++style)
        for (int rank = 1; rank <= SheetColumns; ++rank)
            for (bool small : {false, true})
                out.Resource(art::RankPicture(style, rank, small), RankPicture(style, rank, small));
    for (int index = 0; index < BackDesignCount; ++index)
        for (bool small : {false, true}) out.Resource(art::Back(index, small), CardBack(index, small));
    out.Resource(art::PlainBack, PlainBack());
}

void DrawTable(ArtWriter& out) {
    for (int skin = 0; skin < 2; ++skin) {
        for (bool small : {false, true}) out.Resource(art::EmptyPile(skin, small), EmptyPile(skin, small));
        out.Resource(art::TableSkin(skin), TableSkin(skin));
        out.Resource(art::MenuBanner(skin), MenuBanner(skin));
        out.Resource(art::MenuTitle(skin), MenuTitle(skin));
    }
    for (int which : {1, 2}) out.Resource(art::TurnMarker(which), TurnMarker(which));
    out.Resource(art::Slap, SlapPicture());
    for (int which : {0, 1}) out.Resource(art::AvatarPointer(which), AvatarPointer(which));
}

void DrawAvatars(ArtWriter& out) {
    for (const char* file : art::DefaultAvatars)
        out.File(QStringLiteral("Avatars/") + file, Avatar(QFileInfo(file).completeBaseName()), 92);
}

// The lead personality's frames are built in; Quenor's and Vova's go into their packs, Data/PMS/<name>/
// of the program folder (Zadure celebrates with Vova's).
void DrawWinFrames(ArtWriter& out) {
    for (int frame = 1; frame <= WinFrameCount; ++frame) {
        out.Resource(art::LeadWinFrame(frame), WinFrame("Zarle", frame));
        for (const char* name : {"Quenor", "Vova"}) {
            const QString person = QString::fromLatin1(name);
            out.File(QStringLiteral("Packs/%1/%1%2.png").arg(person).arg(frame), WinFrame(person, frame));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zarle_cardart <output folder> <font folder>\n");
        return 2;
    }
    LoadFonts(QString::fromLocal8Bit(argv[2]));
    ArtWriter out(QString::fromLocal8Bit(argv[1]));
    DrawCards(out);
    DrawTable(out);
    DrawAvatars(out);
    DrawWinFrames(out);
    out.WriteResourceList("cardart.qrc");
    for (const QString& e : out.Errors()) std::fprintf(stderr, "zarle_cardart: %s\n", qPrintable(e));
    return out.Failed() ? 1 : 0;
}
