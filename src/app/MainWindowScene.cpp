#include "MainWindowScene.h"

namespace tavlen {

MainWindowScene::MainWindowScene(QQmlEngine& engine) : m_view(&engine, nullptr) {
    m_view.setObjectName(QStringLiteral("main-window"));
    m_view.setTitle(QStringLiteral("Tavlen"));
    m_view.setMinimumSize(minimumSize);
    m_view.resize(minimumSize);
    m_view.setResizeMode(QQuickView::SizeRootObjectToView);
    m_view.setSource(QUrl(QStringLiteral("qrc:/Tavlen/Views/main/ContentView.qml")));
}

} // namespace tavlen
