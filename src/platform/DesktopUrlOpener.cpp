#include "DesktopUrlOpener.h"

#include "Logging.h"

#include <QDesktopServices>

namespace tavlen {

bool DesktopUrlOpener::isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

bool DesktopUrlOpener::open(const QUrl& url) {
    if (!isWebAddress(url)) {
        qCWarning(lcPlatform).noquote() << "Not opening" << url.toString() << "- no web address";
        return false;
    }
    if (QDesktopServices::openUrl(url))
        return true;
    qCWarning(lcPlatform).noquote() << "The desktop could not open" << url.toString();
    return false;
}

bool DesktopUrlOpener::openFolder(const QString& path) {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    qCWarning(lcPlatform).noquote() << "The desktop could not show the folder" << path;
    return false;
}

} // namespace tavlen
