#include "Typography.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace tavlen {

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

} // namespace tavlen
