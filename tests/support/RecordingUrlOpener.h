#pragma once

#include "core/UrlOpener.h"

#include <QList>

namespace tavlen::test {

// Notes what a screen would have handed to the browser; `browserTakes` false plays a
// desktop without a browser.
class RecordingUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        opened.append(url);
        return browserTakes;
    }
    bool openFolder(const QString& path) override {
        folders.append(path);
        return true;
    }
    QList<QUrl> opened;
    QStringList folders;
    bool browserTakes = true;
};

} // namespace tavlen::test
