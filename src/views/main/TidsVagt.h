#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

namespace tavlen {

class Clock;

// Wakes a page when what it shows changes by time alone (midnight, a deadline passing),
// not only when the store changes. Wakes at least every few minutes, so a changed wall
// clock or a suspended machine is caught up with soon.
class TidsVagt : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 laengsteVentMs = 5 * 60 * 1000;

    explicit TidsVagt(QObject* parent = nullptr);

    void vaagnVed(const QDateTime& naar, const Clock& clock);
    QDateTime naeste() const { return m_naeste; }

Q_SIGNALS:
    void vaagnet();

private:
    QTimer m_timer;
    QDateTime m_naeste;
};

} // namespace tavlen
