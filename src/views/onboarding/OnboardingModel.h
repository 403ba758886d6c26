#pragma once

#include "model/Records.h"

#include "views/KeyedListModel.h"

#include <QSet>
#include <QtQml/qqml.h>

namespace tavlen {

struct OnboardingFlise {
    Fag fag;
    bool erValgt = false;
};

// The tiles of one kind (standard or own subjects) by the subject's id.
class OnboardingFliseListe : public KeyedListModel<OnboardingFlise> {
    Q_OBJECT
    QML_ANONYMOUS
public:
    enum Role { IdRole = Qt::UserRole + 1, NavnRole, IkonNavnRole, FarveHexRole, ErValgtRole };
    Q_ENUM(Role)

    using KeyedListModel::KeyedListModel;

    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    void vis(const QList<OnboardingFlise>& fliser) { sync(fliser); }

protected:
    QUuid keyOf(const OnboardingFlise& flise) const override { return flise.fag.id; }
    QList<int> changedRoles(const OnboardingFlise& f, const OnboardingFlise& ny) const override;
};

// The first-run flow: the step shown, the ticked standard subjects and the own subjects,
// and the subject step's tiles (standard subjects in catalogue order, own subjects in the
// order made). Nothing reaches the store before afslut(); a new flow starts from the top.
class OnboardingModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int trin READ trin NOTIFY trinChanged)
    Q_PROPERTY(int antalTrin READ antalTrin CONSTANT)
    Q_PROPERTY(tavlen::OnboardingFliseListe* standardFag READ standardFag CONSTANT)
    Q_PROPERTY(tavlen::OnboardingFliseListe* egneFag READ egneFag CONSTANT)
    Q_PROPERTY(QString taellerTekst READ taellerTekst NOTIFY valgChanged)
    Q_PROPERTY(bool kanFortsaette READ kanFortsaette NOTIFY valgChanged)
public:
    explicit OnboardingModel(QObject* parent = nullptr);

    int trin() const { return m_trin; }
    int antalTrin() const;
    OnboardingFliseListe* standardFag() { return &m_standardFliser; }
    OnboardingFliseListe* egneFag() { return &m_egneFliser; }
    QString taellerTekst() const;
    bool kanFortsaette() const;

    // Steps only go forward; the finish step has no step after it.
    Q_INVOKABLE void naeste();
    Q_INVOKABLE void skiftValg(const QString& fagId);
    Q_INVOKABLE void vaelgAlle();
    Q_INVOKABLE void fravaelgAlle();
    Q_INVOKABLE void tilfoejEgetFag(const tavlen::Fag& fag);
    Q_INVOKABLE void fjernEgetFag(const QString& fagId);
    // Writes the chosen subjects and marks setup as finished.
    Q_INVOKABLE void afslut();

Q_SIGNALS:
    void trinChanged();
    void valgChanged();

private:
    void syncFliser();

    int m_trin = 0;
    QSet<QUuid> m_valgte;
    QList<Fag> m_customFag;
    OnboardingFliseListe m_standardFliser;
    OnboardingFliseListe m_egneFliser;
};

} // namespace tavlen
