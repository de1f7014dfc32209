// Reading and writing sketches, and the sketch a caption's words describe.

#include <QRegularExpression>

#include "drawing/Drawing.h"

namespace drawing {

Sketch parse(const QString &text)
{
    Sketch s;
    for (const QString &word : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = word.section(QLatin1Char('='), 0, 0), value = word.section(QLatin1Char('='), 1);
        if (key == QLatin1String("organo"))
            s.organ = value;
        else if (key == QLatin1String("cara"))
            s.underside = value == QLatin1String("enves");
        else if (key == QLatin1String("variedad"))
            s.variety = value;
        else if (key == QLatin1String("estado"))
            s.stage = value;
        else if (key == QLatin1String("bicho"))
            s.organism = value;
        else if (key == QLatin1String("n"))
            s.count = value.toInt();
        else if (key == QLatin1String("tam"))
            s.size = value.toDouble();
        else if (key == QLatin1String("escena"))
            s.scene = value;
        else if (key == QLatin1String("fondo"))
            s.background = value;
        else if (key == QLatin1String("capas"))
            for (const QString &l : value.split(QLatin1Char(','), Qt::SkipEmptyParts))
                s.layers.append({l.section(QLatin1Char(':'), 0, 0),
                                 l.contains(QLatin1Char(':')) ? l.section(QLatin1Char(':'), 1).toDouble() : 1.0});
    }
    return s;
}

QString toText(const Sketch &s)
{
    QStringList w;
    if (!s.organ.isEmpty())
        w << QStringLiteral("organo=") + s.organ;
    if (s.underside)
        w << QStringLiteral("cara=enves");
    if (!s.variety.isEmpty())
        w << QStringLiteral("variedad=") + s.variety;
    if (!s.stage.isEmpty())
        w << QStringLiteral("estado=") + s.stage;
    if (!s.layers.isEmpty()) {
        QStringList ls;
        for (const Layer &l : s.layers)
            ls << (l.amount == 1 ? l.name : l.name + QLatin1Char(':') + QString::number(l.amount));
        w << QStringLiteral("capas=") + ls.join(QLatin1Char(','));
    }
    if (!s.organism.isEmpty())
        w << QStringLiteral("bicho=") + s.organism << QStringLiteral("n=") + QString::number(s.count);
    if (s.size > 0)
        w << QStringLiteral("tam=") + QString::number(s.size);
    if (!s.scene.isEmpty())
        w << QStringLiteral("escena=") + s.scene;
    if (!s.background.isEmpty())
        w << QStringLiteral("fondo=") + s.background;
    return w.join(QLatin1Char(' '));
}

namespace {

QString plain(QString t)
{
    t = t.toLower();
    static const QList<QPair<QChar, QChar>> accents{{u'á', u'a'}, {u'é', u'e'}, {u'í', u'i'}, {u'ó', u'o'},
                                                    {u'ú', u'u'}, {u'ü', u'u'}, {u'ñ', u'n'}};
    for (const auto &[a, b] : accents)
        t.replace(a, b);
    return t;
}

// What each pest looks like when the caption says little: the organ and the
// symptom its pictures show first.
const QList<QPair<const char *, const char *>> &keyDefaults()
{
    static const QList<QPair<const char *, const char *>> d{
        {"acariosis", "organo=hoja capas=pequena,punteado,abarquillada"},
        {"acaro de la rona", "organo=pampano capas=costras"},
        {"altica", "organo=hoja capas=ventanas,agujeros bicho=escarabajo-azul n=3"},
        {"antracnosis", "organo=hoja capas=perdigon"},
        {"arana amarilla comun", "organo=hoja capas=punteado,telas"},
        {"arana amarilla", "organo=hoja variedad=tinta capas=nerviosrojos"},
        {"arana roja", "organo=hoja capas=bronceado,punteado"},
        {"avispas", "organo=racimo capas=vaciados:1.5 bicho=avispa n=3"},
        {"barrenillo", "organo=sarmiento capas=orificio,serrin"},
        {"bibionido", "organo=raiz capas=roidas bicho=larvamosca-gris n=4"},
        {"black rot", "organo=hoja capas=manchas,picnidios"},
        {"caracoles", "organo=hoja capas=agujeros,baba bicho=caracol n=1 tam=90"},
        {"castaneta", "organo=raiz capas=roidas bicho=larvac n=1 tam=80"},
        {"chinche gris", "organo=pampano capas=marchita bicho=chinche-alargado n=4"},
        {"cigarrero", "organo=hoja capas=enrollada bicho=gorgojo-verde n=1 tam=60"},
        {"conchudos", "organo=yema capas=roida bicho=escarabajo-peludo n=1 tam=70"},
        {"conejos", "organo=pampano capas=bisel bicho=conejo n=1 tam=120"},
        {"drepanotrips", "organo=hoja capas=pequena,manchas:0.6 bicho=trips n=4"},
        {"enfermedad de pierce", "organo=hoja capas=quemado"},
        {"enrollado", "organo=hoja variedad=tinta capas=rojo,enrollada"},
        {"entrenudo corto", "organo=hoja capas=abanico,mosaico"},
        {"erinosis", "organo=hoja capas=ampollas"},
        {"eulecanio", "organo=sarmiento bicho=caparazon n=6"},
        {"eutipiosis", "organo=corte capas=cuna"},
        {"excoriosis", "organo=pampano capas=manchasnegras,base"},
        {"filoxera", "organo=raiz capas=nudosidades"},
        {"flavescencia dorada", "organo=hoja variedad=blanca capas=amarillo,enrollada"},
        {"frankliniella", "organo=grano variedad=blanca capas=picaduras"},
        {"gorgojos", "organo=hoja capas=medialuna bicho=gorgojo n=1 tam=60"},
        {"gusanos de alambre", "organo=suelo bicho=alambre n=1"},
        {"gusanos blancos", "organo=suelo bicho=larvac n=1"},
        {"gusanos grises", "organo=yema capas=vaciada bicho=larvagris n=1 tam=70"},
        {"jaspeado", "organo=hoja capas=jaspeado"},
        {"madera rizada", "organo=tronco capas=grietas"},
        {"melazo", "organo=racimo capas=melaza,negrilla bicho=cochinilla n=5"},
        {"meloidogyne", "organo=raiz capas=agallas"},
        {"mildiu", "organo=hoja capas=aceite"},
        {"mosca de la fruta", "organo=grano variedad=blanca capas=picaduras bicho=mosca-fruta n=1 tam=60"},
        {"mosca del vinagre", "organo=racimo capas=acida bicho=mosca-vinagre n=6"},
        {"mosquito verde", "organo=hoja capas=bordeseco bicho=cicadelido n=2"},
        {"necrosis bacteriana", "organo=pampano capas=cancros"},
        {"oidio", "organo=hoja capas=ceniza"},
        {"oruga peluda", "organo=yema capas=vaciada bicho=orugapeluda n=1 tam=80"},
        {"pajaros", "organo=racimo capas=picoteados bicho=pajaro n=1 tam=110"},
        {"pedroulo", "organo=yema capas=roida bicho=gorgojo-gris n=1 tam=60"},
        {"piral", "organo=hoja capas=telas,mordeduras bicho=oruga n=1 tam=90"},
        {"podredumbre acida", "organo=racimo capas=acida bicho=mosca-vinagre n=5"},
        {"podredumbre gris", "organo=racimo capas=moho"},
        {"podredumbres de raiz", "organo=raiz capas=podredumbre,micelio"},
        {"podredumbres secundarias", "organo=racimo capas=moho:0.6,acida:0.5"},
        {"polilla del racimo", "organo=racimo estado=verde capas=telas,agujero bicho=oruga n=1 tam=60"},
        {"pulgones", "organo=pampano bicho=pulgon n=10"},
        {"roedores", "organo=tronco capas=roida bicho=roedor n=1 tam=90"},
        {"termitas", "organo=corte capas=galerias bicho=termita n=5"},
        {"tuberculosis", "organo=tronco capas=agallas"},
        {"xiphinema", "organo=raiz capas=roidas bicho=nematodo n=3"},
        {"yesca", "organo=hoja variedad=tinta capas=atigrado"},
        // The data set's own short names for some of them.
        {"black-rot", "organo=hoja capas=manchas,rojizas,picnidios"},
        {"podredumbre s", "organo=racimo capas=mohonegro:0.6,mohoazul:0.5"},
        {"podredumbres r", "organo=raiz capas=podredumbre,micelio"},
    };
    return d;
}

void addLayer(Sketch &s, const QString &name, qreal amount = 1)
{
    for (const Layer &l : s.layers)
        if (l.name == name)
            return;
    s.layers.append({name, amount});
}

}  // namespace

Sketch defaultFor(const QString &hint)
{
    const QString h = plain(hint);
    for (const auto &[key, sketch] : keyDefaults())
        if (h.contains(QLatin1String(key)))
            return parse(QLatin1String(sketch));
    return {};
}

Sketch fromCaption(const QString &caption, const QString &hint)
{
    QString t = plain(caption);
    // What the caption says is absent is not drawn.
    t.remove(QRegularExpression(QStringLiteral("\\bsin (pelusilla|moho|olor[a-z ]*|sintomas[a-z ]*)")));
    auto has = [&t](const char *w) { return t.contains(QLatin1String(w)); };
    auto re = [&t](const char *pattern) { return t.contains(QRegularExpression(QLatin1String(pattern))); };
    Sketch s;

    // ---- the organ
    if (re("^(cepas?|rodal)\\b"))
        s.organ = QStringLiteral("cepa");
    else if (re("\\b(corte|cortado|seccion)\\b.*\\b(brazo|tronco|madera)") || re("(brazo|tronco).*\\bcortad"))
        s.organ = QStringLiteral("corte");
    else if (re("\\b(raiz|raices|raicillas|nudosidades|tuberosidades|barbado)\\b"))
        s.organ = QStringLiteral("raiz");
    else if (re("\\b(racimo|racimos|raspon|raquis|inflorescencia|botones florales|flor)\\b"))
        s.organ = QStringLiteral("racimo");
    else if (re("\\b(grano|granos|baya|bayas)\\b"))
        s.organ = QStringLiteral("grano");
    else if (re("\\byemas?\\b"))
        s.organ = QStringLiteral("yema");
    else if (re("\\b(hojas (bajas|basales)? ?(bronceadas|secas)|rodal|parte alta de la cepa|cepa "
                "(debilitada|joven|marcada|enferma))"))
        s.organ = QStringLiteral("cepa");
    else if (re("\\b(hoja|hojas|enves|haz|limbo)\\b"))
        s.organ = QStringLiteral("hoja");
    else if (re("\\b(pampano|pampanos|brote|brotes|punta|chupon|chupones|brotacion)\\b"))
        s.organ = QStringLiteral("pampano");
    else if (re("\\b(sarmiento|sarmientos|madera de dos anos|pulgares)\\b"))
        s.organ = QStringLiteral("sarmiento");
    else if (re("\\b(tronco|brazo|brazos|corteza|cuello|injerto)\\b"))
        s.organ = QStringLiteral("tronco");
    else if (re("\\b(suelo|tierra|enterrad|hoyo|labor|cata|materia organica|madriguera|galeria)"))
        s.organ = QStringLiteral("suelo");
    else if (re("\\b(cepa|cepas|planta|plantas|vina|viñedo|vinedo|parcela)\\b"))
        s.organ = QStringLiteral("cepa");
    if (s.organ.isEmpty()) {  // the question screen's organ
        static const QRegularExpression organWord(QStringLiteral("organo=(\\S+)"));
        const QRegularExpressionMatch m = organWord.match(hint);
        if (m.hasMatch())
            s.organ = m.captured(1);
    }
    s.underside = has("enves");
    if (re("\\btinta\\b|\\btintas\\b"))
        s.variety = QStringLiteral("tinta");
    else if (re("\\bblancas?\\b")
             && (s.organ == QLatin1String("hoja") || s.organ == QLatin1String("racimo")
                 || s.organ == QLatin1String("grano") || has("variedad")))
        s.variety = QStringLiteral("blanca");
    if (s.organ == QLatin1String("racimo") || s.organ == QLatin1String("grano")) {
        if (re("inflorescencia|flor|botones"))
            s.stage = QStringLiteral("flor");
        else if (re("\\bverdes?\\b|joven|cuajado|cerrandose|cierre"))
            s.stage = QStringLiteral("verde");
        else if (has("envero") || has("desigual"))
            s.stage = QStringLiteral("envero");
        else
            s.stage = QStringLiteral("maduro");
    }
    if (s.organ == QLatin1String("yema")) {
        if (has("algodon"))
            s.stage = QStringLiteral("algodon");
        else if (has("punta verde"))
            s.stage = QStringLiteral("punta");
        else if (re("desborre|hojas desplegadas|brotacion"))
            s.stage = QStringLiteral("hoja");
    }

    // ---- symptom layers
    auto layer = [&](const char *name, qreal amount = 1) { addLayer(s, QLatin1String(name), amount); };
    const qreal much = re("fuerte|intens|abundante|cubiert|numeros") ? 1.8 : 1.0;
    const bool leaf = s.organ == QLatin1String("hoja") || s.organ == QLatin1String("cepa");
    const bool fruit = s.organ == QLatin1String("racimo") || s.organ == QLatin1String("grano");
    const bool stem = s.organ == QLatin1String("pampano") || s.organ == QLatin1String("sarmiento")
        || s.organ == QLatin1String("yema");
    if (has("aceite") && !has("aceite parafinico") && !has("aceite de invierno"))
        layer("aceite", much);
    if (re("pelusilla|esporulacion|moho blanco") && !has("borra"))
        layer("pelusilla", much);
    if (re("ceniza|polvillo|blanquecino polvoriento|polvo blanco|oidio"))
        layer("ceniza", much);
    if (has("borra"))
        layer(re("parda|pardo|seca") ? "borraparda" : "borra", much);
    if (re("ampolla|abultamiento"))
        layer("ampollas", much);
    if (has("agalla") || has("verruga") || re("nodul"))
        layer("agallas", much);
    if (has("perdigon"))
        layer("perdigon", much);
    if (re("\\bcon (un )?halo|rodead[ao]s? de (un )?halo|halo amarill") && !re("sin halo") && !fruit)
        layer("halo", much);
    if (leaf && re("translucid") && !re("aceite"))
        layer("translucidas", much);
    else if (leaf && re("puntuales|punteado|punteadura"))
        layer("punteado", much);
    else if (leaf && !s.layers.isEmpty() && s.layers.first().name == QLatin1String("aceite"))
        ;
    else if (leaf && re("manchas|mancha|necrotica")
             && !re("manchas (rojizas|amarill|plateadas) (a lo largo|que siguen)")) {
        layer("manchas", much);
        if (re("oscura|negra"))
            layer("oscuras");
        else if (re("rojiz|violace"))
            layer("rojizas");
        if (re("pequen|puntual"))
            layer("pequenas");
        else if (re("grande|amplia"))
            layer("grandes");
        if (re("nervios") && re("lo largo|cerca|junto|base"))
            layer("nervios");
        else if (re("bordes? del limbo|en los bordes|desde el borde"))
            layer("borde");
        if (re("ceniza|polvillo|difus"))
            layer("difusas");
        if (re("se desprende|agujeros|se caen"))
            layer("perdigon");
    }
    if (re("puntitos negros|picnidios|pustulas|anillo de puntitos|esclerocios"))
        layer(leaf ? "picnidios" : stem ? "picnidios" : "momias", much);
    if (has("ojo de pajaro"))
        layer("ojo", much);
    if (re("moho gris|podredumbre gris|botrytis"))
        layer("moho", much * 1.5);
    if (re("asperg"))
        layer("mohonegro", 1.5);
    if (re("alternaria|cladosporium"))
        layer("mohooliva", 1.5);
    if (has("penicillium"))
        layer("mohoazul", 1.5);
    if (has("rhizopus"))
        layer("mohoalgodon", 1.5);
    if (re("acida|avinagrad|escurre|mosto|agrio") || (fruit && re("podrid") && !re("moho|gris|secundari")))
        layer("acida", much);
    if (fruit && re("arrugad|pasificad|\\bsecos\\b|deshidratad|desecad"))
        layer("arrugados", much * 1.5);
    if (has("momia") || has("momificad"))
        layer("momias", much * 1.5);
    if (has("vaciad") && fruit)
        layer("vaciados", much * 1.5);
    if (fruit && re("picotead|comidos por|pedicelos desnudos|picado por"))
        layer("picoteados", much * 1.5);
    if (fruit && re("rajad|agrietad|\\brevent"))
        layer("rajados", much);
    if (has("cicatri") && fruit)
        layer("cicatrices", much * 1.5);
    if (fruit && re("corch|acorch|aspera"))
        layer("corcho", much * 1.5);
    if (has("plateada"))
        layer("plateado");
    if (fruit && re("\\bhuevos?\\b")) {
        layer("huevo", 1.5);
        if (has("cabeza negra"))
            layer("cabezanegra");
    } else if (fruit && re("punto oscuro|picadura|puesta"))
        layer("picaduras", much);
    if (fruit && re("agujero|orificio|perforad|penetra"))
        layer("agujero", much);
    if (fruit && re("corrido|corrimiento|pocos granos|desiguales"))
        layer("corrido");
    if (fruit && re("desigual|color pobre|irregular|tardia"))
        layer("desigual");
    if (fruit && re("manchas?\\b") && !re("melaza|negrilla"))
        layer("manchas", much);
    if (fruit && re("pelos|apelotonad"))
        layer("pelos");
    if (fruit && re("inflorescencia.*seca|seca"))
        layer("seca");
    if (fruit && re("roid|comid"))
        layer("roidos");
    if (fruit && re("raspon|raquis") && !re("granos? (y|o)")) {  // the stalk itself, its berries put aside
        layer("raquis");
        if (re("negruzca|oscura|negra|lesion|podrid"))
            layer("manchasnegras");
        if (re("rona|costra|suber"))
            layer("costras");
    }
    if (fruit && (re("raspon|raquis") && re("costra|suber")))
        layer("costras");
    if (fruit && (re("raspon|raquis") && re("lesion|manchas negras")))
        layer("lesiones");
    if (re("mucosa|\\bbaba"))
        layer("baba");
    else if (re("gotas de melaza de color oscuro|excrementos? de color oscuro"))
        layer("gotasoscuras");
    else if (re("melaza|secrecion (tipo miel|azucarada)|\\bmiel"))
        layer("melaza");
    if (has("negrilla"))
        layer("negrilla");
    if (re("\\btelas?\\b|seda|hilos"))
        layer("telas");
    if (leaf) {
        if (has("cigarro"))
            layer("cigarro");
        else if (re("enrollad|enrolla"))
            layer("enrollada");
        if (re("abarquillad|curvad|curvan|encorvad|abombad|retorcid|crispad|se crispa"))
            layer("abarquillada");
        if (has("abanico") || has("seno peciolar"))
            layer("abanico");
        if (re("hojas? [a-z ]{0,14}(pequen|raquitic)"))
            layer("pequena");
        if (re("arrugad|deformad|rugos"))
            layer("arrugada");
        if (has("atigrad"))
            layer("atigrado");
        else if (has("sectores"))
            layer("sectores");
        else if (re("(rojiz|roja|enrojecid).*(nervios)") && re("a lo largo|siguen|junto a"))
            layer("nerviosrojos");
        else if (re("amarill.*(siguen|a lo largo de) los nervios|decoloraciones amarillas"))
            layer("nerviosamarillos");
        else if (re("bandas amarillas"))
            layer("bandas");
        else if (has("mosaico"))
            layer("mosaico");
        else if (re("amarillo-rojizas|penetran entre"))
            layer("atigrado");
        else if (re("decoloraciones rojizas|coloraciones rojizas|enrojecid|hojas? rojas|rojizas entre|rojo entre")
                 || (re("rojiz|rojas|rojo") && !re("manchas|mancha|pardo-rojiz|ampolla|abultamiento")))
            layer("rojo");
        else if (re("amarillo dorado|amarillea|amarillas entre|amarillo entre"))
            layer("amarillo");
        else if (re("amarillent|palid|clorot") && !re("aceite"))
            layer("palida");
        if (re("bronce"))
            layer("bronceado");
        if (re("plomizo|gris plomizo"))
            layer("plomizo");
        if (re("punteado|punteadura|punteadas|punteaduras"))
            layer("punteado", much);
        if (re("quemad|concentric|escaldad|desecacion del parenquima"))
            layer("quemado");
        else if (re("desecad[ao]s? en los bordes|bordes? (del limbo )?desecad"))
            layer("bordeseco");
        else if (re("borde (rasgado|necrosad|seco)|bordes? secos?|necrosis marginal|quemaduras"))
            layer("bordeseco");
        else if (re("\\bsecas?\\b|necrosad|muert") && !has("borra"))
            layer("seca");
        if (re("jaspead|clareamiento"))
            layer("jaspeado");
        if (has("ventanas"))
            layer("ventanas");
        if (has("cleistotecio"))
            layer("cleistotecios");
        if (has("encaje"))
            layer("ventanas", 3);
        if (re("media luna|escotaduras"))
            layer("medialuna");
        else if (re("bordes? raid|mordedura|roid|comid|devorad|irregular") && !has("encaje"))
            layer("mordeduras", much);
        if (re("agujero|perforad|desgarr") && !has("perdigon"))
            layer("agujeros", much);
        if (has("baba"))
            layer("baba");
        if (s.organ == QLatin1String("cepa") && re("amarill|palid"))
            layer("amarillo");
        if (s.organ == QLatin1String("cepa") && re("marchit"))
            layer("marchita");
        if (s.organ == QLatin1String("cepa") && re("debil|cortos|raquitic|pequenas"))
            layer("raquitica");
    }
    if (stem) {
        if (re("manchas|mancha|lesion")) {  // the kind of spot on a shoot or cane
            if (re("halo negro|hundid|profunda"))
                layer("cancros");
            if (re("negruzca|oscura|negra|tabletas"))
                layer("manchasnegras");
            if (re("marron|pard|rojiz"))
                layer("manchasmarrones");
            if (re("de color blanco|blanquecin"))
                layer("blanquecino");
            if (re("primeros entrenudos|base"))
                layer("base");
        }
        if (re("corcho|roña|rona"))
            layer("costras");
        if (re("cancro|chancro"))
            layer("cancros");
        if (re("(manchas|lesiones) negras|necrosis negra"))
            layer("manchasnegras");
        if (has("base"))
            layer("base");
        if (re("costra"))
            layer("costras");
        if (re("estria|cicatri"))
            layer("estrias");
        if (has("blanquecino"))
            layer("blanquecino");
        if (has("islas verdes"))
            layer("islasverdes");
        if (re("pustula|esclerocio"))
            layer("pustulas");
        if (has("serrin"))
            layer("serrin");
        if (re("orificio|agujero"))
            layer("orificio");
        if (re("galeria"))
            layer("galeria");
        if (re("partido|roto"))
            layer("partido");
        if (re("zigzag|entrenudos cortos|raquitic"))
            layer("raquitico");
        if (re("marchit|doblad"))
            layer("marchita");
        if (re("bisel|cortad"))
            layer("bisel");
        if (re("peciolos sin limbo|cerillas"))
            layer("cerillas");
        if (has("huevos rojos"))
            layer("huevosrojos");
        if (re("inflorescencia"))
            layer(re("seca") ? "seca" : "inflorescencia");
        if (re("vaciad"))
            layer("vaciada");
        if (re("roid|comid|comiendo|mordid|devorad|media luna"))
            layer(s.organ == QLatin1String("sarmiento") ? "yemasroidas" : "roida");
        if (re("muert|no han brotado|no ha brotado|necrosad"))
            layer("muerta");
        if (has("borra"))
            layer("borraparda");
        if (re("oidio|ceniza|manchas (pardas|oscuras) .*sarmiento"))
            layer("ceniza");
    }
    if (s.organ == QLatin1String("tronco") || s.organ == QLatin1String("cepa")) {
        if (re("chancro|cancro"))
            layer("chancro");
        if (re("roid|dientes|mordid"))
            layer("roida");
        if (re("estroma|costra negra"))
            layer("estromas");
        if (re("agalla|tumor|tuberculo")) {
            layer("agallas");
            if (re("jovenes blanquecinas|agallas? blanquecinas"))
                layer("agallasjovenes");
            if (re("cordon|a lo largo"))
                layer("cordon");
        }
        if (re("orificio|galeria"))
            layer("galerias");
        if (re("grieta|acanalad|estri|rizad"))
            layer("grietas");
        if (re("descortez|raspado|levantada"))
            layer("descortezado");
    }
    if (s.organ == QLatin1String("corte")) {
        if (has("cuna"))
            layer("cuna");
        if (re("yesca|blanda|esponjos|podredumbre blanca|amarillenta"))
            layer("yesca");
        if (re("puntos negros|punteaduras"))
            layer("punteado");
        if (re("galeria|hueco"))
            layer("galerias");
        if (re("necrosis|sector|parda") && !has("cuna"))
            layer("necrosis");
    }
    if (s.organ == QLatin1String("raiz")) {
        if (has("nudosidad"))
            layer("nudosidades");
        if (has("tuberosidad"))
            layer("tuberosidades");
        if (re("masas de huevos"))
            layer("masas");
        if (re("sin raicillas|cortad|roid|comid|pocas raicillas|necrosad"))
            layer("roidas");
        if (re("podrid|podredumbre"))
            layer("podredumbre");
        if (re("micelio|placas blancas|cordones|filamentos|fieltro"))
            layer("micelio");
        if (re("joven|barbado|planta joven"))
            layer("joven");
    }

    // ---- the organism
    t.replace(QLatin1String("ojo de pajaro"), QLatin1String("ojo"));  // the berry's spots, not a bird
    struct Bug {
        const char *pattern, *kind;
    };
    static const Bug bugs[] = {
        {"fitoseido|acaros? depredador", "fitoseido"},
        {"calepitrimerus|eriofido|acaro alargado|dos pares de patas|colomerus", "eriofido"},
        {"hembra roja|araña roja|arana roja", "acaro-rojo"},
        {"araña amarilla|arana amarilla|hembras? (amarillas|invernantes)|dos manchas oscuras|formas moviles|colonias "
         "de acaros|colonias del acaro|tetranychus|eotetranychus",
         "acaro-amarillo"},
        {"adultos anaranjados", "eriofido"},
        {"mariquita", "mariquita"},
        {"caracolillo", "caracol-blanco"},
        {"caracol", "caracol"},
        {"babosa", "babosa"},
        {"conejo", "conejo"},
        {"topillo|rata|raton|ratones|roedor|liron", "roedor"},
        {"estornino|pajaro|gorrion|mirlo|halcon|aves", "pajaro"},
        {"nido de (papel|avispa)", "nido"},  // a caterpillar's leaf nest is not the wasps' paper one
        {"avispon", "avispon"},
        {"avispa", "avispa"},
        {"moscas? del vinagre|drosophila", "mosca-vinagre"},
        {"mosca de la fruta|ceratitis|moscas? (adulta|hembra)", "mosca-fruta"},
        {"bibionido|mosca negra", "mosca-peluda"},
        {"mariposa|polilla adulta|adultos? de polilla", "mariposa-pardo"},
        {"termita", "termita"},
        {"forma de pera|pera", "pera"},
        {"xiphinema|nematodo", "nematodo"},
        {"ninfa.*(salivazo|vector|mosquito)|ninfas? (blanquecina|verde)", "ninfa"},
        {"salivazo|insecto vector|mosquito verde|cicadelido|empoasca|scaphoideus|vectores?", "cicadelido"},
        {"chinche", "chinche"},
        {"larvas?.*trips|larvas amarillo palido", "larvatrips"},
        {"trips", "trips"},
        {"pulgon", "pulgon"},
        {"hembras adultas amarillas|filoxera", "filoxera"},
        {"algodonosa|cochinillas?|planococcus", "cochinilla"},
        {"caparazon|eulecanio|lecanio", "caparazon"},
        {"larvas? (amarillas )?fijadas", "caparazon"},
        {"cigarrero", "gorgojo-verde"},
        {"gorgojo|otiorrinco|pedroulo|trompa", "gorgojo"},
        {"larvas? pardas con puntos negros", "larvaaltica"},
        {"altica", "escarabajo-azul"},
        {"manchas blancas", "escarabajo-manchas"},
        {"conchudo|negro y peludo", "escarabajo-peludo"},
        {"castaneta.*(hembra|macho|adulto)|(hembra|macho).*castaneta|antenas largas", "escarabajo-antenas"},
        {"melolonta|antenas en abanico", "escarabajo-abanico"},
        {"barrenillo|escarabajo cilindrico", "escarabajo-cilindrico"},
        {"elaterido", "escarabajo-estrecho"},
        {"escarabajo", "escarabajo-pardo"},
        {"oruga peluda|larvas bajo telas|colonias de larvas|peluda", "orugapeluda"},
        {"sin patas", "larvaapoda"},
        {"larva gris|larvas grises|gusano gris|enroscada", "larvagris"},  // a cutworm curls into a C too
        {"forma de c\\b|larva blanca|larvas blancas|gusano blanco", "larvac"},
        {"larva (delgada|dura)|gusano de alambre|amarillo anaranjada", "alambre"},
        {"pupas?|tonelito", "pupa"},
        {"oruga|larva|larvas", "oruga"},
        {"huevos? (amarillos|blancos|rosados|rojos)|puesta de huevos|placa de huevos", "huevos"},
    };
    const bool subjectFirst = re("^(adultos?|larvas?|hembras?|machos?|ninfas?|oruga|caracol|babosa|conejo|pajaro|"
                                 "estornino|avispa|avispon|grupo|colonias?|varios|pulgones|caparazones|caracolillos|"
                                 "huevos|puesta|placa de huevos|nido|mariquita|acaro|topillo)");
    for (const Bug &b : bugs) {
        if (!re((QStringLiteral("\\b(?:") + QLatin1String(b.pattern) + QStringLiteral(")")).toUtf8().constData()))
            continue;
        // Insects named only as the cause ("... por los conchudos") are not drawn.
        if (!subjectFirst
            && re("(causad[ao]s? por|por (un|el|la|los|las) (ataque|adulto|larva|acaro)|roid[ao]s? por|"
                  "comid[ao]s? por|vaciad[ao]s? por|abiertos? por|atacad|por (araña|arana|acariosis|erinosis|"
                  "avispas|conchudos|las larvas|larvas|los conejos|la chinche|black-rot|el "
                  "hongo)|transmite|alimentacion del)")
            && !re("con (moscas|adultos|larvas|ninfas)|comiendo|sobre|capturad|entre|dentro"))
            break;
        s.organism = QLatin1String(b.kind);
        if (s.organism == QLatin1String("huevos")) {
            s.organism = re("rojos") ? QStringLiteral("huevos-rojo")
                : re("rosad")        ? QStringLiteral("huevos-rosa")
                : re("blanc")        ? QStringLiteral("huevos-blanco")
                                     : QStringLiteral("huevos-amarillo");
        }
        const bool many =
            re("\\b(adultos|larvas|hembras|ninfas|colonias?|grupo|varios|pulgones|caracolillos|caparazones|"
               "huevos|moscas|acaros|formas moviles|agrupad)\\b");
        s.count = many ? (re("colonia|grupo numeroso|agrupad") ? 12 : 6) : 1;
        if (!subjectFirst && !many)
            s.count = 2;
        break;
    }
    // A larva named by its adult's name: the beetle's grub, the weevil's
    // legless larva, the moth's caterpillar.
    if (re("\\blarvas?\\b")) {
        if (s.organism == QLatin1String("escarabajo-estrecho"))
            s.organism = QStringLiteral("alambre");
        else if (s.organism.startsWith(QLatin1String("escarabajo")) && s.organism != QLatin1String("escarabajo-azul"))
            s.organism = QStringLiteral("larvac");
        else if (s.organism.startsWith(QLatin1String("gorgojo")))
            s.organism = QStringLiteral("larvaapoda");
        else if (s.organism.startsWith(QLatin1String("mariposa")))
            s.organism = QStringLiteral("oruga");
        else if (s.organism.startsWith(QLatin1String("mosca")))
            s.organism = QStringLiteral("larvamosca");
        else if (s.organism == QLatin1String("mariquita"))
            s.organism = QStringLiteral("larvamariquita");
    }
    // Seen under the lens, small animals are drawn larger.
    if (!s.organism.isEmpty() && s.count > 1 && re("lupa|microscopio"))
        s.size = 36;
    // Ants alongside the colony they tend.
    if (re("\\bhormigas?\\b"))
        addLayer(s, QStringLiteral("hormigas"));
    // Eggs alongside another organism.
    if (re("\\by huevos|con sus huevos|huevos\\b") && !s.organism.isEmpty()
        && !s.organism.startsWith(QLatin1String("huevos")))
        addLayer(s, QStringLiteral("huevos"));

    // ---- field work
    if (re("\\bteja\\b")) {
        s.scene = QStringLiteral("teja");
        s.organ.clear();
        s.layers.clear();
        s.organism.clear();
    } else if (re("cebo molusquicida")) {
        s.scene = QStringLiteral("cebo");
        s.organ.clear();
        s.layers.clear();
        s.organism.clear();
    } else if (re("estacion de avisos|estacion meteorologica")) {
        s.scene = QStringLiteral("estacion");
        s.organ = QStringLiteral("cepa");
        s.layers.clear();
        s.organism.clear();
    } else if (re("\\barranque\\b|cepas arrancadas")) {
        s.scene = QStringLiteral("arranque");
        s.organ.clear();
        s.layers.clear();
        s.organism.clear();
    } else if (re("haces de sarmientos|retirada de los sarmientos")) {
        s.scene = QStringLiteral("haz");
        s.organ.clear();
        s.layers.clear();
    } else if (re("tritura")) {
        s.scene = QStringLiteral("triturado");
        s.organ.clear();
        s.layers.clear();
    } else if (re("\\bmanga\\b")) {
        s.scene = QStringLiteral("manga");
        s.organ.clear();
        s.layers.clear();
        s.organism.clear();
    } else if (re("\\bespuma\\b")) {
        s.scene = QStringLiteral("espuma");
        s.organ.clear();
        s.layers.clear();
        s.organism.clear();
    } else if (re("margen de hierba|hierba seca")) {
        s.scene = QStringLiteral("hierba");
        s.organ = QStringLiteral("cepa");
        s.layers.clear();
        s.organism.clear();
    } else if (re("muestras de sarmiento")) {
        s.scene = QStringLiteral("muestras");
        s.organ.clear();
        s.layers.clear();
    } else if (re("\\bzanja\\b")) {
        s.scene = QStringLiteral("zanja");
        s.organ = QStringLiteral("cepa");
        s.layers.clear();
    } else if (re("^aporcado")) {
        s.scene = QStringLiteral("aporcado");
        s.organ = QStringLiteral("tronco");
        s.layers.clear();
    } else if (re("chupon sano|renovacion del tronco")) {
        s.scene = QStringLiteral("chupon");
        s.organ = QStringLiteral("tronco");
        s.layers.clear();
    } else if (re("linterna|revision nocturna")) {
        s.scene = QStringLiteral("linterna");
    } else if (re("\\bbanda\\b|carton ondulado|refugio de carton")) {
        s.scene = QStringLiteral("banda");
        s.organ = QStringLiteral("tronco");
    } else if (re("trampa|placa adhesiva|placa engomada")) {
        s.scene = re("azul") ? QStringLiteral("trampa-azul")
            : re("feromona") ? QStringLiteral("trampa-feromona")
            : re("vinagre|atrayente|azucar|alimenticio|agua|cebo") && !re("cebo molusquicida|cebo desenterrada")
            ? QStringLiteral("trampa-botella")
            : QStringLiteral("trampa-amarilla");
        if (s.scene != QLatin1String("trampa-botella") || s.organ != QLatin1String("racimo"))
            s.organ.clear();
        s.organism.clear();
        s.layers.clear();
    } else if (re("pulverizacion|tratamiento|aplicacion|mojando|cobre")) {
        s.scene = QStringLiteral("pulverizacion");
    } else if (re("espolvoreo|azufre")) {
        s.scene = QStringLiteral("espolvoreo");
    } else if (re("certificad|etiqueta|planta injertada|indicadora|lista para (plantar|la plantacion)|preparada "
                  "para")) {
        s.scene = QStringLiteral("etiqueta");
        s.organ.clear();
        s.layers.clear();
        s.organism.clear();
    } else if (re("red antipajaros|vallado")) {
        s.scene = QStringLiteral("red");
    } else if (re("protector de malla|malla")) {
        s.scene = QStringLiteral("malla");
        s.organ = QStringLiteral("tronco");
    } else if (re("embolsad")) {
        s.scene = QStringLiteral("bolsa");
        s.organ = QStringLiteral("racimo");
    } else if (re("tijeras")) {
        s.scene = QStringLiteral("tijeras");
    } else if (re("pasta cicatrizante")) {
        s.scene = QStringLiteral("pasta");
        s.organ = QStringLiteral("tronco");
    } else if (re("marcad[ao] (con pintura|en)|cepa marcada")) {
        s.scene = QStringLiteral("pintura");
        s.organ = QStringLiteral("cepa");
    } else if (re("sacudida|bandeja|cartulina|paraguas|lona")) {
        s.scene = re("(cartulina|bandeja) oscura") ? QStringLiteral("bandeja-oscura") : QStringLiteral("bandeja");
        // The adults the caption names are what falls on it.
        if (!s.organism.isEmpty() && !re("larvas?|orugas?|huevos"))
            s.scene += QLatin1Char(':') + s.organism;
    } else if (re("cintas reflectantes")) {
        s.scene = QStringLiteral("cinta");
    } else if (re("barrena|muestras de suelo")) {
        s.scene = QStringLiteral("barrena");
        s.organ = QStringLiteral("raiz");
    } else if (re("difusor")) {
        s.scene = QStringLiteral("difusor");
        s.organ = QStringLiteral("tronco");
    } else if (re("\\blupa\\b|vistas? con lupa|visto a la lupa")) {
        if (s.organism.isEmpty())
            s.scene = QStringLiteral("lupa");
    }
    if (s.organ.isEmpty() && s.scene.isEmpty() && !s.organism.isEmpty()
        && !re("^(adulto|macho|hembra|mariposa|avispa|avispon|conejo|estornino|pajaro|mariquita|nido)"))
        s.organ = QStringLiteral("hoja");

    // ---- what the caption leaves unsaid comes from the pest
    // The pictures of the treatments show the work, not the pest's symptoms.
    const bool work = hint.contains(QLatin1String("tratamiento"));
    const Sketch fallback = work ? Sketch{} : defaultFor(hint.isEmpty() ? caption : hint);
    if (work && s.organ.isEmpty() && s.scene.isEmpty() && s.organism.isEmpty())
        s.organ = QStringLiteral("cepa");
    if (s.organ.isEmpty() && s.scene.isEmpty() && s.organism.isEmpty())
        return fallback.isEmpty() ? parse(QStringLiteral("organo=hoja")) : fallback;
    if (s.layers.isEmpty() && s.scene.isEmpty() && fallback.organ == s.organ) {
        s.layers = fallback.layers;
        if (s.organism.isEmpty()) {  // the caption's own animal keeps the number it gave
            s.organism = fallback.organism;
            s.count = fallback.count;
            s.size = fallback.size;
        }
    }
    if (s.variety.isEmpty())
        s.variety = fallback.variety;
    const Sketch pest = defaultFor(hint.isEmpty() ? caption : hint);
    // "Adulto …" with no name: the pest itself.
    if (s.organism.isEmpty() && subjectFirst && !fallback.organism.isEmpty()) {
        s.organism = fallback.organism;
        s.count = 1;
        s.size = 0;
    }
    // A fly's larvae are legless maggots, pointed at the head, not curled
    // like a beetle's grub.
    if ((s.organism == QLatin1String("larvac") || s.organism == QLatin1String("larvaapoda"))
        && pest.organism.startsWith(QLatin1String("mosca")))
        s.organism = QStringLiteral("larvamosca");
    // The pest's own colour of an animal the caption only names ("gorgojo"
    // of the grey pedroulo), and a weevil's larva is legless.
    if (!s.organism.isEmpty() && pest.organism.startsWith(s.organism + QLatin1Char('-')))
        s.organism = pest.organism;
    if (s.organism == QLatin1String("larvac") && pest.organism.startsWith(QLatin1String("gorgojo")))
        s.organism = QStringLiteral("larvaapoda");
    // Flower buds or leaves tied with silk: the caterpillar that spun them.
    if (s.organism.isEmpty() && s.scene.isEmpty() && pest.organism == QLatin1String("oruga")
        && re("seda|hilos|atadas|\\btelas?\\b")) {
        s.organism = pest.organism;
        s.count = 1;
        s.size = 60;
    }
    // Trays, nets and traps hold the pest's own adults.
    const bool adult = !pest.organism.isEmpty()
        && !QRegularExpression(QStringLiteral("^(oruga|larva|alambre|huevos)")).match(pest.organism).hasMatch();
    if (adult && !s.scene.contains(QLatin1Char(':'))
        && (s.scene.startsWith(QLatin1String("bandeja")) || s.scene == QLatin1String("manga")
            || s.scene == QLatin1String("trampa-botella") || s.scene == QLatin1String("trampa-amarilla")
            || s.scene == QLatin1String("trampa-azul")))
        s.scene += QLatin1Char(':') + pest.organism;
    // "Larvas" alone: the pest's own larva.
    if (s.organism == QLatin1String("oruga")
        && QStringList{QStringLiteral("larvac"), QStringLiteral("larvaapoda"), QStringLiteral("larvagris"),
                       QStringLiteral("alambre"), QStringLiteral("orugapeluda"), QStringLiteral("larvamosca-gris")}
               .contains(pest.organism))
        s.organism = pest.organism;
    // The grey larvae of a fly (the bibionid's) are legless, with a dark head.
    if (s.organism == QLatin1String("larvagris") && pest.organism.startsWith(QLatin1String("larvamosca")))
        s.organism = pest.organism;

    // ---- the grower at work: leaves pulled, bunches taken away, the organ
    // looked over with a lens or the damage counted on a tally card
    auto alsoScene = [&s](const char *object) {
        s.scene = s.scene.isEmpty() ? QLatin1String(object) : s.scene + QLatin1Char('+') + QLatin1String(object);
    };
    if (re("^(deshojado|retirada de racimos|seleccion y descarte de racimos)")) {
        s = Sketch{};
        s.scene = has("deshojado") ? QStringLiteral("deshojado") : QStringLiteral("retirada");
    } else if (re("^conteo|anotando") || (re("para contar") && re("^(revision|muestreo|cata|hoyo)"))) {
        alsoScene("conteo");
    } else if (re("^revision") && re("golpe")) {
        alsoScene("golpe");
    } else if (re("^revision") && s.scene.isEmpty()) {
        alsoScene("revision");
    }
    return s;
}

}  // namespace drawing
