#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class QQuickItem;
class QWindow;

namespace tavlen {

// Sets the Qt properties whose types Qt 6.4's qmllint does not know (a window's flags and
// modality, a control's focus policy, an animation's easing) and gives the focus with a
// Qt::FocusReason, whose values it does not know either. Set in QML, each of these warned;
// here they are typed, and the screens stay free of lint exceptions.
//   Sheet.present():        QtProperties.makeDialog(sheet); show()
//   Keys.onTabPressed:      QtProperties.focusByTab(area.nextItemInFocusChain(true))
//   NumberAnimation { duration: Motion.duration(0.15)
//                     Component.onCompleted: QtProperties.easeInOut(this) }
class QtProperties : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit QtProperties(QObject* parent = nullptr) : QObject(parent) {}

    // A dialog, modal to its transient parent or, without one, to the whole program.
    Q_INVOKABLE void makeDialog(QWindow* window) const;
    // A frameless tool window: no task-bar entry, no title bar.
    Q_INVOKABLE void makePopover(QWindow* window) const;
    // Focus from Tab, and from a click too unless `fromClick` is false.
    Q_INVOKABLE void setFocusPolicy(QQuickItem* control, bool fromClick) const;
    // Focus as Tab (or Shift+Tab) gives it, so the item shows its focus ring.
    Q_INVOKABLE void focusByTab(QQuickItem* item, bool backwards = false) const;
    Q_INVOKABLE void easeInOut(QObject* animation) const;
};

} // namespace tavlen
