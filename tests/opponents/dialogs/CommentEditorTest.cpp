// The comment-set editor in the running program: lines checked and saved into users/, a typed
// name taken as it is meant, and a set put into play for the first opponent in memory and in the
// player file, where it outlasts the program's close.

#include "opponents/CommentSets.h"
#include "tests/support/board/DialogFixture.h"
#include "opponents/dialogs/frmCustom.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <fstream>

namespace zarle::test {
namespace {

namespace fs = std::filesystem;

constexpr size_t FirstOpponentSet = 122 + 154 + 50;

class CommentEditorTest : public DialogTest {
  protected:
    frmCustom& Open() {
        Window->Dialogs().ShowCustomComments();
        frmCustom* editor = Window->Dialogs().CustomComments();
        EXPECT_NE(editor, nullptr);
        return *editor;
    }
    std::string SavePath(const std::string& name) const { return (Root() / "users" / name).string(); }
};

TEST_F(CommentEditorTest, OpensOnTheOnlySetAndNewFillsPlaceholderLines) {
    StartWith();
    frmCustom& w = Open();
    EXPECT_EQ(w.windowTitle(), "Custom Comments");
    EXPECT_EQ(w.FileTxt->text(), "Custom.cmt");
    EXPECT_FALSE(w.Text1[1]->text().isEmpty());
    EXPECT_FALSE(w.Label1->text().isEmpty()) << "the instructions of the text store";

    Click(w.Command3[0]);
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(w.Text1[i]->text(), QString("custom %1").arg(i));
    EXPECT_EQ(w.FileTxt->text(), "filename");
    EXPECT_EQ(w.FileTxt->selectedText(), "filename");
    EXPECT_FALSE(w.Check1->isEnabled());

    Click(w.Command3[2]); // the save box is cancelled: nothing is written
    ASSERT_EQ(FilesAnswer.OfferedNames.size(), 1u);
    EXPECT_EQ(FilesAnswer.OfferedNames[0], "filename.cmt");
    EXPECT_EQ(FilesAnswer.Asked[0].InitDir, (Root() / "users").string());
    EXPECT_FALSE(fs::exists(File("users/filename.cmt")));
    w.close();
}

// A damaged set shows what can be read, the rest as empty lines, and says so.
TEST_F(CommentEditorTest, ADamagedSetOpensWithItsUnreadableLinesEmptyAndSaysSo) {
    std::string garbage(20 * 100, ' ');
    garbage.replace(0, 9, "Good line");
    for (size_t i = 100; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 7 % 256);
    garbage.replace(300, 12, "Another good");
    std::ofstream(File("users/Custom.cmt"), std::ios::binary | std::ios::trunc) << garbage;
    StartWith();
    frmCustom& w = Open();
    EXPECT_EQ(w.FileTxt->text(), "Custom.cmt");
    EXPECT_EQ(w.Text1[1]->text(), "Good line");
    EXPECT_EQ(w.Text1[2]->text(), "") << "not text";
    EXPECT_EQ(w.Label4->text(), "Custom.cmt is damaged (it holds garbage). Lines that were lost or are not text "
                                "are shown empty.");

    // Opened again, cut short, from the Open command.
    std::ofstream(File("users/Custom.cmt"), std::ios::binary | std::ios::trunc) << garbage.substr(0, 150);
    FilesAnswer.Opens = {SavePath("Custom.cmt")};
    Click(w.Command3[1]);
    EXPECT_EQ(w.Text1[1]->text(), "Good line");
    EXPECT_EQ(w.Text1[2]->text(), "");
    EXPECT_EQ(w.Label4->text(), "Custom.cmt is cut short. Lines that were lost or are not text are shown empty.");

    // A sound set says nothing.
    Click(w.Command3[0]);
    FilesAnswer.Saves = {SavePath("Custom.cmt")};
    Click(w.Command3[2]);
    FilesAnswer.Opens = {SavePath("Custom.cmt")};
    Click(w.Command3[1]);
    EXPECT_EQ(w.Label4->text(), " ");
    w.close();
}

TEST_F(CommentEditorTest, AHundredCharactersSaveAndOneMoreIsRefusedOnItsLine) {
    StartWith();
    frmCustom& w = Open();
    Click(w.Command3[0]);
    TypeInto(w.FileTxt, "long");
    TypeInto(w.Text1[7], QString(100, 'x'));
    FilesAnswer.Saves = {SavePath("long.cmt")};
    Click(w.Command3[2]);
    const Bytes saved = FileBytes("users/long.cmt");
    ASSERT_EQ(saved.size(), 2000u);
    EXPECT_EQ(std::string(saved.begin() + 600, saved.begin() + 700), std::string(100, 'x'));
    EXPECT_EQ(std::string(saved.begin(), saved.begin() + 100), "custom 1" + std::string(92, ' '));
    EXPECT_EQ(w.Label4->text(), "\r\nCustom Comments Saved!");
    EXPECT_TRUE(w.Check1->isEnabled());

    TypeInto(w.Text1[9], QString(101, 'y'));
    TypeInto(w.Text1[12], QString(101, 'z'));
    Click(w.Command3[2]);
    EXPECT_EQ(FilesAnswer.OfferedNames.size(), 1u) << "no save box for a refused set";
    EXPECT_EQ(FileBytes("users/long.cmt"), saved);
    EXPECT_EQ(w.Label4->text(), "Exceeds 100 characters. Edit and Save again.");
    EXPECT_EQ(w.Text1[9]->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(w.Text1[12]->palette().color(QPalette::Base), QColor(Qt::white)) << "only the first is marked";
    EXPECT_EQ(w.Text1[7]->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(w.focusWidget(), w.Text1[9]);
    w.close();
}

TEST_F(CommentEditorTest, AnEmptyFirstLineOrNameIsRefusedWithItsMessage) {
    StartWith();
    frmCustom& w = Open();
    const struct {
        QString line1;
        QString name;
        std::string message;
    } cases[] = {
        {"", "set", "No comments to save! You should write some comments before saving."},
        {"Hello", "", "Enter a name for this comment file!"},
        {"Hello", ".cmt", "Enter a name for this comment file!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Box.Shown.clear();
        TypeInto(w.Text1[1], c.line1);
        TypeInto(w.FileTxt, c.name);
        Click(w.Command3[2]);
        ASSERT_EQ(Box.Shown.size(), 1u);
        EXPECT_EQ(Box.Shown[0].Text, c.message);
        EXPECT_EQ(Box.Shown[0].Style, MbInformation);
    }
    EXPECT_TRUE(FilesAnswer.OfferedNames.empty());
    w.close();
}

TEST_F(CommentEditorTest, ANameTypedWithItsExtensionIsSavedOnceUnderIt) {
    StartWith();
    frmCustom& w = Open();
    TypeInto(w.FileTxt, "Mine.cmt");
    FilesAnswer.Saves = {SavePath("Mine.cmt")};
    Click(w.Command3[2]);
    ASSERT_EQ(FilesAnswer.OfferedNames.size(), 1u);
    EXPECT_EQ(FilesAnswer.OfferedNames[0], "Mine.cmt");
    EXPECT_EQ(w.FileTxt->text(), "Mine");
    EXPECT_TRUE(fs::exists(File("users/Mine.cmt")));
    EXPECT_FALSE(fs::exists(File("users/Mine.cmt.cmt")));
    EXPECT_NE(std::ranges::find(Profile->CommentFiles, "Mine"), Profile->CommentFiles.end())
        << "the sets are listed anew";
    w.close();
}

TEST_F(CommentEditorTest, ASetGoesIntoUsersWhateverFolderOrNameTheSaveBoxGives) {
    StartWith();
    frmCustom& w = Open();
    const fs::path elsewhere = Root().parent_path() / "elsewhere";
    fs::create_directories(elsewhere);
    FilesAnswer.Saves = {(elsewhere / "Away.cmt").string(), (Root() / "users" / "bad<name>.cmt").string()};
    Click(w.Command3[2]);
    EXPECT_TRUE(fs::exists(File("users/Away.cmt")));
    EXPECT_FALSE(fs::exists(elsewhere / "Away.cmt"));

    Click(w.Command3[2]);
    ASSERT_EQ(Box.Shown.size(), 1u);
    EXPECT_EQ(Box.Shown[0].Title, "Non-standard filename character");
    EXPECT_FALSE(fs::exists(File("users/bad<name>.cmt")));
    EXPECT_EQ(w.FileTxt->text(), "Away");
    w.close();
}

TEST_F(CommentEditorTest, SetAsCommentOptionChoicePutsTheSetInPlayAndInThePlayerFile) {
    StartWith();
    frmCustom& w = Open();
    TypeInto(w.Text1[1], "Fresh line one");
    TypeInto(w.FileTxt, "Fresh");
    FilesAnswer.Saves = {SavePath("Fresh.cmt")};
    Click(w.Command3[2]);
    ASSERT_TRUE(w.Check1->isEnabled());
    Click(w.Check1);

    EXPECT_EQ(Game->SeatRec1.CommentSet, "Fresh");
    EXPECT_EQ(Game->SeatRec1.Comments[1], "Fresh line one");
    EXPECT_EQ(Game->Comments[1], "Fresh line one");
    EXPECT_EQ(TextAt(StoredProfileBytes(), FirstOpponentSet, 100), "Fresh");
    w.close();

    Close();
    EXPECT_EQ(TextAt(StoredProfileBytes(), FirstOpponentSet, 100), "Fresh") << "after the exit";
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    EXPECT_EQ(Game->SeatRec1.CommentSet, "Fresh");
    EXPECT_EQ(Game->SeatRec1.Comments[1], "Fresh line one");
}

TEST_F(CommentEditorTest, SavingTheSetInUseRenewsItsLinesAndReturnAsksAboutChanges) {
    StartWith();
    PlayerRecord rec = StoredProfile();
    rec.Seats[1].Comments = "Custom";
    WriteStoredProfile(rec);
    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    ASSERT_EQ(Game->SeatRec1.CommentSet, "Custom");
    frmCustom& w = Open();
    TypeInto(w.Text1[3], "A new third line");
    Box.Answers = {AnswerYes};
    FilesAnswer.Saves = {SavePath("Custom.cmt")};
    Click(w.Command1);
    ASSERT_EQ(Box.Shown.size(), 1u);
    EXPECT_EQ(Box.Shown[0].Text, "Do you want to save your changes?");
    EXPECT_TRUE(w.isVisible()) << "Yes saves and stays";
    EXPECT_EQ(Game->Comments[3], "A new third line");
    EXPECT_EQ(Game->SeatRec1.Comments[3], "A new third line");
    Click(w.Command1);
    EXPECT_EQ(Box.Shown.size(), 1u) << "nothing left to save";
    EXPECT_FALSE(w.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Window->Dialogs().CustomComments(), nullptr) << "the editor is dropped when it closes";
}

TEST_F(CommentEditorTest, OpenReadsTwentyLinesAndHelpOpensTheManual) {
    StartWith();
    CommentSetText lines;
    for (int i = 0; i < 20; ++i) lines[i] = "line " + std::to_string(i + 1);
    const fs::path outside = Root().parent_path() / "Short.cmt";
    ASSERT_EQ(WriteCommentSetFile(outside, lines), "");
    fs::resize_file(outside, 3 * 100 + 4);
    frmCustom& w = Open();
    FilesAnswer.Opens = {outside.string()};
    Click(w.Command3[1]);
    EXPECT_EQ(FilesAnswer.Asked[0].Filter, "Comment Files (*.cmt)|*.cmt");
    EXPECT_EQ(w.FileTxt->text(), "Short");
    EXPECT_EQ(w.Text1[3]->text(), "line 3");
    EXPECT_EQ(w.Text1[4]->text(), "line");
    EXPECT_EQ(w.Text1[5]->text(), "");
    EXPECT_TRUE(w.Check1->isEnabled());
    w.HelpMenu->actions().front()->trigger();
    EXPECT_EQ(Manual.Keywords, std::vector<std::string>{"customize"});
    Click(w.Command1);
    EXPECT_EQ(Box.Shown.size(), 1u) << "a set from elsewhere still needs saving";
    EXPECT_FALSE(w.isVisible()) << "No closes it";
}

} // namespace
} // namespace zarle::test
