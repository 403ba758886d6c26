#pragma once

#include <QUrl>

namespace tavlen {

// Hands a web address to the desktop's browser. An interface so that screens can be
// tested for what they would open.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

} // namespace tavlen
