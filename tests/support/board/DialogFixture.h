#pragma once
// The program started on a copy of the default program folder for the opponents' windows: file
// dialogs and the manual answered from the test, the player file read back byte by byte, and
// real mouse and key events for the controls.

#include "base/records/PlayerRecord.h"
#include "tests/support/board/ProgramFolderFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <deque>
#include <functional>
#include <optional>

namespace zarle::test {

// Answers the file dialogs in order; an empty answer is a cancel.
class ScriptedFiles : public FileDialogPort {
  public:
    std::deque<std::optional<std::string>> Opens;
    std::deque<std::optional<std::string>> Saves;
    std::vector<FileDialogRequest> Asked;
    std::vector<std::string> OfferedNames; // the file name each save dialog started with

    std::optional<std::string> ShowOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ShowSave(const FileDialogRequest& request,
                                        const std::string& fileName) override;
};

class RecordingHelp : public HelpPort {
  public:
    std::vector<std::string> Keywords;
    void ShowHelp(std::string_view keyword) override { Keywords.emplace_back(keyword); }
};

using Bytes = std::vector<uint8_t>;

class DialogTest : public ProgramFolderTest {
  protected:
    void SetUp() override;

    // The program started with a profile made from the header's with `edit` applied.
    void StartWith(const std::function<void(PlayerRecord&)>& edit = {});
    // Record `recNo` of the player file as it is on disk, and its bytes.
    PlayerRecord StoredProfile() const;
    Bytes StoredProfileBytes() const;
    void WriteStoredProfile(const PlayerRecord& rec);
    Bytes FileBytes(const std::string& relative) const;

    // Runs `open`, which shows a modal window, and `act` on that window once it shows; `act` has to
    // close it.
    template <class Window>
    void WhileShown(const std::function<void()>& open, const std::function<void(Window&)>& act) {
        RunModal(open, [&] {
            auto* w = FindShown<Window>();
            if (w) act(*w);
            return w;
        });
    }

    ScriptedFiles FilesAnswer;
    RecordingHelp Manual;

  private:
    void RunModal(const std::function<void()>& open, const std::function<QWidget*()>& act);
    template <class Window> static Window* FindShown() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = dynamic_cast<Window*>(w); window && window->isVisible()) return window;
        return nullptr;
    }
};

// Real input on a control.
void Click(QWidget* w);
// Chooses the entry with this text the way the keyboard does it.
void Pick(QComboBox* combo, const QString& text);
void TypeInto(QLineEdit* line, const QString& text);

// Bytes [at, at + width) of a record as text.
std::string TextAt(const Bytes& bytes, size_t at, size_t width);

} // namespace zarle::test
