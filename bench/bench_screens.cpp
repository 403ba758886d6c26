// The forms and the tray panel from presenting to their first frame, the calendar's change
// of month and a tick in the panel to the next frame, drawn by Qt Quick's software
// renderer (as in the program) over a store with the 14 standard subjects and 1,000 or
// 10,000 homework items, 100 of them open.
#include "core/PreferencesFile.h"
#include "core/WidgetReloader.h"
#include "model/LektieNotificationManager.h"
#include "model/LektieStore.h"
#include "support/InMemoryNotificationCenter.h"
#include "support/ManualClock.h"
#include "support/RecordingUrlOpener.h"
#include "views/AppContext.h"
#include "views/homework/KalenderModel.h"
#include "views/main/HovedVindueModel.h"
#include "views/onboarding/OnboardingModel.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

Q_IMPORT_QML_PLUGIN(TavlenViewsPlugin)
Q_IMPORT_QML_PLUGIN(TavlenToolkitPlugin)

using namespace tavlen;

namespace {

const QDateTime benchNow(QDate(2026, 12, 6), QTime(10, 0), QTimeZone("Europe/Copenhagen"));

class SilentWidgets : public WidgetReloader {
public:
    void reloadAllTimelines() override {}
};

// The program's world with a full store, and one window to draw in.
struct World {
    QTemporaryDir dir;
    PreferencesSuites suites{dir.path()};
    SilentWidgets widgets;
    InMemoryNotificationCenter center;
    ManualClock clock{benchNow};
    LektieNotificationManager planner{center, clock};
    LektieStore store{LektieStore::Services{suites, widgets, planner, clock, dir.path()}};
    test::RecordingUrlOpener urls;
    AppContext context{store, clock, urls};
    QQmlEngine engine;
    QQuickWindow window;

    // 100 of the items open, as a pupil has; with `forfaldne`, that many more open and
    // overdue (a pupil who never ticks anything off).
    explicit World(int count, int forfaldne = 0) {
        center.setStatus(AuthorizationStatus::Denied); // no reminders to plan meanwhile
        store.setFag(Fag::standard());
        store.setHarSetupFaerdig(true);
        QList<Lektie> lektier;
        for (int i = 0; i < count; ++i) {
            const bool forfalden = i < forfaldne;
            const qint64 dage = forfalden ? -1 - i % 30 : forfaldne > 0 ? 1 + i % 60 : i % 60 - 10;
            Lektie l =
                Lektie::ny(Fag::standard().at(i % 14).id, QStringLiteral("Lektie nr. %1").arg(i),
                           QString(), {}, benchNow.addSecs(dage * 86400), clock);
            l.erFaerdig = forfaldne > 0 ? i >= forfaldne + 100 : i % std::max(1, count / 100) != 0;
            lektier.append(l);
        }
        store.setLektier(lektier);
        engine.addImportPath(QStringLiteral("qrc:/"));
        window.resize(460, 680);
        window.show();
        waitForFrame();
    }

    void waitForFrame();
};

// Runs the event loop until the window has drawn a new frame.
void waitForFrame(QQuickWindow& window) {
    bool drawn = false;
    const auto c = QObject::connect(&window, &QQuickWindow::frameSwapped, [&] { drawn = true; });
    window.update();
    while (!drawn)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QObject::disconnect(c);
}

// Deletes what was let go with deleteLater: outside an event loop's exec() nothing else
// does, and old screens would go on answering the store's signals.
void dropDeleted() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void World::waitForFrame() {
    ::waitForFrame(window);
}

World& world(int count = 1000, int forfaldne = 0) {
    static std::map<std::pair<int, int>, std::unique_ptr<World>> worlds;
    auto& w = worlds[{count, forfaldne}];
    if (!w)
        w = std::make_unique<World>(count, forfaldne);
    return *w;
}

// Makes the screen afresh inside the shown window, as a sheet or pop-over does, and waits
// for its first frame.
void presentToFirstFrame(benchmark::State& state, const char* file, int count = 1000) {
    World& w = world(count);
    QQmlComponent component(&w.engine, QUrl(QStringLiteral("qrc:/Tavlen/Views/") + file));
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<QObject> object(component.create());
        auto* item = qobject_cast<QQuickItem*>(object.get());
        item->setParentItem(w.window.contentItem());
        w.waitForFrame();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        object.reset();
        w.waitForFrame();
    }
}

