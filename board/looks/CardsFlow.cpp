#include "board/looks/CardsFlow.h"

#include "rendering/cards/CardPictureBank.h"
#include "board/FrmZarle.h"
#include "platform/controls/PictureBox.h"
#include "board/looks/FlowFrames.h"
#include "platform/pictures/Pictures.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace zarle {

namespace {

namespace fs = std::filesystem;

constexpr float FrameSeconds = 0.01f;
constexpr int MoveBand = 10;
constexpr int32_t WideScreenTwips = 12000;
constexpr int LargeCardHeight = 96;
constexpr int SmallCardHeight = 80;

QColor FromBgr(uint32_t color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QString ToQString(const fs::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

CardsFlow::CardsFlow(CardsFlowParts parts) : s_(parts.Game), p_(parts) {}

CardsFlow::~CardsFlow() {
    qApp->removeEventFilter(this);
}

fs::path CardsFlow::TileFile() const {
    return fs::path(s_.AppPath) / "Data" / "~temp.bmp";
}

// The card back the piles show, on the deck colour that shows through the plain back.
QImage CardsFlow::CurrentBack() const {
    const bool large = s_.DisplaySize < 2 && (s_.NumPlayers < 3 || s_.ScreenTwips > WideScreenTwips);
    const QImage& back = p_.Pictures.FilePic(large ? 0 : 5);
    if (back.isNull()) return {};
    QImage tile(back.size(), QImage::Format_RGB32);
    tile.fill(FromBgr(s_.DeckColor));
    QPainter(&tile).drawImage(0, 0, back);
    return tile;
}

// The tile as read back from its file. A folder that takes no file leaves the picture in memory;
// a file that cannot be read as a picture is reported and stops the animation before it starts.
QImage CardsFlow::LoadTile(const QImage& saved) {
    const fs::path file = TileFile();
    std::error_code error;
    if (!fs::exists(file, error)) return saved;
    const QImage tile = LoadPicture(ToQString(file)).toImage();
    if (tile.isNull()) p_.Box.MsgBox("Error: Unable to load " + file.string() + "!!!", MbOkOnly, "");
    return tile;
}

void CardsFlow::AnimateCardsFlow(int variant) {
    if (s_.FlowRunning) return;
    const QImage back = CurrentBack();
    SavePicture(QPixmap::fromImage(back), ToQString(TileFile()));
    boardSize_ = p_.Form.size();
    boardPicture_ = static_cast<Form&>(p_.Form).Picture();
    s_.AwaitHuman = false;
    s_.FlowStop = false;
    s_.FlowRunning = true;
    moveStartY_ = 0;

    const QImage tile = LoadTile(back);
    if (!tile.isNull()) {
        qApp->installEventFilter(this);
        RunFrames(variant, tile);
        qApp->removeEventFilter(this);
    }

    std::error_code error;
    fs::remove(TileFile(), error);
    RepaintBoard(variant);
    s_.FlowStop = true;
    s_.FlowRunning = false;
    if (s_.FlowNewGame) {
        s_.FlowNewGame = false;
        // Not while the program is closing.
        if (!s_.StopWait && pressDeal_) pressDeal_();
    }
}

void CardsFlow::RunFrames(int variant, const QImage& tile) {
    FlowOffsets offsets;
    while (!s_.FlowStop && !s_.StopWait) {
        ShowFrame(variant, ComposeFlowFrame(tile, variant, offsets, boardSize_));
        offsets = NextFlowOffsets(offsets, tile.size());
        if (s_.FlowStop) break;
        p_.Waiter.DoEvents();
        p_.Waiter.Wait(FrameSeconds);
    }
}

int CardsFlow::CardRowHeight() const {
    const bool large = s_.DisplaySize < 2 && (s_.NumPlayers < 3 || s_.ScreenTwips > WideScreenTwips);
    return large ? LargeCardHeight : SmallCardHeight;
}

void CardsFlow::ShowFrame(int variant, const QImage& frame) {
    Form& board = p_.Form;
    if (variant == 0) {
        board.SetPicture(QPixmap::fromImage(frame));
        return;
    }
    if (variant == 1) {
        // The rest of the board keeps what it showed.
        QPixmap shown(boardSize_);
        shown.fill(Qt::transparent);
        QPainter painter(&shown);
        painter.drawPixmap(0, 0, boardPicture_);
        const BoardModel& model = p_.Board.Model();
        const int opponentRow = qRound(ToPixels(model.Get(Ctl::Picture1, 1).Top));
        const int humanRow = qRound(ToPixels(model.Get(Ctl::Picture7, 1).Top));
        for (const FlowBand& band : CardRowBands(boardSize_, opponentRow, humanRow, CardRowHeight()))
            painter.drawImage(band.Target, frame, band.Source);
        painter.end();
        board.SetPicture(shown);
        return;
    }
    if (auto* stock = dynamic_cast<PictureBox*>(p_.Form.ControlWidget({Ctl::PicCenter, 0})))
        stock->SetPicture(QPixmap::fromImage(frame.copy(QRect(QPoint(0, 0), stock->size()))));
}

void CardsFlow::RepaintBoard(int variant) {
    const bool pictureChosen = p_.Profile.BackIdx != 0 && p_.Profile.BackIdx != p_.Profile.BackCount + 1;
    if (pictureChosen)
        p_.Board.BackgroundPaint();
    else
        static_cast<Form&>(p_.Form).SetPicture(p_.Profile.BackIdx == 0 ? boardPicture_ : QPixmap());
    boardPicture_ = QPixmap();
    if (variant > 1 || variant < 0) {
        const ControlId stock{Ctl::PicCenter, 0};
        p_.Form.SetPicture(stock, p_.Board.Model().Get(stock).Picture);
    }
}

void CardsFlow::Form_MouseMove(int y) {
    if (!s_.FlowRunning) return;
    if (moveStartY_ == 0) moveStartY_ = y;
    if (y < moveStartY_ - MoveBand || y > moveStartY_ + MoveBand) {
        Stop();
        moveStartY_ = 0;
    }
}

// Every press and move on the board window while the animation runs, whichever control is under
// the mouse.
bool CardsFlow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (s_.FlowRunning && (type == QEvent::MouseButtonPress || type == QEvent::MouseMove) &&
        watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == &p_.Form) {
            if (type == QEvent::MouseButtonPress) {
                Stop();
            } else {
                const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
                Form_MouseMove(widget->mapTo(&p_.Form, at).y());
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zarle
