#pragma once
// One recording stand-in for everything the profiles reach: the board and its pictures, the
// engine and the computer seats, sounds, pauses and message boxes. Each call is one line of Log.

#include "persistence/profiles/ProfilePorts.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zarle::testing {

class FakeProfileHost : public ProfileView,
                        public ProfileNeighbours,
                        public SoundPort,
                        public WaitPort,
                        public MessageBoxPort {
  public:
    ProfilePorts Ports() { return {*this, *this, *this, *this, *this}; }

    std::vector<std::string> Log;
    // Lines of Log that start with `prefix`.
    std::vector<std::string> Lines(std::string_view prefix) const;
    bool Logged(std::string_view line) const;

    // What the board answers.
    std::map<std::string, bool> Shown{{"Command2", false}, {"StatusBar1", true}, {"ImgAvatar", true}};
    int BacksQuantity = 8;
    int BoardHeight = 9000;
    int BoardTop = 300;
    int HandLeft = 2400;
    TwipsPoint HoldDefault{1111, 2222};
    double CommentFontSize = 11.6;
    std::optional<std::string> ChosenFile;

    // ProfileView
    void SetCaption(ControlId control, std::string_view text) override;
    void SetVisible(ControlId control, bool visible) override;
    bool IsVisible(ControlId control) override;
    void SetForeColor(ControlId control, int32_t color) override;
    void SetFontSize(ControlId control, int points) override;
    double FontSize(ControlId) override { return CommentFontSize; }
    int LeftTwips(ControlId) override { return HandLeft; }
    int BoardTopTwips() override { return BoardTop; }
    int BoardHeightTwips() override { return BoardHeight; }
    TwipsPoint DefaultHoldWindowPlace() override { return HoldDefault; }
    void SetCardSizePics() override { Log.push_back("SetCardSizePics"); }
    void LoadCardSkin() override { Log.push_back("LoadCardSkin"); }
    void GetCardFaces(int style) override { Log.push_back("GetCardFaces " + std::to_string(style)); }
    void SaveCardBitmaps() override { Log.push_back("SaveCardBitmaps"); }
    void GetCardBacks(int design) override { Log.push_back("GetCardBacks " + std::to_string(design)); }
    int GetBacksQuantity() override { return BacksQuantity; }
    void SetPlainBackColor(int32_t color) override {
        Log.push_back("SetPlainBackColor " + std::to_string(color));
    }
    void ApplyTableLook() override { Log.push_back("ApplyTableLook"); }
    void CreateFrames() override { Log.push_back("CreateFrames"); }
    void ChangeLayout(int players, int centers) override;
    void LayoutStandard() override { Log.push_back("LayoutStandard"); }
    void LayoutMulti() override { Log.push_back("LayoutMulti"); }
    void LayoutCenters() override { Log.push_back("LayoutCenters"); }
    void NameCaptions() override { Log.push_back("NameCaptions"); }
    void GetImgHoldpic() override { Log.push_back("GetImgHoldpic"); }
    void ScaleAvatar(std::string_view fileName) override {
        Log.push_back("ScaleAvatar " + std::string(fileName));
    }
    void BackgroundPaint() override { Log.push_back("BackgroundPaint"); }
    void ClearBackgroundPicture() override { Log.push_back("ClearBackgroundPicture"); }
    void Redraw() override { Log.push_back("Redraw"); }
    void ReloadLeadPersonalityPictures() override { Log.push_back("ReloadLeadPersonalityPictures"); }
    std::optional<std::string> ShowOpen(const FileDialogRequest& request) override;

    // ProfileNeighbours
    void ClearBoard() override { Log.push_back("ClearBoard"); }
    void RulesRefresh() override { Log.push_back("RulesRefresh"); }
    void TempMoves_Open(bool open) override;
    void LoadOpponentSeat(SeatRecord& opponent, int entry, OpponentSlot& choice) override;
    void ChangeBestRun() override { Log.push_back("ChangeBestRun"); }
    bool UndoLogOpen = false;

    // Services
    void PlayResource(int id, SoundPlay) override { Log.push_back("PlayResource " + std::to_string(id)); }
    void PlayFile(std::string_view path, SoundPlay) override;
    void PlayCardSound(int effect) override { Log.push_back("PlayCardSound " + std::to_string(effect)); }
    void Wait(float seconds) override;
    void DoEvents() override {}
    int MsgBox(std::string_view text, int style, std::string_view title) override;
};

} // namespace zarle::testing
