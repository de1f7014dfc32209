// The shoots and canes branch: PÁMPANOS Y/O SARMIENTOS (Form19) and its
// spots screen (Form20). Form19 also leads to the shared Negrilla screen.

#include "core/TableBuilders.h"

namespace q {

using namespace build;

namespace {

ScreenTable form19()
{
    ScreenTable t;
    t.name = QStringLiteral("Form19");
    t.title = QStringLiteral("PÁMPANOS Y/O SARMIENTOS");
    t.sintoma = QStringLiteral("Pámpanos y/o sarmientos");
    t.volver = QStringLiteral("Form1");
    // A frame with the placeholder; its two halves over it and two quarters
    // over the right half, all visible and empty at load.
    auto k = [](const char *key) { return QStringLiteral("Form19.") + QLatin1String(key); };
    t.boxes = {
        conditions(
            byOption(box(1, 720, 960), {{2, k("Image1.Option2")}, {5, k("Image1.Option5")}, {8, k("Image1.Option8")}}),
            Condition::noneOf({1, 3}), Condition::noneOf({1, 3})),
        byOption(box(2, 720, 960, 2175, 3255),
                 {{4, k("Image2.Option4")}, {6, k("Image2.Option6")}, {7, k("Image2.Option7")}}),
        byOption(box(3, 2880, 960, 2175, 3255), {{4, k("Image3.Option4")}, {7, k("Image3.Option7")}}),
        byOption(box(4, 2880, 960, 2175, 1695), {{6, k("Image4.Option6")}}),
        byOption(box(5, 2880, 2640, 2175, 1575), {{6, k("Image5.Option6")}}),
    };
    t.loadPhotos = {{1, QStringLiteral("\\Imagen1.jpg")}};
    const QList<Action> allOff = hideAll({2, 3, 4, 5});
    const OptionHint p = pair(Prompt::P3, FollowUp::F1);
    t.options = {
        option(1, QStringLiteral("Con manchas"), allOff + load(1, QStringLiteral("\\Imagen1.jpg")), choice(Choice::C1)),
        option(2, QStringLiteral("Con protuberancias que parecen tumores"),
               QList<Action>{key(QStringLiteral("Tuberculosis"))} + allOff
                   + load(1, QStringLiteral("\\Tuberculosis\\tuberculosis01.jpg")),
               p),
        option(3, QStringLiteral("Con una secreción tipo miel que posteriormente se recubre de <<negrilla>>"),
               allOff + load(1, QStringLiteral("\\Imagen1.jpg")), choice(Choice::C1)),
        option(4, QStringLiteral("Con pequeños orificios circulares generalmente en restos de madera vieja"),
               {key(QStringLiteral("Barrenillo")), hide(4), hide(5), show(2),
                load(2, QStringLiteral("\\Barrenillo\\Barrenillo02.jpg")), show(3),
                load(3, QStringLiteral("\\Barrenillo\\Barrenillo03.jpg"))},
               p),
        option(5, QStringLiteral("Con huevos rojos, generalmente alrededor de las yemas"),
               QList<Action>{key(QStringLiteral("Araña roja"))} + allOff
                   + load(1, QStringLiteral("\\Araña roja\\Aroja02.jpg")),
               p),
        option(6, QStringLiteral("Con dobles nudos, entrenudos cortos, bifurcadiones anormales y madera aplastada"),
               {key(QStringLiteral("Entrenudo corto")), show(2),
                load(2, QStringLiteral("\\Entrenudo corto\\entrenudo_corto01.jpg")), hide(3), show(4),
                load(4, QStringLiteral("\\Entrenudo corto\\entrenudo_corto02.jpg")), show(5),
                load(5, QStringLiteral("\\Entrenudo corto\\entrenudo_corto06.jpg"))},
               p),
        option(7, QStringLiteral("Flexibles desde la base al extremo y coloración marrón rojizo"),
               {key(QStringLiteral("Flavescencia dorada")), show(2),
                load(2, QStringLiteral("\\Flavescencia dorada\\flavescencia_dorada01.jpg")), show(3),
                load(3, QStringLiteral("\\Flavescencia dorada\\flavescencia_dorada02.jpg")), hide(4), hide(5)},
               p),
        option(8, QStringLiteral("Comidos o agujereados, bajo tierra"),
               QList<Action>{key(QStringLiteral("Gusanos de alambre"))} + allOff
                   + load(1, QStringLiteral("\\Gusanos de alambre\\gusanos_alambre02.jpg")),
               p),
    };
    t.rules = {when({1}, QStringLiteral("Form20")), toOrganScreen({3}, QStringLiteral("Form3")), otherwise()};
    return t;
}

ScreenTable form20()
{
    ScreenTable t;
    t.name = QStringLiteral("Form20");
    t.title = QStringLiteral("Con manchas");
    t.sintoma = QStringLiteral("Con manchas2");
    t.volver = QStringLiteral("Form19");
    // A frame, its two halves, and a pair of quarters over each half; every
    // box is visible and empty at load. Each option hides only the boxes of
    // its own list, so Option2 and Option3 leave the halves as they were.
    auto k = [](const char *key) { return QStringLiteral("Form20.") + QLatin1String(key); };
    t.boxes = {
        byOption(box(1, 720, 960), {{1, k("Image1.Option1")}, {6, k("Image1.Option6")}, {7, k("Image1.Option7")}}),
        byOption(box(2, 720, 960, 2175, 3255),
                 {{4, k("Image2.Option4")}, {5, k("Image2.Option5")}, {8, k("Image2.Option8")}}),
        byOption(box(3, 2880, 960, 2175, 3255), {{4, k("Image3.Option4")}, {8, k("Image3.Option8")}}),
        byOption(box(4, 720, 960, 2175, 1695), {{2, k("Image4.Option2")}, {3, k("Image4.Option3")}}),
        byOption(box(5, 720, 2640, 2175, 1575), {{2, k("Image5.Option2")}, {3, k("Image5.Option3")}}),
        byOption(box(6, 2880, 960, 2175, 1695),
                 {{2, k("Image6.Option2")}, {3, k("Image6.Option3")}, {5, k("Image6.Option5")}}),
        byOption(box(7, 2880, 2640, 2175, 1575),
                 {{2, k("Image7.Option2")}, {3, k("Image7.Option3")}, {5, k("Image7.Option5")}}),
    };
    const QList<Action> allOff = hideAll({2, 3, 4, 5, 6, 7});
    auto quarters = [](const char *folder, const char *q4, const char *q5, const char *q6, const char *q7) {
        const QString base = QStringLiteral("\\") + QString::fromUtf8(folder) + QStringLiteral("\\");
        return QList<Action>{show(4), load(4, base + QLatin1String(q4)), show(5), load(5, base + QLatin1String(q5)),
                             show(6), load(6, base + QLatin1String(q6)), show(7), load(7, base + QLatin1String(q7))};
    };
    const OptionHint p = pair(Prompt::P3, FollowUp::F1);
    t.options = {
        option(1, QStringLiteral("Tipo corcho a lo largo del sarmiento que asemejan mordeduras"),
               QList<Action>{key(QStringLiteral("Cigarrero")), load(1, QStringLiteral("\\Cigarrero\\cigarrero03.jpg"))}
                   + allOff,
               p),
        option(2,
               QStringLiteral("Negruzcas, superficiales y situadas preferentemente en los 4 primeros entrenudos que "
                              "parecen tabletas de chocolate. En el otoño aparecen al lado de ellas manchas "
                              "blanquecinas con puntitos negros"),
               QList<Action>{key(QStringLiteral("Excoriosis"))}
                   + quarters("Excoriosis", "excoriosis02.jpg", "excoriosis03.jpg", "excoriosis04.jpg",
                              "excoriosis01.jpg"),
               p),
        option(3,
               QStringLiteral("Negruzcas, profundas y situadas preferentemente en los primeros entrenudos. En otoño "
                              "los sarmientos presentan zonas verdes sin lignificar"),
               QList<Action>{key(QStringLiteral("Necrosis bacteriana"))}
                   + quarters("Necrosis bacteriana", "necrosis_bacteriana03.jpg", "necrosis_bacteriana05.jpg",
                              "necrosis_bacteriana01.jpg", "necrosis_bacteriana06.jpg"),
               p),
        option(4, QStringLiteral("Marrones y de aspecto irregular a lo largo del sarmiento"),
               QList<Action>{key(QStringLiteral("Oidio"))} + hideAll({4, 5, 6, 7})
                   + QList<Action>{show(2), load(2, QStringLiteral("\\Oidio\\oidio03.jpg")), show(3),
                                   load(3, QStringLiteral("\\Oidio\\oidio01.jpg"))},
               p),
        option(5,
               QStringLiteral("Negruzcas, alargadas, en sarmientos mal agostados y de color blanco, generalmente en su "
                              "extremo"),
               {key(QStringLiteral("Podredumbre gris")), show(2),
                load(2, QStringLiteral("\\Podredumbre gris\\podredumbre_gris02.jpg")), hide(3), hide(4), hide(5),
                show(6), load(6, QStringLiteral("\\Podredumbre gris\\podredumbre_gris01.jpg")), show(7),
                load(7, QStringLiteral("\\Podredumbre gris\\podredumbre_gris06.jpg"))},
               p),
        option(6, QStringLiteral("Oscuras con puntitos negros"),
               QList<Action>{key(QStringLiteral("Black-rot")), load(1, QStringLiteral("\\Black-Rot\\Black-Rot07.jpg"))}
                   + allOff,
               p),
        option(7, QStringLiteral("Oscuras rodeadas de un halo negro"),
               QList<Action>{key(QStringLiteral("Antracnosis"))} + allOff
                   + load(1, QStringLiteral("\\Antracnosis\\Antracnosis02.jpg")),
               p),
        option(8, QStringLiteral("Oscuras tipo roña"),
               QList<Action>{key(QStringLiteral("Acaro de la roña"))} + hideAll({4, 5, 6, 7})
                   + QList<Action>{show(2), load(2, QStringLiteral("\\Acaro de la roña\\Roña03.jpg")), show(3),
                                   load(3, QStringLiteral("\\Acaro de la roña\\Roña04.jpg"))},
               p),
    };
    t.rules = {terminal()};
    return t;
}

}  // namespace

QList<ScreenTable> shootsBranch() { return {form19(), form20()}; }

}  // namespace q
