#pragma once

#include "model/Records.h"

#include <QHash>
#include <QStringList>

namespace tavlen::test {

// Homework lists in shorthand, for rules that compare lists record by record: "A B C" is
// three records; "A'" is record A with its title changed, "A*" record A ticked off,
// "A'*" both. The same letter is the same id throughout a test run.
inline QList<Lektie> kortListe(const QString& kort, const QUuid& fagId = {}) {
    static QHash<QChar, QUuid> ids;
    QList<Lektie> out;
    for (const QString& one : kort.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!ids.contains(one[0]))
            ids.insert(one[0], QUuid::createUuid());
        Lektie l;
        l.id = ids.value(one[0]);
        l.fagId = fagId;
        l.titel =
            one.contains(QLatin1Char('\'')) ? one.left(1) + QStringLiteral(" ændret") : one.left(1);
        l.erFaerdig = one.contains(QLatin1Char('*'));
        l.deadline = QDateTime(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
        l.oprettetDato = QDateTime(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC);
        out.append(l);
    }
    return out;
}

inline QString kort(const QList<Lektie>& list) {
    QStringList out;
    for (const Lektie& l : list)
        out << l.titel.left(1) + (l.titel.size() > 1 ? QStringLiteral("'") : QString()) +
                   (l.erFaerdig ? QStringLiteral("*") : QString());
    return out.join(QLatin1Char(' '));
}

} // namespace tavlen::test
