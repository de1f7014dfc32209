// How long the data layer takes on a database the size of a full data set:
// 500 glossary terms with definitions of about 300 characters, and 2,000
// rows in each of Fotos and Tratamiento spread over 57 diseases. The database
// is written with the project's Jet writer into a temporary folder; each
// operation is timed 25 times and the median, fastest and slowest are shown.
//
//   bench_database [repetitions]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "BenchStats.h"
#include "DataSet.h"
#include "JetWriter.h"
#include "platform/jet/Database.h"

namespace {

const QStringList &diseases()
{
    static const QStringList names{u"Mildiu"_qs,
                                   u"Oídio"_qs,
                                   u"Botritis"_qs,
                                   u"Yesca"_qs,
                                   u"Eutipiosis"_qs,
                                   u"Excoriosis"_qs,
                                   u"Black rot"_qs,
                                   u"Antracnosis"_qs,
                                   u"Podredumbre ácida"_qs,
                                   u"Podredumbre blanca"_qs,
                                   u"Pie negro"_qs,
                                   u"Enfermedad de Petri"_qs,
                                   u"Brazo muerto"_qs,
                                   u"Agalla de la corona"_qs,
                                   u"Necrosis bacteriana"_qs,
                                   u"Entrenudo corto"_qs,
                                   u"Enrollado"_qs,
                                   u"Jaspeado"_qs,
                                   u"Madera rizada"_qs,
                                   u"Flavescencia dorada"_qs,
                                   u"Madera negra"_qs,
                                   u"Acariosis"_qs,
                                   u"Erinosis"_qs,
                                   u"Araña roja"_qs,
                                   u"Araña amarilla"_qs,
                                   u"Filoxera"_qs,
                                   u"Polilla del racimo"_qs,
                                   u"Piral"_qs,
                                   u"Altica"_qs,
                                   u"Melazo"_qs,
                                   u"Cochinilla algodonosa"_qs,
                                   u"Mosquito verde"_qs,
                                   u"Trips"_qs,
                                   u"Meloidogyne"_qs,
                                   u"Xiphinema"_qs,
                                   u"Gusano blanco"_qs,
                                   u"Otiorrinco"_qs,
                                   u"Castañeta"_qs,
                                   u"Clorosis férrica"_qs,
                                   u"Carencia de magnesio"_qs,
                                   u"Carencia de potasio"_qs,
                                   u"Carencia de boro"_qs,
                                   u"Carencia de zinc"_qs,
                                   u"Exceso de nitrógeno"_qs,
                                   u"Corrimiento"_qs,
                                   u"Millerandage"_qs,
                                   u"Desecación del raspón"_qs,
                                   u"Golpe de sol"_qs,
                                   u"Granizo"_qs,
                                   u"Helada primaveral"_qs,
                                   u"Fitotoxicidad por herbicidas"_qs,
                                   u"Daños por viento"_qs,
                                   u"Asfixia radicular"_qs,
                                   u"Salinidad"_qs,
                                   u"Pájaros"_qs,
                                   u"Conejos"_qs,
                                   u"Jabalíes"_qs};
    return names;
}

const QStringList &glossaryWords()
{
    static const QStringList words{u"Ápice"_qs,         u"Abarquillada"_qs,
                                   u"Ácaro"_qs,         u"Acodo"_qs,
                                   u"Agostamiento"_qs,  u"Alabeo"_qs,
                                   u"Antera"_qs,        u"Año"_qs,
                                   u"Baya"_qs,          u"Bráctea"_qs,
                                   u"Brote"_qs,         u"Cepa"_qs,
                                   u"Chancro"_qs,       u"Cigarrero"_qs,
                                   u"Clorosis"_qs,      u"Conidio"_qs,
                                   u"Cordón"_qs,        u"Cutícula"_qs,
                                   u"Desborre"_qs,      u"Despunte"_qs,
                                   u"Enología"_qs,      u"Entrenudo"_qs,
                                   u"Envero"_qs,        u"Envés"_qs,
                                   u"Espaldera"_qs,     u"Espora"_qs,
                                   u"Estoma"_qs,        u"Filoxera"_qs,
                                   u"Floración"_qs,     u"Fungicida"_qs,
                                   u"Haz"_qs,           u"Hifa"_qs,
                                   u"Hoja"_qs,          u"Injerto"_qs,
                                   u"Larva"_qs,         u"Limbo"_qs,
                                   u"Llaga"_qs,         u"Micelio"_qs,
                                   u"Mosto"_qs,         u"Necrosis"_qs,
                                   u"Nervio"_qs,        u"Ninfa"_qs,
                                   u"Nudo"_qs,          u"Ñu"_qs,
                                   u"Ojo"_qs,           u"Pámpano"_qs,
                                   u"Patrón"_qs,        u"Pecíolo"_qs,
                                   u"Pedúnculo"_qs,     u"Pingüino"_qs,
                                   u"Poda"_qs,          u"Pruina"_qs,
                                   u"Pulgón"_qs,        u"Pústula"_qs,
                                   u"Racimo"_qs,        u"Raspón"_qs,
                                   u"Raíz"_qs,          u"Sarmiento"_qs,
                                   u"Savia"_qs,         u"Sépalo"_qs,
                                   u"Tronco"_qs,        u"Uva"_qs,
                                   u"Vendimia"_qs,      u"Vid"_qs,
                                   u"Viña"_qs,          u"Yema"_qs,
                                   u"Zarcillo"_qs,      u"Zumo"_qs,
                                   u"Ácido málico"_qs,  u"Cuajado"_qs,
                                   u"Lignificación"_qs, u"Madera"_qs,
                                   u"Nematodo"_qs,      u"Oruga"_qs,
                                   u"Peritecio"_qs,     u"Picnidio"_qs,
                                   u"Clon"_qs,          u"Portainjerto"_qs,
                                   u"Rizoma"_qs,        u"Sulfatado"_qs,
                                   u"Tiosulfato"_qs,    u"Umbela"_qs,
                                   u"Varietal"_qs,      u"Xilema"_qs,
                                   u"Floema"_qs,        u"Cámbium"_qs,
                                   u"Corteza"_qs,       u"Mancha"_qs,
                                   u"Agalla"_qs,        u"Erinosis"_qs,
                                   u"Hongo"_qs,         u"Bacteria"_qs,
                                   u"Virus"_qs,         u"Vector"_qs,
                                   u"Síntoma"_qs,       u"Umbral"_qs,
                                   u"Dosis"_qs,         u"Caldo bordelés"_qs,
                                   u"Azufre"_qs,        u"Cobre"_qs};
    return words;
}

// 500 distinct terms: the words above, alone and with a qualifier.
QStringList glossaryTerms()
{
    static const QStringList qualifiers{QString(), u" apical"_qs, u" basal"_qs, u" lateral"_qs, u" dañado"_qs};
    QStringList terms;
    for (const QString &q : qualifiers)
        for (const QString &w : glossaryWords())
            if (terms.size() < 500)
                terms << w + q;
    return terms;
}

QString definition(QRandomGenerator &rng, int length)
{
    static const QStringList sentences{u"Órgano de la vid que aparece en primavera y se lignifica en otoño."_qs,
                                       u"Se observa en el envés de la hoja como un polvillo blanquecino."_qs,
                                       u"La cigüeña no tiene relación con este daño, pese al nombre popular."_qs,
                                       u"Conviene tratar con azufre en espolvoreo antes de la floración."_qs,
                                       u"En años lluviosos la incidencia aumenta de forma notable."_qs,
                                       u"Término usado en viticultura para describir \"la zona afectada\"."_qs,
                                       u"Se recomienda la poda en verde y la eliminación de restos."_qs,
                                       u"¿Cuándo aparece? Desde el desborre hasta el envero."_qs};
    QString s;
    while (s.size() < length)
        s += sentences.at(rng.bounded(int(sentences.size()))) + QLatin1Char(' ');
    s.truncate(length);
    return s.trimmed();
}

QList<QList<QVariant>> photoRows(QRandomGenerator &rng, const QString &extension, int count)
{
    QList<QList<QVariant>> rows;
    const QStringList &keys = diseases();
    for (int i = 0; i < count; ++i) {
        const QString &key = keys.at(rng.bounded(int(keys.size())));
        const int order = rng.bounded(1, 60);
        rows << QList<QVariant>{
            key, QStringLiteral("%1\\%1%2.%3").arg(key.toLower()).arg(order, 2, 10, QLatin1Char('0')).arg(extension),
            QStringLiteral("Detalle %1 de %2: síntomas en hoja, racimo y sarmiento.").arg(order).arg(key), order};
    }
    return rows;
}

struct Timing {
    QString name;
    std::vector<double> ms;
    qint64 rows = 0;
};

Timing measure(const QString &name, int repetitions, const std::function<qint64()> &op)
{
    Timing t;
    t.name = name;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        t.rows = op();
        t.ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(t.ms.begin(), t.ms.end());
    return t;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 25;

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    const QString path = dir.filePath(u"bd2002.mdb"_qs);

    QRandomGenerator rng(2002);
    QList<jet::TableDef> tables = DataSet::emptyTables();
    const QStringList terms = glossaryTerms();
    for (const QString &term : terms)
        tables[0].rows << QList<QVariant>{term, definition(rng, 280 + rng.bounded(41))};
    // Stored in an order unrelated to the alphabet, as rows added over years are.
    std::shuffle(tables[0].rows.begin(), tables[0].rows.end(), rng);
    tables[1].rows = photoRows(rng, u"jpg"_qs, 2000);
    tables[2].rows = photoRows(rng, u"rtf"_qs, 2000);

    QElapsedTimer writing;
    writing.start();
    QString error;
    if (!jet::JetWriter::write(path, tables, &error)) {
        std::fprintf(stderr, "JetWriter::write: %s\n", qPrintable(error));
        return 1;
    }
    const qint64 writeMs = writing.elapsed();

    jet::Database db;
    if (!db.open(path, &error)) {
        std::fprintf(stderr, "Database::open: %s\n", qPrintable(error));
        return 1;
    }

    const QString existing = u"Pámpano"_qs;
    const QString missing = u"Inexistente"_qs;
    const QString key = u"Mildiu"_qs;

    QList<Timing> timings;
    timings << measure(u"Database::open"_qs, repetitions, [&] {
        jet::Database other;
        QString e;
        if (!other.open(path, &e))
            std::fprintf(stderr, "open failed: %s\n", qPrintable(e));
        return qint64(other.table(u"Definicion"_qs)->rows.size());
    });
    timings << measure(u"glossary()"_qs, repetitions, [&] { return qint64(db.glossary().recordCount()); });
    timings << measure(u"glossaryTerm(\"%1\")"_qs.arg(existing), repetitions,
                       [&] { return qint64(db.glossaryTerm(existing).recordCount()); });
    timings << measure(u"glossaryTerm(\"%1\")"_qs.arg(missing), repetitions,
                       [&] { return qint64(db.glossaryTerm(missing).recordCount()); });
    timings << measure(u"photos(\"Fotos\", \"%1\")"_qs.arg(key), repetitions,
                       [&] { return qint64(db.photos(u"Fotos"_qs, key).recordCount()); });
    timings << measure(u"photos(\"Tratamiento\", \"%1\")"_qs.arg(key), repetitions,
                       [&] { return qint64(db.photos(u"Tratamiento"_qs, key).recordCount()); });

#ifdef NDEBUG
    const char *build = "optimised (NDEBUG)";
#else
    const char *build = "debug";
#endif
    std::printf("Data set: %lld glossary terms, %lld Fotos rows, %lld Tratamiento rows, %lld diseases; "
                "%.1f KiB file written in %lld ms\n",
                qint64(tables[0].rows.size()), qint64(tables[1].rows.size()), qint64(tables[2].rows.size()),
                qint64(diseases().size()), QFileInfo(path).size() / 1024.0, writeMs);
    std::printf("Build: %s; %d repetitions per operation; times in ms\n\n", build, repetitions);
    std::printf("%-36s %10s %10s %10s %6s\n", "operation", "median", "min", "max", "rows");
    std::printf("%s\n", QByteArray(76, '-').constData());
    for (const Timing &t : timings)
        std::printf("%s %10.3f %10.3f %10.3f %6lld\n", t.name.leftJustified(36).toUtf8().constData(),
                    bench::median(t.ms), t.ms.front(), t.ms.back(), t.rows);
    return 0;
}
