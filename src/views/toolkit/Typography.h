#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// Text styles: a size in points (one point is one device-independent pixel, as on the
// desktops the screens were drawn for) and a weight (QML's Font.Normal … Font.Bold).
//   StyledText { text: "Fag"; size: 18; weight: Font.Bold; rounded: true }
class Typography : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString systemFamily READ systemFamily CONSTANT)
    Q_PROPERTY(QString roundedFamily READ roundedFamily CONSTANT)
public:
    explicit Typography(QObject* parent = nullptr) : QObject(parent) {}

    // A rounded family when the system has one (Quicksand), else the system family.
    static QString roundedFamilyName();

    QString systemFamily() const;
    QString roundedFamily() const { return roundedFamilyName(); }
};

// How a button draws itself, as QML names it: StyledButton { buttonStyle: ButtonStyle.Plain }
class ButtonStyle : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Only its values are used.")
public:
    enum Value { Prominent, Bordered, Plain };
    Q_ENUM(Value)
};

} // namespace tavlen
