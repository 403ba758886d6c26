#include "ScreenFixture.h"

#include "views/toolkit/Symbols.h"
#include "views/toolkit/Theme.h"

#include <QAccessible>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QQuickWindow>
#include <algorithm>

namespace tavlen::test {

namespace {
const QDateTime start(QDate(2026, 12, 6), QTime(10, 0), QTimeZone("Europe/Copenhagen"));
} // namespace

ScreenFixture::ScreenFixture()
    : m_dir(std::make_unique<QTemporaryDir>()),
      m_suites(std::make_unique<PreferencesSuites>(m_dir->path())), m_clock(start),
      m_planner(std::make_unique<LektieNotificationManager>(m_center, m_clock)),
      m_store(std::make_unique<LektieStore>(
          LektieStore::Services{*m_suites, m_widgets, *m_planner, m_clock, m_dir->path(),
                                m_dir->path() + QStringLiteral("/backups")})),
      m_context(std::make_unique<AppContext>(*m_store, m_clock, m_urls)) {
    QObject::connect(&m_center, &NotificationCenter::actionInvoked, m_context.get(),
                     &AppContext::paamindelseValgt);
    reset();
}

ScreenFixture::~ScreenFixture() = default;

// The store and the context stay the same objects, as in the program: QML holds on to them.
void ScreenFixture::reset() {
    holdLock(false);
    m_clock.setNow(start);
    m_urls = RecordingUrlOpener();
    m_store->nulstilApp();
    m_store->setHarSetupFaerdig(true);
    m_store->kvitterLaesFejl();
    m_context->setAfslutVenter(false);
    m_context->setFokusLektieId(QString());
    setNotificationServer(QStringLiteral("Testserver"), true);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        Theme::isDarkPalette(QGuiApplication::palette()))
        setDark(false);
}

QString ScreenFixture::addFag(const QString& navn, const QString& ikon, const QString& farve) {
    const Fag fag = Fag::ny(navn, ikon, farve);
    m_store->tilfoejFag(fag);
    return uuidTekst(fag.id);
}

QString ScreenFixture::addLektie(const QString& fagId, const QString& titel, qint64 minutterFraNu,
                                 const QString& beskrivelse, const QStringList& links,
                                 bool faerdig) {
    Lektie lektie = Lektie::ny(QUuid(fagId), titel, beskrivelse, links,
                               m_clock.now().addSecs(minutterFraNu * 60), m_clock);
    lektie.erFaerdig = faerdig;
    m_store->tilfoej(lektie);
    return uuidTekst(lektie.id);
}

void ScreenFixture::omdoebFag(const QString& id, const QString& navn) {
    Fag fag = *std::find_if(m_store->fag().cbegin(), m_store->fag().cend(),
                            [&](const Fag& f) { return f.id == QUuid(id); });
    fag.navn = navn;
    m_store->erstatFag(fag);
}

QVariantList ScreenFixture::lektier() const {
    QVariantList out;
    for (const Lektie& l : m_store->lektier())
        out.append(QVariantMap{{"id", uuidTekst(l.id)},
                               {"fagId", uuidTekst(l.fagId)},
                               {"titel", l.titel},
                               {"beskrivelse", l.beskrivelse},
                               {"links", l.links},
                               {"deadline", l.deadline.toString(Qt::ISODate)},
                               {"erFaerdig", l.erFaerdig},
                               {"oprettetDato", l.oprettetDato.toString(Qt::ISODate)}});
    return out;
}

QVariantList ScreenFixture::fag() const {
    QVariantList out;
    for (const Fag& f : m_store->fag())
        out.append(QVariantMap{{"id", uuidTekst(f.id)},
                               {"navn", f.navn},
                               {"ikonNavn", f.ikonNavn},
                               {"farveHex", f.farveHex}});
    return out;
}

