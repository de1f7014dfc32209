// The leaves branch: HOJAS (Form2), the shared honeydew screen Negrilla
// (Form3), eaten leaves (Form4) with Form5 and Form6, spots (Form7), galls
// (Form8) and discolorations (Form9).

#include "core/TableBuilders.h"

namespace q {

using namespace build;

namespace {

ScreenTable form2()
{
    ScreenTable t;
    t.name = QStringLiteral("Form2");
    t.title = QStringLiteral("HOJAS");
    t.sintoma = QStringLiteral("Hojas");
    t.volver = QStringLiteral("Form1");
    t.boxes = {
        conditions(byOption(box(1, 840, 1200),
                            {{7, QStringLiteral("Form2.Image1.Option7")}, {8, QStringLiteral("Form2.Image1.Option8")}}),
                   Condition::anyOf({7, 8}), Condition::anyOf({7, 8})),
        conditions(byOption(box(2, 840, 1200, 2175, 3255),
                            {{6, QStringLiteral("Form2.Image2.Option6")}, {9, QStringLiteral("Form2.Image2.Option9")}}),
                   Condition::anyOf({6, 9}), Condition::picture()),
        conditions(byOption(box(3, 3000, 1200, 2175, 3255),
                            {{6, QStringLiteral("Form2.Image3.Option6")}, {9, QStringLiteral("Form2.Image3.Option9")}}),
                   Condition::anyOf({6, 9}), Condition::picture()),
    };
    t.loadPhotos = {{1, QStringLiteral("\\Imagen1.jpg")}};
    const QList<Action> placeholder = hideAll({2, 3}) + load(1, QStringLiteral("\\Imagen1.jpg"));
    t.options = {
        option(1, QStringLiteral("Roídas o comidas"), placeholder, choice(Choice::C1)),
        option(2, QStringLiteral("Con manchas"), placeholder, choice(Choice::C1)),
        option(3, QStringLiteral("Con agallas"), placeholder, choice(Choice::C1)),
        option(4, QStringLiteral("Con decoloraciones"), placeholder, choice(Choice::C1)),
        option(5, QStringLiteral("Con una secreción tipo miel que posteriormente se recubre de <<negrilla>>"),
               placeholder, choice(Choice::C1)),
        option(6,
               QStringLiteral("Con deformaciones diversas, dentición más acusada y presencia de mosaicos de tipo "
                              "nerviacional y amarillo"),
               {show(2), load(2, QStringLiteral("\\Entrenudo corto\\entrenudo_corto05.jpg")), show(3),
                load(3, QStringLiteral("\\Entrenudo corto\\entrenudo_corto04.jpg")),
                key(QStringLiteral("Entrenudo corto"))},
               pair(Prompt::P2, FollowUp::F1, QStringLiteral("El seno peciolar se abre más de lo normal."))),
        option(7,
               QStringLiteral("Encorvadas hacia el envés, comenzando por las más viejas, con decoloraciones rojizas "
                              "entre los nervios en las variedades tintas"),
               hideAll({2, 3}) + load(1, QStringLiteral("\\Enrollado\\enrollado01.jpg"))
                   + key(QStringLiteral("Enrollado")),
               pair(Prompt::P2, FollowUp::F1)),
        option(8, QStringLiteral("Con curvamiento más o menos acentuado de las terminales hacia el envés"),
               hideAll({2, 3}) + load(1, QStringLiteral("\\Erinosis\\erinosis01.jpg"))
                   + key(QStringLiteral("Erinosis")),
               pair(Prompt::P2, FollowUp::F1)),
        option(9,
               QStringLiteral("En forma de tejas, con sobreposición de unas hojas sobre otras como las escamas de un "
                              "pez, y coloraciones rojizas en las variedades tintas y amarilleos cloróticos en las "
                              "blancas."),
               {show(2), load(2, QStringLiteral("\\Flavescencia dorada\\flavescencia_dorada01.jpg")), show(3),
                load(3, QStringLiteral("\\Flavescencia dorada\\flavescencia_dorada02.jpg")),
                key(QStringLiteral("Flavescencia dorada"))},
               pair(Prompt::P2, FollowUp::F1)),
    };
    t.rules = {when({1}, QStringLiteral("Form4")),          when({2}, QStringLiteral("Form7")),
               when({3}, QStringLiteral("Form8")),          when({4}, QStringLiteral("Form9")),
               toOrganScreen({5}, QStringLiteral("Form3")), when({6, 7, 8, 9}, result)};
    return t;
}

ScreenTable form3()
{
    ScreenTable t;
    t.name = QStringLiteral("Form3");
    t.title = QStringLiteral("Negrilla");
    t.sintoma = QStringLiteral("Negrilla");
    t.volverByOrgano = true;
    t.boxes = {withText(box(1, 840, 960), QStringLiteral("Form3.Image1")),
               withText(box(2, 5400, 960), QStringLiteral("Form3.Image2")),
               withText(box(3, 9960, 960), QStringLiteral("Form3.Image3"))};
    t.loadPhotos = {{1, QStringLiteral("\\Melazo\\melazo03.jpg")},
                    {2, QStringLiteral("\\Eulecanio\\eulecanio01.jpg")},
                    {3, QStringLiteral("\\Pulgones\\pulgones01.jpg")}};
    t.options = {
        option(1, QStringLiteral("Melazo o cochinilla algodonosa"), {key(QStringLiteral("Melazo"))},
               description(QStringLiteral("Form3.Image1"))),
        option(2, QStringLiteral("Eulecanio"), {key(QStringLiteral("Eulecanio"))},
               description(QStringLiteral("Form3.Image2"))),
        option(3, QStringLiteral("Pulgones"), {key(QStringLiteral("Pulgones"))},
               description(QStringLiteral("Form3.Image3"))),
    };
    t.rules = {terminal()};
    t.buttonHints[2] = 2;
    return t;
}

ScreenTable form4()
{
    ScreenTable t;
    t.name = QStringLiteral("Form4");
    t.title = QStringLiteral("Roídas o comidas");
    t.sintoma = QStringLiteral("Roídas o comidas");
    t.volver = QStringLiteral("Form2");
    t.boxes = {conditions(byOption(box(1, 1080, 1320),
                                   {{1, QStringLiteral("Form4.Image1.Option1")},
                                    {2, QStringLiteral("Form4.Image1.Option2")},
                                    {4, QStringLiteral("Form4.Image1.Option4")},
                                    {6, QStringLiteral("Form4.Image1.Option6")}}),
                          Condition::anyOf({1, 2, 4, 6}), Condition::picture())};
    const QString lead = QStringLiteral("El envés se hace más visible y da aspecto plateado a los viñedos.");
    t.options = {
        option(1, QStringLiteral("Y reunidas en paquetes por hilos de seda o simplemente dobladas"),
               {load(1, QStringLiteral("\\Piral\\piral04.jpg")), key(QStringLiteral("Piral"))},
               pair(Prompt::P1, FollowUp::F1, lead, lead)),
        option(2, QStringLiteral("Y posteriormente enrolladas en forma de cigarro"),
               {load(1, QStringLiteral("\\Cigarrero\\cigarrero01.jpg")), key(QStringLiteral("Cigarrero"))},
               pair(Prompt::P1, FollowUp::F1)),
        option(3, QStringLiteral("De forma irregular y respetando los nervios"),
               {load(1, QStringLiteral("\\Gusanos grises\\gusanos_grises02.jpg"))}, choice(Choice::C2)),
        option(4,
               QStringLiteral("Como si fueran un fino encaje, pero respetando siempre los nervios y una cara del "
                              "limbo"),
               {load(1, QStringLiteral("\\Altica\\Altica01.jpg")), key(QStringLiteral("Altica"))},
               pair(Prompt::P1, FollowUp::F1)),
        option(5, QStringLiteral("Casi totalmente"), {load(1, QStringLiteral("\\Imagen1.jpg"))}, choice(Choice::C2)),
        option(6, QStringLiteral("Con presencia de una secreción mucosa brillante"),
               {load(1, QStringLiteral("\\Caracoles\\Caracoles01.jpg")), key(QStringLiteral("Caracoles"))},
               pair(Prompt::P1, FollowUp::F1)),
    };
    t.rules = {when({3}, QStringLiteral("Form5")), when({5}, QStringLiteral("Form6")), when({1, 2, 4, 6}, result)};
    t.buttonHints[0] = 2;
    return t;
}

ScreenTable form5()
{
    ScreenTable t;
    t.name = QStringLiteral("Form5");
    t.title = QStringLiteral("De forma irregular y respetando los nervios");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form4");
    t.selectOption1 = true;
    t.boxes = {withText(box(1, 720, 720), QStringLiteral("Form5.Image1")),
               withText(box(2, 5400, 720), QStringLiteral("Form5.Image2")),
               withText(box(3, 10080, 720), QStringLiteral("Form5.Image3"))};
    t.loadPhotos = {{1, QStringLiteral("\\Gusanos grises\\gusanos_grises01.jpg")},
                    {2, QStringLiteral("\\Conchudos\\conchudos01.jpg")},
                    {3, QStringLiteral("\\Bibionido\\Bibionido01.jpg")}};
    t.options = {
        option(1, QStringLiteral("Gusanos grises"), {key(QStringLiteral("Gusanos grises"))},
               description(QStringLiteral("Form5.Image1"))),
        option(2, QStringLiteral("Conchudo"), {key(QStringLiteral("Conchudos"))},
               description(QStringLiteral("Form5.Image2"))),
        option(3, QStringLiteral("Bibionido"), {key(QStringLiteral("Bibionido"))},
               description(QStringLiteral("Form5.Image3"))),
    };
    t.rules = {terminal()};
    return t;
}

ScreenTable form6()
{
    ScreenTable t;
    t.name = QStringLiteral("Form6");
    t.title = QStringLiteral("Casi totalmente");
    t.sintoma = t.title;
    t.volver = QStringLiteral("Form4");
    t.selectOption1 = true;
    t.boxes = {withText(box(1, 2040, 720), QStringLiteral("Form6.Image1")),
               withText(box(2, 8520, 840), QStringLiteral("Form6.Image2"))};
    t.loadPhotos = {{1, QStringLiteral("\\Pedroulo\\pedroulo01.jpg")}, {2, QStringLiteral("\\Conejos\\conejos01.jpg")}};
    t.options = {
        option(1, QStringLiteral("Pedroulo"), {key(QStringLiteral("Pedroulo"))},
               description(QStringLiteral("Form6.Image1"))),
        option(2, QStringLiteral("Conejos o liebres"), {key(QStringLiteral("Conejos"))},
               description(QStringLiteral("Form6.Option2"))),
    };
    t.rules = {terminal()};
    return t;
}

ScreenTable form7()
{
    ScreenTable t;
    t.name = QStringLiteral("Form7");
    t.title = QStringLiteral("Con manchas");
    t.sintoma = QStringLiteral("Con manchas");
    t.volver = QStringLiteral("Form2");
    auto k = [](const char *key) { return QStringLiteral("Form7.") + QLatin1String(key); };
    t.boxes = {
        byOption(box(1, 720, 840),
                 {{3, k("Image1.Option3")},
                  {4, k("Image1.Option4")},
                  {7, k("Image1.Option7")},
                  {11, k("Image1.Option11")},
                  {12, k("Image1.Option12")},
                  {13, k("Image1.Option13")}}),
        byOption(box(2, 720, 840, 2175, 3255, false),
                 {{1, k("Image2.Option1")},
                  {2, k("Image2.Option2")},
                  {5, k("Image2.Option5")},
                  {6, k("Image2.Option6")},
                  {8, k("Image2.Option8")},
                  {9, k("Image2.Option9")},
                  {10, k("Image2.Option10")}}),
        byOption(box(3, 2880, 840, 2175, 3255, false),
                 {{1, k("Image3.Option1")},
                  {2, k("Image2.Option2")},
                  {5, k("Image3.Option5")},
                  {6, k("Image3.Option6")},
                  {9, k("Image2.Option9")},
                  {10, k("Image3.Option10")}}),
        byOption(box(4, 2880, 840, 2175, 1695), {{8, k("Image4.Option8")}}),
        byOption(box(5, 2880, 2520, 2175, 1575), {{8, k("Image4.Option8")}}),
    };
    const QList<Action> halvesOff = hideAll({4, 5});
    const QList<Action> allOff = hideAll({2, 3, 4, 5});
    auto pairs = [](const QString &photo2, const QString &photo3) {
        return QList<Action>{show(2), load(2, photo2), show(3), load(3, photo3)};
    };
    const OptionHint p = pair(Prompt::P1, FollowUp::F1);
    t.options = {
        option(1,
               QStringLiteral("De aceite en el haz que se corresponden, a veces, con una pelusilla blanquecina en el "
                              "envés"),
               QList<Action>{key(QStringLiteral("Mildiu"))}
                   + pairs(QStringLiteral("\\Mildiu\\mildiu01.jpg"), QStringLiteral("\\Mildiu\\mildiu02.jpg"))
                   + halvesOff,
               p),
        option(2,
               QStringLiteral("Parduzcas, más pequeñas que las anteriores. La hoja se recubre de un polvillo grisáceo "
                              "semejante a la ceniza y se crispa en los bordes"),
               QList<Action>{key(QStringLiteral("Oidio"))}
                   + pairs(QStringLiteral("\\Oidio\\oidio04.jpg"), QStringLiteral("\\Oidio\\oidio02.jpg")) + halvesOff,
               p),
        option(3, QStringLiteral("Parduzcas, bastante grandes, situadas en los bordes del limbo"),
               QList<Action>{key(QStringLiteral("Podredumbre gris"))} + allOff
                   + load(1, QStringLiteral("\\Podredumbre gris\\podredumbre_gris03.jpg")),
               p),
        option(4,
               QStringLiteral("Oscuras, circulares, rodeadas de un borde negro-violáceo. La parte central se deseca y "
                              "se desprende originando agujeros"),
               QList<Action>{key(QStringLiteral("Antracnosis"))} + allOff
                   + load(1, QStringLiteral("\\Antracnosis\\Antracnosis03.jpg")),
               p),
        option(
            5,
            QStringLiteral("Pardo-rojizas rodeadas de un trazo oscuro y recubiertas en su interior de puntitos "
                           "negros"),
            QList<Action>{key(QStringLiteral("Black-rot"))}
                + pairs(QStringLiteral("\\Black-Rot\\Black-Rot01.jpg"), QStringLiteral("\\Black-Rot\\Black-Rot02.jpg"))
                + halvesOff,
            p),
        option(6, QStringLiteral("Amarillo-rojizas que penetran entre los nervios. Posteriormente se desecan"),
               QList<Action>{key(QStringLiteral("Yesca"))}
                   + pairs(QStringLiteral("\\Yesca\\yesca01.jpg"), QStringLiteral("\\Yesca\\yesca02.jpg")) + halvesOff,
               p),
        option(7, QStringLiteral("Oscuras o rojizas, pequeñas, con halo amarillento alrededor"),
               QList<Action>{key(QStringLiteral("Necrosis bacteriana"))} + allOff
                   + load(1, QStringLiteral("\\Necrosis bacteriana\\necrosis_bacteriana02.jpg")),
               p),
        option(8, QStringLiteral("Oscuras, muy pequeñas, sin halo amarillo alrededor"),
               {key(QStringLiteral("Excoriosis")), show(2), load(2, QStringLiteral("\\Excoriosis\\excoriosis11.jpg")),
                hide(3), show(4), load(4, QStringLiteral("\\Excoriosis\\excoriosis09.jpg")), show(5),
                load(5, QStringLiteral("\\Excoriosis\\excoriosis10.jpg"))},
               p),
        option(9, QStringLiteral("Rojizas o amarillas, muy pequeñas, cerca de los nervios"),
               QList<Action>{key(QStringLiteral("Araña amarilla"))}
                   + pairs(QStringLiteral("\\Araña amarilla\\Amarilla07.jpg"),
                           QStringLiteral("\\Araña amarilla\\Amarilla08.jpg"))
                   + halvesOff,
               p),
        option(
            10, QStringLiteral("Translúcidas, muy pequeñas"),
            QList<Action>{key(QStringLiteral("Acariosis"))}
                + pairs(QStringLiteral("\\Acariosis\\Acariosis03.jpg"), QStringLiteral("\\Acariosis\\Acariosis01.jpg"))
                + halvesOff,
            p),
        option(11, QStringLiteral("Pardas, en el envés, a lo largo de los nervios "),
               QList<Action>{key(QStringLiteral("Acaro de la roña"))} + allOff
                   + load(1, QStringLiteral("\\Acaro de la roña\\Roña01.jpg")),
               pair(Prompt::P1, FollowUp::F1, QStringLiteral("Es mejor ver síntomas en SARMIENTOS."),
                    QStringLiteral("Es mejor ver síntomas en SARMIENTOS."))),
        option(12, QStringLiteral("Puntuales, distribuídas por todo el limbo"),
               QList<Action>{key(QStringLiteral("Araña roja"))} + allOff
                   + load(1, QStringLiteral("\\Araña roja\\Aroja03.jpg")),
               p),
        option(13, QStringLiteral("Necróticas, amplias, con un halo verde-amarillento"),
               QList<Action>{key(QStringLiteral("Araña amarilla común"))} + allOff
                   + load(1, QStringLiteral("\\Araña amarilla común\\AmarillaC03.jpg")),
               p),
    };
    t.rules = {terminal()};
    return t;
}

ScreenTable form8()
{
    ScreenTable t;
    t.name = QStringLiteral("Form8");
    t.title = QStringLiteral("Con agallas");
    t.sintoma = QStringLiteral("Con agallas");
    t.volver = QStringLiteral("Form2");
    t.boxes = {withText(box(1, 2160, 840), QStringLiteral("Form8.Image1")),
               withText(box(2, 8640, 840), QStringLiteral("Form8.Image2"))};
    t.loadPhotos = {{1, QStringLiteral("\\Erinosis\\erinosis02.jpg")},
                    {2, QStringLiteral("\\Filoxera\\filoxera02.jpg")}};
    t.options = {
        option(1, QStringLiteral("Sobresaliendo en el haz y pelusilla blanquecina o rojiza en el envés"),
               {key(QStringLiteral("Erinosis"))}, description(QStringLiteral("Form8.Option1"))),
        option(2, QStringLiteral("Sobresaliendo en el envés y pilosidad blancuzca en el haz en vid americana"),
               {key(QStringLiteral("Filoxera"))}, description(QStringLiteral("Form8.Option2"))),
    };
    t.rules = {terminal()};
    return t;
}

ScreenTable form9()
{
    ScreenTable t;
    t.name = QStringLiteral("Form9");
    t.title = QStringLiteral("Con decoloraciones");
    t.sintoma = QStringLiteral("Con decoloraciones");
    t.volver = QStringLiteral("Form2");
    auto k = [](const char *key) { return QStringLiteral("Form9.") + QLatin1String(key); };
    t.boxes = {
        byOption(box(1, 1080, 960),
                 {{2, k("Image1.Option2")},
                  {3, k("Image1.Option3")},
                  {5, k("Image1.Option5")},
                  {6, k("Image1.Option6")},
                  {7, k("Image1.Option7")}}),
        byOption(box(2, 1080, 960, 2175, 3255, false), {{1, k("Image2.Option1")}, {4, k("Image2.Option4")}}),
        byOption(box(3, 3240, 960, 2175, 3255, false), {{1, k("Image3.Option1")}, {4, k("Image3.Option4")}}),
    };
    const OptionHint p = pair(Prompt::P1, FollowUp::F1);
    auto single = [](const char *keyName, const char *photo) {
        return QList<Action>{key(QString::fromUtf8(keyName)), hide(2), hide(3), load(1, QString::fromUtf8(photo))};
    };
    t.options = {
        option(1, QStringLiteral("Rojizas o amarillas. Hojas crispadas y/o desecadas en los bordes del limbo"),
               {key(QStringLiteral("Mosquito verde")), show(2),
                load(2, QStringLiteral("\\Mosquito verde\\mosquito_verde01.jpg")), show(3),
                load(3, QStringLiteral("\\Mosquito verde\\mosquito_verde02.jpg"))},
               p),
        option(2, QStringLiteral("Cloróticas y necrosis marginales. Las hojas son pequeñas y deformadas"),
               single("Eutipiosis", "\\Eutipiosis\\eutipiosis01.jpg"), p),
        option(3, QStringLiteral("Plateadas con necrosis"),
               single("Frankliniella", "\\Frankliniella\\frankliniella03.jpg"), p),
        option(4, QStringLiteral("Puntuales con desgarraduras"),
               {key(QStringLiteral("Drepanotrips")), show(2),
                load(2, QStringLiteral("\\Drepanotrips\\drepanotrips01.jpg")), show(3),
                load(3, QStringLiteral("\\Drepanotrips\\drepanotrips02.jpg"))},
               p),
        option(5, QStringLiteral("Puntuales y con pequeñas gotas de melaza de color oscuro"),
               single("Chinche gris", "\\Chinche gris\\chinche_gris01.jpg"), p),
        option(6,
               QStringLiteral("En los nervios y clareamiento en las zonas adyacentes, más visibles al trasluz. Al "
                              "evolucionar llegan a desaparecer"),
               single("Jaspeado", "\\Jaspeado\\jaspeado01.jpg"), p),
        option(7,
               QStringLiteral("Áreas cloróticas, amarillas en variedades blancas y rojo oscuro en tintas. Escaldado: "
                              "desecación del parénquima que toma color pardo y las zonas adyacentes amarillo o "
                              "rojizo"),
               single("Enfermedad de Pierce", "\\Enfermedad de Pierce\\enfermedad_pierce01.jpg"), p),
    };
    t.rules = {terminal()};
    return t;
}

}  // namespace

QList<ScreenTable> leavesBranch() { return {form2(), form3(), form4(), form5(), form6(), form7(), form8(), form9()}; }

}  // namespace q
