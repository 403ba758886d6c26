#pragma once

#include "core/PreferencesFile.h"
#include "model/LektieNotificationManager.h"
#include "model/LektieStore.h"
#include "support/CountingWidgetReloader.h"
#include "support/InMemoryNotificationCenter.h"
#include "support/ManualClock.h"
#include "support/RecordingUrlOpener.h"
#include "views/AppContext.h"

#include <QAbstractItemModelTester>
#include <QLockFile>
#include <QObject>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QVariantList>
#include <memory>

namespace tavlen::test {

// Model tests report a broken model contract as a test failure.
constexpr auto kQtTest = QAbstractItemModelTester::FailureReportingMode::QtTest;

// What a screen test stands on: a real store on a temporary folder, a clock fixed at
// Sunday 6 December 2026 10:00 in Copenhagen, reminders in memory and a browser that only
// notes what it was asked to open. QML reaches it as the singleton `Fixture`.
class ScreenFixture : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList openedUrls READ openedUrls)
    Q_PROPERTY(QStringList openedFolders READ openedFolders)
public:
    ScreenFixture();
    ~ScreenFixture() override;

    // An empty store (setup finished), the clock at its start, the light appearance, a
    // notification server with buttons and a browser that takes links.
    Q_INVOKABLE void reset();
    Q_INVOKABLE QString addFag(const QString& navn,
                               const QString& ikon = QStringLiteral("book.fill"),
                               const QString& farve = QStringLiteral("3B82F6"));
    // Deadline as minutes from now; returns the item's id as text.
    Q_INVOKABLE QString addLektie(const QString& fagId, const QString& titel, qint64 minutterFraNu,
                                  const QString& beskrivelse = {}, const QStringList& links = {},
                                  bool faerdig = false);
    Q_INVOKABLE void sletLektie(const QString& id) { m_store->slet(QUuid(id)); }
    Q_INVOKABLE void sletFag(const QString& id) { m_store->sletFag(QUuid(id)); }
    Q_INVOKABLE void omdoebFag(const QString& id, const QString& navn);
    // Records as maps, dates as ISO text in UTC; the suite file as on disk.
    Q_INVOKABLE QVariantList lektier() const;
    Q_INVOKABLE QVariantList fag() const;
    Q_INVOKABLE QString suiteText() const;
    Q_INVOKABLE QString now() const { return m_clock.now().toString(Qt::ISODate); }
    // As the watch's timer would have woken by then.
    Q_INVOKABLE void advanceMinutes(int minutes);
    // Another program writes a record Tavlen cannot read, or holds the file's lock.
    Q_INVOKABLE void addUnreadableRecordOutside();
    Q_INVOKABLE void holdLock(bool hold);
    Q_INVOKABLE void setBrowserTakes(bool takes) { m_urls.browserTakes = takes; }
    // Every visible, enabled control under `root` that a screen reader could not name.
    Q_INVOKABLE QStringList unnamedControls(QQuickItem* root) const;
    // Every text under `root` as drawn that reads below 4.5:1 on what is drawn behind it
    // (3:1 when large: 18 px, or 14 px bold); icons and disabled or clipped text left out.
    Q_INVOKABLE QStringList lowContrastTexts(QQuickItem* root) const;
    Q_INVOKABLE void setDark(bool dark);
    // The desktop's notification server; no name: none runs.
    Q_INVOKABLE void setNotificationServer(const QString& name, bool showsActions) {
        m_center.setServer({!name.isEmpty(), name, showsActions});
    }
    Q_INVOKABLE int postedCount() const { return int(m_center.posted().size()); }
    // A click on the item's reminder (the daily summary's for no id) or on its action.
    Q_INVOKABLE void clickReminder(const QString& lektieId, const QString& action);

    QStringList openedUrls() const { return QUrl::toStringList(m_urls.opened, QUrl::FullyEncoded); }
    QStringList openedFolders() const { return m_urls.folders; }
    LektieStore& store() { return *m_store; }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PreferencesSuites> m_suites;
    CountingWidgetReloader m_widgets;
    InMemoryNotificationCenter m_center;
    ManualClock m_clock;
    std::unique_ptr<LektieNotificationManager> m_planner;
    std::unique_ptr<LektieStore> m_store;
    RecordingUrlOpener m_urls;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tavlen::test
