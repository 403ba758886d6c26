#pragma once

#include <QUrl>

namespace tavlen {

// Hands a web address to the desktop's browser. An interface so that screens can be
// tested for what they would open.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when nothing took the address (no browser, not a web address).
    virtual bool open(const QUrl& url) = 0;
    // Shows a folder of the pupil's own in the file manager; false when none took it.
    virtual bool openFolder(const QString& path) = 0;
};

} // namespace tavlen
