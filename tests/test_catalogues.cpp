// The three fixed catalogues: the result catalogue (keys, display names,
// stems, confusion lists), the treatment catalogue (captions, documents) and
// the home screen's look-up by name (which name leads to which key).

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

#include "core/Consultation.h"
#include "core/NameLookup.h"
#include "core/ResultCatalogue.h"
#include "core/ScreenTable.h"
#include "core/TreatmentCatalogue.h"

namespace {

QString u8(const char *text) { return QString::fromUtf8(text); }

// Collation key for Spanish alphabetical order: letters compared without
// accents or case, "ñ" as its own letter between "n" and "o", a blank before
// any letter.
QString spanishSortKey(const QString &text)
{
    QString key;
    for (const QChar c : text.toLower()) {
        if (c == QChar(0x00F1)) {  // ñ
            key += QLatin1String("n\x7f");
            continue;
        }
        const QString base = QString(c).normalized(QString::NormalizationForm_D);
        key += base.at(0);
    }
    return key;
}

QStringList keysOf(const QList<ResultCatalogue::Entry> &entries)
{
    QStringList keys;
    for (const auto &e : entries)
        keys << e.key;
    return keys;
}

// How many table rows list the name on the given side.
int owners(const QString &name, bool scientific)
{
    int n = 0;
    for (const auto &row : NameLookup::table())
        n += (scientific ? row.scientific : row.common).count(name);
    return n;
}

}  // namespace

class TestCatalogues : public QObject {
    Q_OBJECT

private slots:
    // Result catalogue
    void resultIdentity();
    void resultDisplayNames_data();
    void resultDisplayNames();
    void resultConfusionShape();
    void resultConfusionRelation();
    void resultLookups_data();
    void resultLookups();
    void resultFileNames_data();
    void resultFileNames();

    // Treatment catalogue
    void treatmentKeys();
    void treatmentCaptions();
    void treatmentCaptionCases_data();
    void treatmentCaptionCases();
    void treatmentDocuments();

    // Look-up by name
    void lookupLists();
    void lookupTablePartition();
    void lookupEveryNameLeadsToItsKey();
    void lookupKeyFor_data();
    void lookupKeyFor();
    void lookupBothTextsMatch_data();
    void lookupBothTextsMatch();

    // The consultation: every key the question tables store is one both
    // catalogues know; any other is kept as written but refused.
    void consultationKeys_data();
    void consultationKeys();
};

// ---------------------------------------------------------------- result

void TestCatalogues::resultIdentity()
{
    const auto &entries = ResultCatalogue::entries();
    QCOMPARE(entries.size(), 57);
    QCOMPARE(&ResultCatalogue::entries(), &entries);  // one shared table

    QSet<QString> keys, names, stems;
    static const QRegularExpression stemShape(QStringLiteral("^[a-z]+(_[a-z]+)*$"));
    for (const auto &e : entries) {
        keys << e.key;
        names << e.displayName;
        stems << e.stem;
        QVERIFY2(stemShape.match(e.stem).hasMatch(), qPrintable(e.stem));
        QVERIFY(!e.key.isEmpty());
        QCOMPARE(e.key, e.key.trimmed());
    }
    QCOMPARE(keys.size(), 57);
    QCOMPARE(names.size(), 57);
    QCOMPARE(stems.size(), 57);

    // Five keys differ from their display names (checked one by one below).
    int differing = 0;
    for (const auto &e : entries)
        differing += e.displayName != e.key;
    QCOMPARE(differing, 5);

    // Catalogue order is the result screen's comparison order.
    QCOMPARE(entries.first().key, u8("Bibionido"));
    QCOMPARE(entries.last().key, u8("Yesca"));
}

void TestCatalogues::resultDisplayNames_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("displayName");
    QTest::newRow("Altica") << u8("Altica") << u8("Áltica");
    QTest::newRow("Acaro") << u8("Acaro de la roña") << u8("Ácaro de la roña");
    QTest::newRow("Oidio") << u8("Oidio") << u8("Oídio");
    QTest::newRow("Podredumbre s") << u8("Podredumbre s") << u8("Podredumbres secundarias");
    QTest::newRow("Podredumbres r") << u8("Podredumbres r") << u8("Podredumbres de la raíz");
}

void TestCatalogues::resultDisplayNames()
{
    QFETCH(QString, key);
    QFETCH(QString, displayName);
    const auto *entry = ResultCatalogue::byKey(key);
    QVERIFY(entry);
    QCOMPARE(entry->displayName, displayName);
}

