#include "app/Screens.h"

#include "core/ScreenTable.h"
#include "screens/MediaWindows.h"
#include "screens/PhotoViewer.h"
#include "screens/QuestionScreen.h"
#include "screens/ReferenceWindows.h"
#include "screens/ResultScreen.h"
#include "screens/TreatmentScreen.h"
#include "shell/HomeScreen.h"
#include "shell/ScreenRegistry.h"
#include "shell/Splash.h"

void registerScreens(ScreenRegistry &registry)
{
    using Kind = ScreenRegistry::Kind;
    registry.add(QStringLiteral("frmSplash"), Kind::TopLevel, [] { return new Splash; });
    registry.add(QStringLiteral("Form1"), Kind::Child, [] { return new HomeScreen; });
    for (const q::ScreenTable &table : q::allScreens()) {
        const q::ScreenTable *t = &table;
        registry.add(table.name, Kind::Child, [t] { return new QuestionScreen(*t); });
    }
    registry.add(QStringLiteral("Fotos"), Kind::TopLevel, [] { return new PhotoViewer; });
    registry.add(QStringLiteral("ResultadoVid"), Kind::Child, [] { return new ResultScreen; });
    registry.add(QStringLiteral("Tratamiento"), Kind::Child, [] { return new TreatmentScreen; });
    registry.add(QStringLiteral("Glosario"), Kind::TopLevel, [] { return new Glosario; });
    registry.add(QStringLiteral("EstadosF"), Kind::TopLevel, [] { return new EstadosF; });
    registry.add(QStringLiteral("Acercade"), Kind::TopLevel, [] { return new Acercade; });
    registry.add(QStringLiteral("Reproductor"), Kind::TopLevel, [] { return new Reproductor; });
    registry.add(QStringLiteral("Videos"), Kind::TopLevel, [] { return new VideosWindow; });
}
