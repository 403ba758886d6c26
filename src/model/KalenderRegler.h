#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <QUuid>

#include <optional>
#include <utility>

// The month calendar of the date picker: its grid, titles, colours and keyboard moves.
namespace tavlen::kalender {

// One cell of the month grid.
struct DagCelleModel {
    QUuid id;                      // fresh random id every time the grid is computed
    std::optional<QDateTime> dato; // start of the cell's day in the zone; absent if not formable
    int dag = 0;                   // day of month shown, 1..31
    bool erDenneMaaned = false;    // belongs to the shown month
    bool erWeekend = false;        // Saturday or Sunday
};

// Column heads, Monday first.
const QStringList& dagNavne();
const QStringList& maanedNavne();

// "December 2026"; the month number rolls into the neighbouring years like everywhere here.
QString titel(int aar, int maaned);

// Whole weeks from the Monday on or before the 1st, then one to seven days of the next month
// (a month ending on a Sunday still shows one). A month number outside 1..12 rolls into the
// neighbouring years; a month whose first day QDate cannot hold gives no cells.
QList<DagCelleModel> dageCeller(int aar, int maaned, const QTimeZone& zone);

// (year, month) k months on; nullopt past int's range or in year 0, which QDate lacks.
std::optional<std::pair<int, int>> skiftMaaned(int aar, int maaned, int k);

// 00:00 of that day in the zone, or the first moment of the day when 00:00 is skipped there.
QDateTime dagensStart(const QDate& dag, const QTimeZone& zone);

// Same calendar day in the zone; false if either moment or the zone is invalid.
bool sammeDag(const QDateTime& a, const QDateTime& b, const QTimeZone& zone);

enum class TekstFarve { Hvid, SekundaerSvag, Accent, AccentWeekend, Primaer };
TekstFarve tekstFarve(bool erValgt, bool erDenneMaaned, bool erIDag, bool erWeekend);

enum class BaggrundsFarve { Accent, Hover, Gennemsigtig };
BaggrundsFarve baggrundsFarve(bool erValgt, bool hover, bool erDenneMaaned);

// Keyboard: the chosen day moved by `delta` days (arrows: ±1, ±7) inside the shown month.
// When `valgt` lies in the shown month: the moved day if it is still in that month, else
// nullopt (no move across the month's edge). When `valgt` is not in the shown month (or is
// invalid): the month's first day for delta > 0, its last day for delta < 0, nullopt for 0.
std::optional<QDate> flytValgtDag(const QDate& valgt, int aar, int maaned, int delta);

} // namespace tavlen::kalender
