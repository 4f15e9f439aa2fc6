#include "tools/cardart/ArtWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace zarle::cardart {

ArtWriter::ArtWriter(const QString& outDir) : outDir_(outDir) {}

bool ArtWriter::Save(const QString& relativePath, const QImage& image, int quality) {
    const QString path = outDir_ + "/" + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (image.isNull() || !image.save(path, nullptr, quality)) {
        errors_ << "cannot write " + path;
        return false;
    }
    return true;
}

void ArtWriter::Resource(const std::string& resourcePath, const QImage& image) {
    const QString relative = QString::fromStdString(resourcePath).mid(2); // drop ":/"
    if (Save(relative, image, -1)) resources_ << relative;
}

void ArtWriter::File(const QString& relativePath, const QImage& image, int quality) {
    Save(relativePath, image, quality);
}

void ArtWriter::WriteResourceList(const QString& fileName) {
    QSaveFile file(outDir_ + "/" + fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        errors_ << "cannot write " + file.fileName();
        return;
    }
    QTextStream out(&file);
    out << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const QString& r : resources_) out << "    <file>" << r << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
    out.flush();
    if (!file.commit()) errors_ << "cannot write " + file.fileName();
}

} // namespace zarle::cardart
