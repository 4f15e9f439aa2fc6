#include "tests/support/board/DialogFixture.h"

#include "base/records/RecordFile.h"
#include "base/text/VbText.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <fstream>

namespace zarle::test {

namespace fs = std::filesystem;

std::optional<std::string> ScriptedFiles::ShowOpen(const FileDialogRequest& request) {
    Asked.push_back(request);
    if (Opens.empty()) return std::nullopt;
    auto answer = Opens.front();
    Opens.pop_front();
    return answer;
}

std::optional<std::string> ScriptedFiles::ShowSave(const FileDialogRequest& request,
                                                   const std::string& fileName) {
    Asked.push_back(request);
    OfferedNames.push_back(fileName);
    if (Saves.empty()) return std::nullopt;
    auto answer = Saves.front();
    Saves.pop_front();
    return answer;
}

void DialogTest::SetUp() {
    ProgramFolderTest::SetUp();
    Files = &FilesAnswer;
    Help = &Manual;
}

void DialogTest::StartWith(const std::function<void(PlayerRecord&)>& edit) {
    if (edit) {
        RecordFile players(File("Data/Players.sav"), PlayerRecord::Size, RecordFile::Access::ReadWrite);
        PlayerRecord header = ReadRecord<PlayerRecord>(players, 1);
        edit(header);
        ASSERT_TRUE(WriteRecord(players, 1, header));
    }
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    ASSERT_GE(Profile->PlayerRecNo, 2);
}

PlayerRecord DialogTest::StoredProfile() const {
    return PlayerRecord::Decode(StoredProfileBytes());
}

Bytes DialogTest::StoredProfileBytes() const {
    const Bytes all = FileBytes("Data/Players.sav");
    const size_t at = (Profile->PlayerRecNo - 1) * PlayerRecord::Size;
    if (all.size() < at + PlayerRecord::Size) return Bytes(PlayerRecord::Size);
    return Bytes(all.begin() + at, all.begin() + at + PlayerRecord::Size);
}

void DialogTest::WriteStoredProfile(const PlayerRecord& rec) {
    RecordFile players(File("Data/Players.sav"), PlayerRecord::Size, RecordFile::Access::ReadWrite);
    ASSERT_TRUE(WriteRecord(players, Profile->PlayerRecNo, rec));
}

Bytes DialogTest::FileBytes(const std::string& relative) const {
    std::ifstream in(File(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void DialogTest::RunModal(const std::function<void()>& open, const std::function<QWidget*()>& act) {
    QTimer poll;
    bool acted = false;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = act();
        if (!window) return;
        poll.stop();
        acted = true;
        // A window the test left open would keep the test waiting for ever.
        if (window->isVisible()) {
            ADD_FAILURE() << "the test left " << window->objectName().toStdString() << " open";
            window->close();
        }
    });
    poll.start();
    open();
    poll.stop();
    EXPECT_TRUE(acted) << "the window never showed";
}

void Click(QWidget* w) {
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isVisible() && w->isEnabled()) << w->objectName().toStdString() << " cannot be clicked";
    // Check boxes and option buttons answer on their mark and caption, which start at the left.
    const bool marked = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, marked ? QPoint(6, w->height() / 2) : w->rect().center());
}

void Pick(QComboBox* combo, const QString& text) {
    const int target = combo->findText(text);
    ASSERT_GE(target, 0) << text.toStdString() << " is not in the list";
    combo->setFocus();
    while (combo->currentIndex() != target)
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}

void TypeInto(QLineEdit* line, const QString& text) {
    line->setFocus();
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClicks(line, text);
}

std::string TextAt(const Bytes& bytes, size_t at, size_t width) {
    return ReadFixedText(bytes.data() + at, width);
}

} // namespace zarle::test
