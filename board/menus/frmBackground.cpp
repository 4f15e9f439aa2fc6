#include "board/menus/frmBackground.h"

#include "platform/pictures/Pictures.h"

#include <QListWidget>
#include <QVBoxLayout>

#include <filesystem>

namespace zarle {

namespace {

constexpr int ThumbWidth = 160;
constexpr int ThumbHeight = 120;

} // namespace

frmBackground::frmBackground(const std::string& appPath, const std::vector<std::string>& pictures,
                             QWidget* parent)
    : Form(parent) {
    setObjectName("frmBackground");
    setWindowTitle("Backgrounds");
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* list = new QListWidget(this);
    list->setViewMode(QListView::IconMode);
    list->setIconSize(QSize(ThumbWidth, ThumbHeight));
    list->setResizeMode(QListView::Adjust);
    list->setMovement(QListView::Static);
    const std::filesystem::path folder = std::filesystem::path(appPath) / "backgrounds";
    for (const std::string& name : pictures) {
        const QPixmap thumb =
            LoadPictureScaled(QString::fromStdString((folder / name).string()), ThumbWidth, ThumbHeight);
        list->addItem(new QListWidgetItem(QIcon(thumb), QString::fromStdString(name)));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
    resize(4 * (ThumbWidth + 24), 2 * (ThumbHeight + 40));
}

} // namespace zarle
