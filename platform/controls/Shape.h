#pragma once
// A shape: an outline (rectangle, square, oval, circle or their rounded forms) with an
// optional back colour and fill, drawn over the window and never taking the mouse. The
// side-pile depth frames are shapes.

#include <QColor>
#include <QWidget>

namespace zarle {

class Shape : public QWidget {
  public:
    enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };

    explicit Shape(QWidget* parent = nullptr);

    int GetShape() const { return kind_; }
    void SetShape(int kind);

    QColor BorderColor() const { return borderColor_; }
    void SetBorderColor(const QColor& color);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int pixels);
    // 0 no outline, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 solid inside.
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);

    // 0 transparent, 1 filled with the back colour.
    int BackStyle() const { return backStyle_; }
    void SetBackStyle(int style);
    QColor BackColor() const { return backColor_; }
    void SetBackColor(const QColor& color);

    // 0 solid, 1 none, 2..7 line patterns, in the fill colour over the back.
    int FillStyle() const { return fillStyle_; }
    void SetFillStyle(int style);
    QColor FillColor() const { return fillColor_; }
    void SetFillColor(const QColor& color);

    void CopyLook(const Shape& from);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int kind_ = Rectangle;
    QColor borderColor_ = Qt::black;
    int borderWidth_ = 1;
    int borderStyle_ = 1;
    int backStyle_ = 0;
    QColor backColor_ = Qt::white;
    int fillStyle_ = 1;
    QColor fillColor_ = Qt::black;
};

} // namespace zarle
