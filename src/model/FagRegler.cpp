#include "FagRegler.h"

#include <algorithm>

namespace tavlen::fagregler {

const QList<IkonValg>& ikonPalette() {
    static const QList<IkonValg> palette{
        {QStringLiteral("book.fill"), QStringLiteral("Bog")},
        {QStringLiteral("building.columns.fill"), QStringLiteral("Søjler")},
        {QStringLiteral("staroflife.fill"), QStringLiteral("Stjerne")},
        {QStringLiteral("function"), QStringLiteral("Funktion")},
        {QStringLiteral("globe.europe.africa.fill"), QStringLiteral("Globus EU")},
        {QStringLiteral("person.3.fill"), QStringLiteral("Personer")},
        {QStringLiteral("leaf.fill"), QStringLiteral("Blad")},
        {QStringLiteral("figure.run"), QStringLiteral("Løb")},
        {QStringLiteral("lightbulb.fill"), QStringLiteral("Pære")},
        {QStringLiteral("globe"), QStringLiteral("Globus")},
        {QStringLiteral("atom"), QStringLiteral("Atom")},
        {QStringLiteral("testtube.2"), QStringLiteral("Reagensglas")},
        {QStringLiteral("map.fill"), QStringLiteral("Kort")},
        {QStringLiteral("fork.knife"), QStringLiteral("Bestik")},
        {QStringLiteral("paintbrush.fill"), QStringLiteral("Pensel")},
        {QStringLiteral("music.note"), QStringLiteral("Node")},
        {QStringLiteral("hammer.fill"), QStringLiteral("Hammer")},
        {QStringLiteral("cpu"), QStringLiteral("CPU")},
        {QStringLiteral("theatermasks.fill"), QStringLiteral("Masker")},
        {QStringLiteral("camera.fill"), QStringLiteral("Kamera")},
        {QStringLiteral("pencil"), QStringLiteral("Blyant")},
        {QStringLiteral("ruler.fill"), QStringLiteral("Lineal")},
        {QStringLiteral("megaphone.fill"), QStringLiteral("Megafon")},
        {QStringLiteral("chart.bar.fill"), QStringLiteral("Søjlediagram")},
    };
    return palette;
}

const QStringList& farvePalette() {
    static const QStringList palette{
        QStringLiteral("E8704A"), QStringLiteral("C0882F"), QStringLiteral("8B6FBE"),
        QStringLiteral("3B82F6"), QStringLiteral("EF4444"), QStringLiteral("10B981"),
        QStringLiteral("22C55E"), QStringLiteral("F59E0B"), QStringLiteral("6366F1"),
        QStringLiteral("0EA5E9"), QStringLiteral("06B6D4"), QStringLiteral("A855F7"),
        QStringLiteral("14B8A6"), QStringLiteral("F97316"), QStringLiteral("EC4899"),
        QStringLiteral("64748B"), QStringLiteral("84CC16"), QStringLiteral("F43F5E"),
    };
    return palette;
}

int aabneLektier(const QList<Lektie>& lektier, const QUuid& fagId) {
    return int(std::count_if(lektier.cbegin(), lektier.cend(),
                             [&](const Lektie& l) { return !l.erFaerdig && l.fagId == fagId; }));
}

bool visNavnFejl(bool visFejl, const QString& navn) {
    return visFejl && navn.isEmpty();
}

QString sletKnapTekst(const std::optional<Fag>& fag) {
    const QString navn = fag ? fag->navn : QString();
    return QStringLiteral("Slet \"") + navn + QStringLiteral("\" og alle lektier");
}

std::optional<Fag> nytFag(const QString& navn, const QString& ikon, const QString& farve) {
    if (navn.isEmpty())
        return std::nullopt;
    return Fag::ny(navn, ikon, farve);
}

std::optional<Fag> redigeretFag(const QUuid& id, const QString& navn, const QString& ikon,
                                const QString& farve) {
    if (navn.isEmpty())
        return std::nullopt;
    return Fag::ny(navn, ikon, farve, id);
}

} // namespace tavlen::fagregler
