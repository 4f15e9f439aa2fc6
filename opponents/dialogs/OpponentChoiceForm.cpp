#include "opponents/dialogs/OpponentChoiceForm.h"

#include "opponents/CommentSets.h"
#include "opponents/DataFiles.h"
#include "opponents/Personalities.h"
#include "base/text/VbText.h"
#include "platform/pictures/Pictures.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>

namespace zarle {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

void FillOpponentLists(OpponentChoiceForm& frm, GameState& s, ProfileState& profile,
                       std::string_view netPersonality) {
    frm.CboComment->clear();
    frm.CboComment->addItem(Q(DefaultCommentSet));
    for (const std::string& set : profile.CommentFiles) frm.CboComment->addItem(Q(set));
    frm.CboComment->addItem(Q(NoCommentSet));

    frm.CboOpponent->clear();
    for (const std::string& name : s.Personalities[1]) frm.CboOpponent->addItem(Q(name));
    if (profile.PersonalityIdx < 0 || profile.PersonalityIdx >= frm.CboOpponent->count())
        profile.PersonalityIdx = 0;
    if (s.NetMode != 0 && !netPersonality.empty())
        frm.CboOpponent->setCurrentText(Q(netPersonality));
    else
        frm.CboOpponent->setCurrentIndex(profile.PersonalityIdx);

    frm.ChangedSetting = false;
    if (s.NetMode == 0) frm.ChangedPerson = false;
    const int index = std::clamp<int>(s.NumPlayers - 2, 0, 2);
    frm.Option1[index]->setChecked(true);
    frm.Option1_Click(index);
    frm.cmdDone->setEnabled(true);
}

void SaveOpponentChoice(OpponentChoiceForm& frm, SetupSession& session, int seat) {
    GameState& s = session.Game();
    ProfileState& profile = session.Profile();
    std::string& set = profile.PlayerRec.Seats[seat].Comments;
    set = Trim(set);
    if (set == DefaultCommentSet) {
        frm.CboComment->setCurrentIndex(0);
    } else if (set == NoCommentSet) {
        frm.CboComment->setCurrentIndex(frm.CboComment->count() - 1);
    } else {
        if (FindDataFile(std::filesystem::path(s.AppPath) / "users",
                         set + std::string(CommentSetExtension))) {
            // A set made since the list was filled joins it before "No Comments".
            int at = frm.CboComment->findText(Q(set), Qt::MatchFixedString);
            if (at < 0) {
                at = frm.CboComment->count() - 1;
                frm.CboComment->insertItem(at, Q(set));
            }
            frm.CboComment->setCurrentIndex(at);
        } else {
            set = DefaultCommentSet;
            frm.CboComment->setCurrentIndex(0);
            session.WriteProfile();
        }
    }
}

void ShowSeatAvatar(QLabel& box, const std::string& appPath, const std::string& file) {
    const auto path =
        file.empty() ? std::nullopt : FindDataFile(std::filesystem::path(appPath) / "Avatars", file);
    const QPixmap picture = path ? LoadPicture(QString::fromStdString(path->string())) : QPixmap();
    if (picture.isNull()) {
        box.clear();
        return;
    }
    box.setPixmap(picture.scaled(box.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace zarle
