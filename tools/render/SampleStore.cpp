#include "SampleStore.h"

namespace tavlen {

SampleStore::SampleStore(bool sampleData)
    : m_suites(m_dir.path()), m_notifications(m_center, Clock::system()) {
    m_store = std::make_unique<LektieStore>(
        LektieStore::Services{m_suites, m_widgets, m_notifications, Clock::system(), m_dir.path()});
    if (!sampleData)
        return;

    const QList<Fag> fag = Fag::standard().mid(0, 6);
    m_store->setFag(fag);
    m_store->setHarSetupFaerdig(true);

    const Clock& clock = Clock::system();
    const QDateTime now = clock.now();
    const auto add = [&](int fagIndex, const QString& titel, const QString& beskrivelse,
                         const QStringList& links, qint64 secondsFromNow, bool faerdig) {
        Lektie l = Lektie::ny(fag.at(fagIndex).id, titel, beskrivelse, links,
                              now.addSecs(secondsFromNow), clock);
        l.erFaerdig = faerdig;
        m_store->tilfoej(l);
        return l.id;
    };
    constexpr qint64 hour = 3600, day = 24 * hour;
    add(3, QStringLiteral("Opgaver side 112-115"), QString(), {}, -2 * day, false);
    add(0, QStringLiteral("Læs kapitel 4 i \"Drengen i den stribede pyjamas\""),
        QStringLiteral("Noter til klassesamtalen om fortælleren."), {}, 3 * hour, false);
    add(4, QStringLiteral("Gloser: Schule und Freizeit"), QString(),
        {QStringLiteral("https://www.tysk-gloser.dk/skole")}, day + 2 * hour, false);
    m_showcase =
        add(1, QStringLiteral("Fremlæggelse om Reformationen"),
            QStringLiteral("Gruppe med Asta og Malik.\nHusk kilder."),
            {QStringLiteral("https://danmarkshistorien.dk"), QStringLiteral("reformationen 1536")},
            4 * day, false);
    add(5, QStringLiteral("Læs om demokrati"), QString(), {}, 9 * day, false);
    add(2, QStringLiteral("Salme 3 udenad"), QString(), {}, -1 * day, true);
}

SampleStore::~SampleStore() = default;

} // namespace tavlen
