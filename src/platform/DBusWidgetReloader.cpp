#include "DBusWidgetReloader.h"

#include <QDBusMessage>

namespace tavlen {

DBusWidgetReloader::DBusWidgetReloader() : DBusWidgetReloader(QDBusConnection::sessionBus()) {}

DBusWidgetReloader::DBusWidgetReloader(QDBusConnection connection)
    : m_connection(std::move(connection)) {}

void DBusWidgetReloader::reloadAllTimelines() {
    // The connection was tried once when it was made; a missing bus is not retried on
    // every save.
    if (!m_connection.isConnected())
        return;
    m_connection.send(QDBusMessage::createSignal(QLatin1String(kPath), QLatin1String(kInterface),
                                                 QLatin1String(kMember)));
}

} // namespace tavlen
