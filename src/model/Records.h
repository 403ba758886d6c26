#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QUuid>

namespace tavlen {

class Clock;

// A school subject.
struct Fag {
    Q_GADGET
    Q_PROPERTY(QUuid id MEMBER id)
    Q_PROPERTY(QString navn MEMBER navn)
    Q_PROPERTY(QString ikonNavn MEMBER ikonNavn)
    Q_PROPERTY(QString farveHex MEMBER farveHex)
public:
    QUuid id;
    QString navn;
    QString ikonNavn;
    QString farveHex;

    // A new subject with a fresh id unless one is given.
    static Fag ny(const QString& navn, const QString& ikonNavn, const QString& farveHex,
                  QUuid id = QUuid::createUuid());

    // The 14 standard subjects; ids are fixed for the run, new in every run.
    static const QList<Fag>& standard();

    friend bool operator==(const Fag&, const Fag&) = default;
};
size_t qHash(const Fag& fag, size_t seed = 0) noexcept;

// A homework item. Compared by id only, so it has no operator==.
struct Lektie {
    Q_GADGET
    Q_PROPERTY(QUuid id MEMBER id)
    Q_PROPERTY(QUuid fagId MEMBER fagId)
    Q_PROPERTY(QString titel MEMBER titel)
    Q_PROPERTY(QString beskrivelse MEMBER beskrivelse)
    Q_PROPERTY(QStringList links MEMBER links)
    Q_PROPERTY(QDateTime deadline MEMBER deadline)
    Q_PROPERTY(bool erFaerdig MEMBER erFaerdig)
    Q_PROPERTY(QDateTime oprettetDato MEMBER oprettetDato)
public:
    QUuid id;
    QUuid fagId;
    QString titel;
    QString beskrivelse;
    QStringList links;
    QDateTime deadline; // UTC
    bool erFaerdig = false;
    QDateTime oprettetDato; // UTC

    // A new, open homework item with a fresh id, created now.
    static Lektie ny(QUuid fagId, const QString& titel, const QString& beskrivelse,
                     const QStringList& links, const QDateTime& deadline, const Clock& clock);

    // Both dates are real moments; without them the item has no stored form.
    bool harGyldigeDatoer() const { return deadline.isValid() && oprettetDato.isValid(); }
};

// Homework as an older version stored it (no links). Only read while loading.
struct OldLektie {
    QUuid id;
    QUuid fagId;
    QString titel;
    QString beskrivelse;
    QDateTime deadline;
    bool erFaerdig = false;
    QDateTime oprettetDato;
};

// An id as text wherever one is turned into text: canonical form, upper case, no braces.
inline QString uuidTekst(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper();
}

} // namespace tavlen

Q_DECLARE_METATYPE(tavlen::Fag)
Q_DECLARE_METATYPE(tavlen::Lektie)
