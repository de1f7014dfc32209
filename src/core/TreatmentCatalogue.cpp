#include "core/TreatmentCatalogue.h"

#include "core/FindEntry.h"

#include <iterator>

namespace TreatmentCatalogue {

namespace {

struct Row {
    const char *key;
    const char *caption;  // nullptr: no caption of its own
    const char *document;
};

QList<Entry> build()
{
    // clang-format off
    static const Row rows[] = {
        {"Polilla del Racimo", "TRATAMIENTO CONTRA POLILLA DEL RACIMO", "polilla_racimo2.rtf"},
        {"Piral", "TRATAMIENTO CONTRA PIRAL", "piral2.rtf"},
        {"Gusanos grises", "TRATAMIENTO CONTRA GUSANOS GRISES", "gusanos_grises2.rtf"},
        {"Oruga peluda", "TRATAMIENTO CONTRA ORUGA PELUDA", "oruga_peluda2.rtf"},
        {"Melazo", "TRATAMIENTO CONTRA MELAZO", "melazo2.rtf"},
        {"Eulecanio", "TRATAMIENTO CONTRA EULECANIO", "eulecanio2.rtf"},
        {"Filoxera", "TRATAMIENTO CONTRA FILOXERA", "filoxera2.rtf"},
        {"Mosquito verde", "TRATAMIENTO CONTRA MOSQUITO VERDE", "mosquito_verde2.rtf"},
        {"Pulgones", "TRATAMIENTO CONTRA PULGONES", "pulgones2.rtf"},
        {"Chinche gris", "TRATAMIENTO CONTRA CHINCHE GRIS", "chinche_gris2.rtf"},
        {"Frankliniella", "TRATAMIENTO CONTRA FRANKLINIELLA", "frankliniella2.rtf"},
        {"Drepanotrips", "TRATAMIENTO CONTRA DREPANOTRIPS", "drepanotrips2.rtf"},
        {"Altica", "TRATAMIENTO CONTRA ÁLTICA", "altica2.rtf"},
        {"Castañeta", "TRATAMIENTO CONTRA CASTAÑETA", "castaneta2.rtf"},
        {"Cigarrero", "TRATAMIENTO CONTRA CIGARRERO", "cigarrero2.rtf"},
        {"Gorgojos", "TRATAMIENTO CONTRA GORGOJOS", "gorgojos2.rtf"},
        {"Pedroulo", "TRATAMIENTO CONTRA PEDROULO", "pedroulo2.rtf"},
        {"Barrenillo", "TRATAMIENTO CONTRA BARRENILLO", "barrenillo2.rtf"},
        {"Conchudos", "TRATAMIENTO CONTRA CONCHUDOS", "conchudos2.rtf"},
        {"Gusanos blancos", "TRATAMIENTO CONTRA GUSANOS BLANCOS", "gusanos_blancos2.rtf"},
        {"Gusanos de alambre", "TRATAMIENTO CONTRA GUSANOS DE ALAMBRE", "gusanos_alambre2.rtf"},
        {"Mosca de la fruta", nullptr, "mosca_fruta2.rtf"},
        {"Mosca del vinagre", "TRATAMIENTO CONTRA MOSCA DEL VINAGRE", "mosca_vinagre2.rtf"},
        {"Bibionido", "TRATAMIENTO CONTRA BIBIONIDO", "bibionido2.rtf"},
        {"Avispas", "TRATAMIENTO CONTRA AVISPAS", "avispas2.rtf"},
        {"Termitas", "TRATAMIENTO CONTRA TERMITAS", "termitas2.rtf"},
        {"Araña amarilla común", "TRATAMIENTO CONTRA ARAÑA AMARILLA COMÚN", "arana_amarilla_comun2.rtf"},
        {"Araña roja", "TRATAMIENTO CONTRA ARAÑA ROJA", "arana_roja2.rtf"},
        {"Araña amarilla", "TRATAMIENTO CONTRA ARAÑA AMARILLA", "arana_amarilla2.rtf"},
        {"Acaro de la roña", "TRATAMIENTO CONTRA ÁCARO DE LA ROÑA", "acaro_rona2.rtf"},
        {"Acariosis", "TRATAMIENTO CONTRA ACARIOSIS", "acariosis2.rtf"},
        {"Erinosis", "TRATAMIENTO CONTRA ERINOSIS", "erinosis2.rtf"},
        {"Meloidogyne", "TRATAMIENTO CONTRA MELOIDOGYNE", "meloidogyne2.rtf"},
        {"Xiphinema", "TRATAMIENTO CONTRA XIPHINEMA", "xiphinema2.rtf"},
        {"Pájaros", "TRATAMIENTO CONTRA PÁJAROS", "pajaros2.rtf"},
        {"Roedores", "TRATAMIENTO CONTRA ROEDORES", "roedores2.rtf"},
        {"Conejos", "TRATAMIENTO CONTRA LIEBRES Y CONEJOS", "conejos2.rtf"},
        {"Caracoles", "TRATAMIENTO CONTRA CARACOLES", "caracoles2.rtf"},
        {"Mildiu", "TRATAMIENTO CONTRA MILDIU", "mildiu2.rtf"},
        {"Oidio", "TRATAMIENTO CONTRA OÍDIO", "oidio2.rtf"},
        {"Podredumbre gris", "TRATAMIENTO CONTRA PODREDUMBRE GRIS", "podredumbre_gris2.rtf"},
        {"Podredumbre s", "TRATAMIENTO CONTRA PODREDUMBRES SECUNDARIAS", "podredumbres_secundarias2.rtf"},
        {"Antracnosis", "TRATAMIENTO CONTRA ANTRACNOSIS", "antracnosis2.rtf"},
        {"Black-rot", "TRATAMIENTO CONTRA BLACK-ROT", "black_rot2.rtf"},
        {"Excoriosis", "TRATAMIENTO CONTRA EXCORIOSIS", "excoriosis2.rtf"},
        {"Eutipiosis", "TRATAMIENTO CONTRA EUTIPIOSIS", "eutipiosis2.rtf"},
        {"Yesca", "TRATAMIENTO CONTRA YESCA", "yesca2.rtf"},
        {"Podredumbres r", "TRATAMIENTO CONTRA PODREDUMBRES DE LA RAÍZ", "podredumbres_raiz2.rtf"},
        {"Necrosis bacteriana", "TRATAMIENTO CONTRA NECROSIS BACTERIANA", "necrosis_bacteriana2.rtf"},
        {"Tuberculosis", "TRATAMIENTO CONTRA TUBERCULOSIS", "tuberculosis2.rtf"},
        {"Enfermedad de Pierce", "TRATAMIENTO CONTRA LA ENFERMEDAD DE PIERCE", "enfermedad_pierce2.rtf"},
        {"Podredumbre ácida", "TRATAMIENTO CONTRA PODREDUMBRE ÁCIDA", "podredumbre_acida2.rtf"},
        {"Entrenudo corto", "TRATAMIENTO CONTRA ENTRENUDO CORTO INFECCIOSO", "entrenudo_corto2.rtf"},
        {"Enrollado", "TRATAMIENTO CONTRA ENROLLADO", "enrollado2.rtf"},
        {"Jaspeado", nullptr, "jaspeado2.rtf"},
        {"Madera rizada", "TRATAMIENTO CONTRA MADERA RIZADA", "madera_rizada2.rtf"},
        {"Flavescencia dorada", nullptr, "flavescencia_dorada2.rtf"},
    };
    // clang-format on

    QList<Entry> list;
    list.reserve(std::size(rows));
    for (const Row &row : rows) {
        list << Entry{QString::fromUtf8(row.key), row.caption ? QString::fromUtf8(row.caption) : QString(),
                      QString::fromUtf8(row.document)};
    }
    return list;
}

}  // namespace

const QList<Entry> &entries()
{
    static const QList<Entry> list = build();
    return list;
}

const Entry *byKey(const QString &key) { return findEntry(entries(), &Entry::key, key); }

}  // namespace TreatmentCatalogue
