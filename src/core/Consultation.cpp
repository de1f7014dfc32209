#include "core/Consultation.h"

#include <QDebug>

bool Consultation::isKnownKey(const QString &key)
{
    return ResultCatalogue::byKey(key) && TreatmentCatalogue::byKey(key);
}

bool Consultation::setKey(const QString &key)
{
    m_result = ResultCatalogue::byKey(key);
    m_treatment = TreatmentCatalogue::byKey(key);
    const bool known = m_result && m_treatment;
    if (!known && !key.isEmpty())
        qWarning().noquote() << QStringLiteral("Sarmo: la clave «%1» no está en los catálogos de resultados y "
                                               "tratamientos; la consulta no tendrá resultado.")
                                    .arg(key);
    if (key != m_key) {
        m_key = key;
        emit keyChanged(m_key);
    }
    return known || key.isEmpty();
}
