#include "tests/board/looks/LooksTable.h"

#include "tests/support/PicturesFolder.h"
#include "platform/forms/Form.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <algorithm>

namespace zarle::test {

namespace {

void CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& file : QDir(from).entryList(QDir::Files))
        QFile::copy(from + "/" + file, to + "/" + file);
}

} // namespace

LooksTable::LooksTable(TableSetting setting) : BoardTable(setting) {
    const QString program = QStringLiteral(ZARLE_DEFAULT_FOLDER);
    CopyFolder(program + "/backgrounds", Folder.filePath("backgrounds"));
    QDir().mkpath(Folder.filePath("Data"));
    QFile::copy(program + "/Data/snack.ade", Folder.filePath("Data/snack.ade"));
    ReadBacks();
}

int16_t LooksTable::IndexOf(const std::string& file) const {
    const auto& list = Profile.BackList;
    const auto found = std::ranges::find(list, file);
    return found == list.end() ? int16_t{0} : static_cast<int16_t>(found - list.begin() + 1);
}

QImage LooksTable::TableShown() {
    return static_cast<Form&>(Window->Window()).Picture().toImage();
}

void WriteQuadrants(const std::filesystem::path& file, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    painter.end();
    std::filesystem::create_directories(file.parent_path());
    picture.save(QString::fromStdString(file.string()), "BMP");
}

bool SaveForReview(const QImage& picture, const QString& name) {
    const QString folder = QString::fromStdString(zarle::testing::PicturesFolder("looks-shots").string());
    return picture.save(folder + "/" + name + ".png");
}

} // namespace zarle::test
