// The roots branch: RAÍCES (Form27), mouldy roots (Form28) and bitten roots
// (Form29).

#include "core/TableBuilders.h"

namespace q {

using namespace build;

namespace {

ScreenTable form27()
{
    ScreenTable t;
    t.name = QStringLiteral("Form27");
    t.title = QStringLiteral("RAÍCES");
    t.sintoma = QStringLiteral("Raíces");
    t.volver = QStringLiteral("Form1");
    // Every option shows either the frame alone or its two halves alone. No
    // photo at load; the placeholder of the leading options never opens the
    // viewer.
    auto k = [](const char *key) { return QStringLiteral("Form27.") + QLatin1String(key); };
    t.boxes = {
        conditions(byOption(box(1, 720, 960), {{3, k("Image1.Option3")}, {7, k("Image1.Option7")}}),
                   Condition::noneOf({1, 6}), Condition::noneOf({1, 6})),
        byOption(
            box(2, 720, 960, 2175, 3255),
            {{2, k("Image2.Option2")}, {4, k("Image2.Option4")}, {5, k("Image2.Option5")}, {8, k("Image2.Option8")}}),
        byOption(
            box(3, 2880, 960, 2175, 3255),
            {{2, k("Image3.Option2")}, {4, k("Image3.Option4")}, {5, k("Image3.Option5")}, {8, k("Image3.Option8")}}),
    };
    const QList<Action> placeholder = {show(1), hide(2), hide(3), load(1, QStringLiteral("\\Imagen1.jpg"))};
    auto frame = [](const QString &keyName, const QString &photo) {
        return QList<Action>{key(keyName), show(1), load(1, photo), hide(2), hide(3)};
    };
    auto halves = [](const QString &keyName, const QString &left, const QString &right) {
        return QList<Action>{key(keyName), hide(1), show(2), load(2, left), show(3), load(3, right)};
    };
    const OptionHint p = pair(Prompt::P3, FollowUp::F1);
    t.options = {
        option(1, QStringLiteral("Con olor a moho y cubiertas de un fieltro blanco"), placeholder, choice(Choice::C2)),
        option(2,
               QStringLiteral("Con nudosidades o tuberosidades pequeñas, presencia de larvas amarillas y siempre en "
                              "pies europeos"),
               halves(QStringLiteral("Filoxera"), QStringLiteral("\\Filoxera\\filoxera07.jpg"),
                      QStringLiteral("\\Filoxera\\filoxera08.gif")),
               p),
        option(3, QStringLiteral("Con tumores que pueden llegar hasta 5-10cm. de diámetro"),
               frame(QStringLiteral("Tuberculosis"), QStringLiteral("\\Tuberculosis\\tuberculosis01.jpg")), p),
        option(4, QStringLiteral("Con hinchazones en la extremidad de las raicillas"),
               halves(QStringLiteral("Xiphinema"), QStringLiteral("\\Xiphinema\\xiphinema06.jpg"),
                      QStringLiteral("\\Xiphinema\\xiphinema07.jpg")),
               p),
        option(5, QStringLiteral("Con proliferación de raicillas y formación de agallas"),
               halves(QStringLiteral("Meloidogyne"), QStringLiteral("\\Meloidogyne\\meloidogyne01.jpg"),
                      QStringLiteral("\\Meloidogyne\\meloidogyne05.JPG")),
               p),
        option(6, QStringLiteral("Con mordeduras, generalmene a nivel del punto de injerto y raíces principales"),
               placeholder, choice(Choice::C2)),
        option(7, QStringLiteral("Con mordeduras superficiales, sin galerías"),
               frame(QStringLiteral("Gorgojos"), QStringLiteral("\\Gorgojos\\gorgojos04.jpg")), p),
        option(8, QStringLiteral("Roídas total o parcialmente"),
               halves(QStringLiteral("Roedores"), QStringLiteral("\\Roedores\\roedores01.jpg"),
                      QStringLiteral("\\Roedores\\roedores02.jpg")),
               p),
    };
    t.rules = {when({1}, QStringLiteral("Form28")), when({6}, QStringLiteral("Form29")), otherwise()};
    return t;
}

ScreenTable form28()
{
    ScreenTable t;
    t.name = QStringLiteral("Form28");
    t.title = QStringLiteral("Con olor a moho y cubiertas de un fieltro blanco");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form27");
    // Four boxes of one size in a row: Image1, Image4, a gap, Image2, Image3.
    // Each pair shares the text of its rot.
    const QString rosellinia = QStringLiteral("Form28.Image1");
    const QString armillaria = QStringLiteral("Form28.Image2");
    t.boxes = {withText(box(1, 360, 960, 3255, 2445), rosellinia), withText(box(4, 3735, 960, 3255, 2445), rosellinia),
               withText(box(2, 7470, 960, 3255, 2445), armillaria),
               withText(box(3, 10845, 960, 3255, 2445), armillaria)};
    t.loadPhotos = {{1, QStringLiteral("\\Podredumbres r\\podredumbres_raiz06.jpg")},
                    {4, QStringLiteral("\\Podredumbres r\\podredumbres_raiz07.jpg")},
                    {2, QStringLiteral("\\Podredumbres r\\podredumbres_raiz02.jpg")},
                    {3, QStringLiteral("\\Podredumbres r\\podredumbres_raiz03.jpg")}};
    t.options = {
        option(1, QStringLiteral("En la superficie de la corteza"), {key(QStringLiteral("Podredumbres r"))},
               description(rosellinia)),
        option(2,
               QStringLiteral("Debajo de la corteza, y en la superficie de ésta pueden aparecer cordones entrelazados "
                              "de color negro brillante o marrón"),
               {key(QStringLiteral("Podredumbres r"))}, description(armillaria)),
    };
    t.rules = {terminal()};
    t.buttonHints[2] = 2;
    return t;
}

ScreenTable form29()
{
    ScreenTable t;
    t.name = QStringLiteral("Form29");
    t.title = QStringLiteral("Con mordeduras, generalmente a nivel del punto de injerto y raíces principales");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form27");
    t.boxes = {withText(box(1, 2160, 960), QStringLiteral("Form29.Image1")),
               withText(box(2, 8640, 960), QStringLiteral("Form29.Image2"))};
    t.loadPhotos = {{1, QStringLiteral("\\Castañeta\\castaneta03.jpg")},
                    {2, QStringLiteral("\\Gusanos blancos\\gusanos_blancos01.jpg")}};
    t.options = {
        option(1, QStringLiteral("Castañeta"), {key(QStringLiteral("Castañeta"))},
               description(QStringLiteral("Form29.Image1"))),
        option(2, QStringLiteral("Gusanos blancos"), {key(QStringLiteral("Gusanos blancos"))},
               description(QStringLiteral("Form29.Image2"))),
    };
    t.rules = {terminal()};
    t.buttonHints[2] = 2;
    return t;
}

}  // namespace

QList<ScreenTable> rootsBranch() { return {form27(), form28(), form29()}; }

}  // namespace q
