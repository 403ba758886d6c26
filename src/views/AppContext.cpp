#include "AppContext.h"

#include <QJSEngine>

namespace tavlen {

namespace {
AppContext* installed = nullptr;
}

AppContext::AppContext(LektieStore& store, const Clock& clock, UrlOpener& urls, QObject* parent)
    : QObject(parent), m_store(store), m_clock(clock), m_urls(urls), m_tid(store, clock) {
    installed = this;
}

AppContext::~AppContext() {
    if (installed == this)
        installed = nullptr;
}

AppContext* AppContext::instance() {
    return installed;
}

AppContext* AppContext::create(QQmlEngine*, QJSEngine* engine) {
    Q_ASSERT_X(installed, "AppContext", "made before QML is loaded");
    if (installed)
        engine->setObjectOwnership(installed, QJSEngine::CppOwnership);
    return installed;
}

} // namespace tavlen
