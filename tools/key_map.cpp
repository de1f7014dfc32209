// key_map: the map of the diagnosis key, made from the question screens' own
// tables: organ → question screens → pests and diseases. Writes, into the
// help page's folder:
//   mapa-clave.dot   the graph, for Graphviz (dot -Tsvg makes mapa-clave.svg)
//   mapa-clave.html  the same key as a list a reader can search, one line per
//                    path from an organ to a result, with the answers chosen
//   key_map <carpeta Sarmo_web>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTextStream>

#include "core/ResultCatalogue.h"
#include "core/ScreenTable.h"

namespace {

const QString kResult = QStringLiteral("ResultadoVid");

// Where SIGUIENTE leads when only this option is selected: the first rule
// that names it, else the "otherwise" rule, else a terminal rule.
const q::Rule *ruleFor(const q::ScreenTable &screen, int option)
{
    for (const q::Rule &r : screen.rules)
        if (r.options.contains(option))
            return &r;
    for (const q::Rule &r : screen.rules)
        if (r.otherwise || r.options.isEmpty())
            return &r;
    return nullptr;
}

QStringList keysOf(const q::OptionDef &option)
{
    QStringList keys;
    for (const q::Action &a : option.actions)
        if (a.kind == q::Action::Kind::StoreKey)
            keys << a.value;
    return keys;
}

QString displayName(const QString &key)
{
    const ResultCatalogue::Entry *e = ResultCatalogue::byKey(key);
    return e ? e->displayName : key;
}

QString dotText(QString s)
{
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return s;
}

QString html(const QString &s) { return s.toHtmlEscaped(); }

// A long caption wrapped for a node or an edge label.
QString wrapped(const QString &text, int width = 28)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines.join(QStringLiteral("\\n"));
}

