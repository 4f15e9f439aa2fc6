#pragma once
// A host that records what the layout asked of the rest of the program.

#include "rendering/layout/LayoutHost.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zarle::test {

class FakeLayoutHost : public LayoutHost {
  public:
    std::vector<std::string> Calls;
    std::map<std::string, PictureSize> Pictures; // readable picture files by path
    std::set<std::string> LoadedForms;

    void ShowCard(Pics pics, int index, int card, int mode) override {
        Calls.push_back("ShowCard " + std::string(PicsName(pics)) + "(" + std::to_string(index) +
                        ") id=" + std::to_string(card) + " mode=" + std::to_string(mode));
    }
    void RefreshPileBorders(Pics pics) override {
        Calls.push_back("RefreshPileBorders " + std::string(PicsName(pics)));
    }
    std::optional<PictureSize> PictureFileSize(const std::string& path) override {
        Calls.push_back("PictureFileSize " + path);
        const auto found = Pictures.find(path);
        if (found == Pictures.end()) return std::nullopt;
        return found->second;
    }
    void ClearPaintedBoard() override { Calls.push_back("ClearPaintedBoard"); }
    void BackgroundPaint() override { Calls.push_back("BackgroundPaint"); }
    void ApplyTableLook() override { Calls.push_back("ApplyTableLook"); }
    void RulesRefresh() override { Calls.push_back("RulesRefresh"); }
    bool IsFormLoaded(std::string_view formName) override {
        return LoadedForms.count(std::string(formName)) > 0;
    }
    void UnloadForm(std::string_view formName) override {
        Calls.push_back("UnloadForm " + std::string(formName));
        LoadedForms.erase(std::string(formName));
    }
    void CloseDropDownMenu() override { Calls.push_back("CloseDropDownMenu"); }
    void ChatFollowsBoard(WindowState state) override {
        Calls.push_back("ChatFollowsBoard " + std::to_string(static_cast<int>(state)));
    }

    bool Called(const std::string& call) const {
        for (const std::string& c : Calls)
            if (c == call) return true;
        return false;
    }
};

} // namespace zarle::test
