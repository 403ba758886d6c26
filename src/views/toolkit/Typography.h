#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// Text styles: a size in points (one point is one device-independent pixel, as on the
// desktops the screens were drawn for) and a weight name.
//   StyledText { text: "Fag"; size: 18; weight: "bold"; rounded: true }
class Typography : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString systemFamily READ systemFamily CONSTANT)
    Q_PROPERTY(QString roundedFamily READ roundedFamily CONSTANT)
public:
    explicit Typography(QObject* parent = nullptr) : QObject(parent) {}

    // "regular", "medium", "semibold", "bold" (any case); anything else is regular.
    static QFont::Weight weightFor(QStringView name);
    // A rounded family when the system has one (Quicksand), else the system family.
    static QString roundedFamilyName();
    static QFont font(qreal points, QStringView weight, bool rounded);

    Q_INVOKABLE int weight(const QString& name) const { return weightFor(name); }
    QString systemFamily() const;
    QString roundedFamily() const { return roundedFamilyName(); }
};

} // namespace tavlen
