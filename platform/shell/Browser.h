#pragma once
// Opens a web page in the user's browser.

#include <QString>

namespace zarle {

// False when the address is not a web address or no browser could be started.
bool OpenUrlInBrowser(const QString& address);

} // namespace zarle
