// Qt Quick Test runner for the toolkit's pieces (toolkit/) and the screens (screens/): each test
// file gets a fresh engine over the fixture's real store.
#include "ScreenFixture.h"

#include <QQmlEngine>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(TavlenViewsPlugin)
Q_IMPORT_QML_PLUGIN(TavlenToolkitPlugin)

class Setup : public QObject {
    Q_OBJECT
    tavlen::test::ScreenFixture m_fixture;

public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine* engine) {
        engine->addImportPath(QStringLiteral("qrc:/"));
        m_fixture.reset();
        qmlRegisterSingletonInstance("Tavlen.Test", 1, 0, "Fixture", &m_fixture);
    }
};

QUICK_TEST_MAIN_WITH_SETUP(tst_qml, Setup)
#include "tst_qml.moc"
