#include "MainWindowScene.h"

#include "model/LektieStore.h"

namespace tavlen {

MainWindowScene::MainWindowScene(QQmlEngine& engine, LektieStore& store)
    : m_view(&engine, nullptr) {
    m_view.setObjectName(QStringLiteral("main-window"));
    m_view.setTitle(QStringLiteral("Tavlen"));
    m_view.setMinimumSize(minimumSize);
    m_view.resize(minimumSize);
    m_view.setResizeMode(QQuickView::SizeRootObjectToView);
    m_view.setInitialProperties({{QStringLiteral("store"), QVariant::fromValue<QObject*>(&store)}});
    m_view.setSource(QUrl(QStringLiteral("qrc:/Tavlen/Views/ContentView.qml")));
}

} // namespace tavlen
