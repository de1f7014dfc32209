#include "core/ResultCatalogue.h"

#include "core/FindEntry.h"

#include <initializer_list>
#include <iterator>

namespace ResultCatalogue {

namespace {

struct Row {
    const char *key;
    const char *displayName;  // nullptr: the same as the key
    const char *stem;
    std::initializer_list<const char *> confusions;
};

QList<Entry> build()
{
    // clang-format off
    static const Row rows[] = {
        {"Bibionido", nullptr, "bibionido", {}},
        {"Altica", "Áltica", "altica", {}},
        {"Acariosis", nullptr, "acariosis", {"Castañeta", "Erinosis", "Eutipiosis"}},
        {"Acaro de la roña", "Ácaro de la roña", "acaro_rona", {"Excoriosis"}},
        {"Antracnosis", nullptr, "antracnosis", {}},
        {"Araña amarilla", nullptr, "arana_amarilla", {"Mildiu"}},
        {"Araña amarilla común", nullptr, "arana_amarilla_comun", {"Mosquito verde"}},
        {"Araña roja", nullptr, "arana_roja", {}},
        {"Avispas", nullptr, "avispas",
         {"Melazo", "Pájaros", "Podredumbre ácida", "Podredumbre gris", "Podredumbres secundarias"}},
        {"Barrenillo", nullptr, "barrenillo", {}},
        {"Black-rot", nullptr, "black_rot", {"Mildiu"}},
        {"Caracoles", nullptr, "caracoles", {"Cigarrero"}},
        {"Castañeta", nullptr, "castaneta",
         {"Acariosis", "Eutipiosis", "Podredumbres de la raíz", "Yesca"}},
        {"Cigarrero", nullptr, "cigarrero", {"Caracoles", "Excoriosis"}},
        {"Conchudos", nullptr, "conchudos", {"Gorgojos", "Gusanos grises"}},
        {"Chinche gris", nullptr, "chinche_gris", {}},
        {"Conejos", nullptr, "conejos", {}},
        {"Drepanotrips", nullptr, "drepanotrips", {"Podredumbre ácida"}},
        {"Erinosis", nullptr, "erinosis", {"Acariosis", "Entrenudo corto", "Eutipiosis", "Filoxera"}},
        {"Enfermedad de Pierce", nullptr, "enfermedad_pierce", {}},
        {"Eulecanio", nullptr, "eulecanio", {}},
        {"Eutipiosis", nullptr, "eutipiosis", {"Acariosis", "Castañeta", "Erinosis"}},
        {"Excoriosis", nullptr, "excoriosis",
         {"Ácaro de la roña", "Cigarrero", "Necrosis bacteriana", "Podredumbre gris",
          "Podredumbres secundarias"}},
        {"Enrollado", nullptr, "enrollado", {"Melazo", "Mosquito verde"}},
        {"Entrenudo corto", nullptr, "entrenudo_corto", {"Erinosis", "Xiphinema"}},
        {"Flavescencia dorada", nullptr, "flavescencia_dorada", {}},
        {"Filoxera", nullptr, "filoxera", {"Erinosis", "Meloidogyne"}},
        {"Frankliniella", nullptr, "frankliniella", {"Podredumbre ácida"}},
        {"Gusanos grises", nullptr, "gusanos_grises",
         {"Conchudos", "Gorgojos", "Oruga peluda", "Pájaros", "Pedroulo"}},
        {"Gorgojos", nullptr, "gorgojos",
         {"Conchudos", "Gusanos grises", "Oruga peluda", "Pájaros", "Pedroulo"}},
        {"Jaspeado", nullptr, "jaspeado", {}},
        {"Gusanos blancos", nullptr, "gusanos_blancos", {}},
        {"Gusanos de alambre", nullptr, "gusanos_alambre", {}},
        {"Melazo", nullptr, "melazo", {"Avispas", "Enrollado", "Madera rizada"}},
        {"Meloidogyne", nullptr, "meloidogyne", {"Filoxera"}},
        {"Mildiu", nullptr, "mildiu", {"Araña amarilla", "Black-rot", "Oídio", "Podredumbre gris"}},
        {"Mosca de la fruta", nullptr, "mosca_fruta", {"Mosca del vinagre", "Podredumbre ácida"}},
        {"Mosca del vinagre", nullptr, "mosca_vinagre", {"Mosca de la fruta", "Podredumbre ácida"}},
        {"Mosquito verde", nullptr, "mosquito_verde", {"Araña amarilla común", "Enrollado"}},
        {"Madera rizada", nullptr, "madera_rizada", {"Melazo", "Xiphinema"}},
        {"Necrosis bacteriana", nullptr, "necrosis_bacteriana", {"Excoriosis"}},
        {"Oidio", "Oídio", "oidio", {"Mildiu", "Podredumbre ácida", "Podredumbre gris"}},
        {"Oruga peluda", nullptr, "oruga_peluda", {"Gorgojos", "Gusanos grises"}},
        {"Pulgones", nullptr, "pulgones", {}},
        {"Piral", nullptr, "piral", {"Polilla del Racimo"}},
        {"Pedroulo", nullptr, "pedroulo", {"Gorgojos", "Gusanos grises"}},
        {"Pájaros", nullptr, "pajaros",
         {"Avispas", "Gorgojos", "Gusanos grises", "Podredumbre ácida", "Podredumbre gris",
          "Podredumbres secundarias"}},
        {"Podredumbre gris", nullptr, "podredumbre_gris",
         {"Avispas", "Excoriosis", "Mildiu", "Oídio", "Pájaros", "Podredumbre ácida",
          "Podredumbres secundarias", "Polilla del Racimo"}},
        {"Podredumbre s", "Podredumbres secundarias", "podredumbres_secundarias",
         {"Avispas", "Excoriosis", "Pájaros", "Podredumbre gris", "Polilla del Racimo"}},
        {"Polilla del Racimo", nullptr, "polilla_racimo",
         {"Piral", "Podredumbre ácida", "Podredumbre gris", "Podredumbres secundarias"}},
        {"Podredumbre ácida", nullptr, "podredumbre_acida",
         {"Avispas", "Drepanotrips", "Frankliniella", "Mosca de la fruta", "Mosca del vinagre",
          "Oídio", "Pájaros", "Podredumbre gris", "Polilla del Racimo"}},
        {"Podredumbres r", "Podredumbres de la raíz", "podredumbres_raiz", {"Castañeta"}},
        {"Roedores", nullptr, "roedores", {}},
        {"Xiphinema", nullptr, "xiphinema", {"Entrenudo corto", "Madera rizada"}},
        {"Termitas", nullptr, "termitas", {}},
        {"Tuberculosis", nullptr, "tuberculosis", {}},
        {"Yesca", nullptr, "yesca", {"Castañeta"}},
    };
    // clang-format on

    QList<Entry> list;
    list.reserve(std::size(rows));
    for (const Row &row : rows) {
        Entry entry;
        entry.key = QString::fromUtf8(row.key);
        entry.displayName = row.displayName ? QString::fromUtf8(row.displayName) : entry.key;
        entry.stem = QString::fromUtf8(row.stem);
        for (const char *name : row.confusions)
            entry.confusions << QString::fromUtf8(name);
        list << entry;
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

const Entry *byDisplayName(const QString &displayName)
{
    return findEntry(entries(), &Entry::displayName, displayName);
}

QString resultDocument(const Entry &entry) { return entry.stem + QLatin1String("1.rtf"); }

QString audioFile(const Entry &entry) { return entry.stem + QLatin1String(".mp3"); }

QString treatmentDocument(const Entry &entry) { return entry.stem + QLatin1String("2.rtf"); }

}  // namespace ResultCatalogue
