#pragma once

#include "model/Records.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

// The rules of the subject settings.
namespace tavlen::fagregler {

struct IkonValg {
    QString ikon;
    QString label;
};

// The icons a subject may wear; the standard subjects' icons come first, in their order.
const QList<IkonValg>& ikonPalette();

// The colours a subject may wear; the standard subjects' colours come first, in their order.
const QStringList& farvePalette();

inline const QString standardIkon = QStringLiteral("book.fill");
inline const QString standardFarve = QStringLiteral("3B82F6");

// Homework of the subject that is not done yet.
int aabneLektier(const QList<Lektie>& lektier, const QUuid& fagId);

// The name error shows while a save was refused and the name has no characters at all.
bool visNavnFejl(bool visFejl, const QString& navn);

// The destructive button of the delete confirmation: Slet "<navn>" og alle lektier.
QString sletKnapTekst(const std::optional<Fag>& fag);

// A new subject from the form, or nothing when the name is empty; the name is kept as typed.
std::optional<Fag> nytFag(const QString& navn, const QString& ikon, const QString& farve);
// The same for an edit: the subject keeps its id, so its homework stays with it.
std::optional<Fag> redigeretFag(const QUuid& id, const QString& navn, const QString& ikon,
                                const QString& farve);

} // namespace tavlen::fagregler
