// Qt Quick Test runner for the toolkit's QML pieces (tests in qml/).
#include <QQmlEngine>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(TavlenToolkitPlugin)

class Setup : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine* engine) { engine->addImportPath(QStringLiteral("qrc:/")); }
};

QUICK_TEST_MAIN_WITH_SETUP(tst_toolkit_qml, Setup)
#include "tst_toolkit_qml.moc"
