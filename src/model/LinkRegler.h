#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// The rules of the links shown on a homework item.
namespace tavlen::links {

// Where text that is no web address is looked up.
inline const QString soegePrefix = QStringLiteral("https://www.google.com/search?q=");

// The entries worth a row: not blank once white space and line breaks are cut from the
// ends. Returned as stored, in order, duplicates kept.
QStringList gyldigeLinks(const QStringList& links);

// The text shown for a link: white space and line breaks cut from both ends.
QString linkTekst(const QString& link);

// The address a link row opens: an http(s) address with a host, else a web search for the
// text, else nothing.
std::optional<QUrl> adresse(const QString& link);

} // namespace tavlen::links