void TestCatalogues::resultConfusionShape()
{
    const auto &entries = ResultCatalogue::entries();
    int empty = 0;
    const ResultCatalogue::Entry *longest = nullptr;
    bool longestUnique = true;
    for (const auto &e : entries) {
        if (e.confusions.isEmpty())
            ++empty;
        if (!longest || e.confusions.size() > longest->confusions.size()) {
            longest = &e;
            longestUnique = true;
        } else if (e.confusions.size() == longest->confusions.size()) {
            longestUnique = false;
        }

        // No duplicates, no self-reference, alphabetical in Spanish.
        QCOMPARE(QSet<QString>(e.confusions.begin(), e.confusions.end()).size(), e.confusions.size());
        QVERIFY2(!e.confusions.contains(e.displayName), qPrintable(e.key));
        for (qsizetype i = 1; i < e.confusions.size(); ++i) {
            QVERIFY2(
                spanishSortKey(e.confusions[i - 1]) < spanishSortKey(e.confusions[i]),
                qPrintable(e.key + QLatin1String(": ") + e.confusions[i - 1] + QLatin1String(" / ") + e.confusions[i]));
        }
    }
    QCOMPARE(empty, 17);
    QVERIFY(longest);
    QVERIFY(longestUnique);
    QCOMPARE(longest->key, u8("Podredumbre ácida"));
    QCOMPARE(longest->confusions.size(), 9);

    QVERIFY(ResultCatalogue::byKey(u8("Yesca"))->confusions == QStringList{u8("Castañeta")});
    QVERIFY(ResultCatalogue::byKey(u8("Conejos"))->confusions.isEmpty());
}

void TestCatalogues::resultConfusionRelation()
{
    for (const auto &a : ResultCatalogue::entries()) {
        for (const QString &name : a.confusions) {
            // Every entry is a display name (so Aceptar can map it back) ...
            const auto *b = ResultCatalogue::byDisplayName(name);
            QVERIFY2(b, qPrintable(a.key + QLatin1String(" lists unknown ") + name));
            // ... and the relation is symmetric.
            QVERIFY2(b->confusions.contains(a.displayName),
                     qPrintable(b->key + QLatin1String(" does not list ") + a.displayName));
        }
        // Keys that differ from their display names never appear as such.
        for (const auto &other : ResultCatalogue::entries()) {
            if (other.key != other.displayName)
                QVERIFY2(!a.confusions.contains(other.key), qPrintable(a.key));
        }
    }

    // "Áltica" is a display name but offered in no confusion list.
    QVERIFY(ResultCatalogue::byDisplayName(u8("Áltica")));
    for (const auto &e : ResultCatalogue::entries())
        QVERIFY(!e.confusions.contains(u8("Áltica")));
}

void TestCatalogues::resultLookups_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("byKey");          // "" = not found
    QTest::addColumn<QString>("byDisplayName");  // "" = not found

    QTest::newRow("plain key") << u8("Mildiu") << u8("Mildiu") << u8("Mildiu");
    QTest::newRow("lower case") << u8("mildiu") << QString() << QString();
    QTest::newRow("upper case") << u8("MILDIU") << QString() << QString();
    QTest::newRow("trailing blank") << u8("Mildiu ") << QString() << QString();
    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("accented display") << u8("Oídio") << QString() << u8("Oidio");
    QTest::newRow("unaccented key") << u8("Oidio") << u8("Oidio") << QString();
    QTest::newRow("Áltica") << u8("Áltica") << QString() << u8("Altica");
    QTest::newRow("Altica") << u8("Altica") << u8("Altica") << QString();
    QTest::newRow("short key") << u8("Podredumbre s") << u8("Podredumbre s") << QString();
    QTest::newRow("full name") << u8("Podredumbres secundarias") << QString() << u8("Podredumbre s");
    QTest::newRow("root rot") << u8("Podredumbres de la raíz") << QString() << u8("Podredumbres r");
    QTest::newRow("capital R") << u8("Polilla del Racimo") << u8("Polilla del Racimo") << u8("Polilla del Racimo");
    QTest::newRow("small r") << u8("Polilla del racimo") << QString() << QString();
}

