#pragma once
// A label: a caption shown as plain text (never markup, whatever a player or a peer
// typed), top-aligned, in its fore colour, on its back colour or transparent, left,
// right or centred, optionally word-wrapped, optionally sized to its caption, optionally
// ringed by a contrasting outline so that it reads on any picture beneath it.

#include "platform/controls/VbControl.h"

#include <QLabel>

namespace zarle {

class Label : public VbControl<QLabel> {
  public:
    enum Alignment { LeftJustify = 0, RightJustify = 1, Center = 2 };

    explicit Label(QWidget* parent = nullptr);

    // Line breaks may be CR LF, as the game writes them.
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    int GetAlignment() const { return alignment_; }
    void SetAlignment(int alignment);

    bool WordWrap() const { return wordWrap(); }
    void SetWordWrap(bool wrap);

    // The label grows or shrinks to its caption: in width and height, or only in height
    // when it wraps words.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // The height that shows the whole caption at this width, the frame included.
    int CaptionHeight(int width) const;
    // Where the caption is drawn, in the label's own coordinates.
    QRect CaptionRect() const;

    // A thin outline around the letters, dark around light text and light around dark text.
    bool TextOutline() const { return outline_; }
    void SetTextOutline(bool outline);
    // Moves the caption this many pixels to the right of where its alignment puts it; the frame
    // stays where it is, but its top edge leaves off before the caption, for what stands in front
    // of the room so made (an opponent's name on a box's edge).
    int CaptionOffset() const { return captionOffset_; }
    void SetCaptionOffset(int pixels);

    // 0 transparent, 1 opaque in the back colour.
    int BackStyle() const { return autoFillBackground() ? 1 : 0; }
    void SetBackStyle(int style);

    QColor BackColor() const { return palette().color(QPalette::Window); }
    void SetBackColor(const QColor& color);
    QColor ForeColor() const { return palette().color(QPalette::WindowText); }
    void SetForeColor(const QColor& color);

    // 0 none, 1 a sunken border.
    int BorderStyle() const { return frameShape() == QFrame::NoFrame ? 0 : 1; }
    void SetBorderStyle(int style);

    void CopyLook(const Label& from);

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void FitToCaption();
    // The contents rectangle less the indent a label keeps from its frame.
    QRect TextArea() const;
    int TextFlags() const;

    QString caption_;
    int alignment_ = LeftJustify;
    bool autoSize_ = false;
    bool outline_ = false;
    int captionOffset_ = 0;
};

} // namespace zarle
