#pragma once

#include "model/LektieStore.h"
#include "views/TidsVagt.h"

#include <QObject>
#include <QtQml/qqml.h>

class QJSEngine;
class QQmlEngine;

namespace tavlen {

class Clock;
class UrlOpener;

// The one typed way from the screens to the program: the store, the clock and the one
// watch over time, the browser, the main window and quitting. The program, tavlen_render and the
// screen tests each make one before they load QML; QML sees it as the singleton AppContext, view
// models call AppContext::instance().
class AppContext : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(tavlen::LektieStore* store READ store CONSTANT)
    Q_PROPERTY(bool afslutVenter READ afslutVenter WRITE setAfslutVenter NOTIFY afslutVenterChanged)
    // The homework item whose detail the main window shows over its page; empty for none.
    Q_PROPERTY(
        QString detaljeLektieId READ detaljeLektieId WRITE visDetalje NOTIFY detaljeLektieIdChanged)
    // The homework item whose row on its subject's page takes the focus once it is shown;
    // the row clears it.
    Q_PROPERTY(
        QString fokusLektieId READ fokusLektieId WRITE setFokusLektieId NOTIFY fokusLektieIdChanged)
public:
    AppContext(LektieStore& store, const Clock& clock, UrlOpener& urls, QObject* parent = nullptr);
    ~AppContext() override;

    static AppContext* instance();
    static AppContext* create(QQmlEngine*, QJSEngine* engine);

    LektieStore* store() const { return &m_store; }
    const Clock& clock() const { return m_clock; }
    TidsVagt& tid() { return m_tid; }
    UrlOpener& urls() const { return m_urls; }

    Q_INVOKABLE void showMainWindow() { Q_EMIT mainWindowRequested(); }
    Q_INVOKABLE bool aabnMappe(const QString& path);
    // The program decides how to end; the screens only ask. A change that still cannot
    // be saved holds the quit: the main window comes and asks (afslutVenter).
    Q_INVOKABLE void quit();
    Q_INVOKABLE void quitAnyway() { Q_EMIT quitRequested(); }
    bool afslutVenter() const { return m_afslutVenter; }
    void setAfslutVenter(bool venter);
    const QString& detaljeLektieId() const { return m_detaljeLektieId; }
    void visDetalje(const QString& lektieId); // empty: none
    const QString& fokusLektieId() const { return m_fokusLektieId; }
    void setFokusLektieId(const QString& lektieId);

    // The main window on the item's subject page with its row focused; the overview
    // for an item that is gone.
    void visLektie(const QUuid& lektieId);
    void visOversigt();
    // A click on a shown reminder, or one of its actions.
    void paamindelseValgt(const QString& identifier, const QString& action);

Q_SIGNALS:
    void mainWindowRequested();
    void fagSideOensket(const QString& fagId);
    void oversigtOensket();
    void fokusLektieIdChanged();
    void quitRequested();
    void afslutVenterChanged();
    void detaljeLektieIdChanged();

private:
    LektieStore& m_store;
    const Clock& m_clock;
    UrlOpener& m_urls;
    TidsVagt m_tid;
    bool m_afslutVenter = false;
    QString m_detaljeLektieId;
    QString m_fokusLektieId;
};

// The store's type as QML knows it: made by the program only.
struct LektieStoreForeign {
    Q_GADGET
    QML_FOREIGN(tavlen::LektieStore)
    QML_NAMED_ELEMENT(LektieStore)
    QML_UNCREATABLE("The program makes the one store.")
};

} // namespace tavlen
