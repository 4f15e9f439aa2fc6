#include "tests/persistence/profiles/FakeProfileHost.h"

#include <algorithm>
#include <sstream>

namespace zarle::testing {

namespace {

std::string Name(ControlId control) {
    std::string name = ControlName(control.family);
    if (control.index != 0) name += "(" + std::to_string(control.index) + ")";
    return name;
}

} // namespace

std::vector<std::string> FakeProfileHost::Lines(std::string_view prefix) const {
    std::vector<std::string> found;
    for (const auto& line : Log) {
        if (line.starts_with(prefix)) found.push_back(line);
    }
    return found;
}

bool FakeProfileHost::Logged(std::string_view line) const {
    return std::ranges::find(Log, line) != Log.end();
}

void FakeProfileHost::SetCaption(ControlId control, std::string_view text) {
    Log.push_back("Caption " + Name(control) + " " + std::string(text));
}

void FakeProfileHost::SetVisible(ControlId control, bool visible) {
    Shown[Name(control)] = visible;
    Log.push_back((visible ? "Show " : "Hide ") + Name(control));
}

bool FakeProfileHost::IsVisible(ControlId control) {
    return Shown[Name(control)];
}

void FakeProfileHost::SetForeColor(ControlId control, int32_t color) {
    Log.push_back("ForeColor " + Name(control) + " " + std::to_string(color));
}

void FakeProfileHost::SetFontSize(ControlId control, int points) {
    Log.push_back("FontSize " + Name(control) + " " + std::to_string(points));
}

void FakeProfileHost::ChangeLayout(int players, int centers) {
    Log.push_back("ChangeLayout " + std::to_string(players) + " " + std::to_string(centers));
}

std::optional<std::string> FakeProfileHost::ShowOpen(const FileDialogRequest& request) {
    Log.push_back("ShowOpen " + std::to_string(request.Flags) + " " + request.Title + " " + request.Filter);
    return ChosenFile;
}

void FakeProfileHost::TempMoves_Open(bool open) {
    UndoLogOpen = open;
    Log.push_back(open ? "TempMoves_Open True" : "TempMoves_Open False");
}

void FakeProfileHost::LoadOpponentSeat(SeatRecord& opponent, int entry, OpponentSlot& choice) {
    opponent.Name = choice.Name.empty() ? "Zarle" : choice.Name;
    opponent.Level = choice.Level;
    Log.push_back("LoadOpponentSeat " + std::to_string(entry) + " " + opponent.Name);
}

void FakeProfileHost::PlayFile(std::string_view path, SoundPlay) {
    const auto slash = path.find_last_of('/');
    Log.push_back("PlayFile " + std::string(path.substr(slash == std::string_view::npos ? 0 : slash + 1)));
}

void FakeProfileHost::Wait(float seconds) {
    std::ostringstream text;
    text << "Wait " << seconds;
    Log.push_back(text.str());
}

int FakeProfileHost::MsgBox(std::string_view text, int style, std::string_view title) {
    Log.push_back("MsgBox " + std::to_string(style) + " [" + std::string(title) + "] " + std::string(text));
    return AnswerOk;
}

} // namespace zarle::testing
