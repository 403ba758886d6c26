#pragma once

#include "model/Records.h"

#include <QAbstractListModel>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tavlen {

class Clock;
class LektieStore;

// The link rows of the detail: the text shown and whether the row opens anything.
class LektieLinksModel : public QAbstractListModel {
    Q_OBJECT
    QML_ANONYMOUS
public:
    enum Role { TekstRole = Qt::UserRole + 1, HarMaalRole };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Rows rebuilt only when the stored links differ, so focus stays on a row otherwise.
    void setLinks(const QStringList& links);
    std::optional<QUrl> maal(int row) const;

private:
    struct Raekke {
        QString tekst;
        std::optional<QUrl> maal;
    };
    QStringList m_links;
    QList<Raekke> m_raekker;
};

// One homework item in full, looked up by id on every change of the store, so the screen
// copes with the item or its subject disappearing while it is shown.
class LektieDetaljeModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    // A uuid or its text, as QML may hold either.
    Q_PROPERTY(QVariant lektieId READ lektieIdVariant WRITE setLektieIdVariant RESET resetLektieId
                   NOTIFY lektieIdChanged)
    Q_PROPERTY(bool findes READ findes NOTIFY changed)
    Q_PROPERTY(QString titel READ titel NOTIFY changed)
    Q_PROPERTY(bool harFag READ harFag NOTIFY changed)
    Q_PROPERTY(QString fagNavn READ fagNavn NOTIFY changed)
    Q_PROPERTY(QString fagIkon READ fagIkon NOTIFY changed)
    Q_PROPERTY(QString fagFarve READ fagFarve NOTIFY changed)
    Q_PROPERTY(QString deadlineTekst READ deadlineTekst NOTIFY changed)
    Q_PROPERTY(bool erForfaldt READ erForfaldt NOTIFY changed)
    Q_PROPERTY(bool erFaerdig READ erFaerdig NOTIFY changed)
    Q_PROPERTY(QString beskrivelse READ beskrivelse NOTIFY changed)
    Q_PROPERTY(bool visBeskrivelse READ visBeskrivelse NOTIFY changed)
    Q_PROPERTY(tavlen::LektieLinksModel* links READ links CONSTANT)
    Q_PROPERTY(bool visTomNote READ visTomNote NOTIFY changed)
    // The last link the pupil chose could not be opened.
    Q_PROPERTY(bool linkFejl READ linkFejl NOTIFY linkFejlChanged)
public:
    explicit LektieDetaljeModel(QObject* parent = nullptr);

    QUuid lektieId() const { return m_lektieId; }
    void setLektieId(const QUuid& id);
    void resetLektieId() { setLektieId({}); }
    QVariant lektieIdVariant() const { return QVariant::fromValue(m_lektieId); }
    void setLektieIdVariant(const QVariant& id);

    bool findes() const { return m_lektie.has_value(); }
    QString titel() const { return m_lektie ? m_lektie->titel : QString(); }
    bool harFag() const { return m_fag.has_value(); }
    QString fagNavn() const { return m_fag ? m_fag->navn : QString(); }
    QString fagIkon() const { return m_fag ? m_fag->ikonNavn : QString(); }
    QString fagFarve() const { return m_fag ? m_fag->farveHex : QString(); }
    QString deadlineTekst() const { return m_deadlineTekst; }
    bool erForfaldt() const { return m_erForfaldt; }
    bool erFaerdig() const { return m_lektie && m_lektie->erFaerdig; }
    QString beskrivelse() const { return m_lektie ? m_lektie->beskrivelse : QString(); }
    bool visBeskrivelse() const;
    LektieLinksModel* links() const { return m_links; }
    bool visTomNote() const;
    bool linkFejl() const { return m_linkFejl; }

    Q_INVOKABLE void skiftFaerdig();
    Q_INVOKABLE void slet();
    // Hands the row's address to the browser; a row without one does nothing.
    Q_INVOKABLE void aabnLink(int index);

Q_SIGNALS:
    void lektieIdChanged();
    void changed();
    void linkFejlChanged();

private:
    void opdater();

    QPointer<LektieStore> m_store;
    const Clock* m_clock = nullptr;
    QUuid m_lektieId;
    std::optional<Lektie> m_lektie;
    std::optional<Fag> m_fag;
    QString m_deadlineTekst;
    bool m_erForfaldt = false;
    bool m_linkFejl = false;
    LektieLinksModel* m_links;
};

} // namespace tavlen
