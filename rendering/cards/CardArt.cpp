#include "rendering/cards/CardArt.h"

#include <QString>

// The resource initialiser has to be named outside any namespace.
static void InitCardArtResources() {
    Q_INIT_RESOURCE(cardart);
}

namespace zarle {

void InitCardArt() {
    static const bool done = (InitCardArtResources(), true);
    (void)done;
}

QImage LoadCardArt(const std::string& resourcePath) {
    InitCardArt();
    QImage image(QString::fromStdString(resourcePath));
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace zarle
