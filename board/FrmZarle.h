#pragma once
// The board window frmZarle: the platform's controls in control arrays, set from the board model
// through the binding, with the card pictures drawn from the card banks.

#include "board/BoardControlArrays.h"
#include "board/BoardSurface.h"
#include "board/PictureCache.h"
#include "platform/forms/Form.h"

#include <QTimer>

#include <map>
#include <optional>
#include <unordered_map>

namespace zarle {

class Label;

class FrmZarle final : public Form, public BoardSurface {
  public:
    explicit FrmZarle(CardPictureBank& pictures);
    ~FrmZarle() override;

    void LoadWidget(ControlId id) override;
    void UnloadWidget(ControlId id) override;
    void SetBounds(ControlId id, PixelBounds bounds) override;
    void SetVisible(ControlId id, bool visible) override;
    void SetEnabled(ControlId id, bool enabled) override;
    void SetCaption(ControlId id, const std::string& caption) override;
    void SetToolTip(ControlId id, const std::string& tip) override;
    void SetFont(ControlId id, double points, bool italic) override;
    void SetColors(ControlId id, uint32_t back, uint32_t fore, uint32_t fill, bool transparentBack) override;
    void SetBorderStyle(ControlId id, int style) override;
    void SetPicture(ControlId id, const std::string& key) override;
    void BringToFront(ControlId id) override;

    void SetWindowBounds(double left, double top, double width, double height) override;
    void SetWindowState(int state) override;
    void SetMinimumInside(int width, int height) override;
    void SetTableColor(uint32_t color) override;
    void SetPainting(bool on) override;
    void ClearPainted() override;
    SurfaceFrame Frame() const override;
    void RepaintNow(const std::vector<ControlId>& ids) override;
    void PicturesChanged() override;
    void PreparePictures(const std::vector<std::string>& keys) override;
    void SetPanelText(int panel, const std::string& text) override;
    void SetPanelToolTip(int panel, const std::string& tip) override;
    void SetEvents(SurfaceEvents* events) override { events_ = events; }
    QWidget& Widget() override { return *this; }

    // The widget of a control, or null when it is not loaded.
    QWidget* ControlWidget(ControlId id) const { return arrays_.At(id); }
    // Whether a picture is ready for the screen, converted ahead of its showing or shown before.
    bool PictureReady(const std::string& key) const { return pictures_.Holds(key); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void ShowPicture(QWidget& widget, const QPixmap& picture);
    void SetUpStatusBar(QWidget& bar);
    void HoldCaptionsInMenuStrip();
    void ReportFrame();
    void PlaceHoldBox(QWidget& box, const QRect& bounds);
    // One number for a control, to keep things by.
    static int ControlKey(ControlId id);
    void PlaceLabel(ControlId id);
    void IndentPastNames(Label& box);
    void IndentBoxCaptions();
    // Whether the window manager's frame around the shown window is known.
    bool FrameKnown() const;
    // Gives the window the frame asked for, or as near as it can before the frame is known.
    void PlaceFrame();
    void WatchForFrame();

    BoardControlArrays arrays_;
    PictureCache pictures_;
    // Under it lie the controls drawn on the form, above it the windowed ones.
    QWidget* layerDivider_;
    std::unordered_map<int, std::string> pictureKeys_;
    std::map<int, std::string> panelTexts_;
    std::map<int, std::string> panelTips_;
    SurfaceEvents* events_ = nullptr;
    std::optional<QRect> wantedFrame_; // pixels, until the window manager's frame is known
    std::map<int, QRect> holdBoxes_;   // Label3 index: the box as the layout places it
    std::map<int, QRect> labelBoxes_;  // any other label, by key: the place the layout gives it
    QSize boardInside_{0, 0};          // the least inside the board asks for
    QTimer frameWatch_;
    int frameWatches_ = 0;
};

} // namespace zarle
