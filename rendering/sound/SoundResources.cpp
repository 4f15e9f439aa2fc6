#include "rendering/sound/SoundResources.h"

#include <QFile>
#include <QString>

namespace zarle {

std::string ProgramResourcePath(int id, std::string_view type) {
    return ":/" + std::string(type) + "/" + std::to_string(id);
}

std::optional<std::vector<char>> ReadProgramResource(int id, std::string_view type) {
    QFile file(QString::fromStdString(ProgramResourcePath(id, type)));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::vector<char>(bytes.begin(), bytes.end());
}

} // namespace zarle
