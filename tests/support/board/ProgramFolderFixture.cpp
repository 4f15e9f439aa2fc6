#include "tests/support/board/ProgramFolderFixture.h"

#include "base/records/RecordFile.h"
#include "base/text/VbText.h"
#include "persistence/dialogs/frmWelcome.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <fstream>
#include <sstream>

namespace zarle::test {

namespace fs = std::filesystem;

namespace {

// What a run leaves behind is not part of the default folder.
bool LeftByARun(const fs::path& file) {
    const std::string name = file.filename().string();
    const std::string ext = file.extension().string();
    return name == "zarlenet" || name == "~tempmoves.sav" || ext == ".tmp" || ext == ".pmw";
}

void CopyDefaultFolder(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        const fs::path target = to / fs::relative(entry.path(), from);
        if (entry.is_directory())
            fs::create_directories(target);
        else if (!LeftByARun(entry.path()))
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
    }
}

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace

void ProgramFolderTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    root_ = fs::path(folder_.path().toStdString()) / "game";
    fs::remove_all(root_);
    CopyDefaultFolder(ZARLE_DEFAULT_FOLDER, root_);
    ASSERT_TRUE(fs::exists(root_ / "Data/Players.sav")) << "the build writes the default program folder";
    static int started = 0;
    instanceName_ = QString("ZarleNET-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++started);
}

void ProgramFolderTest::TearDown() {
    welcomeAnswer_.stop();
    if (Window && !Window->Window().isHidden()) Close();
    Window.reset();
}

// Types the name into the welcome window and presses its button once it shows.
void ProgramFolderTest::AnswerWelcomeWith(const std::string& name) {
    welcomeAnswer_.disconnect();
    welcomeAnswer_.setInterval(5);
    QObject::connect(&welcomeAnswer_, &QTimer::timeout, [this, name] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* welcome = dynamic_cast<frmWelcome*>(w);
            if (!welcome || !welcome->isVisible()) continue;
            welcomeAnswer_.stop();
            welcome->Combo1->setEditText(QString::fromStdString(name));
            welcome->Command1->click();
            return;
        }
    });
    welcomeAnswer_.start();
}

FolderSnapshot ProgramFolderTest::Snapshot() const {
    FolderSnapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(root_))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root_).string()] = Contents(entry.path());
    return files;
}

std::vector<std::string> ProgramFolderTest::FilesEndingWith(const std::string& folder,
                                                            const std::string& ending) const {
    std::vector<std::string> found;
    std::error_code error;
    for (fs::directory_iterator it(root_ / folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() >= ending.size() &&
            EqualsNoCase(std::string_view(name).substr(name.size() - ending.size()), ending))
            found.push_back(name);
    }
    return found;
}

ScoreRecord ProgramFolderTest::SettingsRecord(int n) const {
    RecordFile scores(root_ / "Data/scores.ran", ScoreRecord::Size, RecordFile::Access::ReadOnly);
    return ReadRecord<ScoreRecord>(scores, n);
}

void ProgramFolderTest::WriteSettingsRecord(int n, const ScoreRecord& rec) {
    RecordFile scores(root_ / "Data/scores.ran", ScoreRecord::Size, RecordFile::Access::ReadWrite);
    ASSERT_TRUE(WriteRecord(scores, n, rec));
}

StartOutcome ProgramFolderTest::Start(const std::string& name, const std::string& commandLine) {
    Window.reset();
    Game = std::make_unique<GameState>();
    Profile = std::make_unique<ProfileState>();
    Game->AppPath = root_.string();
    Window = std::make_unique<GameWindow>(*Game, *Profile,
                                          GameWindowServices{&Sound, &Waiter, &Box, nullptr, Files, Help});
    if (!name.empty()) AnswerWelcomeWith(name);
    const StartOutcome outcome = Window->Start({commandLine, instanceName_});
    welcomeAnswer_.stop();
    return outcome;
}

void ProgramFolderTest::Close() {
    Window->Window().close();
}

} // namespace zarle::test
