#include "platform/shell/Browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace zarle {

bool OpenUrlInBrowser(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    // Only web pages: an address must never run a local file.
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace zarle
