#include "core/ScreenTable.h"

namespace q {

QString choiceText(Choice c)
{
    switch (c) {
    case Choice::C1:
        return QStringLiteral("Si elige esta opción asegúrese de que está seleccionada y a continuación pulse el botón "
                              "SIGUIENTE para seguir con el diagnóstico.");
    case Choice::C2:
        return QStringLiteral("Si elige esta opción asegurese de que está seleccionada y a continuación pulse el botón "
                              "SIGUIENTE para seguir con el diagnóstico.");
    case Choice::C3:
        return QStringLiteral("Si elige esta opción asegúrese de que está seleccionada y a continuación pulse el botón "
                              "SIGUIENTE.");
    case Choice::C4:
        return QStringLiteral("Si elige esta opción asegúrese de que está solucionada y a continuación pulse el botón "
                              "SIGUIENTE.");
    case Choice::None: break;
    }
    return {};
}

QString promptText(Prompt p)
{
    switch (p) {
    case Prompt::P1:
        return QStringLiteral("Pulse aquí para ver con mayor claridad el síntoma en una FOTO; si después coloca el "
                              "ratón sobre esta foto, se mostrarán algunas otras características que le pueden ayudar "
                              "para un mejor diagnóstico de su plaga o enfermedad.");
    case Prompt::P2:
        return QStringLiteral("Pulse aquí para ver con mayor claridad el síntoma en una FOTO; si después sitúa el "
                              "ratón sobre esta foto, se mostrarán algunas otras características que le pueden ayudar "
                              "para un mejor diagnóstico de su plaga o enfermedad.");
    case Prompt::P3:
        return QStringLiteral("Pulse aquí para ver con mayor claridad el síntoma en una FOTO; si después coloca el "
                              "ratón sobre la foto, se mostrarán algunas otras características que le pueden ayudar "
                              "para un mejor diagnóstico de su plaga o enfermedad.");
    }
    return {};
}

QString followUpText(FollowUp f)
{
    return f == FollowUp::F1
        ? QStringLiteral("Coloque el ratón sobre la FOTO o pulse el botón SIGUIENTE para más información.")
        : QStringLiteral("Coloque el ratón sobre la foto o pulse el botón SIGUIENTE para más información.");
}

QString buttonHint(int command, int variant)
{
    const bool first = variant != 2;
    switch (command) {
    case 1:
        return first ? QStringLiteral("Pulse aquí para ir a la página ANTERIOR.")
                     : QStringLiteral("Pulse aquí para ir a la página anterior.");
    case 2:
        return first ? QStringLiteral("Pulse aquí para CONTINUAR con el diagnóstico.")
                     : QStringLiteral("Pulse aquí para CONTINUAR con su diagnóstico.");
    case 3:
        return first ? QStringLiteral("Pulse aquí para CERRAR esta sesión.")
                     : QStringLiteral("Pulse aquí para CERAR esta sesión.");
    }
    return {};
}

const BoxDef *ScreenTable::box(int index) const
{
    for (const BoxDef &b : boxes)
        if (b.index == index)
            return &b;
    return nullptr;
}

const OptionDef *ScreenTable::option(int index) const
{
    for (const OptionDef &o : options)
        if (o.index == index)
            return &o;
    return nullptr;
}

const QList<ScreenTable> &allScreens()
{
    static const QList<ScreenTable> screens = [] {
        QList<ScreenTable> all;
        all << leavesBranch() << budsBranch() << trunkBranch() << bunchesBranch() << shootsBranch() << rootsBranch();
        return all;
    }();
    return screens;
}

const ScreenTable *screenTable(const QString &name)
{
    for (const ScreenTable &t : allScreens())
        if (t.name == name)
            return &t;
    return nullptr;
}

QString homeSymptom() { return QStringLiteral("Diagnóstico"); }

QString screenForSymptom(const QString &sintoma)
{
    if (sintoma.isEmpty())
        return {};
    if (sintoma == homeSymptom())
        return QStringLiteral("Form1");
    for (const ScreenTable &t : allScreens()) {
        if (t.sintoma == sintoma)
            return t.name;
        for (const Rule &r : t.rules)
            if (r.setsSintoma == sintoma)
                return t.name;
    }
    return {};
}

}  // namespace q
