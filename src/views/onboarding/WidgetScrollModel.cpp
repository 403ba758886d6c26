#include "WidgetScrollModel.h"

namespace tavlen {

template <typename Maal> void WidgetScrollModel::maal(Maal&& maal) {
    const onboarding::WidgetScroll foer = m_scroll;
    maal(m_scroll);
    if (foer.scrollOffset != m_scroll.scrollOffset ||
        foer.viewportHeight != m_scroll.viewportHeight ||
        foer.contentHeight != m_scroll.contentHeight)
        Q_EMIT changed();
}

void WidgetScrollModel::setScrollOffset(double offset) {
    maal([offset](onboarding::WidgetScroll& s) { s.maalOffset(offset); });
}

void WidgetScrollModel::setViewportHeight(double hoejde) {
    maal([hoejde](onboarding::WidgetScroll& s) { s.maalViewportHeight(hoejde); });
}

void WidgetScrollModel::setContentHeight(double hoejde) {
    maal([hoejde](onboarding::WidgetScroll& s) { s.maalContentHeight(hoejde); });
}

} // namespace tavlen
