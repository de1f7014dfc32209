// The trunk and arms branch: TRONCOS Y BRAZOS (Form23), gnawing (Form24),
// what the split wood shows (Form25) and the bark's honeydew (Form26).

#include "core/TableBuilders.h"

namespace q {

using namespace build;

namespace {

ScreenTable form23()
{
    ScreenTable t;
    t.name = QStringLiteral("Form23");
    t.title = QStringLiteral("TRONCOS Y BRAZOS");
    t.sintoma = QStringLiteral("Troncos y brazos");
    t.volver = QStringLiteral("Form1");
    // A frame with a half box and two quarter boxes over it, all empty and
    // visible at load; the placeholder of the leading options never opens
    // the viewer. Image3 shows the same grooves text as Image2.
    const QString grooves = QStringLiteral("Form23.Image2.Option6");
    t.boxes = {
        conditions(
            byOption(box(1, 1080, 1320, 4335, 3375),
                     {{3, QStringLiteral("Form23.Image1.Option3")}, {4, QStringLiteral("Form23.Image1.Option4")}}),
            Condition::noneOf({1, 2, 5}), Condition::noneOf({1, 2, 5})),
        byOption(box(2, 1080, 1320, 2175, 3375), {{6, grooves}}),
        byOption(box(3, 3240, 1320, 2175, 1695), {{6, grooves}}),
        byOption(box(4, 3240, 3000, 2175, 1695), {{6, QStringLiteral("Form23.Image4.Option6")}}),
    };
    const QList<Action> placeholder = hideAll({2, 3, 4}) + load(1, QStringLiteral("\\Imagen1.jpg"));
    const OptionHint p = pair(Prompt::P1, FollowUp::F1);
    t.options = {
        option(1, QStringLiteral("Roeduras o mordeduras"), placeholder, choice(Choice::C4)),
        option(2, QStringLiteral("Al partirlos se observa..."), placeholder, choice(Choice::C4)),
        option(3, QStringLiteral("Con orificios profundos, circulares y pequeños"),
               QList<Action>{key(QStringLiteral("Barrenillo"))} + hideAll({2, 3, 4})
                   + load(1, QStringLiteral("\\Barrenillo\\Barrenillo01.jpg")),
               p),
        option(4, QStringLiteral("Con protuberancias en forma de tumores"),
               QList<Action>{key(QStringLiteral("Tuberculosis"))} + hideAll({2, 3, 4})
                   + load(1, QStringLiteral("\\Tuberculosis\\tuberculosis02.jpg")),
               p),
        option(5, QStringLiteral("Con una exudación que moja parte de la corteza"), placeholder, choice(Choice::C4)),
        option(6,
               QStringLiteral("Al separar la corteza del patrón y/o variedad se observa una serie de surcos "
                              "longitudinales"),
               {key(QStringLiteral("Madera rizada")), show(2),
                load(2, QStringLiteral("\\Madera rizada\\madera_rizada01.jpg")), show(3),
                load(3, QStringLiteral("\\Madera rizada\\madera_rizada02.jpg")), show(4),
                load(4, QStringLiteral("\\Madera rizada\\madera_rizada03.jpg"))},
               p),
    };
    t.rules = {when({1}, QStringLiteral("Form24")), when({2}, QStringLiteral("Form25")),
               when({5}, QStringLiteral("Form26")), when({3, 4, 6}, result)};
    t.buttonHints[0] = 2;
    return t;
}

ScreenTable form24()
{
    ScreenTable t;
    t.name = QStringLiteral("Form24");
    t.title = QStringLiteral("Roeduras o mordeduras");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form23");
    // The rabbits text is the one of Form6's Image2.
    t.boxes = {withText(box(1, 840, 960), QStringLiteral("Form24.Image1")),
               withText(box(2, 5520, 960), QStringLiteral("Form24.Image2")),
               withText(box(3, 10200, 960), QStringLiteral("Form6.Image2"))};
    t.loadPhotos = {{1, QStringLiteral("\\Roedores\\roedores02.jpg")},
                    {2, QStringLiteral("\\Roedores\\roedores01.jpg")},
                    {3, QStringLiteral("\\Conejos\\conejos01.jpg")}};
    t.options = {
        option(1, QStringLiteral("En la base del tronco por encima de la tierra"), {key(QStringLiteral("Roedores"))},
               description(QStringLiteral("Form24.Image1"))),
        option(2, QStringLiteral("En la base del tronco por debajo de la tierra"), {key(QStringLiteral("Roedores"))},
               description(QStringLiteral("Form24.Image2"))),
        option(3, QStringLiteral("En troncos y brazos"), {key(QStringLiteral("Conejos"))},
               description(QStringLiteral("Form6.Image2"))),
    };
    t.rules = {terminal()};
    t.buttonHints[2] = 2;
    return t;
}

ScreenTable form25()
{
    ScreenTable t;
    t.name = QStringLiteral("Form25");
    t.title = QStringLiteral("Al partirlos se observa");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form23");
    t.boxes = {withText(box(1, 720, 960), QStringLiteral("Form25.Image1")),
               withText(box(2, 5400, 960), QStringLiteral("Form25.Image2")),
               withText(box(3, 10080, 960), QStringLiteral("Form25.Image3"))};
    t.loadPhotos = {{1, QStringLiteral("\\Yesca\\yesca03.jpg")},
                    {2, QStringLiteral("\\Eutipiosis\\eutipiosis04.jpg")},
                    {3, QStringLiteral("\\Termitas\\termitas02.jpg")}};
    t.options = {
        option(1,
               QStringLiteral("La madera de un color amarillento y de consistencia blanda que se puede desacer con "
                              "los dedos"),
               {key(QStringLiteral("Yesca"))}, description(QStringLiteral("Form25.Image1"))),
        option(2, QStringLiteral("Una necrosis de color oscuro y de consistencia dura"),
               {key(QStringLiteral("Eutipiosis"))}, description(QStringLiteral("Form25.Image2"))),
        option(3, QStringLiteral("Zonas carcomidas y excavadas con presencia de larvas blancas"),
               {key(QStringLiteral("Termitas"))}, description(QStringLiteral("Form25.Image3"))),
    };
    t.rules = {terminal()};
    t.buttonHints[2] = 2;
    return t;
}

ScreenTable form26()
{
    ScreenTable t;
    t.name = QStringLiteral("Form26");
    t.title = QStringLiteral("Negrilla II");
    t.sintoma = QStringLiteral("Negrilla II");
    t.volver = QStringLiteral("Form23");
    // The two scale insects of the shared Negrilla screen, with its texts.
    t.boxes = {withText(box(1, 2160, 1080), QStringLiteral("Form3.Image1")),
               withText(box(2, 8640, 1080), QStringLiteral("Form3.Image2"))};
    t.loadPhotos = {{1, QStringLiteral("\\Melazo\\melazo03.jpg")}, {2, QStringLiteral("\\Eulecanio\\eulecanio01.jpg")}};
    t.options = {
        option(1, QStringLiteral("Melazo o cochinilla algodonosa"), {key(QStringLiteral("Melazo"))},
               description(QStringLiteral("Form3.Image1"))),
        option(2, QStringLiteral("Eulecanio"), {key(QStringLiteral("Eulecanio"))},
               description(QStringLiteral("Form3.Image2"))),
    };
    t.rules = {terminal()};
    t.buttonHints[2] = 2;
    return t;
}

}  // namespace

QList<ScreenTable> trunkBranch() { return {form23(), form24(), form25(), form26()}; }

}  // namespace q