void TestCatalogues::resultLookups()
{
    QFETCH(QString, text);
    QFETCH(QString, byKey);
    QFETCH(QString, byDisplayName);

    const auto *k = ResultCatalogue::byKey(text);
    QCOMPARE(k ? k->key : QString(), byKey);
    const auto *d = ResultCatalogue::byDisplayName(text);
    QCOMPARE(d ? d->key : QString(), byDisplayName);

    // Look-ups point into the one table.
    if (k) {
        const auto &entries = ResultCatalogue::entries();
        QVERIFY(k >= entries.constData() && k < entries.constData() + entries.size());
    }
}

void TestCatalogues::resultFileNames_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("audio");
    QTest::addColumn<QString>("treatment");

    QTest::newRow("Podredumbre s") << u8("Podredumbre s") << u8("podredumbres_secundarias1.rtf")
                                   << u8("podredumbres_secundarias.mp3") << u8("podredumbres_secundarias2.rtf");
    QTest::newRow("Acaro de la roña") << u8("Acaro de la roña") << u8("acaro_rona1.rtf") << u8("acaro_rona.mp3")
                                      << u8("acaro_rona2.rtf");
    QTest::newRow("Black-rot") << u8("Black-rot") << u8("black_rot1.rtf") << u8("black_rot.mp3")
                               << u8("black_rot2.rtf");
    QTest::newRow("Gusanos de alambre") << u8("Gusanos de alambre") << u8("gusanos_alambre1.rtf")
                                        << u8("gusanos_alambre.mp3") << u8("gusanos_alambre2.rtf");
}

void TestCatalogues::resultFileNames()
{
    QFETCH(QString, key);
    QFETCH(QString, result);
    QFETCH(QString, audio);
    QFETCH(QString, treatment);

    const auto *entry = ResultCatalogue::byKey(key);
    QVERIFY(entry);
    QCOMPARE(ResultCatalogue::resultDocument(*entry), result);
    QCOMPARE(ResultCatalogue::audioFile(*entry), audio);
    QCOMPARE(ResultCatalogue::treatmentDocument(*entry), treatment);

    // The three names of one key never collide with another key's.
    QSet<QString> all;
    for (const auto &e : ResultCatalogue::entries()) {
        all << ResultCatalogue::resultDocument(e) << ResultCatalogue::audioFile(e)
            << ResultCatalogue::treatmentDocument(e);
    }
    QCOMPARE(all.size(), 3 * 57);
}

// ---------------------------------------------------------------- treatment

void TestCatalogues::treatmentKeys()
{
    const auto &entries = TreatmentCatalogue::entries();
    QCOMPARE(entries.size(), 57);

    QStringList keys;
    for (const auto &e : entries)
        keys << e.key;
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), 57);

    QStringList resultKeys = keysOf(ResultCatalogue::entries());
    QVERIFY(keys != resultKeys);  // its own order ...
    QStringList a = keys, b = resultKeys;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    QCOMPARE(a, b);  // ... of the same keys
    QCOMPARE(keys.first(), u8("Polilla del Racimo"));
    QCOMPARE(keys.last(), u8("Flavescencia dorada"));

    for (const auto &r : ResultCatalogue::entries()) {
        const auto *t = TreatmentCatalogue::byKey(r.key);
        QVERIFY2(t, qPrintable(r.key));
        QCOMPARE(t->key, r.key);
        if (r.displayName != r.key)
            QVERIFY2(!TreatmentCatalogue::byKey(r.displayName), qPrintable(r.displayName));
    }
    QVERIFY(!TreatmentCatalogue::byKey(u8("mildiu")));
    QVERIFY(!TreatmentCatalogue::byKey(QString()));
}

void TestCatalogues::treatmentCaptions()
{
    const QString prefix = u8("TRATAMIENTO CONTRA ");
    QStringList uncaptioned;
    QSet<QString> captions;
    for (const auto &e : TreatmentCatalogue::entries()) {
        if (e.caption.isEmpty()) {
            uncaptioned << e.key;
            continue;
        }
        captions << e.caption;
        QVERIFY2(e.caption.startsWith(prefix), qPrintable(e.caption));
        QCOMPARE(e.caption, e.caption.toUpper());
        QVERIFY(e.caption.size() > prefix.size());
    }
    QCOMPARE(captions.size(), 54);
    std::sort(uncaptioned.begin(), uncaptioned.end());
    QCOMPARE(uncaptioned, (QStringList{u8("Flavescencia dorada"), u8("Jaspeado"), u8("Mosca de la fruta")}));

    // The name in the caption is the display name in capitals, accents kept,
    // except where the caption gives a fuller name.
    const QSet<QString> fuller{u8("Conejos"), u8("Enfermedad de Pierce"), u8("Entrenudo corto")};
    for (const auto &e : TreatmentCatalogue::entries()) {
        if (e.caption.isEmpty() || fuller.contains(e.key))
            continue;
        const auto *r = ResultCatalogue::byKey(e.key);
        QVERIFY(r);
        QCOMPARE(e.caption.mid(prefix.size()), r->displayName.toUpper());
    }
}

