#include "board/menus/frmMenu.h"

#include "platform/controls/ImageBox.h"
#include "platform/controls/ListBox.h"

#include <QKeyEvent>

#include <algorithm>

namespace zarle {

namespace {

constexpr int TabStopUnits = 100;
constexpr int SideMarginPx = 33;  // the window is 500 twips wider than its list
constexpr int TitleHeightPx = 24; // the title picture, stretched to the window's width
constexpr int ListPaddingPx = 8;  // 125 twips under the last entry
constexpr int BottomMarginPx = 3;
const QColor ToolTipColor(0xFF, 0xFF, 0xE1);

} // namespace

frmMenu::frmMenu(const QPixmap& title, std::function<bool(int)> pick)
    : Form(nullptr), List1(new ListBox(this)), imgTop(new ImageBox(this)), pick_(std::move(pick)) {
    setObjectName("frmMenu");
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    SetBackColor(ToolTipColor);
    imgTop->SetStretch(true);
    imgTop->SetPicture(title);
    QFont font("Arial");
    font.setPointSize(9);
    List1->setFont(font);
    List1->setFrameShape(QFrame::NoFrame);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setFocusPolicy(Qt::NoFocus);
    QPalette palette = List1->palette();
    palette.setColor(QPalette::Base, ToolTipColor);
    List1->setPalette(palette);
    connect(&List1->Events(), &ControlEvents::MouseMove, this, [this](MouseArgs a) { List1_MouseMove(a); });
    connect(&List1->Events(), &ControlEvents::MouseDown, this, [this](MouseArgs a) { List1_MouseDown(a); });
    onTop_.SetOnTop(true);
    onTop_.TopForm(*this);
}

frmMenu::~frmMenu() = default;

void frmMenu::LoadList(const std::vector<std::string>& entries) {
    List1->SetTabStop(TabStopUnits);
    List1->Clear();
    int keyWidth = 0;
    int captionWidth = 0;
    const QFontMetrics metrics(List1->font());
    for (const std::string& entry : entries) {
        const QString text = QString::fromStdString(entry);
        List1->AddItem(text);
        const qsizetype tab = text.indexOf('\t');
        captionWidth = std::max(captionWidth, metrics.horizontalAdvance(tab < 0 ? text : text.left(tab)));
        if (tab >= 0) keyWidth = std::max(keyWidth, metrics.horizontalAdvance(text.mid(tab + 1)));
    }
    const int listWidth = std::max(captionWidth, List1->TabStopPixels() + keyWidth) + 2 * ListPaddingPx;
    const int itemHeight = List1->ItemHeight();
    const int listHeight = (itemHeight > 0 ? List1->ListCount() * itemHeight : 0) + ListPaddingPx;
    const int width = listWidth + SideMarginPx;
    imgTop->setGeometry(0, 0, width, TitleHeightPx);
    imgTop->show();
    List1->setGeometry(SideMarginPx / 2, TitleHeightPx, listWidth, listHeight);
    setFixedSize(width, TitleHeightPx + listHeight + BottomMarginPx);
}

// The entry under the mouse is the highlighted one; none removes the highlight.
void frmMenu::List1_MouseMove(MouseArgs at) {
    const QPoint local(static_cast<int>(at.x), static_cast<int>(at.y));
    List1->SetListIndex(List1->ItemFromPoint(List1->viewport()->mapToGlobal(local)));
}

void frmMenu::List1_MouseDown(MouseArgs at) {
    List1_MouseMove(at);
    if (pick_(List1->ListIndex())) Unload();
}

void frmMenu::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Unload();
        return;
    }
    Form::keyPressEvent(event);
}

} // namespace zarle
