#pragma once
// The game's help window: the manual with its contents beside it, Back, Forward and Contents
// buttons, and topics opened by their anchors. Of a manual larger than LargestTextFile only the
// first part is read, and a line above it says so.

#include <QStringList>
#include <QUrl>
#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarle {

// The anchor at the head of the manual, where its contents start.
inline constexpr const char* ContentsAnchor = "contents";

class HelpWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the manual at `manual` at a topic; an empty anchor opens it at its contents.
    void ShowTopic(const QString& manual, const QString& anchor);

    // The anchors the manual's text holds, and the topic shown now.
    QStringList Anchors() const;
    QString CurrentAnchor() const;

    QTextBrowser* Browser() const { return browser_; }
    QLabel* Notice() const { return notice_; }
    QTreeWidget* Contents() const { return contents_; }
    QPushButton* BackButton() const { return back_; }
    QPushButton* ForwardButton() const { return forward_; }
    QPushButton* ContentsButton() const { return home_; }

  private:
    QUrl TopicUrl(const QString& anchor) const;
    void FillContents();
    void FollowSource(const QUrl& source);
    void OpenAnchor(const QString& anchor);

    QTextBrowser* browser_;
    QTreeWidget* contents_;
    QPushButton* back_;
    QPushButton* forward_;
    QPushButton* home_;
    QLabel* notice_;
    QUrl loaded_;
};

} // namespace zarle