void TestCatalogues::treatmentCaptionCases_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");

    QTest::newRow("accent the key lacks") << u8("Altica") << u8("TRATAMIENTO CONTRA ÁLTICA");
    QTest::newRow("Ácaro") << u8("Acaro de la roña") << u8("TRATAMIENTO CONTRA ÁCARO DE LA ROÑA");
    QTest::newRow("short key") << u8("Podredumbre s") << u8("TRATAMIENTO CONTRA PODREDUMBRES SECUNDARIAS");
    QTest::newRow("root rot") << u8("Podredumbres r") << u8("TRATAMIENTO CONTRA PODREDUMBRES DE LA RAÍZ");
    QTest::newRow("rabbits") << u8("Conejos") << u8("TRATAMIENTO CONTRA LIEBRES Y CONEJOS");
    QTest::newRow("Pierce") << u8("Enfermedad de Pierce") << u8("TRATAMIENTO CONTRA LA ENFERMEDAD DE PIERCE");
    QTest::newRow("fanleaf") << u8("Entrenudo corto") << u8("TRATAMIENTO CONTRA ENTRENUDO CORTO INFECCIOSO");
    QTest::newRow("Mosca de la fruta") << u8("Mosca de la fruta") << QString();
    QTest::newRow("Mosca del vinagre") << u8("Mosca del vinagre") << u8("TRATAMIENTO CONTRA MOSCA DEL VINAGRE");
}

void TestCatalogues::treatmentCaptionCases()
{
    QFETCH(QString, key);
    QFETCH(QString, caption);
    const auto *entry = TreatmentCatalogue::byKey(key);
    QVERIFY(entry);
    QCOMPARE(entry->caption, caption);
}

void TestCatalogues::treatmentDocuments()
{
    QSet<QString> documents;
    for (const auto &t : TreatmentCatalogue::entries()) {
        const auto *r = ResultCatalogue::byKey(t.key);
        QVERIFY2(r, qPrintable(t.key));
        QCOMPARE(t.document, ResultCatalogue::treatmentDocument(*r));
        documents << t.document;
    }
    QCOMPARE(documents.size(), 57);
    QCOMPARE(TreatmentCatalogue::byKey(u8("Altica"))->document, u8("altica2.rtf"));
    QCOMPARE(TreatmentCatalogue::byKey(u8("Podredumbre s"))->document, u8("podredumbres_secundarias2.rtf"));
}

// ---------------------------------------------------------------- look-up by name

void TestCatalogues::lookupLists()
{
    const QStringList &scientific = NameLookup::scientificNames();
    const QStringList &common = NameLookup::commonNames();
    QCOMPARE(scientific.size(), 96);
    QCOMPARE(common.size(), 136);

    const QSet<QString> s(scientific.begin(), scientific.end());
    const QSet<QString> c(common.begin(), common.end());
    QCOMPARE(s.size(), 96);
    QCOMPARE(c.size(), 136);
    QCOMPARE(QSet<QString>(s).intersect(c), (QSet<QString>{u8("Roedores"), u8("Conejos"), u8("Liebres")}));

    for (const QString &name : scientific + common) {
        QVERIFY(!name.isEmpty());
        QCOMPARE(name, name.trimmed());
    }

    // Fill order, and names whose letters are easy to lose.
    QCOMPARE(scientific.first(), u8("Lobesia botrana"));
    QCOMPARE(scientific.last(), u8("MLO"));
    QCOMPARE(common.first(), u8("Polilla del racimo"));
    QCOMPARE(common.last(), u8("Flavescencia dorada"));
    for (const char *name : {"Eupoecilia ambigüella", "Elsinoë ampelina", "Gasterópodos"})
        QVERIFY2(s.contains(u8(name)), name);
    for (const char *name : {"Cuc del raïm", "Apoplegía parasitaria", "Animaló", "Saltiró", "Pudrición",
                             "Mosca del Mediterráneo", "Nematodos (Meloidogyne)", "Black-rot"})
        QVERIFY2(c.contains(u8(name)), name);
}

