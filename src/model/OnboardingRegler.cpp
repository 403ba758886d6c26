#include "OnboardingRegler.h"

#include "LektieStore.h"

#include <algorithm>

namespace tavlen::onboarding {

QSet<QUuid> vaelgAlle() {
    QSet<QUuid> ids;
    for (const Fag& fag : Fag::standard())
        ids.insert(fag.id);
    return ids;
}

QSet<QUuid> fravaelgAlle() {
    return {};
}

QSet<QUuid> skiftValg(QSet<QUuid> valgte, const QUuid& id) {
    if (!valgte.remove(id))
        valgte.insert(id);
    return valgte;
}

QList<Fag> fjernEgetFag(QList<Fag> customFag, const QUuid& id) {
    customFag.removeIf([&](const Fag& fag) { return fag.id == id; });
    return customFag;
}

int antalValgt(const QSet<QUuid>& valgte, const QList<Fag>& customFag) {
    return int(valgte.size() + customFag.size());
}

QString taellerTekst(const QSet<QUuid>& valgte, const QList<Fag>& customFag) {
    return QString::number(antalValgt(valgte, customFag)) + QStringLiteral(" valgt");
}

bool kanFortsaette(const QSet<QUuid>& valgte, const QList<Fag>& customFag) {
    return !valgte.isEmpty() || !customFag.isEmpty();
}

QList<Fag> nyeFag(const QSet<QUuid>& valgte, const QList<Fag>& customFag) {
    QList<Fag> fag;
    for (const Fag& standard : Fag::standard()) {
        if (valgte.contains(standard.id))
            fag << Fag::ny(standard.navn, standard.ikonNavn, standard.farveHex);
    }
    return fag + customFag;
}

void afslut(LektieStore& store, const QSet<QUuid>& valgte, const QList<Fag>& customFag) {
    store.setFag(nyeFag(valgte, customFag));
    store.setHarSetupFaerdig(true);
    // Again, because the assignment above saves nothing while a reset is in progress.
    store.gemFag();
    store.opdaterNotifikationer();
}

void WidgetScroll::maalContentHeight(double hoejde) {
    contentHeight = std::max(hoejde, 1.0);
}

void WidgetScroll::maalViewportHeight(double hoejde) {
    viewportHeight = std::max(hoejde, 1.0);
}

double WidgetScroll::scrollProgress() const {
    double scrollable = contentHeight - viewportHeight;
    if (scrollable <= 1)
        scrollable = 1;
    const double p = scrollOffset / scrollable;
    if (p <= 0)
        return 0;
    return p > 1 ? 1 : p;
}

bool WidgetScroll::indikatorSynlig() const {
    return viewportHeight + 8 < contentHeight;
}

double WidgetScroll::grebForskydning() const {
    return scrollProgress() * (sporHoejde - grebHoejde);
}

} // namespace tavlen::onboarding