// A window that is kept while its content is loaded afresh and drawn each time, as the
// tray panel and the main window are shown; emptied only once hidden, as the program does.
void reloadToFirstFrame(benchmark::State& state, const QString& file, QSize size,
                        int forfaldne = 0) {
    World& w = world(int(state.range(0)), forfaldne);
    QQuickView view(&w.engine, nullptr);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(size);
    const QUrl source(QStringLiteral("qrc:/Tavlen/Views/") + file);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        view.setSource(source);
        view.show();
        waitForFrame(view);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        view.hide();
        QCoreApplication::processEvents();
        view.setSource(QUrl());
        QCoreApplication::processEvents();
        dropDeleted();
    }
}

void BM_NyLektieView(benchmark::State& state) {
    presentToFirstFrame(state, "homework/NyLektieView.qml");
}
BENCHMARK(BM_NyLektieView)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FagIndstillingerView(benchmark::State& state) {
    presentToFirstFrame(state, "subjects/FagIndstillingerView.qml");
}
BENCHMARK(BM_FagIndstillingerView)->UseManualTime()->Unit(benchmark::kMillisecond);

// The tray panel as a click on the icon makes it: its window kept, its content loaded
// afresh and drawn.
void BM_MenuBarView(benchmark::State& state) {
    reloadToFirstFrame(state, QStringLiteral("panel/MenuBarView.qml"), QSize(360, 400));
}
BENCHMARK(BM_MenuBarView)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

// A pupil who never ticks anything off: 500 overdue and 100 upcoming of 1,000 stored, in a
// panel as high as a 1366 × 768 screen leaves it.
void BM_MenuBarViewForfaldne(benchmark::State& state) {
    reloadToFirstFrame(state, QStringLiteral("panel/MenuBarView.qml"), QSize(360, 722), 500);
}
BENCHMARK(BM_MenuBarViewForfaldne)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

// A tick in the panel: saved (durably), the row gone, the next frame drawn. Each tick is
// undone untimed, so every iteration ticks an open item.
void BM_MenuBarTick(benchmark::State& state) {
    World& w = world(1000);
    QQuickView view(&w.engine, nullptr);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(360, 600);
    view.setSource(QUrl(QStringLiteral("qrc:/Tavlen/Views/panel/MenuBarView.qml")));
    view.show();
    waitForFrame(view);
    const QUuid id = w.store.kommendeLektier().first().id;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        w.store.skiftFaerdig(id);
        waitForFrame(view);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        w.store.skiftFaerdig(id); // untimed: only the manual time above counts
        waitForFrame(view);
    }
}
BENCHMARK(BM_MenuBarTick)->UseManualTime()->Unit(benchmark::kMillisecond);

// A click on "next month": the grid recomputed and redrawn.
void BM_KalenderSkiftMaaned(benchmark::State& state) {
    World& w = world();
    QQmlComponent component(&w.engine,
                            QUrl(QStringLiteral("qrc:/Tavlen/Views/homework/CustomKalender.qml")));
    std::unique_ptr<QObject> object(component.create());
    auto* item = qobject_cast<QQuickItem*>(object.get());
    item->setParentItem(w.window.contentItem());
    item->setWidth(420);
    w.waitForFrame();
    auto* kalender = item->findChild<KalenderModel*>();
    int k = 1;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        kalender->skiftMaaned(k);
        w.waitForFrame();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        k = -k;
    }
    object.reset();
    w.waitForFrame();
}
BENCHMARK(BM_KalenderSkiftMaaned)->UseManualTime()->Unit(benchmark::kMillisecond);

