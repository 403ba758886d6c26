#pragma once

#include "platform/UrlOpener.h"

#include <QList>

namespace tavlen::test {

// Notes what a screen would have handed to the browser.
class RecordingUrlOpener : public UrlOpener {
public:
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

} // namespace tavlen::test
