#include "network/windows/frmSounds.h"

#include "network/windows/ChatSounds.h"
#include "opponents/dialogs/DialogLook.h"
#include "network/scores/QtText.h"
#include "base/text/VbText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zarle {

frmSounds::frmSounds(GameState& game, InternetChoices& choices, MessageBoxPort& box, QWidget* parent)
    : QDialog(parent), s_(game), choices_(choices), box_(box) {
    setObjectName("frmSounds");
    setWindowTitle("Online Personality Sounds");
    setModal(true);

    lblSounds = new QLabel(this);
    lblSounds->setWordWrap(true);
    lstSounds = new QListWidget(this);
    lstSounds->setMinimumHeight(fontMetrics().height() * 10);
    lblDescription = new QLabel("Description", this);
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumHeight(fontMetrics().height() * 3);
    lblDescription->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    cmdDone = new QPushButton("Update", this);
    cmdDone->setDefault(true);
    cmdCancel = new QPushButton("Cancel", this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSounds);
    layout->addWidget(lstSounds);
    layout->addWidget(lblDescription);
    layout->addLayout(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    connect(lstSounds, &QListWidget::itemClicked, this, [this] { lstSounds_Click(); });
    connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void frmSounds::Form_Load() {
    FitToScreen(*this, s_.ScreenTwips);
    lblSounds->setText(
        "Select up to 3 personalities and their sounds will be included in the Chat box.\n"
        "Remember: your opponent must have the same sounds in order to hear the sounds you send.");
    for (const auto& name : s_.Personalities[1]) {
        if (EqualsNoCase(name, "Zadure")) continue;
        auto* item = new QListWidgetItem(Q(name), lstSounds);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        for (auto& installed : choices_.ChatSoundNames) {
            if (installed != name) continue;
            if (item->checkState() == Qt::Checked)
                installed.clear(); // the same name twice
            else
                item->setCheckState(Qt::Checked);
        }
    }
}

void frmSounds::lstSounds_Click() {
    const int row = lstSounds->currentRow();
    if (row < 0) return;
    const std::string name = lstSounds->item(row)->text().toStdString();
    const auto& names = s_.Personalities[1];
    const auto& descriptions = s_.Personalities[0];
    for (size_t i = 0; i < names.size() && i < descriptions.size(); ++i)
        if (names[i] == name) lblDescription->setText(Q(descriptions[i]));
}

void frmSounds::cmdDone_Click() {
    std::vector<std::string> chosen;
    for (int i = 0; i < lstSounds->count(); ++i) {
        if (lstSounds->item(i)->checkState() != Qt::Checked) continue;
        if (chosen.size() == MaxChatSoundSets) {
            box_.MsgBox(
                "You have more than 3 checked and 3 is the maximum. Uncheck somebody and then click the "
                "Update button again.",
                MbInformation, "3 Maximum");
            return;
        }
        chosen.push_back(lstSounds->item(i)->text().toStdString());
    }
    InstallChatSounds(s_.AppPath, choices_.ChatSoundNames, std::move(chosen), box_);
    accept();
}

} // namespace zarle