void TestCatalogues::lookupTablePartition()
{
    const auto &table = NameLookup::table();
    QCOMPARE(table.size(), 57);

    // The keys are exactly the result catalogue's.
    QSet<QString> keys;
    for (const auto &row : table) {
        QVERIFY2(ResultCatalogue::byKey(row.key), qPrintable(row.key));
        keys << row.key;
    }
    QCOMPARE(keys.size(), 57);

    // Every list item belongs to exactly one key, and the table holds no
    // name that is missing from the lists.
    for (const QString &name : NameLookup::scientificNames())
        QVERIFY2(owners(name, true) == 1, qPrintable(name));
    for (const QString &name : NameLookup::commonNames())
        QVERIFY2(owners(name, false) == 1, qPrintable(name));
    qsizetype scientificCount = 0, commonCount = 0;
    QStringList withoutScientific;
    for (const auto &row : table) {
        scientificCount += row.scientific.size();
        commonCount += row.common.size();
        QVERIFY2(!row.common.isEmpty(), qPrintable(row.key));
        if (row.scientific.isEmpty())
            withoutScientific << row.key;

        // Within a row the names keep the lists' fill order.
        auto inFillOrder = [](const QStringList &names, const QStringList &fill) {
            qsizetype last = -1;
            for (const QString &n : names) {
                const qsizetype at = fill.indexOf(n);
                if (at <= last)
                    return false;
                last = at;
            }
            return true;
        };
        QVERIFY2(inFillOrder(row.scientific, NameLookup::scientificNames()), qPrintable(row.key));
        QVERIFY2(inFillOrder(row.common, NameLookup::commonNames()), qPrintable(row.key));
    }
    QCOMPARE(scientificCount, 96);
    QCOMPARE(commonCount, 136);
    QCOMPARE(withoutScientific, (QStringList{u8("Melazo"), u8("Madera rizada")}));

    QCOMPARE(table.first().key, u8("Gusanos grises"));
    QCOMPARE(table.last().key, u8("Madera rizada"));
}

void TestCatalogues::lookupEveryNameLeadsToItsKey()
{
    const QString untouched = u8("(sin cambio)");
    QSet<QString> reached;
    for (const auto &row : NameLookup::table()) {
        for (const QString &name : row.scientific) {
            QCOMPARE(NameLookup::keyFor(name, QString(), untouched), row.key);
            reached << row.key;
        }
        for (const QString &name : row.common) {
            QCOMPARE(NameLookup::keyFor(QString(), name, untouched), row.key);
            reached << row.key;
        }
    }
    const QStringList keys = keysOf(ResultCatalogue::entries());
    QCOMPARE(reached, QSet<QString>(keys.begin(), keys.end()));
}

void TestCatalogues::lookupKeyFor_data()
{
    QTest::addColumn<QString>("scientific");
    QTest::addColumn<QString>("common");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("expected");

    const QString cur = u8("Filoxera");
    auto common = [&](const char *tag, const char *name, const char *key) {
        QTest::newRow(tag) << QString() << u8(name) << cur << u8(key);
    };
    auto scientific = [&](const char *tag, const char *name, const char *key) {
        QTest::newRow(tag) << u8(name) << QString() << cur << u8(key);
    };

    common("Mildeu", "Mildeu", "Mildiu");
    scientific("Aspergillus niger", "Aspergillus niger", "Podredumbre s");
    scientific("Armillaria mellea", "Armillaria mellea", "Podredumbres r");
    common("Podredumbres de la raíz", "Podredumbres de la raíz", "Podredumbres r");
    common("small r", "Polilla del racimo", "Polilla del Racimo");
    common("Ácaro de la roña", "Ácaro de la roña", "Acaro de la roña");
    common("Áltica", "Áltica", "Altica");
    common("Oídio", "Oídio", "Oidio");
    scientific("Aves", "Aves", "Pájaros");
    common("Pájaros", "Pájaros", "Pájaros");

    // Names in both lists lead to the same key from either.
    for (const char *name : {"Roedores", "Conejos", "Liebres"}) {
        const char *key = qstrcmp(name, "Roedores") == 0 ? "Roedores" : "Conejos";
        scientific(qPrintable(QLatin1String("scientific ") + QLatin1String(name)), name, key);
        common(qPrintable(QLatin1String("common ") + QLatin1String(name)), name, key);
    }

    // A name that begins another name is a different name.
    common("Roya", "Roya", "Oidio");
    common("Roya colorada", "Roya colorada", "Mosquito verde");
    common("Roña", "Roña", "Tuberculosis");
    common("Roña negra", "Roña negra", "Black-rot");
    common("Cochinilla", "Cochinilla", "Eulecanio");
    common("Cochinilla algodonosa", "Cochinilla algodonosa", "Melazo");
    common("Gusano blanco", "Gusano blanco", "Castañeta");
    common("Gusanos blancos", "Gusanos blancos", "Gusanos blancos");
    scientific("Phomopsis", "Phomopsis", "Yesca");
    scientific("Phomopsis viticola", "Phomopsis viticola", "Excoriosis");
    scientific("Eutypa", "Eutypa", "Yesca");
    scientific("Eutypa lata", "Eutypa lata", "Eutipiosis");

    // Nothing matches: the key held so far stays.
    common("capital R", "Polilla del Racimo", "Filoxera");
    common("no accent", "Acaro de la roña", "Filoxera");
    common("Oidio without accent", "Oidio", "Filoxera");
    common("lower case", "mildeu", "Filoxera");
    common("trailing blank", "Mildeu ", "Filoxera");
    common("scientific name in the common list", "Lobesia botrana", "Filoxera");
    scientific("common name in the scientific list", "Mildeu", "Filoxera");
    scientific("Botrytis alone", "Botrytis", "Filoxera");
    common("Botrytis common", "Botrytis", "Podredumbre gris");
    QTest::newRow("both empty") << QString() << QString() << cur << cur;
    QTest::newRow("empty current kept") << u8("Vitis vinifera") << u8("Uva") << QString() << QString();
}

