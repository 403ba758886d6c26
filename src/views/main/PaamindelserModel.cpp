#include "PaamindelserModel.h"

#include "core/Clock.h"
#include "model/LektieNotificationManager.h"
#include "model/LektieStore.h"
#include "model/ValueHelpers.h"
#include "views/AppContext.h"

#include <QPointer>

namespace tavlen {

PaamindelserModel::PaamindelserModel(QObject* parent)
    : QObject(parent), m_store(*AppContext::instance()->store()) {
    connect(&m_store.notifikationer(), &LektieNotificationManager::refreshFinished, this,
            &PaamindelserModel::opdaterNaeste);
    spoergServer();
    opdaterNaeste();
}

void PaamindelserModel::spoergServer() {
    QPointer<PaamindelserModel> self(this);
    m_store.notifikationer().center().server([self](const NotificationServer& server) {
        if (self)
            self->visServer(server);
    });
}

void PaamindelserModel::visServer(const NotificationServer& server) {
    if (!server.running) {
        m_serverTekst = QStringLiteral(
            "Ingen notifikationsserver kører, så påmindelser kan ikke vises lige nu.");
        m_handlingerTekst = QStringLiteral("Tavlen gemmer dem og viser dem, så snart skrivebordet "
                                           "starter en notifikationsserver.");
    } else {
        const QString navn = server.name.isEmpty() ? QStringLiteral("Skrivebordet") : server.name;
        m_serverTekst = QStringLiteral("Påmindelser vises af %1.").arg(navn);
        m_handlingerTekst =
            server.showsActions
                ? QStringLiteral("Du kan markere en lektie som færdig direkte fra påmindelsen.")
                : QStringLiteral("%1 viser ikke knapper i påmindelser. Klik på en påmindelse "
                                 "for at åbne lektien.")
                      .arg(navn);
    }
    Q_EMIT serverChanged();
}

void PaamindelserModel::opdaterNaeste() {
    const Clock& clock = AppContext::instance()->clock();
    QPointer<PaamindelserModel> self(this);
    m_store.notifikationer().center().pendingRequests(
        [self, &clock](const QList<NotificationRequest>& pending) {
            if (!self)
                return;
            const auto naeste =
                LektieNotificationManager::next(pending, clock.now(), clock.timeZone());
            QString tekst = QStringLiteral("Ingen påmindelser er planlagt.");
            if (naeste) {
                QString hvad = naeste->request.title;
                const auto id = LektieNotificationManager::lektieIdOf(naeste->request.identifier);
                if (const Lektie* lektie = id ? self->m_store.lektie(*id) : nullptr)
                    hvad = lektie->titel;
                tekst = QStringLiteral("Næste påmindelse: ") + naarStreng(naeste->at, clock) +
                        QStringLiteral(" – ") + hvad;
            }
            if (tekst == self->m_naesteTekst)
                return;
            self->m_naesteTekst = tekst;
            Q_EMIT self->naesteChanged();
        });
}

void PaamindelserModel::sendProeve() {
    NotificationRequest proeve;
    proeve.identifier = QStringLiteral("proeve-paamindelse");
    proeve.title = QStringLiteral("Prøvepåmindelse");
    proeve.body = QStringLiteral("Sådan ser en påmindelse fra Tavlen ud.");
    QPointer<PaamindelserModel> self(this);
    m_store.notifikationer().center().post(proeve, [self](const QString& fejl) {
        if (!self)
            return;
        self->m_proeveTekst = fejl.isEmpty()
                                  ? QStringLiteral("Prøvepåmindelsen er sendt.")
                                  : QStringLiteral("Prøvepåmindelsen kunne ikke vises, fordi ingen "
                                                   "notifikationsserver svarer.");
        Q_EMIT self->proeveChanged();
        self->spoergServer(); // the answer may have changed what the check says
    });
}

} // namespace tavlen
