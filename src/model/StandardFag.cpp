#include "Records.h"

namespace tavlen {

const QList<Fag>& Fag::standard() {
    // Built once, on first use; the ids hold for the whole run.
    static const QList<Fag> catalogue{
        Fag::ny(QStringLiteral("Dansk"), QStringLiteral("book.fill"), QStringLiteral("E8704A")),
        Fag::ny(QStringLiteral("Historie"), QStringLiteral("building.columns.fill"),
                QStringLiteral("C0882F")),
        Fag::ny(QStringLiteral("Kristendom"), QStringLiteral("staroflife.fill"),
                QStringLiteral("8B6FBE")),
        Fag::ny(QStringLiteral("Matematik"), QStringLiteral("function"), QStringLiteral("3B82F6")),
        Fag::ny(QStringLiteral("Tysk"), QStringLiteral("globe.europe.africa.fill"),
                QStringLiteral("EF4444")),
        Fag::ny(QStringLiteral("Samfundsfag"), QStringLiteral("person.3.fill"),
                QStringLiteral("10B981")),
        Fag::ny(QStringLiteral("Biologi"), QStringLiteral("leaf.fill"), QStringLiteral("22C55E")),
        Fag::ny(QStringLiteral("Idræt"), QStringLiteral("figure.run"), QStringLiteral("F59E0B")),
        Fag::ny(QStringLiteral("Entreprenørskab"), QStringLiteral("lightbulb.fill"),
                QStringLiteral("6366F1")),
        Fag::ny(QStringLiteral("Engelsk"), QStringLiteral("globe"), QStringLiteral("0EA5E9")),
        Fag::ny(QStringLiteral("Fysik"), QStringLiteral("atom"), QStringLiteral("06B6D4")),
        Fag::ny(QStringLiteral("Kemi"), QStringLiteral("testtube.2"), QStringLiteral("A855F7")),
        Fag::ny(QStringLiteral("Geografi"), QStringLiteral("map.fill"), QStringLiteral("14B8A6")),
        Fag::ny(QStringLiteral("Madkundskab"), QStringLiteral("fork.knife"),
                QStringLiteral("F97316")),
    };
    return catalogue;
}

} // namespace tavlen
