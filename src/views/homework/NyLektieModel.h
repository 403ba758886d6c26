#pragma once

#include "model/NyLektieRegler.h"
#include "views/KeyedListModel.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QQmlParserStatus>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

class LektieStore;

// The subjects of the store as tiles to choose from; rows keyed by the subject's id.
class FagValgModel : public KeyedListModel<Fag> {
    Q_OBJECT
    QML_ANONYMOUS
public:
    enum Role { IdRole = Qt::UserRole + 1, NavnRole, IkonNavnRole, FarveHexRole, ErValgtRole };

    explicit FagValgModel(QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void setValgt(const QUuid& id);
    void opdater(const QList<Fag>& fag) { sync(fag); }

protected:
    QUuid keyOf(const Fag& fag) const override { return fag.id; }
    QList<int> changedRoles(const Fag& foer, const Fag& efter) const override;

private:
    QUuid m_valgt;
};

// The form's link fields: rows stay put while the pupil types, so a field keeps its focus.
class LinkFelterModel : public QAbstractListModel {
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Role { TekstRole = Qt::UserRole + 1 };

    explicit LinkFelterModel(QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(m_links.size()); }
    const QStringList& links() const { return m_links; }

    Q_INVOKABLE void tilfoej();
    Q_INVOKABLE void fjern(int row); // at least one field always stays
    Q_INVOKABLE void saet(int row, const QString& tekst);
    void saetAlle(const QStringList& links); // at least one field, empty when none

Q_SIGNALS:
    void countChanged();

private:
    QStringList m_links{QString()};
};

// The new-homework form: subject, title, description, links and deadline as the pupil
// enters them, until gem() hands a new homework item to the store.
class NyLektieModel : public QObject, public QQmlParserStatus {
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)
    // The subject to choose in advance (a subject page's form); read when the form is shown.
    Q_PROPERTY(QVariant standardFagId READ standardFagId WRITE setStandardFagId)
    // The item to edit instead of making a new one; read when the form is shown.
    Q_PROPERTY(QVariant redigerId READ redigerId WRITE setRedigerId NOTIFY redigerIdChanged)
    Q_PROPERTY(bool erRedigering READ erRedigering NOTIFY redigerIdChanged)
    Q_PROPERTY(QUuid valgtFagId READ valgtFagId NOTIFY valgtFagIdChanged)
    Q_PROPERTY(QString titel READ titel WRITE setTitel NOTIFY titelChanged)
    Q_PROPERTY(QString beskrivelse MEMBER m_beskrivelse NOTIFY beskrivelseChanged)
    Q_PROPERTY(QDateTime deadline READ deadline WRITE setDeadline NOTIFY deadlineChanged)
    Q_PROPERTY(bool visTitelFejl READ visTitelFejl NOTIFY titelFejlChanged)
    Q_PROPERTY(QString fagFarve READ fagFarve NOTIFY valgtFagIdChanged)
    Q_PROPERTY(bool harFag READ harFag NOTIFY fagChanged)
    Q_PROPERTY(tavlen::FagValgModel* fag READ fag CONSTANT)
    Q_PROPERTY(tavlen::LinkFelterModel* links READ links CONSTANT)
    // [{label, valgt}] for the three quick picks, from the current moment.
    Q_PROPERTY(QVariantList hurtigValg READ hurtigValg NOTIFY hurtigValgChanged)
public:
    explicit NyLektieModel(QObject* parent = nullptr);

    void classBegin() override {}
    void componentComplete() override;

    QVariant standardFagId() const;
    void setStandardFagId(const QVariant& id);
    QVariant redigerId() const { return m_redigerId ? QVariant(*m_redigerId) : QVariant(); }
    void setRedigerId(const QVariant& id);
    bool erRedigering() const { return m_redigerId.has_value(); }
    QUuid valgtFagId() const { return m_valgtFagId; }
    QString titel() const { return m_titel; }
    void setTitel(const QString& titel);
    QDateTime deadline() const { return m_deadline; }
    void setDeadline(const QDateTime& deadline);
    bool visTitelFejl() const { return nylektie::visTitelFejl(m_visFejl, m_titel); }
    QString fagFarve() const;
    bool harFag() const;
    FagValgModel* fag() { return &m_fag; }
    LinkFelterModel* links() { return &m_links; }
    QVariantList hurtigValg() const;

    Q_INVOKABLE void vaelgFag(const QUuid& id);
    Q_INVOKABLE void vaelgHurtigValg(int index);
    // Saves (a new item, or the edited one in its place) and returns true; false leaves the
    // form open (an empty title shows its error).
    Q_INVOKABLE bool gem();

Q_SIGNALS:
    void valgtFagIdChanged();
    void titelChanged();
    void beskrivelseChanged();
    void deadlineChanged();
    void hurtigValgChanged(); // with the deadline, and at midnight
    void titelFejlChanged();
    void fagChanged();
    void redigerIdChanged();

private:
    LektieStore& store() const;
    std::optional<Lektie> redigeret() const; // the item the form edits, while it exists
    bool indlaesRedigering(); // fills the form from the item it edits; false when none

    std::optional<QUuid> m_standardFagId;
    std::optional<QUuid> m_redigerId;
    bool m_vist = false; // componentComplete() has run
    QUuid m_valgtFagId = QUuid::createUuid();
    QString m_titel;
    QString m_beskrivelse;
    QDateTime m_deadline;
    bool m_visFejl = false;
    FagValgModel m_fag;
    LinkFelterModel m_links;
};

} // namespace tavlen
