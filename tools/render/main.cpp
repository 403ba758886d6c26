// tavlen_render: draws one screen headless to a PNG, in light or dark, for review.
#include "RenderOptions.h"
#include "SampleStore.h"
#include "core/Clock.h"
#include "support/RecordingUrlOpener.h"
#include "views/AppContext.h"
#include "views/toolkit/Theme.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTextStream>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(TavlenViewsPlugin)
Q_IMPORT_QML_PLUGIN(TavlenToolkitPlugin)

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The appearance is forced below; the desktop's stated preference must not override it.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tavlen-render");
    QGuiApplication app(argc, argv);

    QString error;
    const auto options = tavlen::RenderOptions::parse(app.arguments().mid(1), &error);
    QTextStream err(stderr);
    if (!options) {
        err << error << "\n" << tavlen::RenderOptions::usage();
        return 2;
    }
    QGuiApplication::setPalette(tavlen::Theme::standardPalette(options->dark));

    // Before the view, so they outlive everything that refers to them.
    const tavlen::SampleStore store(options->sampleData);
    tavlen::test::RecordingUrlOpener urls;
    tavlen::AppContext context(*store.store(), tavlen::Clock::system(), urls);
    QQuickView view;
    view.engine()->addImportPath(QStringLiteral("qrc:/"));
    view.setColor(options->dark ? QColor(0x1e, 0x1e, 0x20) : QColor(0xf3, 0xf3, 0xf5));
    // A homework detail shows the sample item that has a description and links, a subject
    // page that item's subject.
    if (const QUuid shown = store.showcaseLektie(); !shown.isNull()) {
        if (options->screen == u"LektieDetaljeView")
            view.setInitialProperties({{QStringLiteral("lektieId"), shown}});
        for (const tavlen::Lektie& l : store.store()->lektier()) {
            if (l.id == shown && options->screen == u"FagView")
                view.setInitialProperties(
                    {{QStringLiteral("fagId"), l.fagId.toString(QUuid::WithoutBraces)}});
        }
    } else if (options->screen == u"FagView") {
        view.setInitialProperties({{QStringLiteral("fagId"), QString()}});
    }
    view.setSource(options->source());
    if (view.status() != QQuickView::Ready || !view.rootObject()) {
        for (const auto& e : view.errors())
            err << e.toString() << "\n";
        return 1;
    }
    QQuickItem* root = view.rootObject();
    if (QObject* flow = root->property("flow").value<QObject*>()) {
        for (int i = 0; i < options->steps; ++i)
            QMetaObject::invokeMethod(flow, "naeste");
    }
    if (options->size.isValid()) {
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.resize(options->size);
    } else {
        const QSize implicit(
            qCeil(root->implicitWidth() > 0 ? root->implicitWidth() : root->width()),
            qCeil(root->implicitHeight() > 0 ? root->implicitHeight() : root->height()));
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.resize(implicit.expandedTo(QSize(1, 1)));
    }
    view.show();

    int result = 1;
    // Two frames: the first lays out, bindings on measured sizes settle in the second.
    QTimer::singleShot(300, &app, [&] {
        const QImage image = view.grabWindow();
        if (image.isNull() || !image.save(options->output)) {
            err << "could not write " << options->output << "\n";
            result = 1;
        } else {
            result = 0;
        }
        app.quit();
    });
    app.exec();
    return result;
}
