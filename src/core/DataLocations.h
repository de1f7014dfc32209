#pragma once
// Where the parts of a data set lie below its folder: the database file and
// the six folders of documents, photos, sound, video and help. The program
// uses its own data set's; the data-set checker those of the folder it is
// given. A location is the folder joined to a name with "/"; files below it
// are named by appending "\" and a relative name (see FileCheck).

#include <QString>

#include <utility>

class DataLocations {
public:
    static constexpr char kDatabaseFile[] = "bd2002.mdb";

    explicit DataLocations(QString folder) : m_folder(std::move(folder)) { }

    const QString &folder() const { return m_folder; }
    QString database() const { return below(kDatabaseFile); }
    QString help() const { return below("Sarmo_web"); }          // RutaAyuda
    QString videos() const { return below("Videos"); }           // RutaVideos
    QString photos() const { return below("Fotos"); }            // RutaFotos
    QString results() const { return below("ResultadoVid"); }    // RutaResultados
    QString treatments() const { return below("Tratamiento"); }  // RutaTratamientos
    QString audio() const { return below("mp3d"); }              // RutaAudio

private:
    QString below(const char *name) const { return m_folder + QLatin1Char('/') + QLatin1String(name); }

    QString m_folder;
};
