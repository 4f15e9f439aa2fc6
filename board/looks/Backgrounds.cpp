#include "board/looks/Backgrounds.h"

#include "persistence/profiles/Profiles.h"
#include "engine/Utilities.h"
#include "base/text/VbText.h"
#include "platform/pictures/Pictures.h"

#include <algorithm>

namespace zarle {

namespace {

namespace fs = std::filesystem;

constexpr int InvalidPicture = 481;
constexpr int FileAccessError = 75;
constexpr int ExplanationFirst = 32;
constexpr int ExplanationLast = 34;

// The backgrounds list takes only these endings.
bool ListedPictureName(const std::string& name) {
    if (name.size() < 4) return false;
    const std::string_view ending = std::string_view(name).substr(name.size() - 3);
    return EqualsNoCase(ending, "JPG") || EqualsNoCase(ending, "GIF") || EqualsNoCase(ending, "BMP");
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}

} // namespace

int16_t SteppedBackIdx(int16_t backIdx, int16_t backCount, int keyCode) {
    const int plain = std::max<int>(backCount, 0) + 1;
    int idx = backIdx;
    if (keyCode == KeySpace || keyCode == KeyDown) {
        if (++idx > plain) idx = 1;
    } else {
        idx = std::min(idx - 1, plain);
        if (idx < 1) idx = plain;
    }
    return static_cast<int16_t>(idx);
}

std::optional<fs::path> ChosenBackgroundFile(const GameState& game, const ProfileState& profile) {
    const int idx = profile.BackIdx;
    if (idx < 1 || idx > profile.BackCount || idx > static_cast<int>(profile.BackList.size()))
        return std::nullopt;
    return fs::path(game.AppPath) / "backgrounds" / profile.BackList[static_cast<size_t>(idx - 1)];
}

Backgrounds::Backgrounds(BackgroundsParts parts) : g_(parts.Game), profile_(parts.Profile), p_(parts) {}

void Backgrounds::backgrounds(int keyCode) {
    if (lastBackShown_ == 0) {
        g_.MsgText = ReadDataText(g_.AppPath, ExplanationFirst, ExplanationLast);
        if (!Trim(g_.MsgText).empty())
            g_.MsgAnswer =
                static_cast<int16_t>(p_.Box.MsgBox(Trim(g_.MsgText), MbOkOnly, "Zarle Backgrounds"));
    }
    profile_.BackIdx = SteppedBackIdx(profile_.BackIdx, profile_.BackCount, keyCode);
    if (profile_.BackIdx != profile_.BackCount + 1) {
        p_.Board.BackgroundPaint();
    } else {
        p_.Board.Model().EditWindow().BackColor = profile_.MatColor;
        p_.Board.Present();
        p_.Board.ClearPaintedBoard();
    }
    lastBackShown_ = profile_.BackIdx;
    // Kept with the player's preferences.
    profile_.TableBack = profile_.BackIdx;
}

void Backgrounds::AddBackground() {
    const fs::path folder = fs::path(g_.AppPath) / "backgrounds";
    if (!openFile_) return;
    const auto chosen = openFile_({0x1004, "Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp",
                                   "Add Background Picture", folder.string()});
    // A cancelled dialog changes nothing.
    if (!chosen) return;
    const fs::path source(*chosen);
    const std::string title = source.filename().string();
    if (title.empty()) return;
    if (!ListedPictureName(title) || LoadPicture(QString::fromStdString(source.string())).isNull()) {
        ReportProblem(InvalidPicture, "Invalid picture");
        return;
    }
    const fs::path target = folder / title;
    if (!SameFile(source, target)) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (!fs::copy_file(source, target, fs::copy_options::overwrite_existing, error)) {
            ReportProblem(FileAccessError, "Path/File access error");
            return;
        }
    }
    p_.PlayerProfiles.ReadBacks();
    const auto& list = profile_.BackList;
    const auto found = std::ranges::find(list, title);
    // One before the added picture: the step below lands on it.
    profile_.BackIdx = static_cast<int16_t>(found - list.begin());
    backgrounds(KeyDown);
}

void Backgrounds::ReportProblem(int number, const std::string& description) {
    const std::string crlf(CRLF);
    p_.Box.MsgBox("Here's the problem:" + crlf + "Error " + CStr(number) + crlf + ": " + description,
                  MbExclamation, "");
}

} // namespace zarle
