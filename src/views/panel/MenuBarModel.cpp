#include "MenuBarModel.h"

#include "model/DetaljeRegler.h"
#include "model/LektieStore.h"
#include "views/AppContext.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace tavlen {

using menubar::AktivMenuPraesentation;

QVariant MenuBarLektieListe::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Raekke& r = rows().at(index.row());
    switch (role) {
    case LektieIdRole:
        return uuidTekst(r.id);
    case Qt::DisplayRole:
    case TitelRole:
        return r.titel;
    case HarFagRole:
        return r.fag.has_value();
    case FagFarveRole:
        return r.fag ? r.fag->farveHex : QString();
    case FagIkonRole:
        return r.fag ? r.fag->ikonNavn : QString();
    case FagNavnRole:
        return r.fag ? r.fag->navn : QString();
    case DeadlineTekstRole:
        return r.deadlineTekst;
    case ErForfaldtRole:
        return r.erForfaldt;
    case HarDetaljerRole:
        return r.harDetaljer;
    case TilgaengeligtNavnRole:
        return r.tilgaengeligtNavn;
    case AfsnitRole:
        return r.afsnit;
    default:
        return {};
    }
}

QHash<int, QByteArray> MenuBarLektieListe::roleNames() const {
    return {{LektieIdRole, "lektieId"},
            {TitelRole, "titel"},
            {HarFagRole, "harFag"},
            {FagFarveRole, "fagFarve"},
            {FagIkonRole, "fagIkon"},
            {FagNavnRole, "fagNavn"},
            {DeadlineTekstRole, "deadlineTekst"},
            {ErForfaldtRole, "erForfaldt"},
            {HarDetaljerRole, "harDetaljer"},
            {TilgaengeligtNavnRole, "tilgaengeligtNavn"},
            {AfsnitRole, "afsnit"}};
}

QList<int> MenuBarLektieListe::changedRoles(const Raekke& r, const Raekke& ny) const {
    QList<int> roller;
    if (r.titel != ny.titel)
        roller << TitelRole << Qt::DisplayRole;
    if (r.fag.has_value() != ny.fag.has_value())
        roller << HarFagRole;
    const Fag ingen;
    const Fag& foer = r.fag ? *r.fag : ingen;
    const Fag& efter = ny.fag ? *ny.fag : ingen;
    if (foer.farveHex != efter.farveHex)
        roller << FagFarveRole;
    if (foer.ikonNavn != efter.ikonNavn)
        roller << FagIkonRole;
    if (foer.navn != efter.navn)
        roller << FagNavnRole;
    if (r.deadlineTekst != ny.deadlineTekst)
        roller << DeadlineTekstRole;
    if (r.erForfaldt != ny.erForfaldt)
        roller << ErForfaldtRole;
    if (r.harDetaljer != ny.harDetaljer)
        roller << HarDetaljerRole;
    if (r.tilgaengeligtNavn != ny.tilgaengeligtNavn)
        roller << TilgaengeligtNavnRole;
    if (r.afsnit != ny.afsnit)
        roller << AfsnitRole;
    return roller;
}

MenuBarModel::MenuBarModel(QObject* parent)
    : QObject(parent), m_store(AppContext::instance()->store()),
      m_clock(AppContext::instance()->clock()), m_raekker(new MenuBarLektieListe(this)) {
    connect(m_store, &LektieStore::lektierChanged, this, &MenuBarModel::opdater);
    connect(m_store, &LektieStore::fagChanged, this, &MenuBarModel::opdater);
    // Rows move into the overdue part and "I morgen" becomes "I dag" while it is open.
    connect(&AppContext::instance()->tid(), &TidsVagt::vaagnet, this, &MenuBarModel::opdater);
    opdater();
}

MenuBarModel::~MenuBarModel() = default;

