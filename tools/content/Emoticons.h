#pragma once
// The emoticon pictures shown beside the message lines and sent in chat: small friendly faces
// and symbols on a clear ground.

#include <QImage>
#include <QString>

#include <vector>

namespace zarle::content {

struct Emoticon {
    QString file; // under Icons/, e.g. "Angry.gif"
    QImage (*draw)();
};

// Every picture, 32 x 32 with an alpha channel.
const std::vector<Emoticon>& Emoticons();

} // namespace zarle::content