QString ScreenFixture::suiteText() const {
    QFile file(m_suites->shared().path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void ScreenFixture::advanceMinutes(int minutes) {
    m_clock.advance(qint64(minutes) * 60);
    m_context->tid().tjek();
}

void ScreenFixture::addUnreadableRecordOutside() {
    QByteArray list = m_suites->shared().data(QStringLiteral("lektier_v4")).value_or("[]");
    list.insert(1, list.size() > 2 ? "{\"id\":\"ulæselig\"}," : "{\"id\":\"ulæselig\"}");
    PreferencesFile(m_suites->shared().path()).setData(QStringLiteral("lektier_v4"), list);
    m_store->tjekFil();
}

void ScreenFixture::holdLock(bool hold) {
    m_lock.reset();
    if (!hold) {
        m_store->gemNu();
        return;
    }
    m_lock = std::make_unique<QLockFile>(m_suites->shared().path() + QStringLiteral(".lock"));
    m_lock->tryLock(0);
}

void ScreenFixture::clickReminder(const QString& lektieId, const QString& action) {
    Q_EMIT m_center.actionInvoked(
        lektieId.isEmpty() ? LektieNotificationManager::dailySummaryIdentifier
                           : LektieNotificationManager::lektieReminderPrefix + lektieId + "-1",
        action);
}

void ScreenFixture::setDark(bool dark) {
    QGuiApplication::setPalette(Theme::standardPalette(dark));
}

QStringList ScreenFixture::unnamedControls(QQuickItem* root) const {
    QAccessible::setActive(true); // controls fill in their roles only for an active bridge
    QStringList missing;
    const std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
        if (!item || !item->isVisible())
            return;
        const bool control = item->activeFocusOnTab() || item->inherits("QQuickAbstractButton") ||
                             item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit");
        if (control && item->isEnabled()) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(item);
            const QString what = item->objectName().isEmpty()
                                     ? QString::fromLatin1(item->metaObject()->className())
                                     : item->objectName();
            // A text field may be named by its caption (the description) instead.
            const auto empty = [&](QAccessible::Text t) { return a->text(t).trimmed().isEmpty(); };
            if (!a || a->role() == QAccessible::NoRole || a->role() == QAccessible::Client)
                missing.append(what + QStringLiteral(": no role"));
            else if (empty(QAccessible::Name) &&
                     (a->role() != QAccessible::EditableText || empty(QAccessible::Description)))
                missing.append(what + QStringLiteral(": no name"));
        }
        const QList<QQuickItem*> children = item->childItems();
        for (QQuickItem* child : children)
            walk(child);
    };
    walk(root);
    return missing;
}

namespace {

// What is drawn behind a text: the most frequent colour in its rectangle, where the glyphs
// cover less than the background does.
QColor backgroundIn(const QImage& image, const QRect& rect) {
    QHash<QRgb, int> counts;
    const int step = std::max(1, std::min(rect.width(), rect.height()) / 12);
    for (int y = rect.top(); y <= rect.bottom(); y += step)
        for (int x = rect.left(); x <= rect.right(); x += step)
            ++counts[image.pixel(x, y) | 0xff000000u];
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return most == counts.cend() ? QColor(Qt::black) : QColor::fromRgb(most.key());
}

QColor over(const QColor& top, qreal alpha, const QColor& under) {
    return QColor::fromRgbF(float(top.redF() * alpha + under.redF() * (1 - alpha)),
                            float(top.greenF() * alpha + under.greenF() * (1 - alpha)),
                            float(top.blueF() * alpha + under.blueF() * (1 - alpha)));
}

} // namespace

QStringList ScreenFixture::lowContrastTexts(QQuickItem* root) const {
    QStringList low;
    QQuickWindow* window = root ? root->window() : nullptr;
    if (!window)
        return {QStringLiteral("no window")};
    const QImage image = window->grabWindow().convertToFormat(QImage::Format_RGB32);
    const qreal scale = image.width() / qMax(1.0, qreal(window->width()));
    const QRectF shown(0, 0, window->width(), window->height());
    const QString symbols = Symbols::fontFamily();
    const std::function<void(QQuickItem*, qreal, QRectF)> walk = [&](QQuickItem* item,
                                                                     qreal opacity, QRectF clip) {
        if (!item || !item->isVisible() || item->opacity() <= 0)
            return;
        opacity *= item->opacity();
        const QRectF inScene = item->mapRectToScene(item->boundingRect());
        if (item->clip())
            clip = clip.intersected(inScene);
        const QString text = item->property("text").toString().trimmed();
        const QFont font = item->property("font").value<QFont>();
        if (item->inherits("QQuickText") && !text.isEmpty() && item->isEnabled() &&
            font.family() != symbols && clip.contains(inScene) && !inScene.isEmpty()) {
            const QRect pixels = QRectF(inScene.topLeft() * scale, inScene.size() * scale)
                                     .toAlignedRect()
                                     .intersected(image.rect());
            const QColor bg = backgroundIn(image, pixels);
            const QColor colour = item->property("color").value<QColor>();
            const QColor fg = over(colour, colour.alphaF() * opacity, bg);
            const double ratio = Theme::contrast(fg, bg);
            const bool large =
                font.pixelSize() >= 18 || (font.pixelSize() >= 14 && font.weight() >= QFont::Bold);
            if (ratio < (large ? 3.0 : 4.5))
                low.append(QStringLiteral("%1 \"%2\": %3:1, %4 on %5")
                               .arg(item->objectName(), text.left(30))
                               .arg(ratio, 0, 'f', 2)
                               .arg(fg.name(), bg.name()));
        }
        const QList<QQuickItem*> children = item->childItems();
        for (QQuickItem* child : children)
            walk(child, opacity, clip);
    };
    qreal opacity = 1;
    for (QQuickItem* p = root->parentItem(); p; p = p->parentItem())
        opacity *= p->opacity();
    walk(root, opacity, shown);
    return low;
}

} // namespace tavlen::test