void MenuBarModel::tilfoejRaekker(QList<MenuBarLektieListe::Raekke>& ud,
                                  const QList<Lektie>& lektier, const QString& afsnit) const {
    for (const Lektie& l : lektier) {
        const std::optional<Fag> fag = m_store->fagMedId(l.fagId);
        const QString deadline = detalje::deadlineTekst(l.deadline, m_clock);
        ud.append({l.id, l.titel, fag, deadline, detalje::erForfaldt(l, m_clock),
                   menubar::harDetaljer(l), menubar::raekkeNavn(l, fag, deadline), afsnit});
    }
}

void MenuBarModel::opdater() {
    const menubar::MenuLister lister = menubar::menuLister(*m_store);
    QList<MenuBarLektieListe::Raekke> raekker;
    raekker.reserve(lister.forfaldne.size() + lister.kommende.size());
    tilfoejRaekker(raekker, lister.forfaldne, QStringLiteral("forfaldne"));
    tilfoejRaekker(raekker, lister.kommende,
                   lister.forfaldne.isEmpty() ? QString() : QStringLiteral("kommende"));
    m_raekker->saet(raekker);
    const int forfaldneFoer = std::exchange(m_antalForfaldne, int(lister.forfaldne.size()));
    const int kommendeFoer = std::exchange(m_antalKommende, int(lister.kommende.size()));
    if (forfaldneFoer != m_antalForfaldne || kommendeFoer != m_antalKommende)
        Q_EMIT listerChanged();
}

QString MenuBarModel::aktivPraesentation() const {
    return m_aktiv ? m_aktiv->id() : QString();
}

MenuBarModel::Praesentation MenuBarModel::praesentationsType() const {
    if (!m_aktiv)
        return Ingen;
    switch (m_aktiv->type()) {
    case AktivMenuPraesentation::Type::Lektie:
        return VisLektie;
    case AktivMenuPraesentation::Type::NyLektie:
        return VisNyLektie;
    case AktivMenuPraesentation::Type::RedigerLektie:
        return VisRedigerLektie;
    case AktivMenuPraesentation::Type::FagIndstillinger:
        return VisFagIndstillinger;
    }
    return Ingen;
}

QString MenuBarModel::valgtLektieId() const {
    return m_aktiv && !m_aktiv->lektieId().isNull() ? uuidTekst(m_aktiv->lektieId()) : QString();
}

void MenuBarModel::skiftNyLektie() {
    skift(AktivMenuPraesentation::nyLektie());
}

void MenuBarModel::skiftFagIndstillinger() {
    skift(AktivMenuPraesentation::fagIndstillinger());
}

void MenuBarModel::skiftLektie(const QString& id) {
    skift(AktivMenuPraesentation::lektie(QUuid(id)));
}

void MenuBarModel::redigerLektie(const QString& id) {
    saetAktiv(AktivMenuPraesentation::redigerLektie(QUuid(id)));
}

void MenuBarModel::skift(const AktivMenuPraesentation& p) {
    // The press that closed p outside its pop-over was already this click's toggle.
    if (std::exchange(m_afvistAfTryk, std::nullopt) == p)
        return;
    saetAktiv(menubar::skift(m_aktiv, p));
}

void MenuBarModel::close() {
    saetAktiv(std::nullopt);
}

void MenuBarModel::afvis() {
    const std::optional<AktivMenuPraesentation> foer = std::exchange(m_aktiv, std::nullopt);
    if (!foer)
        return;
    Q_EMIT praesentationChanged();
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        return;
    m_afvistAfTryk = foer;
    qGuiApp->installEventFilter(this);
}

bool MenuBarModel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        qGuiApp->removeEventFilter(this);
        // Forgotten only once the release has been delivered, and with it the click.
        QTimer::singleShot(0, this, [this] { m_afvistAfTryk.reset(); });
    }
    return QObject::eventFilter(watched, event);
}

void MenuBarModel::saetAktiv(const std::optional<AktivMenuPraesentation>& p) {
    if (p == m_aktiv)
        return;
    m_aktiv = p;
    Q_EMIT praesentationChanged();
}

void MenuBarModel::skiftFaerdig(const QString& id) {
    m_store->skiftFaerdig(QUuid(id));
}

} // namespace tavlen
