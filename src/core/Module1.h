#pragma once
// State shared by every screen for the whole run, the data locations, and the
// one database connection. Locations are constants: the base location joined
// to a folder name with "/". Files below a location are always named by
// appending "\" and a relative name; the separators are translated only where
// the file system is touched (see FileCheck).

#include <QString>

#include "platform/jet/Database.h"

namespace Module1 {

// Where the data set lives, relative to the program's working directory.
inline constexpr char kBaseLocation[] = "datos/sarmo";
inline constexpr char kDatabaseFile[] = "bd2002.mdb";

QString baseLocation();
QString databasePath();  // base location + "/bd2002.mdb"

QString RutaAyudaLocation();
QString RutaVideosLocation();
QString RutaFotosLocation();
QString RutaResultadosLocation();
QString RutaTratamientosLocation();
QString RutaAudioLocation();

}  // namespace Module1

struct ModuleState {
    QString RutaFotos;
    QString RutaResultados;
    QString RutaTratamientos;
    QString RutaAudio;
    QString RutaAyuda;
    QString RutaVideos;
    QString OrganoElegido;
    QString SintomaActual;
    QString EnfermedadElegida;
    jet::Database Conexion;

    // Opens Conexion on the data set's database file.
    bool openConnection(QString *error);
    // Fills the six locations, in the order the main window's load uses.
    void fillLocations();
};

// The one instance of the running program.
ModuleState &module();
// Back to the empty state of a program that has just started (the scenario
// runner starts the application many times in one process).
void resetModule();
