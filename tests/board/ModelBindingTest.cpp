// The binding gives the widgets only what changed, loads and unloads them with the model, and
// brings controls forward in the order the model put them in front.

#include "board/ModelBinding.h"
#include "rendering/model/BoardDesign.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zarle {
namespace {

class RecordingSurface : public BoardSurface {
  public:
    std::vector<std::string> Calls;

    void LoadWidget(ControlId id) override { Add("Load", id); }
    void UnloadWidget(ControlId id) override { Add("Unload", id); }
    void SetBounds(ControlId id, PixelBounds b) override {
        Add("Bounds", id,
            std::to_string(b.Left) + "," + std::to_string(b.Top) + "," + std::to_string(b.Width) + "," +
                std::to_string(b.Height));
    }
    void SetVisible(ControlId id, bool v) override { Add("Visible", id, v ? "1" : "0"); }
    void SetEnabled(ControlId id, bool e) override { Add("Enabled", id, e ? "1" : "0"); }
    void SetCaption(ControlId id, const std::string& c) override { Add("Caption", id, c); }
    void SetToolTip(ControlId id, const std::string& t) override { Add("ToolTip", id, t); }
    void SetFont(ControlId id, double, bool) override { Add("Font", id); }
    void SetColors(ControlId id, uint32_t, uint32_t, uint32_t, bool) override { Add("Colors", id); }
    void SetBorderStyle(ControlId id, int) override { Add("Border", id); }
    void SetPicture(ControlId id, const std::string& key) override { Add("Picture", id, key); }
    void BringToFront(ControlId id) override { Add("Front", id); }
    void SetWindowBounds(double, double, double, double) override { Calls.push_back("WindowBounds"); }
    void SetWindowState(int) override { Calls.push_back("WindowState"); }
    void SetMinimumInside(int, int) override {}
    void SetTableColor(uint32_t) override { Calls.push_back("TableColor"); }
    void SetPainting(bool) override { Calls.push_back("Painting"); }
    void ClearPainted() override {}
    SurfaceFrame Frame() const override { return {}; }
    void RepaintNow(const std::vector<ControlId>&) override {}
    void PicturesChanged() override {}
    void PreparePictures(const std::vector<std::string>&) override {}
    void SetPanelText(int, const std::string&) override {}
    void SetPanelToolTip(int, const std::string&) override {}
    void SetEvents(SurfaceEvents*) override {}
    QWidget& Widget() override { std::abort(); }

  private:
    void Add(const char* what, ControlId id, const std::string& value = "") {
        Calls.push_back(std::string(what) + " " + ControlName(id.family) + "(" + std::to_string(id.index) +
                        ")" + (value.empty() ? "" : " " + value));
    }
};

struct Bound {
    BoardModel model;
    RecordingSurface surface;
    ModelBinding binding;
    Bound() {
        LoadDesignBoard(model);
        binding.Apply(model, surface);
        surface.Calls.clear();
    }
    std::vector<std::string> Apply() {
        surface.Calls.clear();
        binding.Apply(model, surface);
        return surface.Calls;
    }
};

using Calls = std::vector<std::string>;

TEST(ModelBinding, GivesTheWidgetsOnlyWhatChanged) {
    Bound b;
    b.model.Edit(Ctl::Label9, 2).Caption = "Welcome";
    b.model.Edit(Ctl::PicCenter, 1).Left += 15 * 4;
    EXPECT_EQ(b.Apply(), (Calls{"Caption Label9(2) Welcome", "Bounds PicCenter(1) 137,202,71,96"}));

    // Touched but unchanged: nothing to do, however many controls the layout went through.
    for (int k = 1; k <= 3; ++k) b.model.Edit(Ctl::PicCenter, k);
    b.model.EditWindow();
    EXPECT_EQ(b.Apply(), Calls{});
    EXPECT_TRUE(b.model.ChangedControls().empty());
}

TEST(ModelBinding, PlacesFollowWholePixelsOfTheTwips) {
    Bound b;
    b.model.Edit(Ctl::Stack, 0).Left = ToTwips(100.25);
    b.Apply();
    b.model.Edit(Ctl::Stack, 0).Left = ToTwips(100.5); // 2.25-pixel fans land on whole pixels, halves to even
    EXPECT_EQ(b.Apply(), Calls{});
    b.model.Edit(Ctl::Stack, 0).Left = ToTwips(101.5);
    EXPECT_EQ(b.Apply(), (Calls{"Bounds Stack(0) 102,0,71,96"}));
}

TEST(ModelBinding, LoadsNewElementsWholeAndUnloadsGoneOnes) {
    Bound b;
    b.model.Load(Ctl::Picture2, 5);
    const Calls loaded = b.Apply();
    ASSERT_FALSE(loaded.empty());
    EXPECT_EQ(loaded.front(), "Load Picture2(5)");
    EXPECT_NE(std::find(loaded.begin(), loaded.end(), "Visible Picture2(5) 0"), loaded.end());
    EXPECT_EQ(loaded.back(), "Front Picture2(5)");

    b.model.Unload(Ctl::Picture2, 5);
    EXPECT_EQ(b.Apply(), Calls{"Unload Picture2(5)"});
    b.model.Edit(Ctl::Picture2, 5).Caption = "gone"; // an unloaded element stays gone
    EXPECT_EQ(b.Apply(), Calls{});
}

TEST(ModelBinding, BringsControlsForwardInTheModelsOrder) {
    Bound b;
    b.model.BringToFront(Ctl::Picture7, 1);
    b.model.BringToFront(Ctl::PicCenter, 2);
    b.model.BringToFront(Ctl::Picture7, 1);
    // Picture7(1) was touched first but lies in front now.
    EXPECT_EQ(b.Apply(), (Calls{"Front PicCenter(2)", "Front Picture7(1)"}));
}

TEST(ModelBinding, TheWindowReportedByTheScreenIsNotSetAgain) {
    Bound b;
    BoardWindow& w = b.model.EditWindow();
    w.Width += 150;
    w.Height += 150;
    b.binding.AcceptWindow(b.model.Window());
    EXPECT_EQ(b.Apply(), Calls{});
    b.model.EditWindow().Width += 150;
    EXPECT_EQ(b.Apply(), Calls{"WindowBounds"});
}

} // namespace
} // namespace zarle
