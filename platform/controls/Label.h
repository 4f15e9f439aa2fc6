#pragma once
// A label: a caption shown as plain text (never markup, whatever a player or a peer
// typed), top-aligned, in its fore colour, on its back colour or transparent, left,
// right or centred, optionally word-wrapped, optionally sized to its caption.

#include "controls/VbControl.h"

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

  private:
    void FitToCaption();

    QString caption_;
    int alignment_ = LeftJustify;
    bool autoSize_ = false;
};

} // namespace zarle
