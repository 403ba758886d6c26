#pragma once

#include "core/UrlOpener.h"

namespace tavlen {

// Opens web addresses with the desktop's default browser (xdg-open and friends through
// QDesktopServices), and nothing else: another scheme would reach whatever program
// claims it.
class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override;
    bool openFolder(const QString& path) override;
    static bool isWebAddress(const QUrl& url);
};

} // namespace tavlen
