#pragma once
// The state of one consultation, as the screens pass it on: the organ whose
// branch of questions is followed (OrganoElegido), the value the question
// screens set for the way back from the result (SintomaActual), and the pest
// or disease reached (EnfermedadElegida). Every write goes through here; the
// key is looked up in the result and treatment catalogues once, when it is
// set, and its readers get the catalogue entries.

#include <QObject>
#include <QString>

#include "core/ResultCatalogue.h"
#include "core/TreatmentCatalogue.h"

class Consultation : public QObject {
    Q_OBJECT
public:
    const QString &organ() const { return m_organ; }
    void setOrgan(const QString &organ) { m_organ = organ; }

    const QString &symptom() const { return m_symptom; }
    void setSymptom(const QString &symptom) { m_symptom = symptom; }

    // The key as stored, and its entries in the catalogues (nullptr when a
    // catalogue does not know it).
    const QString &key() const { return m_key; }
    const ResultCatalogue::Entry *result() const { return m_result; }
    const TreatmentCatalogue::Entry *treatment() const { return m_treatment; }

    // Stores the key whatever it is (an empty key is a consultation that
    // reached no result, shown as an empty result screen). False, with a
    // warning in the log, for a key that is not empty and that either
    // catalogue does not know: a fault in the tables that wrote it.
    bool setKey(const QString &key);

    // True for a key both catalogues know.
    static bool isKnownKey(const QString &key);

    // The user left the result with its own VOLVER or TERMINAR (not for the
    // treatment, not by closing its window): the result is no longer
    // offered for printing.
    void leaveResult() { emit resultLeft(); }

signals:
    void keyChanged(const QString &key);
    void resultLeft();

private:
    QString m_organ;
    QString m_symptom;
    QString m_key;
    const ResultCatalogue::Entry *m_result = nullptr;
    const TreatmentCatalogue::Entry *m_treatment = nullptr;
};
