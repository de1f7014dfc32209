#pragma once
// What the treatment screen shows for each of the 57 keys of the result
// catalogue: the window caption and the treatment document.
//
// Captions are "TRATAMIENTO CONTRA " and the name in capitals with its
// accents, sometimes fuller than the key ("LIEBRES Y CONEJOS", "LA ENFERMEDAD
// DE PIERCE", "ENTRENUDO CORTO INFECCIOSO"). Three keys ("Mosca de la
// fruta", "Jaspeado", "Flavescencia dorada") have no caption of their own:
// their window keeps "TRATAMIENTO". The document is the result catalogue's
// stem + "2.rtf", under RutaTratamientos.

#include <QList>
#include <QString>

namespace TreatmentCatalogue {

struct Entry {
    QString key;       // a result-catalogue key, exact
    QString caption;   // empty: the window keeps "TRATAMIENTO"
    QString document;  // file name under RutaTratamientos
};

// All 57 entries in the order the treatment screen compares.
const QList<Entry> &entries();

// The entry whose key equals the text exactly (case-sensitive), or nullptr.
const Entry *byKey(const QString &key);

}  // namespace TreatmentCatalogue
