#include "KalenderModel.h"

#include "core/Clock.h"
#include "views/AppContext.h"

#include <QLocale>

namespace tavlen {

namespace {
const Clock& clock() {
    return AppContext::instance() ? AppContext::instance()->clock() : Clock::system();
}
} // namespace

KalenderModel::KalenderModel(QObject* parent) : QAbstractListModel(parent) {
    visMaanedFor(clock().now());
    beregn();
    // Today's mark moves at midnight.
    if (AppContext* context = AppContext::instance())
        connect(&context->tid(), &TidsVagt::vaagnet, this, [this] {
            if (!m_celler.isEmpty())
                Q_EMIT dataChanged(index(0), index(rowCount() - 1), {ErIDagRole, TekstFarveRole});
        });
}

QTimeZone KalenderModel::zone() const {
    return clock().timeZone();
}

int KalenderModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_celler.size());
}

bool KalenderModel::erValgt(const kalender::DagCelleModel& celle) const {
    return celle.dato && kalender::sammeDag(*celle.dato, m_valgtDato, zone());
}

bool KalenderModel::erIDag(const kalender::DagCelleModel& celle) const {
    return celle.dato && kalender::sammeDag(*celle.dato, clock().now(), zone());
}

QVariant KalenderModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const kalender::DagCelleModel& celle = m_celler.at(index.row());
    switch (role) {
    case DagRole:
        return celle.dag;
    case ErDenneMaanedRole:
        return celle.erDenneMaaned;
    case ErWeekendRole:
        return celle.erWeekend;
    case ErValgtRole:
        return erValgt(celle);
    case ErIDagRole:
        return erIDag(celle);
    case KanVaelgesRole:
        return celle.erDenneMaaned && celle.dato.has_value();
    case TekstFarveRole:
        return int(kalender::tekstFarve(erValgt(celle), celle.erDenneMaaned, erIDag(celle),
                                        celle.erWeekend));
    case NavnRole:
        return celle.dato ? QLocale(QLocale::Danish, QLocale::Denmark)
                                .toString(celle.dato->toTimeZone(zone()).date(),
                                          QStringLiteral("dddd d. MMMM yyyy"))
                          : QString::number(celle.dag);
    default:
        return {};
    }
}

QHash<int, QByteArray> KalenderModel::roleNames() const {
    return {{DagRole, "dag"},
            {ErDenneMaanedRole, "erDenneMaaned"},
            {ErWeekendRole, "erWeekend"},
            {ErValgtRole, "erValgt"},
            {ErIDagRole, "erIDag"},
            {KanVaelgesRole, "kanVaelges"},
            {TekstFarveRole, "tekstFarve"},
            {NavnRole, "navn"}};
}

void KalenderModel::setValgtDato(const QDateTime& dato) {
    if (dato == m_valgtDato && dato.isValid())
        return;
    m_valgtDato = dato;
    Q_EMIT valgtDatoChanged();
    if (dato.isValid())
        visMaanedFor(dato);
    if (!m_celler.isEmpty())
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {ErValgtRole, TekstFarveRole});
}

void KalenderModel::visMaanedFor(const QDateTime& dato) {
    const QDate dag = dato.toTimeZone(zone()).date();
    if (!dag.isValid() || (dag.year() == m_aar && dag.month() == m_maaned))
        return;
    m_aar = dag.year();
    m_maaned = dag.month();
    beregn();
}

// A new month keeps the rows it can (their cells are redrawn, not made anew), which
// keeps a change of month within a frame.
void KalenderModel::beregn() {
    QList<kalender::DagCelleModel> celler = kalender::dageCeller(m_aar, m_maaned, zone());
    const int foer = int(m_celler.size());
    const int efter = int(celler.size());
    if (efter < foer) {
        beginRemoveRows({}, efter, foer - 1);
        m_celler = std::move(celler);
        endRemoveRows();
    } else if (efter > foer) {
        beginInsertRows({}, foer, efter - 1);
        m_celler = std::move(celler);
        endInsertRows();
    } else {
        m_celler = std::move(celler);
    }
    if (std::min(foer, efter) > 0)
        Q_EMIT dataChanged(index(0), index(std::min(foer, efter) - 1));
    Q_EMIT maanedChanged();
}

void KalenderModel::skiftMaaned(int k) {
    const auto maaned = kalender::skiftMaaned(m_aar, m_maaned, k);
    if (!maaned)
        return;
    m_aar = maaned->first;
    m_maaned = maaned->second;
    beregn();
}

void KalenderModel::vaelg(int row) {
    if (row < 0 || row >= m_celler.size())
        return;
    const kalender::DagCelleModel& celle = m_celler.at(row);
    if (!celle.erDenneMaaned || !celle.dato)
        return;
    const QDateTime dato = *celle.dato;
    setValgtDato(dato);
    Q_EMIT datoValgt(dato);
}

void KalenderModel::flyt(int dage) {
    const QDate valgt = m_valgtDato.isValid() ? m_valgtDato.toTimeZone(zone()).date() : QDate();
    const auto dag = kalender::flytValgtDag(valgt, m_aar, m_maaned, dage);
    if (!dag)
        return;
    const QDateTime dato = kalender::dagensStart(*dag, zone());
    setValgtDato(dato);
    Q_EMIT datoValgt(dato);
}

} // namespace tavlen