struct Step {
    QString screen;
    QString answer;
};

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "uso: key_map <carpeta de la página de ayuda>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    const QList<q::ScreenTable> &screens = q::allScreens();
    QHash<QString, const q::ScreenTable *> byName;
    QSet<QString> targeted;
    for (const q::ScreenTable &s : screens) {
        byName.insert(s.name, &s);
        for (const q::Rule &r : s.rules)
            targeted.insert(r.target);
    }
    // The organs: the screens no other screen leads to (the home screen
    // opens them).
    QList<const q::ScreenTable *> organs;
    for (const q::ScreenTable &s : screens)
        if (!targeted.contains(s.name))
            organs << &s;

    // The graph.
    QString dot;
    QTextStream g(&dot);
    g << "digraph clave {\n"
         "  rankdir=LR; nodesep=0.12; ranksep=0.5;\n"
         "  node [fontname=\"DejaVu Sans\", fontsize=10, shape=box, style=\"rounded,filled\", fillcolor=\"#f1f6e6\", "
         "color=\"#8bab3c\"];\n"
         "  edge [fontname=\"DejaVu Sans\", fontsize=8, color=\"#777777\", fontcolor=\"#444444\"];\n"
         "  inicio [label=\"VIÑA\", shape=ellipse, fillcolor=\"#4a2a4f\", fontcolor=white, color=\"#4a2a4f\"];\n";
    for (const q::ScreenTable *o : organs)
        g << "  inicio -> " << o->name << ";\n";
    QSet<QString> results;
    for (const q::ScreenTable &s : screens) {
        const bool organ = organs.contains(&s);
        g << "  " << s.name << " [label=\"" << wrapped(dotText(s.title)) << "\""
          << (organ ? ", fillcolor=\"#d9e8b8\", penwidth=2" : "") << "];\n";
        for (const q::OptionDef &o : s.options) {
            const q::Rule *r = ruleFor(s, o.index);
            if (!r)
                continue;
            const QString label = wrapped(dotText(o.caption), 34);
            if (r->target == kResult) {
                for (const QString &key : keysOf(o)) {
                    results.insert(key);
                    g << "  " << s.name << " -> \"r:" << dotText(key) << "\" [label=\"" << label << "\"];\n";
                }
            } else if (byName.contains(r->target)) {
                g << "  " << s.name << " -> " << r->target << " [label=\"" << label << "\"];\n";
            }
        }
    }
    for (const QString &key : std::as_const(results))
        g << "  \"r:" << dotText(key) << "\" [label=\"" << wrapped(dotText(displayName(key)))
          << "\", shape=box, style=filled, fillcolor=\"#efe3f1\", color=\"#6b2f75\"];\n";
    g << "}\n";

    // Every path from an organ to a result, in the order of the tables.
    struct Path {
        QList<Step> steps;
        QString key;
    };
    QList<Path> paths;
    std::function<void(const q::ScreenTable *, QList<Step>, QSet<QString>)> walk =
        [&](const q::ScreenTable *s, QList<Step> steps, QSet<QString> seen) {
            if (seen.contains(s->name))
                return;  // a table that loops back
            seen.insert(s->name);
            for (const q::OptionDef &o : s->options) {
                const q::Rule *r = ruleFor(*s, o.index);
                if (!r)
                    continue;
                QList<Step> next = steps;
                next << Step{s->title, o.caption};
                if (r->target == kResult) {
                    for (const QString &key : keysOf(o))
                        paths << Path{next, key};
                } else if (const q::ScreenTable *t = byName.value(r->target)) {
                    walk(t, next, seen);
                }
            }
        };
    for (const q::ScreenTable *o : organs)
        walk(o, {}, {});

    QString page;
    QTextStream h(&page);
    h << "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         "<title>Sarmo 1.2 — Mapa de la clave de diagnóstico</title>\n<style>\n"
         "  body { font-family: Verdana, Tahoma, Arial, sans-serif; font-size: 15px; line-height: 1.5; color: #222;"
         " background: #f6f4ee; margin: 0; }\n"
         "  main { max-width: 70em; margin: 0 auto; padding: 1em 2em 3em; background: #fff; }\n"
         "  h1 { color: #4a2a4f; } input { font-size: 1em; padding: .3em; width: 100%; box-sizing: border-box; }\n"
         "  ol { padding-left: 1.5em; } li { margin: .4em 0; }\n"
         "  .res { font-weight: bold; color: #6b2f75; } .org { font-weight: bold; color: #3e5e1a; }\n"
         "  .paso { color: #555; }\n</style>\n</head>\n<body>\n<main>\n"
         "<h1>Mapa de la clave de diagnóstico</h1>\n"
         "<p>Cada línea es un camino de la clave: el órgano, las pantallas de preguntas con la respuesta "
         "elegida en cada una, y la plaga o enfermedad a la que lleva. Escriba en el cuadro para filtrar "
         "(por ejemplo «mildiu», «agallas» o «racimos»). El mapa está hecho a partir de las propias tablas "
         "de las pantallas de preguntas. <a href=\"Sarmo.htm#mapa\">Volver a la ayuda</a>.</p>\n"
         "<p><input id=\"filtro\" type=\"search\" placeholder=\"Buscar una plaga, un órgano o un síntoma\" "
         "aria-label=\"Buscar en la clave\"></p>\n<p id=\"cuenta\"></p>\n<ol id=\"caminos\">\n";
    QSet<QString> reached;
    for (const Path &p : std::as_const(paths)) {
        reached.insert(p.key);
        h << "<li><span class=\"org\">" << html(p.steps.first().screen) << "</span>";
        for (const Step &s : p.steps)
            h << " <span class=\"paso\">› " << html(s.screen) << ": «" << html(s.answer) << "»</span>";
        h << " → <span class=\"res\">" << html(displayName(p.key)) << "</span></li>\n";
    }
    h << "</ol>\n";
    QStringList unreached;
    for (const ResultCatalogue::Entry &e : ResultCatalogue::entries())
        if (!reached.contains(e.key))
            unreached << e.displayName;
    if (!unreached.isEmpty())
        h << "<p>Se llega solo por el nombre (pantalla de inicio): " << html(unreached.join(QStringLiteral(", ")))
          << ".</p>\n";
    h << "<script>\n"
         "const filtro = document.getElementById('filtro');\n"
         "const caminos = Array.from(document.querySelectorAll('#caminos li'));\n"
         "const sin = t => t.normalize('NFD').replace(/[\\u0300-\\u036f]/g, '').toLowerCase();\n"
         "function filtrar() {\n"
         "  const q = sin(filtro.value.trim()); let n = 0;\n"
         "  for (const li of caminos) { const ver = !q || sin(li.textContent).includes(q); li.hidden = !ver;"
         " if (ver) n++; }\n"
         "  document.getElementById('cuenta').textContent = n + ' de ' + caminos.length + ' caminos';\n"
         "}\n"
         "filtro.addEventListener('input', filtrar); filtrar();\n"
         "</script>\n</main>\n</body>\n</html>\n";

    for (const auto &[name, text] :
         {std::pair{QStringLiteral("mapa-clave.dot"), dot}, std::pair{QStringLiteral("mapa-clave.html"), page}}) {
        QFile f(out.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0) {
            err << "key_map: no se puede escribir " << f.fileName() << "\n";
            return 1;
        }
    }
    err << "key_map: " << paths.size() << " caminos, " << reached.size() << " de " << ResultCatalogue::entries().size()
        << " plagas y enfermedades alcanzadas por síntomas\n";
    return 0;
}
