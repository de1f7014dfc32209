#pragma once
// State shared by every screen for the whole run: the data locations, the
// one database connection and the consultation in progress. The locations
// are those of the program's own data set (see DataLocations).

#include <QString>

#include "core/Consultation.h"
#include "core/DataLocations.h"
#include "platform/jet/Database.h"

namespace Module1 {

// Where the data set lives, relative to the program's working directory.
inline constexpr char kBaseLocation[] = "datos/sarmo";
inline constexpr const char *kDatabaseFile = DataLocations::kDatabaseFile;

QString baseLocation();
DataLocations locations();  // those of the base location
QString databasePath();     // base location + "/bd2002.mdb"

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
    // OrganoElegido, SintomaActual and EnfermedadElegida.
    Consultation consultation;
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
