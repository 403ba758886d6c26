#pragma once

#include "Records.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>

namespace tavlen {
class LektieStore;
}

// The rules of the first-run flow: subject choice, widget guide and completion.
namespace tavlen::onboarding {

inline constexpr int antalTrin = 4;

// The ids of every standard subject: the flow starts with all of them ticked.
QSet<QUuid> vaelgAlle();
QSet<QUuid> fravaelgAlle();

// A tap on a standard tile ticks it, or unticks it when it was ticked.
QSet<QUuid> skiftValg(QSet<QUuid> valgte, const QUuid& id);

// Removes every own subject with that id.
QList<Fag> fjernEgetFag(QList<Fag> customFag, const QUuid& id);

// Own subjects cannot be unticked, so they always count.
int antalValgt(const QSet<QUuid>& valgte, const QList<Fag>& customFag);
QString taellerTekst(const QSet<QUuid>& valgte, const QList<Fag>& customFag); // "<n> valgt"
bool kanFortsaette(const QSet<QUuid>& valgte, const QList<Fag>& customFag);

// The subject list the flow stores: the ticked standard subjects in catalogue order, each
// with a fresh id (the catalogue's ids live only for one run), then the own subjects as made.
QList<Fag> nyeFag(const QSet<QUuid>& valgte, const QList<Fag>& customFag);

// Replaces the store's subjects with nyeFag and marks setup as finished; homework stays.
void afslut(LektieStore& store, const QSet<QUuid>& valgte, const QList<Fag>& customFag);

inline constexpr double sporHoejde = 120; // the custom indicator's track
inline constexpr double grebHoejde = 28;  // and its thumb

// The guide's scroll measurements; the starting values keep the indicator hidden until the
// first heights arrive.
struct WidgetScroll {
    double scrollOffset = 0;
    double viewportHeight = 1;
    double contentHeight = 1;

    // The offset is kept as reported: it is negative while the content is pulled past its top.
    void maalOffset(double offset) { scrollOffset = offset; }
    void maalContentHeight(double hoejde);
    void maalViewportHeight(double hoejde);

    double scrollProgress() const; // 0 to 1
    // Only content more than 8 points taller than the area is worth an indicator.
    bool indikatorSynlig() const;
    double grebForskydning() const; // how far the thumb sits below the track's top
};

} // namespace tavlen::onboarding
