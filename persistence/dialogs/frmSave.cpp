#include "persistence/dialogs/frmSave.h"

#include "platform/input/KeyCodes.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace zarle {

namespace {

constexpr int NameWidth = 30;   // what the save file keeps of a name
constexpr int NetMarkWidth = 2; // the "^^" of a network save

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

std::string ScreenDateTime() {
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    return (locale.toString(now.date(), QLocale::ShortFormat) + "_" +
            locale.toString(now.time(), QLocale::ShortFormat))
        .toStdString();
}

} // namespace

frmSave::frmSave(SaveSlotsPrompt& prompt, QWidget* parent) : QDialog(parent), prompt_(prompt) {
    setObjectName("frmSave");
    setWindowTitle(prompt.Mode() == SaveMode::Restore ? "Restore Game" : "Save Game");
    setModal(true);
    prompt_.DateTimeStamp = ScreenDateTime;

    auto* slotGrid = new QGridLayout;
    slotGrid->setHorizontalSpacing(8);
    slotGrid->setVerticalSpacing(4);
    const int maxLength = NameWidth - (prompt.Mode() == SaveMode::NetSave ? NetMarkWidth : 0);
    for (int slot = 1; slot <= AutoSaveSlot; ++slot) {
        slotLabels_[slot] = new QLabel(slot == AutoSaveSlot ? "Auto" : QString::number(slot), this);
        slotLabels_[slot]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString("Text1_%1").arg(slot));
        edit->setMaxLength(maxLength);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(NameWidth, 'n')));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, slot](const QString& text) {
            prompt_.Text1_Change(slot, text.toStdString());
            Render();
        });
        slotGrid->addWidget(slotLabels_[slot], slot - 1, 0);
        slotGrid->addWidget(edit, slot - 1, 1);
        Text1[slot] = edit;
    }
    // The automatic-save slot comes and goes with the AutoSave box; the window keeps its room, so
    // that the box stays under the mouse.
    if (prompt.AutoSaveVisible) {
        for (QWidget* autoSave :
             {static_cast<QWidget*>(slotLabels_[AutoSaveSlot]), static_cast<QWidget*>(Text1[AutoSaveSlot])}) {
            QSizePolicy policy = autoSave->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            autoSave->setSizePolicy(policy);
        }
    }
    slotGrid->setColumnStretch(1, 1);

    Check1 = new QCheckBox("Click here to enable AutoSave", this);
    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    QPalette warning = Label1->palette();
    warning.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    Label1->setPalette(warning);
    Label1->setMinimumHeight(Label1->fontMetrics().height());
    cmdSave = new QPushButton(ToQ(prompt.Caption()), this);
    cmdSave->setDefault(true);
    Command2 = new QPushButton("Cancel", this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addLayout(slotGrid);
    layout->addWidget(Check1);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(Command2, &QPushButton::clicked, this, &frmSave::Command2_Click);
    connect(Check1, &QCheckBox::clicked, this, &frmSave::Check1_Click);
    prompt_.Form_Load();
    Render();
    PlaceCursor();
}

// The cursor starts in the first slot that can be chosen, none chosen yet; when saving, what is
// typed there takes the place of the slot's name.
void frmSave::PlaceCursor() {
    for (int slot = 1; slot <= AutoSaveSlot; ++slot) {
        QLineEdit* edit = Text1[slot];
        if (!edit->isEnabled() || !prompt_.Slots[slot].Visible) continue;
        edit->setFocus();
        if (!prompt_.ReadOnly()) edit->selectAll();
        return;
    }
}

int frmSave::SlotOf(QObject* widget) const {
    for (int slot = 1; slot <= AutoSaveSlot; ++slot)
        if (Text1[slot] == widget) return slot;
    return 0;
}

bool frmSave::eventFilter(QObject* watched, QEvent* event) {
    const int slot = SlotOf(watched);
    if (slot != 0 && event->type() == QEvent::KeyPress) {
        const int next = prompt_.Text1_KeyDown(slot, VbKeyCode(*static_cast<QKeyEvent*>(event)));
        if (next == 0) return QDialog::eventFilter(watched, event);
        Render();
        Text1[next]->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (slot != 0 && event->type() == QEvent::FocusIn) {
        // The dialog hands its first focus in as a Tab before the window is active: no choice.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if ((reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) || !isActiveWindow())
            return QDialog::eventFilter(watched, event);
        // Tab chooses the slot it arrives in; the slot takes the focus first, so that the name
        // proposed then keeps the cursor after it.
        static_cast<QObject*>(Text1[slot])->event(event);
        prompt_.Text1_Click(slot);
        Render();
        return true;
    }
    if (slot != 0 && event->type() == QEvent::MouseButtonPress) {
        prompt_.Text1_MouseDown(slot);
        Render();
    } else if (slot != 0 && event->type() == QEvent::MouseButtonRelease) {
        // The line edit places its cursor first; a proposal then moves it after the name.
        const bool handled = QDialog::eventFilter(watched, event);
        prompt_.Text1_Click(slot);
        Render();
        return handled;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSave::Render() {
    for (int slot = 1; slot <= AutoSaveSlot; ++slot) {
        const SaveSlotsPrompt::Slot& model = prompt_.Slots[slot];
        QLineEdit* edit = Text1[slot];
        if (edit->text() != ToQ(model.Text)) edit->setText(ToQ(model.Text));
        edit->setEnabled(model.Enabled);
        edit->setVisible(model.Visible);
        slotLabels_[slot]->setVisible(model.Visible);
        edit->setReadOnly(prompt_.ReadOnly());
        QPalette look = QApplication::palette(edit);
        switch (prompt_.LookOf(slot)) {
        case SaveSlotsPrompt::Look::Proposed:
            look.setColor(QPalette::Base, look.color(QPalette::ToolTipBase));
            look.setColor(QPalette::Text, look.color(QPalette::ToolTipText));
            break;
        case SaveSlotsPrompt::Look::Chosen:
            look.setColor(QPalette::Base, look.color(QPalette::Highlight));
            look.setColor(QPalette::Text, look.color(QPalette::HighlightedText));
            break;
        case SaveSlotsPrompt::Look::Normal: break;
        }
        edit->setPalette(look);
    }
    if (prompt_.CursorAt >= 0 && prompt_.SelSlot != 0) {
        QLineEdit* edit = Text1[prompt_.SelSlot];
        edit->setFocus();
        edit->deselect();
        edit->setCursorPosition(prompt_.CursorAt);
        prompt_.CursorAt = -1;
    }
    Check1->setVisible(prompt_.AutoSaveVisible);
    Check1->setChecked(prompt_.AutoSaveTicked);
    Label1->setText(ToQ(prompt_.Message));
}

void frmSave::cmdSave_Click() {
    if (!prompt_.cmdSave_Click()) QApplication::beep();
    Render();
    if (prompt_.Closed) accept();
}

void frmSave::Command2_Click() {
    if (prompt_.Command2_Click()) done(QDialog::Rejected);
}

void frmSave::reject() {
    Command2_Click();
}

void frmSave::closeEvent(QCloseEvent* event) {
    prompt_.Form_QueryUnload();
    event->accept();
}

void frmSave::Check1_Click(bool ticked) {
    prompt_.Check1_Click(ticked);
    prompt_.Check1_MouseUp(ticked);
    Render();
}

void SaveWindow::ShowModal(SaveSlotsPrompt& prompt) {
    frmSave window(prompt, board_);
    window.exec();
}

} // namespace zarle