void TestCatalogues::lookupKeyFor()
{
    QFETCH(QString, scientific);
    QFETCH(QString, common);
    QFETCH(QString, current);
    QFETCH(QString, expected);
    QCOMPARE(NameLookup::keyFor(scientific, common, current), expected);
}

void TestCatalogues::lookupBothTextsMatch_data()
{
    // The screen clears one list when a name is picked in the other, so both
    // texts match only when typed. Every key is tested in table order and each
    // match stores its key: the key tested last wins, whichever list it came
    // from.
    QTest::addColumn<QString>("scientific");
    QTest::addColumn<QString>("common");
    QTest::addColumn<QString>("expected");

    QTest::newRow("common later") << u8("Lobesia botrana") << u8("Mildeu") << u8("Mildiu");
    QTest::newRow("scientific later") << u8("Plasmopara viticola") << u8("Polilla del racimo") << u8("Mildiu");
    QTest::newRow("last two rows") << u8("MLO") << u8("Melazo") << u8("Melazo");
    QTest::newRow("first and last") << u8("Agrotis segetum") << u8("Madera rizada") << u8("Madera rizada");
    QTest::newRow("same key") << u8("Uncinula necator") << u8("Oídio") << u8("Oidio");
    QTest::newRow("one unknown") << u8("Lobesia botranaa") << u8("Mildeu") << u8("Mildiu");
}

void TestCatalogues::lookupBothTextsMatch()
{
    QFETCH(QString, scientific);
    QFETCH(QString, common);
    QFETCH(QString, expected);
    QCOMPARE(NameLookup::keyFor(scientific, common, u8("Filoxera")), expected);
}

// ---------------------------------------------------------- consultation

void TestCatalogues::consultationKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("known");
    for (const q::ScreenTable &t : q::allScreens())
        for (const q::OptionDef &o : t.options)
            for (const q::Action &a : o.actions)
                if (a.kind == q::Action::Kind::StoreKey)
                    QTest::addRow("%s, opción %d", qPrintable(t.name), o.index) << a.value << true;
    QTest::newRow("no key reached") << QString() << true;
    QTest::newRow("letter case") << QStringLiteral("mildiu") << false;
    QTest::newRow("trailing space") << QStringLiteral("Mildiu ") << false;
    QTest::newRow("display name, not key") << u8("Oídio") << false;
}

void TestCatalogues::consultationKeys()
{
    QFETCH(QString, key);
    QFETCH(bool, known);
    Consultation c;
    c.setKey(QStringLiteral("Mildiu"));
    if (!known)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no está en los catálogos")));
    QCOMPARE(c.setKey(key), known);
    QCOMPARE(c.key(), key);
    QCOMPARE(c.result() != nullptr, known && !key.isEmpty());
    QCOMPARE(c.treatment() != nullptr, known && !key.isEmpty());
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "test_catalogues.moc"
