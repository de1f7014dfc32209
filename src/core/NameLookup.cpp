#include "core/NameLookup.h"

#include <initializer_list>
#include <iterator>

namespace NameLookup {

namespace {

QStringList fromUtf8(std::initializer_list<const char *> names)
{
    QStringList list;
    list.reserve(qsizetype(names.size()));
    for (const char *name : names)
        list << QString::fromUtf8(name);
    return list;
}

struct TableRow {
    const char *key;
    std::initializer_list<const char *> scientific;
    std::initializer_list<const char *> common;
};

QList<Row> buildTable()
{
    // clang-format off
    static const TableRow rows[] = {
        {"Gusanos grises",
         {"Agrotis segetum", "Euxoa tritici", "Noctua pronuba", "Agrotis ipsilon",
          "Agrotis exclamationis", "Xestia c-nigrum", "Heliothis armigera", "Mamestra brassicae",
          "Mythimna litoralis", "Naenia typica", "Noctua fimbriata", "Noctua orbona",
          "Peridroma saucia", "Spodoptera exigua", "Agrotis crassa", "Agrotis clavis",
          "Agrotis trux", "Autographa gamma", "Eugnorisma pontica", "Euxoa aquilina"},
         {"Gusanos grises", "Rosquillas", "Malduermes", "Dormilones", "Lobillos"}},
        {"Oruga peluda",
         {"Ocnogyna baetica"},
         {"Oruga peluda", "Telaraña"}},
        {"Polilla del Racimo",
         {"Lobesia botrana", "Eupoecilia ambigüella", "Cryptoblabes gnidiella"},
         {"Polilla del racimo", "Hilandero", "Coco", "Gusano de las uvas", "Cuc del raïm",
          "Polilla", "Torvisco"}},
        {"Piral",
         {"Sparganothis pilleriana"},
         {"Piral", "Papeletero", "Sapo", "Gusano de la viña", "Gusano de cabeza",
          "Gusano del astro"}},
        {"Eulecanio",
         {"Eulecanium corni"},
         {"Eulecanio", "Cochinilla", "Caparreta"}},
        {"Filoxera",
         {"Viteus vitifolii"},
         {"Filoxera"}},
        {"Mosquito verde",
         {"Empoasca sp."},
         {"Mosquito verde", "Saltador de la parra", "Roya colorada"}},
        {"Pulgones",
         {"Aphis gossypii"},
         {"Pulgones"}},
        {"Chinche gris",
         {"Nysius ericae"},
         {"Chinche gris"}},
        {"Frankliniella",
         {"Frankliniella occidentalis"},
         {"Frankliniella"}},
        {"Drepanotrips",
         {"Drepanotrips reuteri"},
         {"Drepanotrips"}},
        {"Altica",
         {"Haltica ampelophaga"},
         {"Áltica", "Escarabajo", "Escarabajuelo", "Azulita", "Pulguilla", "Coquillo", "Blaveta",
          "Escarabatet", "Animaló", "Saltiró", "Corocha"}},
        {"Castañeta",
         {"Vesperus xatarti"},
         {"Castañeta", "Mongeta", "Gusano blanco", "Castañuela", "Vilda"}},
        {"Cigarrero",
         {"Byctiscus betulae"},
         {"Cigarrero"}},
        {"Gorgojos",
         {"Otiorrhynchus sp."},
         {"Gorgojos", "Escarabajillos"}},
        {"Pedroulo",
         {"Cneorrhinus dispar"},
         {"Pedroulo", "Pedrolo", "Pedreses"}},
        {"Barrenillo",
         {"Synoxilon sexdentatum"},
         {"Barrenillo", "Carcoma", "Barrena"}},
        {"Conchudos",
         {"Epicometis hirta", "Epicometis squalida", "Oxithyrea funesta"},
         {"Conchudos", "Sapos de concha"}},
        {"Gusanos blancos",
         {"Melolontha melolontha", "Melolontha hippocastari", "Anoxia villosa"},
         {"Gusanos blancos", "Gallinaza", "Gallinicas ciegas", "Cachorros"}},
        {"Gusanos de alambre",
         {"Agriotes obscurus", "Agriotes lineatus", "Agriotes sputatos", "Agriotes sp."},
         {"Gusanos de alambre", "Alfilerillos", "Alambrillos", "Orovivos", "Doradillas"}},
        {"Mosca de la fruta",
         {"Ceratitis capitata"},
         {"Mosca de la fruta", "Mosca del Mediterráneo"}},
        {"Mosca del vinagre",
         {"Drosophila melanogaster"},
         {"Mosca del vinagre", "Drosofila"}},
        {"Bibionido",
         {"Bibio hortulanus"},
         {"Bibionido"}},
        {"Avispas",
         {"Polistes gallicus"},
         {"Avispas"}},
        {"Termitas",
         {"Calotermes flavicolis", "Reticulitermes lucifugus"},
         {"Termitas", "Hormigas blancas"}},
        {"Araña amarilla común",
         {"Tetranychus urticae"},
         {"Araña amarilla común"}},
        {"Araña roja",
         {"Panonychus ulmi"},
         {"Araña roja"}},
        {"Araña amarilla",
         {"Eotetranychus carpini"},
         {"Araña amarilla"}},
        {"Acaro de la roña",
         {"Brevipalpus lewisi"},
         {"Ácaro de la roña"}},
        {"Acariosis",
         {"Calepitrimerus vitis"},
         {"Acariosis"}},
        {"Erinosis",
         {"Eriophyes vitis"},
         {"Erinosis", "Ácaro de las yemas", "Eriófido de yemas"}},
        {"Meloidogyne",
         {"Meloidogyne sp."},
         {"Nematodos (Meloidogyne)"}},
        {"Xiphinema",
         {"Xiphinema sp."},
         {"Nematodos (Xiphinema)"}},
        {"Mildiu",
         {"Plasmopara viticola"},
         {"Mildiu", "Mildeo", "Mildeu", "Niebla", "Añublo"}},
        {"Oidio",
         {"Uncinula necator"},
         {"Oídio", "Cenicilla", "Polvillo", "Polvo", "Cendrada", "Cendrosa", "Sendreta", "Malura",
          "Roya", "Blanqueta"}},
        {"Podredumbre gris",
         {"Botrytis cinerea"},
         {"Podredumbre gris", "Podrido", "Botrytis", "Gangrena", "Pudrición", "Podrit"}},
        {"Antracnosis",
         {"Elsinoë ampelina"},
         {"Antracnosis"}},
        {"Black-rot",
         {"Guignardia bidwellii"},
         {"Black-rot", "Podredumbre negra", "Roña negra", "Dry-rot"}},
        {"Excoriosis",
         {"Phomopsis viticola"},
         {"Excoriosis"}},
        {"Eutipiosis",
         {"Eutypa lata"},
         {"Eutipiosis"}},
        {"Podredumbres r",
         {"Armillaria mellea", "Rosellinia necatrix"},
         {"Podredumbres de la raíz"}},
        {"Necrosis bacteriana",
         {"Xylophilus ampelina"},
         {"Necrosis bacteriana"}},
        {"Tuberculosis",
         {"Agrobacterium tumefaciens"},
         {"Tuberculosis", "Roña"}},
        {"Enfermedad de Pierce",
         {"Xylella fastidiosa"},
         {"Enfermedad de Pierce"}},
        {"Podredumbre s",
         {"Alternaria sp.", "Cladosporium herbarum", "Penicillium sp.", "Rhizopus nigricans",
          "Aspergillus niger"},
         {"Podredumbres secundarias"}},
        {"Pájaros",
         {"Aves"},
         {"Pájaros"}},
        {"Roedores",
         {"Roedores"},
         {"Roedores"}},
        {"Conejos",
         {"Conejos", "Liebres"},
         {"Conejos", "Liebres"}},
        {"Caracoles",
         {"Gasterópodos"},
         {"Caracoles"}},
        {"Yesca",
         {"Acremonium", "Eutypa", "Sphaeropsis", "Phomopsis"},
         {"Yesca", "Apoplegía parasitaria"}},
        {"Podredumbre ácida",
         {"Acetobacter sp.", "Kloeckera apiculata", "Saccharomycopsis vini"},
         {"Podredumbre ácida"}},
        {"Entrenudo corto",
         {"GFLV"},
         {"Entrenudo corto"}},
        {"Enrollado",
         {"GLRaV"},
         {"Enrollado"}},
        {"Jaspeado",
         {"GFRV", "GLgRD"},
         {"Jaspeado"}},
        {"Flavescencia dorada",
         {"MLO"},
         {"Flavescencia dorada"}},
        {"Melazo",
         {},
         {"Melazo", "Cochinilla algodonosa", "Algodón", "Cotonet"}},
        {"Madera rizada",
         {},
         {"Madera rizada"}},
    };
    // clang-format on

    QList<Row> list;
    list.reserve(std::size(rows));
    for (const TableRow &row : rows)
        list << Row{QString::fromUtf8(row.key), fromUtf8(row.scientific), fromUtf8(row.common)};
    return list;
}

}  // namespace

const QStringList &scientificNames()
{
    // clang-format off
    static const QStringList names = fromUtf8({
    "Lobesia botrana", "Eupoecilia ambigüella", "Cryptoblabes gnidiella",
    "Sparganothis pilleriana", "Agrotis segetum", "Euxoa tritici", "Noctua pronuba",
    "Agrotis ipsilon", "Agrotis exclamationis", "Xestia c-nigrum", "Heliothis armigera",
    "Mamestra brassicae", "Mythimna litoralis", "Naenia typica", "Noctua fimbriata",
    "Noctua orbona", "Peridroma saucia", "Spodoptera exigua", "Agrotis crassa", "Agrotis clavis",
    "Agrotis trux", "Autographa gamma", "Eugnorisma pontica", "Euxoa aquilina", "Ocnogyna baetica",
    "Eulecanium corni", "Viteus vitifolii", "Empoasca sp.", "Aphis gossypii", "Nysius ericae",
    "Frankliniella occidentalis", "Drepanotrips reuteri", "Haltica ampelophaga",
    "Vesperus xatarti", "Byctiscus betulae", "Otiorrhynchus sp.", "Cneorrhinus dispar",
    "Synoxilon sexdentatum", "Epicometis hirta", "Epicometis squalida", "Oxithyrea funesta",
    "Melolontha melolontha", "Melolontha hippocastari", "Anoxia villosa", "Agriotes obscurus",
    "Agriotes lineatus", "Agriotes sputatos", "Agriotes sp.", "Ceratitis capitata",
    "Drosophila melanogaster", "Bibio hortulanus", "Polistes gallicus", "Calotermes flavicolis",
    "Reticulitermes lucifugus", "Tetranychus urticae", "Panonychus ulmi", "Eotetranychus carpini",
    "Brevipalpus lewisi", "Calepitrimerus vitis", "Eriophyes vitis", "Meloidogyne sp.",
    "Xiphinema sp.", "Plasmopara viticola", "Uncinula necator", "Botrytis cinerea",
    "Elsinoë ampelina", "Guignardia bidwellii", "Phomopsis viticola", "Eutypa lata",
    "Armillaria mellea", "Rosellinia necatrix", "Xylophilus ampelina", "Agrobacterium tumefaciens",
    "Xylella fastidiosa", "Alternaria sp.", "Cladosporium herbarum", "Penicillium sp.",
    "Rhizopus nigricans", "Aspergillus niger", "Roedores", "Aves", "Conejos", "Liebres",
    "Gasterópodos", "Acremonium", "Eutypa", "Sphaeropsis", "Phomopsis", "Acetobacter sp.",
    "Kloeckera apiculata", "Saccharomycopsis vini", "GFLV", "GLRaV", "GFRV", "GLgRD", "MLO",
    });
    // clang-format on
    return names;
}

const QStringList &commonNames()
{
    // clang-format off
    static const QStringList names = fromUtf8({
    "Polilla del racimo", "Hilandero", "Coco", "Gusano de las uvas", "Cuc del raïm", "Polilla",
    "Torvisco", "Piral", "Papeletero", "Sapo", "Gusano de la viña", "Gusano de cabeza",
    "Gusano del astro", "Gusanos grises", "Rosquillas", "Malduermes", "Dormilones", "Lobillos",
    "Oruga peluda", "Telaraña", "Melazo", "Cochinilla algodonosa", "Algodón", "Cotonet",
    "Eulecanio", "Cochinilla", "Caparreta", "Filoxera", "Mosquito verde", "Saltador de la parra",
    "Roya colorada", "Pulgones", "Chinche gris", "Frankliniella", "Drepanotrips", "Áltica",
    "Escarabajo", "Escarabajuelo", "Azulita", "Pulguilla", "Coquillo", "Blaveta", "Escarabatet",
    "Animaló", "Saltiró", "Corocha", "Castañeta", "Mongeta", "Gusano blanco", "Castañuela",
    "Vilda", "Cigarrero", "Gorgojos", "Escarabajillos", "Pedroulo", "Pedrolo", "Pedreses",
    "Barrenillo", "Carcoma", "Barrena", "Conchudos", "Sapos de concha", "Gusanos blancos",
    "Gallinaza", "Gallinicas ciegas", "Cachorros", "Gusanos de alambre", "Alfilerillos",
    "Alambrillos", "Orovivos", "Doradillas", "Mosca de la fruta", "Mosca del Mediterráneo",
    "Mosca del vinagre", "Drosofila", "Bibionido", "Avispas", "Termitas", "Hormigas blancas",
    "Araña amarilla común", "Araña amarilla", "Araña roja", "Ácaro de la roña", "Acariosis",
    "Erinosis", "Ácaro de las yemas", "Eriófido de yemas", "Nematodos (Meloidogyne)",
    "Nematodos (Xiphinema)", "Pájaros", "Roedores", "Conejos", "Liebres", "Caracoles", "Mildiu",
    "Mildeo", "Mildeu", "Niebla", "Añublo", "Oídio", "Cenicilla", "Polvillo", "Polvo", "Cendrada",
    "Cendrosa", "Sendreta", "Malura", "Roya", "Blanqueta", "Podredumbre gris", "Podrido",
    "Botrytis", "Gangrena", "Pudrición", "Podrit", "Podredumbres secundarias", "Antracnosis",
    "Black-rot", "Podredumbre negra", "Roña negra", "Dry-rot", "Excoriosis", "Eutipiosis", "Yesca",
    "Apoplegía parasitaria", "Podredumbres de la raíz", "Necrosis bacteriana", "Tuberculosis",
    "Roña", "Enfermedad de Pierce", "Podredumbre ácida", "Entrenudo corto", "Enrollado",
    "Jaspeado", "Madera rizada", "Flavescencia dorada",
    });
    // clang-format on
    return names;
}

const QList<Row> &table()
{
    static const QList<Row> list = buildTable();
    return list;
}

QString keyFor(const QString &scientificText, const QString &commonText, const QString &current)
{
    QString key = current;
    for (const Row &row : table()) {
        if (row.scientific.contains(scientificText) || row.common.contains(commonText))
            key = row.key;
    }
    return key;
}

}  // namespace NameLookup
