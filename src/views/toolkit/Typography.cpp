#include "Typography.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace tavlen {

QFont::Weight Typography::weightFor(QStringView name) {
    if (name.compare(u"medium", Qt::CaseInsensitive) == 0)
        return QFont::Medium;
    if (name.compare(u"semibold", Qt::CaseInsensitive) == 0)
        return QFont::DemiBold;
    if (name.compare(u"bold", Qt::CaseInsensitive) == 0)
        return QFont::Bold;
    return QFont::Normal;
}

QString Typography::roundedFamilyName() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString& candidate : {QStringLiteral("Quicksand"), QStringLiteral("Comfortaa")})
            if (families.contains(candidate))
                return candidate;
        return QGuiApplication::font().family();
    }();
    return family;
}

QString Typography::systemFamily() const {
    return QGuiApplication::font().family();
}

QFont Typography::font(qreal points, QStringView weight, bool rounded) {
    QFont f = QGuiApplication::font();
    if (rounded)
        f.setFamily(roundedFamilyName());
    f.setPixelSize(qMax(1, qRound(points)));
    f.setWeight(weightFor(weight));
    return f;
}

} // namespace tavlen
