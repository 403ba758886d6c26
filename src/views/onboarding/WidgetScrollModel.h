#pragma once

#include "model/OnboardingRegler.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// The widget guide's scroll measurements and the custom indicator they drive.
class WidgetScrollModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double scrollOffset READ scrollOffset WRITE setScrollOffset NOTIFY changed)
    Q_PROPERTY(double viewportHeight READ viewportHeight WRITE setViewportHeight NOTIFY changed)
    Q_PROPERTY(double contentHeight READ contentHeight WRITE setContentHeight NOTIFY changed)
    Q_PROPERTY(double scrollProgress READ scrollProgress NOTIFY changed)
    Q_PROPERTY(bool indikatorSynlig READ indikatorSynlig NOTIFY changed)
    Q_PROPERTY(double grebForskydning READ grebForskydning NOTIFY changed)
    Q_PROPERTY(double sporHoejde READ sporHoejde CONSTANT)
    Q_PROPERTY(double grebHoejde READ grebHoejde CONSTANT)
public:
    using QObject::QObject;

    double scrollOffset() const { return m_scroll.scrollOffset; }
    void setScrollOffset(double offset);
    double viewportHeight() const { return m_scroll.viewportHeight; }
    void setViewportHeight(double hoejde);
    double contentHeight() const { return m_scroll.contentHeight; }
    void setContentHeight(double hoejde);
    double scrollProgress() const { return m_scroll.scrollProgress(); }
    bool indikatorSynlig() const { return m_scroll.indikatorSynlig(); }
    double grebForskydning() const { return m_scroll.grebForskydning(); }
    double sporHoejde() const { return onboarding::sporHoejde; }
    double grebHoejde() const { return onboarding::grebHoejde; }

Q_SIGNALS:
    void changed();

private:
    template <typename Maal> void maal(Maal&& maal);

    onboarding::WidgetScroll m_scroll;
};

} // namespace tavlen
