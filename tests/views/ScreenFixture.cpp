#include "ScreenFixture.h"

#include <QAccessible>

namespace tavlen::test {

namespace {
const QDateTime start(QDate(2026, 12, 6), QTime(10, 0), QTimeZone("Europe/Copenhagen"));
} // namespace

ScreenFixture::ScreenFixture()
    : m_dir(std::make_unique<QTemporaryDir>()),
      m_suites(std::make_unique<PreferencesSuites>(m_dir->path())), m_clock(start),
      m_planner(std::make_unique<LektieNotificationManager>(m_center, m_clock)),
      m_store(std::make_unique<LektieStore>(
          LektieStore::Services{*m_suites, m_widgets, *m_planner, m_clock, m_dir->path()})),
      m_context(std::make_unique<AppContext>(*m_store, m_clock, m_urls)) {
    reset();
}

ScreenFixture::~ScreenFixture() = default;

// The store and the context stay the same objects, as in the program: QML holds on to them.
void ScreenFixture::reset() {
    m_clock.setNow(start);
    m_urls.opened.clear();
    m_urls.browserTakes = true;
    m_store->nulstilApp();
    m_store->setHarSetupFaerdig(true);
}

QString ScreenFixture::addFag(const QString& navn, const QString& ikon, const QString& farve) {
    const Fag fag = Fag::ny(navn, ikon, farve);
    m_store->tilfoejFag(fag);
    return uuidTekst(fag.id);
}

QString ScreenFixture::addLektie(const QString& fagId, const QString& titel, qint64 minutterFraNu,
                                 const QString& beskrivelse, const QStringList& links,
                                 bool faerdig) {
    Lektie lektie = Lektie::ny(QUuid(fagId), titel, beskrivelse, links,
                               m_clock.now().addSecs(minutterFraNu * 60), m_clock);
    lektie.erFaerdig = faerdig;
    m_store->tilfoej(lektie);
    return uuidTekst(lektie.id);
}

void ScreenFixture::sletLektie(const QString& id) {
    m_store->slet(QUuid(id));
}

void ScreenFixture::sletFag(const QString& id) {
    m_store->sletFag(QUuid(id));
}

QVariantList ScreenFixture::lektier() const {
    QVariantList out;
    for (const Lektie& l : m_store->lektier()) {
        out.append(
            QVariantMap{{QStringLiteral("id"), uuidTekst(l.id)},
                        {QStringLiteral("fagId"), uuidTekst(l.fagId)},
                        {QStringLiteral("titel"), l.titel},
                        {QStringLiteral("beskrivelse"), l.beskrivelse},
                        {QStringLiteral("links"), l.links},
                        {QStringLiteral("deadline"), l.deadline.toString(Qt::ISODate)},
                        {QStringLiteral("erFaerdig"), l.erFaerdig},
                        {QStringLiteral("oprettetDato"), l.oprettetDato.toString(Qt::ISODate)}});
    }
    return out;
}

QVariantList ScreenFixture::fag() const {
    QVariantList out;
    for (const Fag& f : m_store->fag()) {
        out.append(QVariantMap{{QStringLiteral("id"), uuidTekst(f.id)},
                               {QStringLiteral("navn"), f.navn},
                               {QStringLiteral("ikonNavn"), f.ikonNavn},
                               {QStringLiteral("farveHex"), f.farveHex}});
    }
    return out;
}

QString ScreenFixture::now() const {
    return m_clock.now().toString(Qt::ISODate);
}

void ScreenFixture::advanceMinutes(int minutes) {
    m_clock.advance(qint64(minutes) * 60);
    // As the watch's timer would have woken by now.
    m_context->tid().tjek();
}

QStringList ScreenFixture::unnamedControls(QQuickItem* root) const {
    QAccessible::setActive(true); // controls fill in their roles only for an active bridge
    QStringList missing;
    const std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
        if (!item || !item->isVisible())
            return;
        const bool control = item->activeFocusOnTab() || item->inherits("QQuickAbstractButton") ||
                             item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit");
        if (control && item->isEnabled()) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(item);
            const QString what = item->objectName().isEmpty()
                                     ? QString::fromLatin1(item->metaObject()->className())
                                     : item->objectName();
            if (!a || a->role() == QAccessible::NoRole || a->role() == QAccessible::Client)
                missing.append(what + QStringLiteral(": no role"));
            else if (a->text(QAccessible::Name).trimmed().isEmpty() &&
                     a->role() != QAccessible::EditableText)
                missing.append(what + QStringLiteral(": no name"));
            else if (a->role() == QAccessible::EditableText &&
                     a->text(QAccessible::Name).trimmed().isEmpty() &&
                     a->text(QAccessible::Description).trimmed().isEmpty())
                missing.append(what + QStringLiteral(": no caption"));
        }
        const QList<QQuickItem*> children = item->childItems();
        for (QQuickItem* child : children)
            walk(child);
    };
    walk(root);
    return missing;
}

QVariantList ScreenFixture::openedUrls() const {
    QVariantList out;
    for (const QUrl& url : m_urls.opened)
        out.append(url.toString(QUrl::FullyEncoded));
    return out;
}

} // namespace tavlen::test
