#include "LinkRegler.h"

namespace tavlen::links {

namespace {

// Only web addresses with a host may leave the program; anything else (another scheme, a
// bare "http:/x") could make the desktop's opener run something other than a browser. A
// user name before the host ("https://skole.dk@evil.example") hides the real host.
bool erWebadresse(const QUrl& url, bool kunHttps) {
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty())
        return false;
    const QString scheme = url.scheme();
    return scheme == QLatin1String("https") || (!kunHttps && scheme == QLatin1String("http"));
}

} // namespace

QStringList gyldigeLinks(const QStringList& links) {
    QStringList gyldige;
    for (const QString& link : links)
        if (!linkTekst(link).isEmpty())
            gyldige << link;
    return gyldige;
}

QString linkTekst(const QString& link) {
    return link.trimmed();
}

std::optional<QUrl> adresse(const QString& link) {
    const QString t = linkTekst(link);
    const QString tekst = t.startsWith(QLatin1String("http")) ? t : QStringLiteral("https://") + t;
    // '%' and '#' are encoded too, so the text is taken literally, never as codes or a fragment.
    const QByteArray kodet = QUrl::toPercentEncoding(tekst, "!$&'()*+,;=:/?@");
    const QUrl url(QString::fromLatin1(kodet), QUrl::StrictMode);
    if (erWebadresse(url, false))
        return url;
    const QUrl soegning(soegePrefix + t);
    if (erWebadresse(soegning, true))
        return soegning;
    return std::nullopt;
}

} // namespace tavlen::links
