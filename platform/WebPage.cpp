#include "platform/WebPage.h"

#include <QDesktopServices>
#include <QUrl>

namespace tarvelo::platform {

namespace {
WebPageOpener& Current() {
    static WebPageOpener opener;
    return opener;
}
} // namespace

void OpenWebPage(const QString& url) {
    if (Current()) {
        Current()(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

WebPageOpener SetWebPageOpener(WebPageOpener opener) {
    WebPageOpener previous = std::move(Current());
    Current() = std::move(opener);
    return previous;
}

} // namespace tarvelo::platform
