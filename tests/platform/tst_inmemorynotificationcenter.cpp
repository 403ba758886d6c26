#include "platform/InMemoryNotificationCenter.h"

#include <QTest>

using namespace tavlen;

namespace {

NotificationRequest request(const QString& id, const QString& title = QStringLiteral("T")) {
    NotificationRequest r;
    r.identifier = id;
    r.title = title;
    return r;
}

QStringList ids(const QList<NotificationRequest>& requests) {
    QStringList out;
    for (const auto& r : requests)
        out << r.identifier;
    return out;
}

} // namespace

class TestInMemoryNotificationCenter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void queuedCompletionsNeverRunInsideTheCall() {
        InMemoryNotificationCenter center;
        bool added = false;
        center.add(request("a"), [&](const QString& error) { added = error.isEmpty(); });
        QVERIFY(!added);
        QVERIFY(center.pending().isEmpty()); // the effect waits with its completion
        QTRY_VERIFY(added);
        QCOMPARE(ids(center.pending()), QStringList({"a"}));
    }

    void addReplacesAndRemoveTouchesOnlyTheGivenIds() {
        InMemoryNotificationCenter center;
        center.setMode(InMemoryNotificationCenter::Mode::Immediate);
        for (const char* id : {"a", "b", "c"})
            center.add(request(id), [](const QString&) {});
        center.add(request("a", "ny"), [](const QString&) {});
        QCOMPARE(ids(center.pending()), QStringList({"a", "b", "c"}));
        QCOMPARE(center.pendingRequest("a")->title, QStringLiteral("ny"));
        bool removed = false;
        center.removePending({"b", "ukendt"}, [&] { removed = true; });
        QVERIFY(removed);
        QCOMPARE(ids(center.pending()), QStringList({"a", "c"}));
        QCOMPARE(center.lastRemoved(), QStringList({"b", "ukendt"}));

        center.setAddError("fejl");
        QString error;
        center.add(request("d"), [&](const QString& e) { error = e; });
        QCOMPARE(error, QStringLiteral("fejl"));
        QVERIFY(!center.pendingRequest("d"));
    }

    void manualReleaseAppliesEffectsInTheChosenOrder() {
        InMemoryNotificationCenter center;
        center.setMode(InMemoryNotificationCenter::Mode::Manual);
        QStringList completed;
        center.add(request("a", "første"), [&](const QString&) { completed << "add første"; });
        center.add(request("a", "anden"), [&](const QString&) { completed << "add anden"; });
        center.removePending({"a"}, [&] { completed << "remove"; });
        QCOMPARE(center.heldCompletions(), 3);
        QVERIFY(center.pending().isEmpty());

        center.releaseNewest(); // the removal finds nothing yet
        center.releaseNewest();
        QCOMPARE(center.pendingRequest("a")->title, QStringLiteral("anden"));
        center.releaseOldest();
        QCOMPARE(center.pendingRequest("a")->title, QStringLiteral("første"));
        QCOMPARE(completed, QStringList({"remove", "add anden", "add første"}));
    }

    void releaseAllAlsoReleasesWhatCompletionsStart() {
        InMemoryNotificationCenter center;
        center.setMode(InMemoryNotificationCenter::Mode::Manual);
        bool second = false;
        center.pendingRequests([&](const QList<NotificationRequest>&) {
            center.add(request("b"), [&](const QString&) { second = true; });
        });
        center.releaseAll();
        QVERIFY(second);
        QCOMPARE(center.heldCompletions(), 0);
    }

    void authorization() {
        InMemoryNotificationCenter center;
        center.setMode(InMemoryNotificationCenter::Mode::Immediate);
        center.setStatus(AuthorizationStatus::NotDetermined);
        center.setGrantOnRequest(false);
        bool granted = true;
        center.requestAuthorization([&](bool g, const QString&) { granted = g; });
        QVERIFY(!granted);
        AuthorizationStatus status = AuthorizationStatus::Authorized;
        center.authorizationStatus([&](AuthorizationStatus s) { status = s; });
        QCOMPARE(status, AuthorizationStatus::Denied);
        QCOMPARE(center.authorizationRequests(), 1);
    }
};

QTEST_GUILESS_MAIN(TestInMemoryNotificationCenter)
#include "tst_inmemorynotificationcenter.moc"
