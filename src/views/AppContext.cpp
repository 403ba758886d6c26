#include "AppContext.h"

#include "core/UrlOpener.h"
#include "model/LektieNotificationManager.h"

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

bool AppContext::aabnMappe(const QString& path) {
    return m_urls.openFolder(path);
}

void AppContext::quit() {
    if (m_store.gemNu()) {
        Q_EMIT quitRequested();
        return;
    }
    setAfslutVenter(true);
    Q_EMIT mainWindowRequested();
}

void AppContext::setAfslutVenter(bool venter) {
    if (venter == m_afslutVenter)
        return;
    m_afslutVenter = venter;
    Q_EMIT afslutVenterChanged();
}

void AppContext::visDetalje(const QString& lektieId) {
    if (lektieId == m_detaljeLektieId)
        return;
    m_detaljeLektieId = lektieId;
    Q_EMIT detaljeLektieIdChanged();
}

void AppContext::setFokusLektieId(const QString& lektieId) {
    if (lektieId == m_fokusLektieId)
        return;
    m_fokusLektieId = lektieId;
    Q_EMIT fokusLektieIdChanged();
}

void AppContext::visLektie(const QUuid& lektieId) {
    const Lektie* lektie = m_store.lektie(lektieId);
    if (!lektie) {
        visOversigt();
        return;
    }
    visDetalje(QString());
    setFokusLektieId(uuidTekst(lektieId));
    Q_EMIT fagSideOensket(uuidTekst(lektie->fagId));
    Q_EMIT mainWindowRequested();
}

void AppContext::visOversigt() {
    Q_EMIT oversigtOensket();
    Q_EMIT mainWindowRequested();
}

void AppContext::paamindelseValgt(const QString& identifier, const QString& action) {
    const std::optional<QUuid> lektieId = LektieNotificationManager::lektieIdOf(identifier);
    if (action == LektieNotificationManager::markerFaerdigAction) {
        if (lektieId)
            m_store.markerFaerdig(*lektieId);
    } else if (action != NotificationCenter::defaultAction) {
        return;
    } else if (lektieId) {
        visLektie(*lektieId);
    } else if (identifier == LektieNotificationManager::dailySummaryIdentifier) {
        visOversigt();
    } else {
        showMainWindow();
    }
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
