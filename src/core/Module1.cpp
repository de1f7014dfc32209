#include "core/Module1.h"

namespace Module1 {

QString baseLocation() { return QString::fromLatin1(kBaseLocation); }
DataLocations locations() { return DataLocations(baseLocation()); }
QString databasePath() { return locations().database(); }

QString RutaAyudaLocation() { return locations().help(); }
QString RutaVideosLocation() { return locations().videos(); }
QString RutaFotosLocation() { return locations().photos(); }
QString RutaResultadosLocation() { return locations().results(); }
QString RutaTratamientosLocation() { return locations().treatments(); }
QString RutaAudioLocation() { return locations().audio(); }

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
