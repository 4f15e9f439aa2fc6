#include "platform/help/HelpWindow.h"

#include "platform/files/FileHead.h"

#include <QBoxLayout>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

namespace zarle {

namespace {

constexpr int TopicLevel = 2;    // <h2>: a topic of the contents
constexpr int SubtopicLevel = 3; // <h3>: a topic under it
constexpr int AnchorRole = Qt::UserRole;
// The window's first size, in average characters and lines of its font.
constexpr int WidthChars = 120;
constexpr int HeightLines = 38;

// The first anchor a block of text names, or nothing.
QString AnchorOf(const QTextBlock& block) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QStringList names = it.fragment().charFormat().anchorNames();
        if (!names.isEmpty()) return names.first();
    }
    return {};
}

// Reads the manual's files no further than LargestTextFile, and notes whether the manual was cut.
class ManualBrowser final : public QTextBrowser {
  public:
    bool ManualCut = false;

    QVariant loadResource(int type, const QUrl& name) override {
        if (!name.isLocalFile()) return QTextBrowser::loadResource(type, name);
        const auto head = ReadFileHead(name.toLocalFile());
        if (!head) return {};
        if (type == QTextDocument::HtmlResource) {
            ManualCut = head->Cut;
            return head->Bytes;
        }
        // A picture that large is left out rather than shown in part.
        return head->Cut ? QVariant() : QVariant(head->Bytes);
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new ManualBrowser), contents_(new QTreeWidget),
      back_(new QPushButton("< &Back")), forward_(new QPushButton("&Forward >")),
      home_(new QPushButton("&Contents")), notice_(new QLabel) {
    setObjectName("frmHelp");
    setWindowTitle("ZarleNET Help - User's Manual");
    browser_->setOpenExternalLinks(true);
    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(true);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {back_, forward_, home_}) buttons->addWidget(b);
    buttons->addStretch(1);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(contents_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({fontMetrics().averageCharWidth() * 32, fontMetrics().averageCharWidth() * 88});
    notice_->setObjectName("lblManualNotice");
    notice_->setWordWrap(true);
    notice_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(notice_);
    layout->addWidget(split, 1);
    resize(fontMetrics().averageCharWidth() * WidthChars, fontMetrics().lineSpacing() * HeightLines);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QPushButton::clicked, this, [this] { OpenAnchor(ContentsAnchor); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) { FollowSource(url); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OpenAnchor(item->data(0, AnchorRole).toString()); });
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { OpenAnchor(item->data(0, AnchorRole).toString()); });
}

void HelpWindow::ShowTopic(const QString& manual, const QString& anchor) {
    const QUrl file = QUrl::fromLocalFile(manual);
    if (file == loaded_) return OpenAnchor(anchor);
    // A newly opened manual starts its history at the topic asked for.
    loaded_ = file;
    browser_->setSource(TopicUrl(anchor));
    browser_->clearHistory();
    const QString limit = SizeText(LargestTextFile);
    notice_->setText(QDir::toNativeSeparators(manual) + " is larger than " + limit + ": only its first " + limit +
                     " are shown.");
    notice_->setVisible(static_cast<ManualBrowser*>(browser_)->ManualCut);
    FillContents();
    FollowSource(browser_->source());
}

QUrl HelpWindow::TopicUrl(const QString& anchor) const {
    QUrl topic = loaded_;
    topic.setFragment(anchor.isEmpty() ? QString(ContentsAnchor) : anchor);
    return topic;
}

// The manual's headings: a topic for each <h2>, with its <h3> under it.
void HelpWindow::FillContents() {
    contents_->clear();
    QTreeWidgetItem* topic = nullptr;
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        const QString anchor = AnchorOf(block);
        if ((level != TopicLevel && level != SubtopicLevel) || anchor.isEmpty()) continue;
        QTreeWidgetItem* item =
            level == TopicLevel || !topic ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(topic);
        item->setText(0, block.text().trimmed());
        item->setData(0, AnchorRole, anchor);
        if (level == TopicLevel) topic = item;
    }
}

void HelpWindow::OpenAnchor(const QString& anchor) {
    const QUrl topic = TopicUrl(anchor);
    if (browser_->source() != topic) return browser_->setSource(topic);
    browser_->scrollToAnchor(topic.fragment()); // the same topic again: back to its start
}

void HelpWindow::FollowSource(const QUrl& source) {
    const QString anchor = source.fragment();
    for (QTreeWidgetItemIterator it(contents_); *it; ++it)
        if ((*it)->data(0, AnchorRole).toString() == anchor) {
            contents_->setCurrentItem(*it);
            return;
        }
    contents_->setCurrentItem(nullptr);
}

QStringList HelpWindow::Anchors() const {
    QStringList anchors;
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) anchors << it.fragment().charFormat().anchorNames();
    return anchors;
}

QString HelpWindow::CurrentAnchor() const {
    return browser_->source().fragment();
}

} // namespace zarle
