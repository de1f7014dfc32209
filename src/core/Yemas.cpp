// The buds branch: YEMAS (Form21) and bitten buds (Form22).

#include "core/TableBuilders.h"

namespace q {

using namespace build;

namespace {

ScreenTable form21()
{
    ScreenTable t;
    t.name = QStringLiteral("Form21");
    t.title = QStringLiteral("YEMAS");
    t.sintoma = QStringLiteral("Yemas");
    t.volver = QStringLiteral("Form1");
    // No photo at load. With Option1 selected (the placeholder) or an empty
    // box the pointer is the arrow and the hint box shows C1; the texts of
    // Option2 and Option3 are written after it.
    BoxDef image1 = conditions(
        byOption(box(1, 1920, 1200),
                 {{2, QStringLiteral("Form21.Image1.Option2")}, {3, QStringLiteral("Form21.Image1.Option3")}}),
        Condition::noneOf({1}), Condition::noneOf({1}));
    image1.otherwiseHint = Choice::C1;
    t.boxes = {image1};
    const OptionHint p = pair(Prompt::P1, FollowUp::F2);
    t.options = {
        option(1, QStringLiteral("Mordidas"), {load(1, QStringLiteral("\\Imagen1.jpg"))}, choice(Choice::C1)),
        option(2, QStringLiteral("Vaciadas en su interior o comidas casi totalmente"),
               {key(QStringLiteral("Pájaros")), load(1, QStringLiteral("\\Pájaros\\pajaros02.jpg"))}, p),
        option(3, QStringLiteral("Necrosadas en su interior"),
               {key(QStringLiteral("Erinosis")), load(1, QStringLiteral("\\Erinosis\\erinosis03.jpg"))}, p),
    };
    t.rules = {when({1}, QStringLiteral("Form22")), otherwise()};
    t.buttonHints[0] = 2;
    t.buttonHints[1] = 2;
    t.buttonHints[2] = 2;
    return t;
}

ScreenTable form22()
{
    ScreenTable t;
    t.name = QStringLiteral("Form22");
    t.title = QStringLiteral("Mordidas");
    t.sintoma = QStringLiteral("Mordidas");
    t.volver = QStringLiteral("Form21");
    auto k = [](const char *key) { return QStringLiteral("Form22.") + QLatin1String(key); };
    t.boxes = {
        byOption(
            box(1, 1080, 960),
            {{1, k("Image1.Option1")}, {2, k("Image1.Option2")}, {3, k("Image1.Option3")}, {4, k("Image1.Option4")}}),
        byOption(box(2, 1080, 960, 2175, 3255, false), {{5, k("Image2.Option5")}}),
        byOption(box(3, 3240, 960, 2175, 3255, false), {{5, k("Image3.Option5")}}),
    };
    auto single = [](const QString &keyName, const QString &photo) {
        return QList<Action>{key(keyName), hide(2), hide(3), load(1, photo)};
    };
    const OptionHint p = pair(Prompt::P1, FollowUp::F1);
    t.options = {
        option(1, QStringLiteral("En su parte inferior, en forma de media luna"),
               single(QStringLiteral("Gusanos grises"), QStringLiteral("\\Gusanos grises\\gusanos_grises03.jpg")), p),
        option(2, QStringLiteral("En su superficie, de forma irregular"),
               single(QStringLiteral("Gorgojos"), QStringLiteral("\\Gorgojos\\gorgojos01.jpg")), p),
        option(
            3,
            QStringLiteral("En su superficie, de forma irregular, y con presencia de una secreción mucosa brillante"),
            single(QStringLiteral("Caracoles"), QStringLiteral("\\Caracoles\\Caracoles03.jpg")), p),
        option(4, QStringLiteral("En su superficie, de forma irregular. A veces completamente devoradas"),
               single(QStringLiteral("Oruga peluda"), QStringLiteral("\\Oruga peluda\\oruga_peluda01.jpg")), p),
        option(5, QStringLiteral("En su interior, debajo de la tierra"),
               {key(QStringLiteral("Gusanos de alambre")), show(2),
                load(2, QStringLiteral("\\Gusanos de alambre\\gusanos_alambre03.jpg")), show(3),
                load(3, QStringLiteral("\\Gusanos de alambre\\gusanos_alambre01.jpg"))},
               p),
    };
    t.rules = {terminal()};
    return t;
}

}  // namespace

QList<ScreenTable> budsBranch() { return {form21(), form22()}; }

}  // namespace q
