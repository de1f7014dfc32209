#pragma once
// The program's list of pests and diseases: the 57 keys that
// EnfermedadElegida can hold, and for each the name shown in confusion lists,
// the stem of its file names and the keys it can be confused with.
//
// A key is the exact stored value, compared case-sensitively as a whole
// string; it is also the NombreEnfermedad of the database rows and the name
// of the key's photo folder. Five keys are shortened or lack an accent that
// their display name carries ("Altica" / "Áltica", "Acaro de la roña" /
// "Ácaro de la roña", "Oidio" / "Oídio", "Podredumbre s" / "Podredumbres
// secundarias", "Podredumbres r" / "Podredumbres de la raíz"); every other
// key is its own display name.

#include <QList>
#include <QString>
#include <QStringList>

namespace ResultCatalogue {

struct Entry {
    QString key;             // stored in EnfermedadElegida
    QString displayName;     // shown in confusion lists, mapped back by Aceptar
    QString stem;            // lower-case file-name part of the key's files
    QStringList confusions;  // display names, alphabetical; may be empty
};

// All 57 entries in catalogue order (the order the result screen compares).
const QList<Entry> &entries();

// The entry whose key / display name equals the text exactly, or nullptr.
// The pointers stay valid for the life of the program.
const Entry *byKey(const QString &key);
const Entry *byDisplayName(const QString &displayName);

// File names derived from the stem.
QString resultDocument(const Entry &entry);     // stem + "1.rtf", under RutaResultados
QString audioFile(const Entry &entry);          // stem + ".mp3", under RutaAudio
QString treatmentDocument(const Entry &entry);  // stem + "2.rtf", under RutaTratamientos

}  // namespace ResultCatalogue
