#pragma once
// Keeps a window above the other windows, or lets it go back among them. Setting the
// flag changes nothing by itself; TopForm applies it to a window. A window kept on top steps
// down while a modal window blocks it, so that the modal one comes to the front.

class QWidget;

namespace zarle {

class Class1 {
  public:
    bool OnTop() const { return onTop_; }
    void SetOnTop(bool onTop) { onTop_ = onTop; }

    // Puts `window` into the stay-on-top class or out of it, as the flag says; its place,
    // size and visibility stay as they are.
    void TopForm(QWidget& window) const;

  private:
    bool onTop_ = false;
};

} // namespace zarle
