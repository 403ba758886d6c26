#include "QtProperties.h"

#include <QEasingCurve>
#include <QQuickItem>
#include <QWindow>

namespace tavlen {

void QtProperties::makeDialog(QWindow* window) const {
    if (!window)
        return;
    window->setFlags(Qt::Dialog);
    window->setModality(window->transientParent() ? Qt::WindowModal : Qt::ApplicationModal);
}

void QtProperties::makePopover(QWindow* window) const {
    if (window)
        window->setFlags(Qt::Tool | Qt::FramelessWindowHint);
}

void QtProperties::setFocusPolicy(QQuickItem* control, bool fromClick) const {
    // A Qt Quick control's property; the item itself has none in Qt 6.4.
    if (control)
        control->setProperty("focusPolicy",
                             QVariant::fromValue(fromClick ? Qt::StrongFocus : Qt::TabFocus));
}

void QtProperties::focusByTab(QQuickItem* item, bool backwards) const {
    if (item)
        item->forceActiveFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

void QtProperties::easeInOut(QObject* animation) const {
    if (animation)
        animation->setProperty("easing",
                               QVariant::fromValue(QEasingCurve(QEasingCurve::InOutQuad)));
}

} // namespace tavlen
