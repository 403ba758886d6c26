#include "DesktopUrlOpener.h"

#include "Logging.h"

#include <QDesktopServices>

namespace tavlen {

bool DesktopUrlOpener::isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

void DesktopUrlOpener::open(const QUrl& url) {
    if (!isWebAddress(url)) {
        qCWarning(lcPlatform).noquote() << "Not opening" << url.toString() << "- no web address";
        return;
    }
    if (!QDesktopServices::openUrl(url))
        qCWarning(lcPlatform).noquote() << "The desktop could not open" << url.toString();
}

} // namespace tavlen
