#include "KalenderRegler.h"

#include <limits>

namespace tavlen::kalender {

namespace {

// Month numbers outside 1..12 roll into the neighbouring years; nullopt past int's range.
std::optional<std::pair<int, int>> rul(int aar, int maaned, int k) {
    const qint64 total = qint64(aar) * 12 + (qint64(maaned) - 1) + k;
    const qint64 y = total >= 0 ? total / 12 : -((-total + 11) / 12);
    if (y < std::numeric_limits<int>::min() || y > std::numeric_limits<int>::max())
        return std::nullopt;
    return std::pair(int(y), int(total - y * 12) + 1);
}

std::optional<QDate> forsteDag(const std::optional<std::pair<int, int>>& maaned) {
    if (!maaned)
        return std::nullopt;
    const QDate dag(maaned->first, maaned->second, 1);
    return dag.isValid() ? std::optional(dag) : std::nullopt;
}

// Dates come from year, month and day alone, so a neighbouring month in year 0 stays absent
// rather than being read as the proleptic 1 BC.
DagCelleModel celle(const std::optional<std::pair<int, int>>& maaned, int dag, bool egen,
                    qsizetype kolonne, const QTimeZone& zone) {
    DagCelleModel c;
    c.id = QUuid::createUuid();
    c.dag = dag;
    c.erDenneMaaned = egen;
    // The grid starts on a Monday, so the column tells the weekday even without a date.
    c.erWeekend = kolonne % 7 >= 5;
    if (maaned) {
        const QDateTime start = dagensStart(QDate(maaned->first, maaned->second, dag), zone);
        if (start.isValid())
            c.dato = start;
    }
    return c;
}

} // namespace

const QStringList& dagNavne() {
    static const QStringList navne{"Man", "Tir", "Ons", "Tor", "Fre", "Lør", "Søn"};
    return navne;
}

const QStringList& maanedNavne() {
    static const QStringList navne{"Januar",    "Februar", "Marts",    "April",
                                   "Maj",       "Juni",    "Juli",     "August",
                                   "September", "Oktober", "November", "December"};
    return navne;
}

QString titel(int aar, int maaned) {
    // Year 0 has no date but still a name, so the title does not ask QDate.
    const auto am = rul(aar, maaned, 0);
    if (!am)
        return {};
    // QString::number, not QLocale: a title never groups digits.
    return maanedNavne().at(am->second - 1) + u' ' + QString::number(am->first);
}

std::optional<std::pair<int, int>> skiftMaaned(int aar, int maaned, int k) {
    const auto am = rul(aar, maaned, k);
    if (!am || !QDate(am->first, am->second, 1).isValid())
        return std::nullopt;
    return am;
}

QList<DagCelleModel> dageCeller(int aar, int maaned, const QTimeZone& zone) {
    const auto denne = skiftMaaned(aar, maaned, 0);
    const auto forste = forsteDag(denne);
    if (!forste)
        return {};
    const int n = forste->daysInMonth();
    const int v = forste->dayOfWeek() - 1;
    // The day before the 1st is the previous month's length even when that month has no year.
    const int p = forste->addDays(-1).day();

    QList<DagCelleModel> celler;
    celler.reserve(v + n + 7);
    const auto forrige = skiftMaaned(aar, maaned, -1);
    for (int d = p - v + 1; d <= p; ++d)
        celler << celle(forrige, d, false, celler.size(), zone);
    for (int d = 1; d <= n; ++d)
        celler << celle(denne, d, true, celler.size(), zone);
    // A month that fills its last week still shows one day of the next, never a whole row.
    const qsizetype r = celler.size() % 7;
    const qsizetype t = r != 0 ? 7 - r : 1;
    const auto naeste = skiftMaaned(aar, maaned, 1);
    for (int d = 1; d <= t; ++d)
        celler << celle(naeste, d, false, celler.size(), zone);
    return celler;
}

QDateTime dagensStart(const QDate& dag, const QTimeZone& zone) {
    // Not QDateTime(dag, 00:00, zone): Qt makes that invalid where midnight is skipped.
    return dag.startOfDay(zone);
}

bool sammeDag(const QDateTime& a, const QDateTime& b, const QTimeZone& zone) {
    if (!a.isValid() || !b.isValid() || !zone.isValid())
        return false;
    return a.toTimeZone(zone).date() == b.toTimeZone(zone).date();
}

TekstFarve tekstFarve(bool erValgt, bool erDenneMaaned, bool erIDag, bool erWeekend) {
    if (erValgt)
        return TekstFarve::Hvid;
    if (!erDenneMaaned)
        return TekstFarve::SekundaerSvag;
    if (erIDag)
        return TekstFarve::Accent;
    if (erWeekend)
        return TekstFarve::AccentWeekend;
    return TekstFarve::Primaer;
}

BaggrundsFarve baggrundsFarve(bool erValgt, bool hover, bool erDenneMaaned) {
    if (erValgt)
        return BaggrundsFarve::Accent;
    if (hover && erDenneMaaned)
        return BaggrundsFarve::Hover;
    return BaggrundsFarve::Gennemsigtig;
}

std::optional<QDate> flytValgtDag(const QDate& valgt, int aar, int maaned, int delta) {
    const auto forste = forsteDag(skiftMaaned(aar, maaned, 0));
    if (!forste)
        return std::nullopt;
    const int n = forste->daysInMonth();
    const bool iMaaneden =
        valgt.isValid() && valgt.year() == forste->year() && valgt.month() == forste->month();
    if (!iMaaneden) {
        if (delta == 0)
            return std::nullopt;
        return delta > 0 ? *forste : forste->addDays(n - 1);
    }
    // In 64 bits so a huge delta cannot wrap back into the month.
    const qint64 dag = qint64(valgt.day()) + delta;
    if (dag < 1 || dag > n)
        return std::nullopt;
    return QDate(forste->year(), forste->month(), int(dag));
}

} // namespace tavlen::kalender
