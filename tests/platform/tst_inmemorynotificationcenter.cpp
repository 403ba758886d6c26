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
} // namespace

class TestInMemoryNotificationCenter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void queuedEffectsWaitForTheEventLoop() {
        InMemoryNotificationCenter center;
        QString error = "not yet";
        center.add(request("a"), [&](const QString& e) { error = e; });
        center.add(request("b"), [](const QString&) {});
        center.add(request("a", "ny"), [](const QString&) {});
        QVERIFY(center.pending().isEmpty() && error == "not yet");
        QTRY_COMPARE(center.pending().size(), 2);
        QCOMPARE(error, QString());
        QCOMPARE(center.pending().first().title, QStringLiteral("ny")); // replaced in place
    }

    void manualReleaseAppliesEffectsInTheChosenOrder() {
        InMemoryNotificationCenter center;
        center.setMode(InMemoryNotificationCenter::Mode::Manual);
        QStringList completed;
        center.add(request("a", "første"), [&](const QString&) {
            completed << "add første";
            // What a completion starts is held too, and released by the same releaseAll.
            center.add(request("b"), [&](const QString&) { completed << "add b"; });
        });
        center.add(request("a", "anden"), [&](const QString&) { completed << "add anden"; });
        center.removePending({"a"}, [&] { completed << "remove"; });
        QCOMPARE(center.heldCompletions(), 3);
        QVERIFY(center.pending().isEmpty());

        center.releaseNewest(); // the removal finds nothing yet
        center.releaseNewest();
        QCOMPARE(center.pendingRequest("a")->title, QStringLiteral("anden"));
        center.releaseAll();
        QCOMPARE(center.pendingRequest("a")->title, QStringLiteral("første"));
        QVERIFY(center.pendingRequest("b"));
        QCOMPARE(center.heldCompletions(), 0);
        QCOMPARE(completed, QStringList({"remove", "add anden", "add første", "add b"}));
    }
};

QTEST_GUILESS_MAIN(TestInMemoryNotificationCenter)
#include "tst_inmemorynotificationcenter.moc"
