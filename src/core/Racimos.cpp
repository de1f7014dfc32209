// The bunches branch: RACIMOS (Form10) and the eight screens below it,
// Form11 to Form18. Form10 also leads to the shared Negrilla screen (Form3).

#include "core/TableBuilders.h"

namespace q {

using namespace build;

namespace {

ScreenTable form10()
{
    ScreenTable t;
    t.name = QStringLiteral("Form10");
    t.title = QStringLiteral("RACIMOS");
    // The load sets no SintomaActual; the rule to the result sets "Racimos".
    t.volver = QStringLiteral("Form1");
    t.boxes = {
        conditions(
            byOption(box(1, 720, 960),
                     {{8, QStringLiteral("Form10.Image1.Option8")}, {9, QStringLiteral("Form10.Image1.Option9")}}),
            Condition::anyOf({1, 8, 9}), Condition::anyOf({1, 8, 9})),
        conditions(byOption(box(2, 720, 960, 2175, 3255), {{10, QStringLiteral("Form10.Image2.Option10")}}),
                   Condition::anyOf({10}), Condition::picture()),
        conditions(byOption(box(3, 2880, 960, 2175, 3255), {{10, QStringLiteral("Form10.Image3.Option10")}}),
                   Condition::anyOf({10}), Condition::picture()),
    };
    t.loadPhotos = {{1, QStringLiteral("\\Imagen1.jpg")}};
    const QList<Action> placeholder = hideAll({2, 3}) + load(1, QStringLiteral("\\Imagen1.jpg"));
    const OptionHint p = pair(Prompt::P2, FollowUp::F1);
    t.options = {
        option(1, QStringLiteral("Botones florales reunidos con hilos de seda"),
               hideAll({2, 3}) + load(1, QStringLiteral("\\Piral\\piral02.jpg")), choice(Choice::C1)),
        option(2, QStringLiteral("Con granos perforados o mordidos"), placeholder, choice(Choice::C1)),
        option(3, QStringLiteral("Con granos y/o raquis recubiertos de pelusilla o polvillo"), placeholder,
               choice(Choice::C1)),
        option(4, QStringLiteral("Con granos desecados"), placeholder, choice(Choice::C1)),
        option(5, QStringLiteral("Con manchas en granos"), placeholder, choice(Choice::C1)),
        option(6, QStringLiteral("Con manchas en raquis"), placeholder, choice(Choice::C1)),
        option(7, QStringLiteral("Con una secreción tipo miel que posteriormente se recubre de <<negrilla>>"),
               placeholder, choice(Choice::C1)),
        option(8, QStringLiteral("De menor tamaño y con corrimiento"),
               QList<Action>{key(QStringLiteral("Entrenudo corto"))} + hideAll({2, 3})
                   + load(1, QStringLiteral("\\Entrenudo corto\\entrenudo_corto03.jpg")),
               p),
        option(9, QStringLiteral("Con maduración tardía e irregular"),
               QList<Action>{key(QStringLiteral("Enrollado"))} + hideAll({2, 3})
                   + load(1, QStringLiteral("\\Enrollado\\enrollado02.jpg")),
               p),
        option(10, QStringLiteral("Con granos podridos, sin pelusilla y con olor a vinagre"),
               {key(QStringLiteral("Podredumbre ácida")), show(2),
                load(2, QStringLiteral("\\Podredumbre ácida\\podredumbre_acida01.jpg")), show(3),
                load(3, QStringLiteral("\\Podredumbre ácida\\podredumbre_acida02.jpg"))},
               p),
    };
    Rule toResult = when({8, 9, 10}, result);
    toResult.setsSintoma = QStringLiteral("Racimos");
    t.rules = {when({1}, QStringLiteral("Form11")),         when({2}, QStringLiteral("Form12")),
               when({3}, QStringLiteral("Form14")),         when({4}, QStringLiteral("Form16")),
               when({5}, QStringLiteral("Form17")),         when({6}, QStringLiteral("Form18")),
               toOrganScreen({7}, QStringLiteral("Form3")), toResult};
    return t;
}

ScreenTable form11()
{
    ScreenTable t;
    t.name = QStringLiteral("Form11");
    t.title = QStringLiteral("Botones florales reunidos con hilos de seda");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form10");
    // In a row from left to right: Image1, Image2, Image4, Image3. The two
    // narrow boxes show the Clysia larvae under one text.
    t.boxes = {withText(box(1, 600, 960), QStringLiteral("Form11.Image1")),
               withText(box(2, 5055, 960, 2175, 3255), QStringLiteral("Form11.Image2")),
               withText(box(3, 9645, 960), QStringLiteral("Form11.Image3")),
               withText(box(4, 7350, 960, 2175, 3255), QStringLiteral("Form11.Image2"))};
    t.loadPhotos = {{1, QStringLiteral("\\Polilla del Racimo\\polilla_racimo04.jpg")},
                    {2, QStringLiteral("\\Polilla del Racimo\\polilla_racimo08.jpg")},
                    {3, QStringLiteral("\\Piral\\piral01.jpg")},
                    {4, QStringLiteral("\\Polilla del Racimo\\polilla_racimo07.jpg")}};
    t.options = {
        option(1, QStringLiteral("Por larvas de hasta 1cm. de longitud y cabeza marrón-clara"),
               {key(QStringLiteral("Polilla del Racimo"))}, description(QStringLiteral("Form11.Image1"))),
        option(2, QStringLiteral("Por larvas de hasta 1cm. de longitud y cabeza negruzca"),
               {key(QStringLiteral("Polilla del Racimo"))}, description(QStringLiteral("Form11.Image2"))),
        option(3, QStringLiteral("Por larvas de hasta 2-3cm. de longitud y cabeza negra brillante"),
               {key(QStringLiteral("Piral"))}, description(QStringLiteral("Form11.Option3"))),
    };
    t.rules = {terminal()};
    t.buttonHints[2] = 2;
    return t;
}

ScreenTable form12()
{
    ScreenTable t;
    t.name = QStringLiteral("Form12");
    t.title = QStringLiteral("Con granos perforados o mordidos");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form10");
    // Any picture opens the viewer, the placeholder of Option3 included, but
    // the hand pointer is not shown over it.
    t.boxes = {conditions(byOption(box(1, 1080, 960),
                                   {{1, QStringLiteral("Form12.Image1.Option1")},
                                    {2, QStringLiteral("Form12.Image1.Option2")},
                                    {4, QStringLiteral("Form12.Image1.Option4")},
                                    {5, QStringLiteral("Form12.Image1.Option5")}}),
                          Condition::picture(), Condition::noneOf({3}))};
    const OptionHint p = pair(Prompt::P1, FollowUp::F1);
    t.options = {
        option(1, QStringLiteral("Con un pequeño orificio"),
               {key(QStringLiteral("Polilla del Racimo")),
                load(1, QStringLiteral("\\Polilla del Racimo\\polilla_racimo01.jpg"))},
               p),
        option(2, QStringLiteral("En descomposición, con olor a vinagre y color marrón violáceo"),
               {key(QStringLiteral("Mosca del vinagre")),
                load(1, QStringLiteral("\\Mosca del vinagre\\mosca_vinagre01.jpg"))},
               p),
        option(3, QStringLiteral("Vacios o casi vacios, sin olor a vinagre"),
               {load(1, QStringLiteral("\\Imagen1.jpg"))}, choice(Choice::C1)),
        option(4, QStringLiteral("Se observan pinchazos rodeados de una pequeña mancha"),
               {key(QStringLiteral("Mosca de la fruta")),
                load(1, QStringLiteral("\\Mosca de la fruta\\mosca_fruta01.jpg"))},
               p),
        option(5, QStringLiteral("Con presencia de una secreción mucosa brillante"),
               {key(QStringLiteral("Caracoles")), load(1, QStringLiteral("\\Caracoles\\Caracoles02.jpg"))}, p),
    };
    t.rules = {when({3}, QStringLiteral("Form13")), otherwise()};
    return t;
}

ScreenTable form13()
{
    ScreenTable t;
    t.name = QStringLiteral("Form13");
    t.title = QStringLiteral("Vacios o casi vacios, sin olor a vinagre");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form12");
    t.boxes = {withText(box(1, 2160, 960), QStringLiteral("Form13.Image1")),
               withText(box(2, 8640, 960), QStringLiteral("Form13.Image2"))};
    t.loadPhotos = {{1, QStringLiteral("\\Avispas\\Avispa01.jpg")}, {2, QStringLiteral("\\Pájaros\\pajaros01.jpg")}};
    t.options = {
        option(1, QStringLiteral("Avispas"), {key(QStringLiteral("Avispas"))},
               description(QStringLiteral("Form13.Option1"))),
        option(2, QStringLiteral("Pájaros"), {key(QStringLiteral("Pájaros"))},
               description(QStringLiteral("Form13.Image2"))),
    };
    t.rules = {terminal()};
    return t;
}

ScreenTable form14()
{
    ScreenTable t;
    t.name = QStringLiteral("Form14");
    t.title = QStringLiteral("Con granos y/o raquis recubiertos de una pelusilla");
    t.sintoma = QStringLiteral("Con granos y/o raquis recubiertos de pelusilla");
    t.volver = QStringLiteral("Form10");
    // A frame, its left half and two right quarters; the lower quarter is
    // visible (and empty) at load.
    t.boxes = {
        conditions(
            byOption(box(1, 720, 960),
                     {{2, QStringLiteral("Form14.Image1.Option2")}, {3, QStringLiteral("Form14.Image1.Option3")}}),
            Condition::picture(), Condition::noneOf({4})),
        byOption(box(2, 720, 960, 2175, 3255, false), {{1, QStringLiteral("Form14.Image2.Option1")}}),
        byOption(box(3, 2880, 960, 2175, 1695, false), {{1, QStringLiteral("Form14.Image3.Option1")}}),
        byOption(box(4, 2880, 2640, 2175, 1575), {{1, QStringLiteral("Form14.Image4.Option1")}}),
    };
    const OptionHint p = pair(Prompt::P1, FollowUp::F1);
    t.options = {
        option(1, QStringLiteral("Blancuzca y raquis en forma de S"),
               {key(QStringLiteral("Mildiu")), show(2), load(2, QStringLiteral("\\Mildiu\\mildiu04.jpg")), show(3),
                load(3, QStringLiteral("\\Mildiu\\mildiu05.jpg")), show(4),
                load(4, QStringLiteral("\\Mildiu\\mildiu06.jpg"))},
               p),
        option(2, QStringLiteral("Cenicienta tipo harina"),
               QList<Action>{key(QStringLiteral("Oidio"))} + hideAll({2, 3, 4})
                   + load(1, QStringLiteral("\\Oidio\\oidio05.jpg")),
               p),
        option(3, QStringLiteral("Grisácea"),
               QList<Action>{key(QStringLiteral("Podredumbre gris"))} + hideAll({2, 3, 4})
                   + load(1, QStringLiteral("\\Podredumbre gris\\podredumbre_gris05.jpg")),
               p),
        option(4, QStringLiteral("De color variable (negro, verde, etc.)"),
               hideAll({2, 3, 4}) + load(1, QStringLiteral("\\Imagen1.jpg")), choice(Choice::C3)),
    };
    t.rules = {when({4}, QStringLiteral("Form15")), otherwise()};
    return t;
}

ScreenTable form15()
{
    ScreenTable t;
    t.name = QStringLiteral("Form15");
    t.title = QStringLiteral("Podredumbres secundarias");
    t.sintoma = QStringLiteral("Podredumbres");
    t.closeAtLoad = QStringLiteral("Form14");
    t.volver = QStringLiteral("Form14");
    // Both boxes describe the selected rot; only Aspergillus has a text of
    // its own for the right box.
    auto rot = [](int j) { return QStringLiteral("Form15.Image1.Option%1").arg(j); };
    t.boxes = {
        byOption(box(1, 2160, 960), {{1, rot(1)}, {2, rot(2)}, {3, rot(3)}, {4, rot(4)}, {5, rot(5)}}),
        byOption(box(2, 8640, 960),
                 {{1, QStringLiteral("Form15.Image2.Option1")}, {2, rot(2)}, {3, rot(3)}, {4, rot(4)}, {5, rot(5)}}),
    };
    auto photo = [](const char *n) {
        return QStringLiteral("\\Podredumbre s\\podredumbre_secundaria") + QLatin1String(n) + QStringLiteral(".jpg");
    };
    const Action storeKey = key(QStringLiteral("Podredumbre s"));
    const OptionHint p = pair(Prompt::P1, FollowUp::F1);
    t.options = {
        option(1, QStringLiteral("Asperguillus niger"), {storeKey, load(1, photo("07")), load(2, photo("08"))}, p),
        option(2, QStringLiteral("Alternaria sp"), {storeKey, load(2, photo("05")), load(1, photo("06"))}, p),
        option(3, QStringLiteral("Rhizopus nigricans"), {storeKey, load(1, photo("04")), load(2, photo("03"))}, p),
        option(4, QStringLiteral("Cladosporium herbarum"), {storeKey, load(2, photo("01")), load(1, photo("02"))}, p),
        option(5, QStringLiteral("Penicillium sp"), {storeKey, load(1, photo("10")), load(2, photo("09"))}, p),
    };
    t.rules = {terminal()};
    return t;
}

ScreenTable form16()
{
    ScreenTable t;
    t.name = QStringLiteral("Form16");
    t.title = QStringLiteral("Con granos desecados");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form10");
    t.selectOption1 = true;
    t.boxes = {withText(box(1, 2160, 960), QStringLiteral("Form16.Image1")),
               withText(box(2, 8640, 960), QStringLiteral("Form16.Image2"))};
    t.loadPhotos = {{1, QStringLiteral("\\Black-Rot\\Black-Rot03.jpg")},
                    {2, QStringLiteral("\\Antracnosis\\Antracnosis01.jpg")}};
    t.options = {
        option(1, QStringLiteral("Recubiertos  de puntitos negros"), {key(QStringLiteral("Black-rot"))},
               description(QStringLiteral("Form16.Image1"))),
        option(2,
               QStringLiteral("De color negruzco que luego viran a blanco-grisaceo pudiendo llegar a desprenderse la "
                              "piel"),
               {key(QStringLiteral("Antracnosis"))}, description(QStringLiteral("Form16.Image2"))),
    };
    t.rules = {terminal()};
    return t;
}

ScreenTable form17()
{
    ScreenTable t;
    t.name = QStringLiteral("Form17");
    t.title = QStringLiteral("Con manchas en granos");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form10");
    t.boxes = {withText(box(1, 2160, 960), QStringLiteral("Form17.Image1")),
               withText(box(2, 8640, 960), QStringLiteral("Form17.Image2"))};
    t.loadPhotos = {{1, QStringLiteral("\\Frankliniella\\frankliniella01.jpg")},
                    {2, QStringLiteral("\\Drepanotrips\\drepanotrips03.jpg")}};
    t.options = {
        option(1, QStringLiteral("Necróticas y rodeadas de un halo blanquecino"),
               {key(QStringLiteral("Frankliniella"))}, description(QStringLiteral("Form17.Image1"))),
        option(2, QStringLiteral("Suberizadas"), {key(QStringLiteral("Drepanotrips"))},
               description(QStringLiteral("Form17.Image2"))),
    };
    t.rules = {terminal()};
    t.buttonHints[2] = 2;
    return t;
}

ScreenTable form18()
{
    ScreenTable t;
    t.name = QStringLiteral("Form18");
    t.title = QStringLiteral("Con manchas en raquis");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form10");
    t.boxes = {byOption(box(1, 1080, 960),
                        {{1, QStringLiteral("Form18.Image1.Option1")},
                         {2, QStringLiteral("Form18.Image1.Option2")},
                         {3, QStringLiteral("Form18.Image1.Option3")},
                         {4, QStringLiteral("Form18.Image1.Option4")}})};
    const OptionHint p = pair(Prompt::P1, FollowUp::F1);
    t.options = {
        option(1, QStringLiteral("Negruzcas, irregulares y superficiales"),
               {key(QStringLiteral("Excoriosis")), load(1, QStringLiteral("\\Excoriosis\\excoriosis05.jpg"))}, p),
        option(2, QStringLiteral("Negruzcas, irregulares y profundas"),
               {key(QStringLiteral("Necrosis bacteriana")),
                load(1, QStringLiteral("\\Necrosis bacteriana\\necrosis_bacteriana04.jpg"))},
               p),
        option(3, QStringLiteral("Oscuras tipo roña"),
               {key(QStringLiteral("Acaro de la roña")), load(1, QStringLiteral("\\Acaro de la roña\\Roña02.jpg"))}, p),
        option(4, QStringLiteral("Decoloradas, plateadas, con necrosis"),
               {key(QStringLiteral("Frankliniella")), load(1, QStringLiteral("\\Frankliniella\\frankliniella02.jpg"))},
               p),
    };
    t.rules = {terminal()};
    return t;
}

}  // namespace

QList<ScreenTable> bunchesBranch()
{
    return {form10(), form11(), form12(), form13(), form14(), form15(), form16(), form17(), form18()};
}

}  // namespace q
