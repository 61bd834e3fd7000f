// Opening a web page with the desktop's browser ("open" verb); replaceable so tests record instead.
#pragma once

#include <QString>

#include <functional>

namespace tarvelo::platform {

using WebPageOpener = std::function<void(const QString& url)>;

// Opens the page; a failure is not reported (the callers ignore it).
void OpenWebPage(const QString& url);

// Installs an opener (an empty one restores the desktop's browser) and returns the previous one.
WebPageOpener SetWebPageOpener(WebPageOpener opener);

} // namespace tarvelo::platform
