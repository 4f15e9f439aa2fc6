#include "persistence/dialogs/frmWelcome.h"

#include "platform/pictures/Pictures.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace zarle {

namespace {

constexpr int NameLength = 20; // what the player file keeps of a name

// Colours are kept as &HBBGGRR.
QColor FromBgr(int32_t color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

} // namespace

frmWelcome::frmWelcome(WelcomePrompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), prompt_(prompt) {
    setObjectName("frmWelcome");
    setModal(true);
    Label1 = new QLabel("Please enter your name so I can keep score:", this);
    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would take the first Return for itself; a name needs one Return.
    Combo1->setCompleter(nullptr);
    Combo1->lineEdit()->setMaxLength(NameLength);
    Combo1->setMinimumWidth(220);
    Command1 = new QPushButton("Let's play already", this);
    Command1->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(Combo1, 1);
    row->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 20);
    layout->setSpacing(14);
    layout->addWidget(Label1);
    layout->addLayout(row);

    connect(Combo1, &QComboBox::activated, this, &frmWelcome::Combo1_Click);
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, [this] { picked_ = -1; });
    connect(Command1, &QPushButton::clicked, this, &frmWelcome::Command1_Click);
    Form_Load();
}

void frmWelcome::Form_Load() {
    if (const auto picture = prompt_.TablePicture())
        table_ = LoadPicture(QString::fromStdString(picture->string()));
    QPalette look = Label1->palette();
    look.setColor(QPalette::WindowText, FromBgr(prompt_.TextColor()));
    Label1->setPalette(look);
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    Label1->setFont(bold);

    for (const auto& name : prompt_.Form_Load()) Combo1->addItem(QString::fromStdString(name));
    Combo1->setCurrentIndex(0);
    picked_ = 0;
    Combo1->lineEdit()->selectAll();
    Combo1->setFocus();
}

void frmWelcome::Combo1_Click(int index) {
    picked_ = index;
    prompt_.Combo1_Click(index);
}

void frmWelcome::Command1_Click() {
    switch (prompt_.Command1_Click(Combo1->currentText().toStdString(), picked_)) {
    case WelcomeAnswer::Accepted:
        nameAccepted_ = true;
        accept();
        break;
    case WelcomeAnswer::TryAgainEmpty:
        Combo1->setEditText("");
        picked_ = -1;
        [[fallthrough]];
    case WelcomeAnswer::TryAgain: Combo1->setFocus(); break;
    }
}

void frmWelcome::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), FromBgr(prompt_.TableColor()));
    if (!table_.isNull()) painter.drawTiledPixmap(rect(), table_);
    // A raised edge, light above and left, dark below and right.
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
}

void frmWelcome::closeEvent(QCloseEvent* event) {
    if (nameAccepted_)
        event->accept();
    else
        event->ignore();
}

void frmWelcome::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
    dragging_ = true;
    grabOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void frmWelcome::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - grabOffset_);
}

void frmWelcome::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
    QDialog::mouseReleaseEvent(event);
}

void WelcomeWindow::ShowModal() {
    frmWelcome window(prompt_, board_);
    window.exec();
}

} // namespace zarle
