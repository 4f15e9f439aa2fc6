#pragma once
// A window of the game. It reports its mouse and keys like a control, tells mouse
// positions and its inner size in its scale mode, can show a picture at its top-left
// corner, can see every key before its controls (key preview), can be borderless and
// dragged from anywhere, and asks QueryUnload before it closes.

#include "platform/controls/VbControl.h"

#include <QPixmap>
#include <QWidget>

namespace zarle {

class WindowDragger;

class Form : public VbControl<QWidget> {
    Q_OBJECT
  public:
    // Why a window is closing: by code (Unload), or by the user or the window system.
    static constexpr int UnloadByUser = 0;
    static constexpr int UnloadByCode = 1;

    // 0 normal, 1 minimised, 2 maximised.
    static constexpr int Normal = 0;
    static constexpr int Minimized = 1;
    static constexpr int Maximized = 2;

    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // The inner size, in the scale mode.
    double ScaleWidth() const;
    double ScaleHeight() const;

    int WindowState() const;
    void SetWindowState(int state);

    // Drawn at the inner top-left corner, unscaled, over the back colour.
    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    QColor BackColor() const { return palette().color(QPalette::Window); }
    void SetBackColor(const QColor& color);

    // Keys reach this window's KeyDown, KeyPress and KeyUp before any of its controls.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool preview);

    // No title bar or border; the window is moved by holding the left button down on it,
    // or on the parts given to DragBy, and moving the mouse.
    void SetBorderless(bool borderless);
    void DragBy(QWidget* part);

    // Closes the window from code; false when QueryUnload kept it open.
    bool Unload();

  signals:
    // The window has closed (after QueryUnload let it).
    void Unloaded();

  protected:
    // Return true to keep the window open.
    virtual bool QueryUnload(int unloadMode);

    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void WatchKeysOfWindow();

    QPixmap picture_;
    bool keyPreview_ = false;
    bool unloading_ = false;
    // The key event the preview has just reported, so that it is not reported again when it
    // travels on to this window itself.
    const QEvent* previewedKey_ = nullptr;
    quint64 previewedStamp_ = 0;
    WindowDragger* dragger_ = nullptr;
};

} // namespace zarle
