#pragma once

#include <QDBusVariant>
#include <QObject>
#include <QVariant>

namespace tavlen {

// Reads the desktop's light/dark preference from the freedesktop settings portal and follows
// its changes. Without a session bus or portal it stays silent and the palette decides.
class ColorSchemePortal : public QObject {
    Q_OBJECT
public:
    explicit ColorSchemePortal(QObject* parent = nullptr);

    // The portal's "color-scheme" value from a Read reply or a SettingChanged argument
    // (a variant that may be nested); -1 when it is not 0, 1 or 2.
    static int schemeFromReply(const QVariant& value);

Q_SIGNALS:
    void schemeChanged(int scheme);

private Q_SLOTS:
    void onSettingChanged(const QString& ns, const QString& key, const QDBusVariant& value);
};

} // namespace tavlen
