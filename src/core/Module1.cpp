#include "core/Module1.h"

namespace Module1 {

namespace {
QString location(const char *folder) { return baseLocation() + QLatin1Char('/') + QLatin1String(folder); }
}  // namespace

QString baseLocation() { return QString::fromLatin1(kBaseLocation); }
QString databasePath() { return baseLocation() + QLatin1Char('/') + QLatin1String(kDatabaseFile); }

QString RutaAyudaLocation() { return location("Sarmo_web"); }
QString RutaVideosLocation() { return location("Videos"); }
QString RutaFotosLocation() { return location("Fotos"); }
QString RutaResultadosLocation() { return location("ResultadoVid"); }
QString RutaTratamientosLocation() { return location("Tratamiento"); }
QString RutaAudioLocation() { return location("mp3d"); }

}  // namespace Module1

bool ModuleState::openConnection(QString *error) { return Conexion.open(Module1::databasePath(), error); }

void ModuleState::fillLocations()
{
    RutaFotos = Module1::RutaFotosLocation();
    RutaResultados = Module1::RutaResultadosLocation();
    RutaTratamientos = Module1::RutaTratamientosLocation();
    RutaAudio = Module1::RutaAudioLocation();
    RutaAyuda = Module1::RutaAyudaLocation();
    RutaVideos = Module1::RutaVideosLocation();
}

namespace {
ModuleState *g_state = nullptr;
}

ModuleState &module()
{
    if (!g_state)
        g_state = new ModuleState;
    return *g_state;
}

void resetModule()
{
    delete g_state;
    g_state = new ModuleState;
}
