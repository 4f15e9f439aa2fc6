#pragma once
// A status bar of panels, docked along the bottom of its parent window. Panels are numbered
// from 1; each has a text, a key, a tool tip, a width and a minimum width, and may grow
// to its text or share the space left over. A click on a panel raises PanelClick.
// A panel number that does not exist reads as empty and changes nothing.

#include <QString>
#include <QWidget>

#include <vector>

namespace zarle {

class StatusBar : public QWidget {
    Q_OBJECT
  public:
    enum AutoSize { NoAutoSize = 0, Spring = 1, Contents = 2 };

    explicit StatusBar(QWidget* parent = nullptr);

    // Adds a panel at the right end and returns its number.
    int AddPanel(const QString& key = {}, const QString& text = {}, int widthPixels = DefaultPanelWidth);
    int PanelCount() const { return int(panels_.size()); }
    // The number of the panel with this key, 0 when none has it.
    int PanelWithKey(const QString& key) const;

    QString Key(int panel) const;
    QString Text(int panel) const;
    void SetText(int panel, const QString& text);
    // What a panel shows while its text is empty: what clicking it does.
    void SetIdleText(int panel, const QString& text);
    // The text, or the idle text while the text is empty.
    QString ShownText(int panel) const;
    QString ToolTipText(int panel) const;
    void SetToolTipText(int panel, const QString& tip);
    // The width the panel is given now, in pixels.
    int Width(int panel) const;
    void SetWidth(int panel, int pixels);
    int MinWidth(int panel) const;
    void SetMinWidth(int panel, int pixels);
    void SetAutoSize(int panel, int mode);

    // The panel's place in the bar; empty for a panel that does not exist.
    QRect PanelRect(int panel) const;
    // The panel under a point of the bar, 0 for none.
    int PanelAt(const QPoint& pos) const;

    QSize sizeHint() const override;

    static constexpr int DefaultPanelWidth = 96;

  signals:
    void PanelClick(int panel);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    struct Panel {
        QString key;
        QString text;
        QString idleText;
        QString toolTip;
        int width = DefaultPanelWidth;
        int minWidth = 0;
        int autoSize = NoAutoSize;
    };

    const Panel* Find(int panel) const;
    Panel* Find(int panel);
    std::vector<int> LaidOutWidths() const;
    void Changed();
    void Dock();

    std::vector<Panel> panels_;
    int pressedPanel_ = 0;
};

} // namespace zarle
