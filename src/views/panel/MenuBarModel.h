#pragma once

#include "model/MenuBarRegler.h"

#include "views/KeyedListModel.h"

#include <QAbstractListModel>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tavlen {

class Clock;
class LektieStore;

// One row of the panel's lists.
struct MenuBarRaekke {
    QUuid id;
    QString titel;
    std::optional<Fag> fag;
    QString deadlineTekst;
    bool erForfaldt = false;
    bool harDetaljer = false;
    QString tilgaengeligtNavn;
    // The heading the row is listed under: "forfaldne", "kommende" (upcoming after overdue
    // ones) or "" (upcoming ones alone, without a heading).
    QString afsnit;
};

// The panel's list, the overdue part first, rows keyed by the homework item's id, so a tick
// moves and removes rows without rebuilding the rest, their focus or their hover.
class MenuBarLektieListe : public KeyedListModel<MenuBarRaekke> {
    Q_OBJECT
    QML_ANONYMOUS
public:
    enum Role {
        LektieIdRole = Qt::UserRole + 1, // upper-case text without braces
        TitelRole,
        HarFagRole,
        FagFarveRole, // empty when the subject is gone
        FagIkonRole,
        FagNavnRole,
        DeadlineTekstRole,
        ErForfaldtRole,
        HarDetaljerRole,
        TilgaengeligtNavnRole, // what a screen reader says for the row
        AfsnitRole,            // the heading the row is listed under, see MenuBarRaekke
    };
    Q_ENUM(Role)

    using Raekke = MenuBarRaekke;
    using KeyedListModel::KeyedListModel;

    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void saet(const QList<Raekke>& raekker) { sync(raekker); }
    // The row of a homework item, -1 when it is not listed.
    Q_INVOKABLE int raekkeFor(const QString& lektieId) const { return rowOf(QUuid(lektieId)); }

protected:
    QUuid keyOf(const Raekke& raekke) const override { return raekke.id; }
    QList<int> changedRoles(const Raekke& r, const Raekke& ny) const override;
};

// The tray panel: its list, the count in its header and the one pop-over it shows.
class MenuBarModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tavlen::MenuBarLektieListe* raekker READ raekker CONSTANT)
    Q_PROPERTY(int aktiveAntal READ aktiveAntal NOTIFY listerChanged)
    Q_PROPERTY(bool harForfaldne READ harForfaldne NOTIFY listerChanged)
    Q_PROPERTY(bool harKommende READ harKommende NOTIFY listerChanged)
    // The identifier text of the presentation shown, "" for none.
    Q_PROPERTY(QString aktivPraesentation READ aktivPraesentation NOTIFY praesentationChanged)
    // "", "lektie", "nyLektie" or "fagIndstillinger".
    Q_PROPERTY(Praesentation praesentationsType READ praesentationsType NOTIFY praesentationChanged)
    // The item whose detail is shown (upper-case text), "" otherwise.
    Q_PROPERTY(QString valgtLektieId READ valgtLektieId NOTIFY praesentationChanged)
public:
    explicit MenuBarModel(QObject* parent = nullptr);
    ~MenuBarModel() override;

    MenuBarLektieListe* raekker() const { return m_raekker; }
    int aktiveAntal() const { return m_antalForfaldne + m_antalKommende; }
    bool harForfaldne() const { return m_antalForfaldne > 0; }
    bool harKommende() const { return m_antalKommende > 0; }
    QString aktivPraesentation() const;
    // What the panel presents over its list, as QML compares it: MenuBarModel.VisNyLektie.
    enum Praesentation { Ingen, VisLektie, VisNyLektie, VisRedigerLektie, VisFagIndstillinger };
    Q_ENUM(Praesentation)
    Praesentation praesentationsType() const;
    QString valgtLektieId() const;

    Q_INVOKABLE void skiftNyLektie();
    Q_INVOKABLE void skiftFagIndstillinger();
    Q_INVOKABLE void skiftLektie(const QString& id);
    // The item's detail makes way for the form that edits it.
    Q_INVOKABLE void redigerLektie(const QString& id);
    // A form or detail closed itself.
    Q_INVOKABLE void close();
    // The pop-over went away by itself (a click outside, the focus elsewhere, Escape).
    Q_INVOKABLE void afvis();
    Q_INVOKABLE void skiftFaerdig(const QString& id);
    // The lists again from the current moment: time moves items into the overdue part.
    Q_INVOKABLE void opdater();

Q_SIGNALS:
    void listerChanged();
    void praesentationChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void skift(const menubar::AktivMenuPraesentation& p);
    void saetAktiv(const std::optional<menubar::AktivMenuPraesentation>& p);
    void tilfoejRaekker(QList<MenuBarLektieListe::Raekke>& ud, const QList<Lektie>& lektier,
                        const QString& afsnit) const;

    LektieStore* m_store;
    const Clock& m_clock;
    MenuBarLektieListe* m_raekker;
    int m_antalForfaldne = 0;
    int m_antalKommende = 0;
    std::optional<menubar::AktivMenuPraesentation> m_aktiv;
    // Closed by the press of the click now under way: that click's own toggle of the same
    // presentation has then already happened.
    std::optional<menubar::AktivMenuPraesentation> m_afvistAfTryk;
};

} // namespace tavlen
