#include "board/PictureCache.h"

#include "rendering/cards/CardPictureBank.h"
#include "platform/pictures/Pictures.h"

namespace zarle {

namespace {

// "kind:n" or "kind:size"; paths hold a slash, compiled-in ones start with ":/".
bool IsBankKey(const std::string& key) {
    return key.find(':') != std::string::npos && key.find('/') == std::string::npos;
}

bool IsCompiledIn(const std::string& key) {
    return key.rfind(":/", 0) == 0;
}

} // namespace

std::optional<QPixmap> PictureCache::Resolve(const std::string& key) {
    if (key.empty()) return QPixmap();
    if (const auto kept = kept_.find(key); kept != kept_.end()) return kept->second;
    if (IsBankKey(key)) {
        const QImage& image = bank_.Picture(key);
        if (image.isNull()) return std::nullopt;
        return kept_[key] = QPixmap::fromImage(image);
    }
    const QPixmap picture = LoadPicture(QString::fromStdString(key));
    if (picture.isNull()) return std::nullopt;
    if (IsCompiledIn(key)) kept_[key] = picture;
    return picture;
}

} // namespace zarle
