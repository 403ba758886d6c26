#include "ColorSchemePortal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace tavlen {

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kNamespace = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");
} // namespace

ColorSchemePortal::ColorSchemePortal(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    call << kNamespace << kKey;
    // Asynchronous so that a slow or absent portal never delays the first drawing.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QVariant> reply = *w;
        w->deleteLater();
        if (reply.isError())
            return;
        const int scheme = schemeFromReply(reply.value());
        if (scheme >= 0)
            Q_EMIT schemeChanged(scheme);
    });
}

int ColorSchemePortal::schemeFromReply(const QVariant& value) {
    QVariant v = value;
    // Read wraps the value in a variant once more than SettingChanged does.
    for (int depth = 0; depth < 3 && v.canConvert<QDBusVariant>() &&
                        v.metaType() == QMetaType::fromType<QDBusVariant>();
         ++depth)
        v = v.value<QDBusVariant>().variant();
    bool ok = false;
    const uint scheme = v.toUInt(&ok);
    return ok && scheme <= 2 ? int(scheme) : -1;
}

void ColorSchemePortal::onSettingChanged(const QString& ns, const QString& key,
                                         const QDBusVariant& value) {
    if (ns != kNamespace || key != kKey)
        return;
    const int scheme = schemeFromReply(value.variant());
    if (scheme >= 0)
        Q_EMIT schemeChanged(scheme);
}

} // namespace tavlen