// The subject step with the catalogue's 14 tiles, made afresh and drawn.
void BM_VaelgFagTrin(benchmark::State& state) {
    World& w = world();
    QQmlComponent component(&w.engine,
                            QUrl(QStringLiteral("qrc:/Tavlen/Views/onboarding/VaelgFagTrin.qml")));
    for (auto _ : state) {
        OnboardingModel flow;
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<QObject> object(component.createWithInitialProperties(
            {{QStringLiteral("flow"), QVariant::fromValue(&flow)}}));
        auto* item = qobject_cast<QQuickItem*>(object.get());
        item->setParentItem(w.window.contentItem());
        item->setWidth(680);
        w.waitForFrame();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        object.reset();
        w.waitForFrame();
    }
}
BENCHMARK(BM_VaelgFagTrin)->UseManualTime()->Unit(benchmark::kMillisecond);

// "Åbn Tavlen" on the finish step: the subjects stored, the flag set, and the main window's
// content drawn in place of the flow. Setup is unfinished again, untimed, before each
// round; the store gets its subjects back at the end.
void BM_OnboardingAfslut(benchmark::State& state) {
    World& w = world();
    const QList<Fag> fag = w.store.fag();
    QQuickView view(&w.engine, nullptr);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(900, 600);
    w.store.setHarSetupFaerdig(false);
    view.setSource(QUrl(QStringLiteral("qrc:/Tavlen/Views/main/ContentView.qml")));
    view.show();
    waitForFrame(view);
    for (auto _ : state) {
        auto* flow = view.rootObject()->findChild<OnboardingModel*>();
        while (flow->trin() < flow->antalTrin() - 1)
            flow->naeste();
        waitForFrame(view);
        QElapsedTimer timer;
        timer.start();
        flow->afslut();
        waitForFrame(view);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        w.store.setHarSetupFaerdig(false);
        waitForFrame(view);
        dropDeleted();
    }
    w.store.setFag(fag);
    w.store.setHarSetupFaerdig(true);
}
BENCHMARK(BM_OnboardingAfslut)->UseManualTime()->Unit(benchmark::kMillisecond);

// The main window as a second start or a reminder's click shows it: its view kept, the
// content made afresh and drawn, the overview selected.
void BM_HovedvindueVist(benchmark::State& state) {
    reloadToFirstFrame(state, QStringLiteral("main/ContentView.qml"), QSize(1000, 700));
}
BENCHMARK(BM_HovedvindueVist)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A shown main window: from the overview to a subject's page and back (only the first way
// timed), and a tick in the overview to the next frame.
struct VistHovedvindue {
    World& w = world();
    QQuickView view{&w.engine, nullptr};
    HovedVindueModel* valg = nullptr;

    VistHovedvindue() {
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.resize(1000, 700);
        view.setSource(QUrl(QStringLiteral("qrc:/Tavlen/Views/main/ContentView.qml")));
        view.show();
        waitForFrame(view);
        valg = view.rootObject()->property("valg").value<HovedVindueModel*>();
    }
};

void BM_SkiftTilFag(benchmark::State& state) {
    VistHovedvindue v;
    const QString fagId = Fag::standard().at(3).id.toString(QUuid::WithoutBraces);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        v.valg->vaelgFag(fagId);
        waitForFrame(v.view);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        v.valg->vaelgOversigt();
        waitForFrame(v.view);
        dropDeleted();
    }
}
BENCHMARK(BM_SkiftTilFag)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_HovedvindueAfkryds(benchmark::State& state) {
    VistHovedvindue v;
    const QUuid id = v.w.store.kommendeLektier().first().id;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        v.w.store.skiftFaerdig(id);
        waitForFrame(v.view);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        v.w.store.skiftFaerdig(id);
        waitForFrame(v.view);
    }
}
BENCHMARK(BM_HovedvindueAfkryds)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tavlen-bench");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
