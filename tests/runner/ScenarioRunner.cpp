#include "ScenarioRunner.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDirIterator>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMediaPlayer>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QUrl>

#include <unistd.h>

#include "DataSet.h"
#include "Illustration.h"
#include "app/Screens.h"
#include "core/Module1.h"
#include "shell/MainWindow.h"
#include "shell/Sarmo.h"
#include "shell/Screen.h"
#include "shell/ScreenRegistry.h"
#include "widgets/Artwork.h"
#include "widgets/PictureBox.h"
#include "widgets/TilePuzzle.h"

namespace {

QString normalised(QString path)
{
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return path;
}

bool toInt(const QString &s, int *v)
{
    bool ok = false;
    *v = s.toInt(&ok);
    return ok;
}

// Copies a folder tree with hard links where the file system allows, so a
// scenario's copy costs little; files are replaced, never written in place.
bool linkTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = to + QLatin1Char('/') + rel;
        const QFileInfo info = it.fileInfo();
        if (info.isDir()) {
            QDir().mkpath(dst);
            continue;
        }
        if (::link(QFile::encodeName(src).constData(), QFile::encodeName(dst).constData()) != 0
            && !QFile::copy(src, dst))
            return false;
    }
    return true;
}

QString widgetText(QObject *o, bool *known)
{
    *known = true;
    if (auto *w = qobject_cast<QWidget *>(o); w && w->isWindow())
        return w->windowTitle();
    if (auto *s = qobject_cast<Screen *>(o))
        return s->windowTitle();
    if (auto *l = qobject_cast<QLabel *>(o))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(o))
        return b->text();
    if (auto *c = qobject_cast<QComboBox *>(o))
        return c->currentText();
    if (auto *e = qobject_cast<QLineEdit *>(o))
        return e->text();
    if (auto *t = qobject_cast<QTextEdit *>(o))
        return t->toPlainText();
    if (auto *t = qobject_cast<QPlainTextEdit *>(o))
        return t->toPlainText();
    if (auto *a = qobject_cast<QAction *>(o))
        return a->text();
    if (auto *g = qobject_cast<QWidget *>(o); g && g->property("title").isValid())
        return g->property("title").toString();
    const QVariant text = o->property("text");
    if (text.isValid())
        return text.toString();
    *known = false;
    return {};
}

QStringList listItems(QObject *o, bool *known)
{
    *known = true;
    QStringList items;
    if (auto *c = qobject_cast<QComboBox *>(o)) {
        for (int i = 0; i < c->count(); ++i)
            items << c->itemText(i);
        return items;
    }
    if (auto *l = qobject_cast<QListWidget *>(o)) {
        for (int i = 0; i < l->count(); ++i)
            items << l->item(i)->text();
        return items;
    }
    const QVariant v = o->property("items");
    if (v.isValid())
        return v.toStringList();
    *known = false;
    return items;
}

QString quoteList(const QStringList &l)
{
    QStringList q;
    for (const QString &s : l)
        q << QLatin1Char('"') + s + QLatin1Char('"');
    return q.isEmpty() ? QStringLiteral("(nada)") : q.join(QLatin1Char(' '));
}

}  // namespace

ScenarioRunner::ScenarioRunner(QString dataSet) : m_source(std::move(dataSet))
{
    Services::setMessageService(&m_messages);
    Services::setPrintService(&m_printer);
    Services::setDocumentOpener(&m_documents);
    Services::setProgramEnd(&m_end);
}

ScenarioRunner::~ScenarioRunner()
{
    tearDown();
    Services::setMessageService(nullptr);
    Services::setPrintService(nullptr);
    Services::setDocumentOpener(nullptr);
    Services::setProgramEnd(nullptr);
}

bool ScenarioRunner::setUp(QString *error)
{
    m_tmp = std::make_unique<QTemporaryDir>();
    if (!m_tmp->isValid()) {
        *error = QStringLiteral("no se puede crear una carpeta temporal");
        return false;
    }
    m_base = m_tmp->path() + QLatin1Char('/') + Module1::baseLocation();
    if (!linkTree(m_source, m_base)) {
        *error = QStringLiteral("no se puede copiar el conjunto de datos %1").arg(m_source);
        return false;
    }
    m_savedCwd = QDir::currentPath();
    QDir::setCurrent(m_tmp->path());
    m_messages = MessageRecorder();
    m_printer = PrintRecorder();
    m_documents = DocumentRecorder();
    m_end = EndRecorder();
    m_tables.clear();
    m_tablesLoaded = false;
    m_started = false;
    m_hovered = false;
    m_hoverWidget = nullptr;
    m_app = std::make_unique<Sarmo>(registerScreens);
    return true;
}

void ScenarioRunner::tearDown()
{
    m_app.reset();
    // Windows that outlived the program (none should) go with it.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() != QLatin1String("qt_scenario_keep"))
            w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    if (!m_savedCwd.isEmpty())
        QDir::setCurrent(m_savedCwd);
    m_savedCwd.clear();
    m_tmp.reset();
}

ScenarioResult ScenarioRunner::run(const Scenario &scenario)
{
    ScenarioResult result;
    m_scenarioDir = QFileInfo(scenario.file).absolutePath();
    QString error;
    if (!setUp(&error)) {
        result.passed = false;
        result.line = scenario.line;
        result.command = QStringLiteral("scenario");
        result.expected = QStringLiteral("un conjunto de datos listo");
        result.found = error;
        tearDown();
        return result;
    }
    for (const ScenarioLine &line : scenario.lines) {
        Outcome outcome;
        if (!line.error.isEmpty())
            outcome = Failure{QStringLiteral("una línea válida"), line.error};
        else
            outcome = execute(line.words);
        if (m_end.ended && m_app) {
            // The program ended: its windows are gone.
            settle();
            m_app.reset();
            settle();
        }
        if (outcome) {
            result.passed = false;
            result.line = line.number;
            result.command = line.text;
            result.expected = outcome->expected;
            result.found = outcome->found;
            break;
        }
    }
    tearDown();
    return result;
}

void ScenarioRunner::settle() const
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString ScenarioRunner::dataPath(const QString &path) const { return m_base + QLatin1Char('/') + normalised(path); }

QString ScenarioRunner::relativeDataPath(const QString &built) const
{
    const QString n = normalised(built);
    const QString prefix = Module1::baseLocation() + QLatin1Char('/');
    if (n.startsWith(prefix))
        return n.mid(prefix.size());
    const QString abs = m_base + QLatin1Char('/');
    if (n.startsWith(normalised(abs)))
        return n.mid(normalised(abs).size());
    return n;
}

// ---------------------------------------------------------------------------
// Dispatch

ScenarioRunner::Outcome ScenarioRunner::execute(const QStringList &line)
{
    // Each command: the number of words it takes (0: its handler checks
    // them), its form for the usage message, and what it does.
    struct Command {
        int words;
        const char *form;
        Outcome (*run)(ScenarioRunner &r, const QStringList &w);
    };
    static const QHash<QString, Command> commands{
        {QStringLiteral("remove"),
         {2, "remove \"RUTA\"", [](ScenarioRunner &r, const QStringList &w) { return r.worldRemove(w[1]); }}},
        {QStringLiteral("rename"),
         {3, "rename \"RUTA\" \"NOMBRE\"",
          [](ScenarioRunner &r, const QStringList &w) { return r.worldRename(w[1], w[2]); }}},
        {QStringLiteral("image"),
         {4, "image \"RUTA\" ANCHO ALTO",
          [](ScenarioRunner &r, const QStringList &w) { return r.worldImage(w[1], w[2], w[3]); }}},
        {QStringLiteral("file"),
         {3, "file \"RUTA\" \"TEXTO\"",
          [](ScenarioRunner &r, const QStringList &w) { return r.worldFile(w[1], w[2]); }}},
        {QStringLiteral("import"),
         {3, "import \"ARCHIVO\" \"RUTA\"",
          [](ScenarioRunner &r, const QStringList &w) { return r.worldImport(w[1], w[2]); }}},
        {QStringLiteral("clear-table"),
         {0, "", [](ScenarioRunner &r, const QStringList &w) { return r.worldTable(w); }}},
        {QStringLiteral("row"), {0, "", [](ScenarioRunner &r, const QStringList &w) { return r.worldTable(w); }}},
        {QStringLiteral("no-database"), {0, "", [](ScenarioRunner &r, const QStringList &) { return r.noDatabase(); }}},
        {QStringLiteral("start"), {1, "start", [](ScenarioRunner &r, const QStringList &) { return r.start(); }}},
        {QStringLiteral("click"),
         {2, "click|dblclick|hover DESTINO",
          [](ScenarioRunner &r, const QStringList &w) { return r.pointerAction(w[0], w[1]); }}},
        {QStringLiteral("dblclick"),
         {2, "click|dblclick|hover DESTINO",
          [](ScenarioRunner &r, const QStringList &w) { return r.pointerAction(w[0], w[1]); }}},
        {QStringLiteral("hover"),
         {2, "click|dblclick|hover DESTINO",
          [](ScenarioRunner &r, const QStringList &w) { return r.pointerAction(w[0], w[1]); }}},
        {QStringLiteral("menu"),
         {2, "menu NOMBRE", [](ScenarioRunner &r, const QStringList &w) { return r.menu(w[1]); }}},
        {QStringLiteral("pick"),
         {3, "pick DESTINO \"ELEMENTO\"", [](ScenarioRunner &r, const QStringList &w) { return r.pick(w[1], w[2]); }}},
        {QStringLiteral("type"),
         {3, "type DESTINO \"TEXTO\"", [](ScenarioRunner &r, const QStringList &w) { return r.typeText(w[1], w[2]); }}},
        {QStringLiteral("erase"),
         {2, "erase DESTINO", [](ScenarioRunner &r, const QStringList &w) { return r.erase(w[1]); }}},
        {QStringLiteral("key"),
         {3, "key DESTINO TECLA", [](ScenarioRunner &r, const QStringList &w) { return r.key(w[1], w[2]); }}},
        {QStringLiteral("close"),
         {2, "close PANTALLA", [](ScenarioRunner &r, const QStringList &w) { return r.closeScreen(w[1]); }}},
        {QStringLiteral("wm-close"),
         {2, "wm-close PANTALLA", [](ScenarioRunner &r, const QStringList &w) { return r.windowManagerClose(w[1]); }}},
        {QStringLiteral("press"),
         {2, "press TECLA", [](ScenarioRunner &r, const QStringList &w) { return r.press(w[1]); }}},
        {QStringLiteral("wait"), {2, "wait MS", [](ScenarioRunner &r, const QStringList &w) { return r.wait(w[1]); }}},
        {QStringLiteral("solve"),
         {2, "solve DESTINO", [](ScenarioRunner &r, const QStringList &w) { return r.solve(w[1]); }}},
        {QStringLiteral("print-answer"),
         {0, "", [](ScenarioRunner &r, const QStringList &w) { return r.printAnswer(w); }}},
        {QStringLiteral("expect"), {0, "", [](ScenarioRunner &r, const QStringList &w) { return r.expect(w); }}},
        // Not part of the scenario language: saves a picture of a window, for
        // people looking at the screens and for the help page.
        {QStringLiteral("snapshot"),
         {3, "snapshot PANTALLA \"ARCHIVO.png\"",
          [](ScenarioRunner &r, const QStringList &w) { return r.snapshot(w[1], w[2]); }}},
    };
    const QString cmd = line.value(0);
    const auto it = commands.constFind(cmd);
    if (it == commands.constEnd())
        return Failure{QStringLiteral("una orden conocida"), QStringLiteral("\"%1\"").arg(cmd)};
    if (it->words && line.size() != it->words)
        return Failure{QString::fromUtf8(it->form), QStringLiteral("otra forma")};
    return it->run(*this, line);
}

ScenarioRunner::Outcome ScenarioRunner::noDatabase()
{
    QFile::remove(m_base + QLatin1Char('/') + QLatin1String(Module1::kDatabaseFile));
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::wait(const QString &milliseconds)
{
    int ms = 0;
    if (!toInt(milliseconds, &ms) || ms < 0)
        return Failure{QStringLiteral("wait MS"), QStringLiteral("otra forma")};
    if (m_app && !m_end.ended)
        QTest::qWait(ms);
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::printAnswer(const QStringList &w)
{
    int copies = 0;
    if (w.size() == 2 && w[1] == QLatin1String("cancel")) {
        m_printer.nextAnswer = 0;
        m_printer.answerGiven = true;
        return {};
    }
    if (w.size() == 3 && w[1] == QLatin1String("copies") && toInt(w[2], &copies) && copies >= 1) {
        m_printer.nextAnswer = copies;
        m_printer.answerGiven = true;
        return {};
    }
    return Failure{QStringLiteral("print-answer copies N | print-answer cancel"), QStringLiteral("otra forma")};
}

ScenarioRunner::Outcome ScenarioRunner::snapshot(const QString &screenName, const QString &file)
{
    QWidget *screen = screenWidget(screenName);
    if (!screen)
        return Failure{QStringLiteral("%1 abierta").arg(screenName), QStringLiteral("no lo está")};
    settle();
    QWidget *frame = screenName == QLatin1String("MDIForm1") ? screen : frameOf(screen);
    if (!frame->grab().save(QDir(m_savedCwd).absoluteFilePath(file)))
        return Failure{QStringLiteral("guardar %1").arg(file), QStringLiteral("no se pudo")};
    return {};
}

// ---------------------------------------------------------------------------
// World

ScenarioRunner::Outcome ScenarioRunner::worldRemove(const QString &path)
{
    const QString full = dataPath(path);
    if (!QFileInfo::exists(full) && !QFileInfo(full).isSymLink())
        return Failure{QStringLiteral("el archivo %1 en el conjunto de datos").arg(path), QStringLiteral("no existe")};
    if (QFileInfo(full).isDir() ? !QDir(full).removeRecursively() : !QFile::remove(full))
        return Failure{QStringLiteral("borrar %1").arg(path), QStringLiteral("no se pudo")};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::worldRename(const QString &path, const QString &newName)
{
    const QString full = dataPath(path);
    if (!QFileInfo::exists(full))
        return Failure{QStringLiteral("el archivo %1 en el conjunto de datos").arg(path), QStringLiteral("no existe")};
    if (newName.contains(QLatin1Char('/')) || newName.contains(QLatin1Char('\\')) || newName.isEmpty())
        return Failure{QStringLiteral("un nombre sin carpetas"), newName};
    const QString target = QFileInfo(full).absolutePath() + QLatin1Char('/') + newName;
    // Through a temporary name, so a change of letter case alone works on
    // case-insensitive file systems too.
    const QString temp = target + QStringLiteral(".renaming");
    if (!QFile::rename(full, temp) || !QFile::rename(temp, target))
        return Failure{QStringLiteral("renombrar %1 a %2").arg(path, newName), QStringLiteral("no se pudo")};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::worldImage(const QString &path, const QString &ws, const QString &hs)
{
    int w = 0, h = 0;
    if (!toInt(ws, &w) || !toInt(hs, &h) || w < 1 || h < 1 || w > 20000 || h > 20000)
        return Failure{QStringLiteral("un tamaño en píxeles"), ws + QLatin1Char(' ') + hs};
    const QString full = dataPath(path);
    QFile::remove(full);
    QString error;
    if (!Illustration::save(Illustration::draw(QSize(w, h), QFileInfo(path).fileName()), full, &error))
        return Failure{QStringLiteral("escribir la imagen %1").arg(path), error};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::worldFile(const QString &path, const QString &text)
{
    const QString full = dataPath(path);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile::remove(full);
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0)
        return Failure{QStringLiteral("escribir %1").arg(path), f.errorString()};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::worldImport(const QString &from, const QString &path)
{
    const QString src = QDir(m_scenarioDir).filePath(normalised(from));
    const QString full = dataPath(path);
    if (!QFileInfo(src).isFile())
        return Failure{QStringLiteral("el archivo %1 junto al escenario").arg(from), QStringLiteral("no existe")};
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile::remove(full);
    if (!QFile::copy(src, full))
        return Failure{QStringLiteral("copiar %1").arg(from), QStringLiteral("no se pudo")};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::worldTable(const QStringList &w)
{
    const QString name = w.value(1);
    if (!m_tablesLoaded) {
        QString error;
        const QString db = m_base + QLatin1Char('/') + QLatin1String(Module1::kDatabaseFile);
        if (!DataSet::readDatabase(db, &m_tables, &error))
            return Failure{QStringLiteral("la base de datos del escenario"), error};
        m_tablesLoaded = true;
    }
    jet::TableDef *table = nullptr;
    for (jet::TableDef &t : m_tables)
        if (t.name == name)
            table = &t;
    if (!table)
        return Failure{QStringLiteral("Definicion, Fotos o Tratamiento"), name};
    if (w[0] == QLatin1String("clear-table")) {
        if (w.size() != 2)
            return Failure{QStringLiteral("clear-table NOMBRE"), w.join(QLatin1Char(' '))};
        table->rows.clear();
        return writeTables();
    }
    const QStringList values = w.mid(2);
    if (values.size() != table->columns.size())
        return Failure{QStringLiteral("%1 valores").arg(table->columns.size()),
                       QStringLiteral("%1").arg(values.size())};
    QList<QVariant> row;
    for (int i = 0; i < values.size(); ++i) {
        if (table->columns[i].type == jet::ColumnDef::Type::LongInteger) {
            // An empty value is a null (a row without Orden).
            if (values[i].isEmpty()) {
                row << QVariant();
                continue;
            }
            bool ok = false;
            const int v = values[i].toInt(&ok);
            if (!ok)
                return Failure{QStringLiteral("un número en %1").arg(table->columns[i].name), values[i]};
            row << v;
        } else {
            row << values[i];
        }
    }
    table->rows << row;
    return writeTables();
}

ScenarioRunner::Outcome ScenarioRunner::writeTables()
{
    QString error;
    const QString db = m_base + QLatin1Char('/') + QLatin1String(Module1::kDatabaseFile);
    QFile::remove(db);
    if (!jet::JetWriter::write(db, m_tables, &error))
        return Failure{QStringLiteral("escribir la base de datos del escenario"), error};
    return {};
}

// ---------------------------------------------------------------------------
// Targets

QWidget *ScenarioRunner::screenWidget(const QString &name) const
{
    if (!m_app || m_end.ended)
        return nullptr;
    if (name == QLatin1String("MDIForm1"))
        return Sarmo::mainWindow();
    return Sarmo::registry().find(name);
}

QWidget *ScenarioRunner::frameOf(QWidget *screen) const
{
    if (auto *s = qobject_cast<Screen *>(screen))
        return Sarmo::registry().frameOf(s);
    return screen;
}

QObject *ScenarioRunner::findTarget(const QString &target, QString *why) const
{
    const qsizetype dot = target.indexOf(QLatin1Char('.'));
    const QString screenName = dot < 0 ? target : target.left(dot);
    QWidget *screen = screenWidget(screenName);
    if (!screen) {
        *why = QStringLiteral("%1 no está abierta").arg(screenName);
        return nullptr;
    }
    if (dot < 0)
        return screen;
    const QString control = target.mid(dot + 1);
    if (screenName == QLatin1String("MDIForm1")) {
        if (QAction *a = Sarmo::mainWindow()->menuItem(control))
            return a;
    }
    const QList<QObject *> found = screen->findChildren<QObject *>(control);
    QObject *best = nullptr;
    for (QObject *o : found) {
        if (o->isWidgetType()) {
            best = o;
            break;
        }
        if (!best)
            best = o;
    }
    if (!best)
        *why = QStringLiteral("%1 no tiene el control %2").arg(screenName, control);
    return best;
}

QWidget *ScenarioRunner::findWidget(const QString &target, QString *why) const
{
    QObject *o = findTarget(target, why);
    if (!o)
        return nullptr;
    auto *w = qobject_cast<QWidget *>(o);
    if (!w)
        *why = QStringLiteral("%1 no es un control de pantalla").arg(target);
    return w;
}

bool ScenarioRunner::windowAccepts(QWidget *w) const
{
    // The window holding the control: its screen (an MDI child's frame is
    // disabled with the main window) or the top-level window.
    QWidget *screen = w;
    while (screen && !qobject_cast<Screen *>(screen) && !screen->isWindow())
        screen = screen->parentWidget();
    if (!screen)
        return false;
    return screen->window()->isEnabled() && frameOf(screen)->isEnabled();
}

void ScenarioRunner::bringToFront(QWidget *w) const
{
    QWidget *screen = w;
    while (screen && !qobject_cast<Screen *>(screen) && !screen->isWindow())
        screen = screen->parentWidget();
    if (!screen)
        return;
    QWidget *frame = frameOf(screen);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(frame)) {
        if (QMdiArea *area = sub->mdiArea())
            area->setActiveSubWindow(sub);
        sub->raise();
    } else {
        frame->raise();
        frame->activateWindow();
    }
    settle();
}

QPoint ScenarioRunner::actionPoint(QWidget *target, bool screen) const
{
    if (!screen)
        return target->rect().center();
    // A point of the screen's bare background, no control over it.
    const QRect r = target->rect();
    for (int y = 2; y < r.height(); y += 3)
        for (int x = 2; x < r.width(); x += 3)
            if (!target->childAt(QPoint(x, y)))
                return QPoint(x, y);
    return QPoint(1, 1);
}

// ---------------------------------------------------------------------------
// Driving

ScenarioRunner::Outcome ScenarioRunner::start()
{
    if (m_started)
        return Failure{QStringLiteral("un solo start por escenario"), QStringLiteral("start repetido")};
    m_started = true;
    m_app->start();
    settle();
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::pointerAction(const QString &kind, const QString &target)
{
    QString why;
    QWidget *w = findWidget(target, &why);
    if (!w)
        return Failure{QStringLiteral("%1 abierto y visible").arg(target), why};
    if (!w->isVisible())
        return Failure{QStringLiteral("%1 visible").arg(target), QStringLiteral("oculto")};
    bringToFront(w);
    if (!windowAccepts(w))
        return {};  // a click on a disabled window does nothing
    const bool isScreen = !target.contains(QLatin1Char('.'));
    QWidget *top = w->window();
    const QPoint local = actionPoint(w, isScreen);
    const QPoint inTop = w->mapTo(top, local);
    QWidget *hit = top->childAt(inTop);
    if (!hit)
        hit = top;
    const QPoint hitPos = hit->mapFrom(top, inTop);

    if (kind == QLatin1String("hover")) {
        m_hovered = true;
        m_hoverWidget = hit;
        m_hoverPoint = hitPos;
        if (!hit->isEnabled())
            return {};
        const QPointF global = hit->mapToGlobal(QPointF(hitPos));
        QEnterEvent enter{QPointF(hitPos), QPointF(hitPos), global};
        QApplication::sendEvent(hit, &enter);
        QMouseEvent move(QEvent::MouseMove, QPointF(hitPos), global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(hit, &move);
        settle();
        return {};
    }
    if (!hit->isEnabled())
        return {};
    if (kind == QLatin1String("click")) {
        QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hitPos);
    } else {
        // A double click on a simple combo box's list acts on its current item.
        if (w->metaObject()->indexOfMethod("doubleClickCurrent()") >= 0) {
            QMetaObject::invokeMethod(w, "doubleClickCurrent");
        } else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->view()) {
            QAbstractItemView *view = combo->view();
            const QModelIndex idx = view->currentIndex();
            emit view->doubleClicked(idx);
        } else {
            QTest::mouseDClick(hit, Qt::LeftButton, Qt::NoModifier, hitPos);
        }
    }
    settle();
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::menu(const QString &name)
{
    MainWindow *main = m_app && !m_end.ended ? Sarmo::mainWindow() : nullptr;
    if (!main || !main->isVisible())
        return Failure{QStringLiteral("la ventana principal visible"), QStringLiteral("no lo está")};
    QAction *action = main->menuItem(name);
    if (!action || action->isSeparator())
        return Failure{QStringLiteral("un elemento de menú llamado %1").arg(name), QStringLiteral("no existe")};
    if (!main->isEnabled())
        return {};
    // A disabled item, or one inside a disabled submenu, does nothing.
    for (QObject *o = action; o; o = o->parent()) {
        if (auto *a = qobject_cast<QAction *>(o); a && !a->isEnabled())
            return {};
        if (auto *m = qobject_cast<QMenu *>(o); m && !m->menuAction()->isEnabled())
            return {};
        if (o == main)
            break;
    }
    if (action->menu())
        return {};  // choosing a submenu only opens it
    action->trigger();
    settle();
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::pick(const QString &target, const QString &item)
{
    QString why;
    QWidget *w = findWidget(target, &why);
    if (!w)
        return Failure{QStringLiteral("%1 abierto").arg(target), why};
    if (!w->isVisible())
        return Failure{QStringLiteral("%1 visible").arg(target), QStringLiteral("oculto")};
    bringToFront(w);
    if (!windowAccepts(w) || !w->isEnabled())
        return {};
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            return Failure{QStringLiteral("\"%1\" en la lista de %2").arg(item, target), QStringLiteral("no está")};
        combo->setCurrentIndex(index);
        if (combo->isEditable())
            combo->setEditText(combo->itemText(index));
        emit combo->activated(index);
        emit combo->textActivated(combo->itemText(index));
        settle();
        return {};
    }
    bool done = false;
    if (QMetaObject::invokeMethod(w, "pickItem", Q_RETURN_ARG(bool, done), Q_ARG(QString, item))) {
        if (!done)
            return Failure{QStringLiteral("\"%1\" en la lista de %2").arg(item, target), QStringLiteral("no está")};
        settle();
        return {};
    }
    return Failure{QStringLiteral("%1 con una lista").arg(target), QStringLiteral("no tiene lista")};
}

namespace {

QWidget *keyboardTarget(QWidget *w)
{
    if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
        return combo->lineEdit();
    if (QWidget *proxy = w->focusProxy())
        return proxy;
    if (auto *s = qobject_cast<Screen *>(w)) {
        if (QWidget *f = s->focusWidget())
            return f;
    }
    return w;
}

}  // namespace

ScenarioRunner::Outcome ScenarioRunner::typeText(const QString &target, const QString &text)
{
    QString why;
    QWidget *w = findWidget(target, &why);
    if (!w)
        return Failure{QStringLiteral("%1 abierto").arg(target), why};
    if (!w->isVisible())
        return Failure{QStringLiteral("%1 visible").arg(target), QStringLiteral("oculto")};
    bringToFront(w);
    if (!windowAccepts(w) || !w->isEnabled())
        return {};
    QWidget *k = keyboardTarget(w);
    k->setFocus(Qt::OtherFocusReason);
    if (auto *le = qobject_cast<QLineEdit *>(k))
        le->end(false);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, k, Qt::Key_unknown, QString(c), Qt::NoModifier);
    settle();
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::erase(const QString &target)
{
    QString why;
    QWidget *w = findWidget(target, &why);
    if (!w)
        return Failure{QStringLiteral("%1 abierto").arg(target), why};
    if (!w->isVisible())
        return Failure{QStringLiteral("%1 visible").arg(target), QStringLiteral("oculto")};
    bringToFront(w);
    if (!windowAccepts(w) || !w->isEnabled())
        return {};
    QWidget *k = keyboardTarget(w);
    k->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(k, Qt::Key_End);
    QTest::keyClick(k, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(k, Qt::Key_Delete);
    settle();
    return {};
}

namespace {

// A key by its name in the scenario language; Qt::Key_unknown with the
// character itself for a single character.
bool keyByName(const QString &name, Qt::Key *key, QString *text)
{
    static const QHash<QString, Qt::Key> keys{
        {QStringLiteral("Enter"), Qt::Key_Return}, {QStringLiteral("Escape"), Qt::Key_Escape},
        {QStringLiteral("Space"), Qt::Key_Space},  {QStringLiteral("Backspace"), Qt::Key_Backspace},
        {QStringLiteral("Tab"), Qt::Key_Tab},      {QStringLiteral("Up"), Qt::Key_Up},
        {QStringLiteral("Down"), Qt::Key_Down},    {QStringLiteral("Left"), Qt::Key_Left},
        {QStringLiteral("Right"), Qt::Key_Right}};
    if (keys.contains(name)) {
        *key = keys.value(name);
        *text = *key == Qt::Key_Space ? QStringLiteral(" ") : QString();
        return true;
    }
    if (name.size() != 1)
        return false;
    *key = Qt::Key_unknown;
    *text = name;
    return true;
}

}  // namespace

QWidget *ScenarioRunner::frontWindow() const
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    // The most recently opened visible window of the program.
    const QStringList names = Sarmo::registry().openNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        if (QWidget *s = screenWidget(*it); s && s->isWindow() && s->isVisible())
            return s;
    MainWindow *main = Sarmo::mainWindow();
    return main && main->isVisible() ? main : nullptr;
}

QWidget *ScenarioRunner::keyboardFocus() const
{
    if (QWidget *f = QApplication::focusWidget())
        return f;
    QWidget *front = frontWindow();
    return front ? front->focusWidget() : nullptr;
}

ScenarioRunner::Outcome ScenarioRunner::press(const QString &name)
{
    Qt::Key k = Qt::Key_unknown;
    QString text;
    if (!keyByName(name, &k, &text))
        return Failure{QStringLiteral("Enter, Escape, Space, Tab, Backspace, Up, Down, Left, Right o un carácter"),
                       name};
    if (!m_app || m_end.ended)
        return Failure{QStringLiteral("el programa en marcha"), QStringLiteral("terminado")};
    QWidget *target = keyboardFocus();
    if (!target)
        target = frontWindow();
    if (!target)
        return Failure{QStringLiteral("una ventana delante"), QStringLiteral("ninguna")};
    if (!target->window()->isEnabled())
        return {};  // a disabled window takes no keys
    if (k == Qt::Key_unknown)
        QTest::sendKeyEvent(QTest::Click, target, k, text, Qt::NoModifier);
    else
        QTest::keyClick(target, k);
    settle();
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::windowManagerClose(const QString &name)
{
    QWidget *screen = screenWidget(name);
    if (!screen)
        return Failure{QStringLiteral("%1 abierta").arg(name), QStringLiteral("no lo está")};
    // The window manager knows only top-level windows: a child screen's is
    // the main window.
    QWidget *window = frameOf(screen)->window();
    if (!window->isVisible())
        return Failure{QStringLiteral("%1 visible").arg(name), QStringLiteral("oculta")};
    // As the window system delivers it: to the native window, whatever
    // buttons its title bar shows.
    window->winId();
    QCloseEvent close;
    QCoreApplication::sendEvent(window->windowHandle(), &close);
    settle();
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::key(const QString &target, const QString &name)
{
    QString why;
    QWidget *w = findWidget(target, &why);
    if (!w)
        return Failure{QStringLiteral("%1 abierto").arg(target), why};
    if (!w->isVisible())
        return Failure{QStringLiteral("%1 visible").arg(target), QStringLiteral("oculto")};
    bringToFront(w);
    if (!windowAccepts(w) || !w->isEnabled())
        return {};
    Qt::Key code = Qt::Key_unknown;
    QString text;
    if (!keyByName(name, &code, &text))
        return Failure{QStringLiteral("Enter, Escape, Space, Backspace o un carácter"), name};
    QWidget *k = keyboardTarget(w);
    k->setFocus(Qt::OtherFocusReason);
    if (code == Qt::Key_unknown)
        QTest::sendKeyEvent(QTest::Click, k, code, text, Qt::NoModifier);
    else
        QTest::keyClick(k, code);
    settle();
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::closeScreen(const QString &name)
{
    QWidget *screen = screenWidget(name);
    if (!screen)
        return Failure{QStringLiteral("%1 abierta").arg(name), QStringLiteral("no lo está")};
    QWidget *frame = frameOf(screen);
    if (!frame->isVisible())
        return Failure{QStringLiteral("%1 visible").arg(name), QStringLiteral("oculta")};
    bringToFront(screen);
    if (!windowAccepts(screen))
        return {};
    // A window without a close box cannot be closed from its title bar.
    if (frame->isWindow() && !(frame->windowFlags() & Qt::WindowCloseButtonHint)
        && (frame->windowFlags() & Qt::CustomizeWindowHint))
        return {};
    frame->close();
    settle();
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::solve(const QString &target)
{
    QString why;
    QWidget *w = findWidget(target, &why);
    if (!w)
        return Failure{QStringLiteral("%1 abierto").arg(target), why};
    auto *puzzle = qobject_cast<TilePuzzle *>(w);
    if (!puzzle)
        return Failure{QStringLiteral("%1 un rompecabezas").arg(target), QStringLiteral("otro control")};
    if (!puzzle->isVisible())
        return Failure{QStringLiteral("%1 visible").arg(target), QStringLiteral("oculto")};
    bringToFront(w);
    if (!windowAccepts(w) || !w->isEnabled())
        return {};
    puzzle->solveByMoves();
    settle();
    return {};
}

// ---------------------------------------------------------------------------
// Checking

ScenarioRunner::Outcome ScenarioRunner::expect(const QStringList &w)
{
    using Check = Outcome (ScenarioRunner::*)(const Expectation &);
    static const QHash<QString, Check> checks{
        {QStringLiteral("open"), &ScenarioRunner::expectOpen},
        {QStringLiteral("closed"), &ScenarioRunner::expectOpen},
        {QStringLiteral("only"), &ScenarioRunner::expectOnly},
        {QStringLiteral("front"), &ScenarioRunner::expectFront},
        {QStringLiteral("var"), &ScenarioRunner::expectVar},
        {QStringLiteral("text"), &ScenarioRunner::expectText},
        {QStringLiteral("text-contains"), &ScenarioRunner::expectText},
        {QStringLiteral("enabled"), &ScenarioRunner::expectEnabled},
        {QStringLiteral("disabled"), &ScenarioRunner::expectEnabled},
        {QStringLiteral("visible"), &ScenarioRunner::expectVisible},
        {QStringLiteral("hidden"), &ScenarioRunner::expectVisible},
        {QStringLiteral("selected"), &ScenarioRunner::expectSelected},
        {QStringLiteral("unselected"), &ScenarioRunner::expectSelected},
        {QStringLiteral("picture"), &ScenarioRunner::expectPicture},
        {QStringLiteral("same-picture"), &ScenarioRunner::expectSamePicture},
        {QStringLiteral("pointer"), &ScenarioRunner::expectPointer},
        {QStringLiteral("list"), &ScenarioRunner::expectList},
        {QStringLiteral("list-count"), &ScenarioRunner::expectList},
        {QStringLiteral("list-item"), &ScenarioRunner::expectList},
        {QStringLiteral("missing"), &ScenarioRunner::expectMissing},
        {QStringLiteral("message"), &ScenarioRunner::expectMissing},
        {QStringLiteral("no-message"), &ScenarioRunner::expectNoMessage},
        {QStringLiteral("printed"), &ScenarioRunner::expectPrinted},
        {QStringLiteral("print-job"), &ScenarioRunner::expectPrintJob},
        {QStringLiteral("playing"), &ScenarioRunner::expectPlaying},
        {QStringLiteral("not-playing"), &ScenarioRunner::expectPlaying},
        {QStringLiteral("opened-document"), &ScenarioRunner::expectOpenedDocument},
        {QStringLiteral("focus"), &ScenarioRunner::expectFocus},
        {QStringLiteral("window-size"), &ScenarioRunner::expectWindowSize},
        {QStringLiteral("ended"), &ScenarioRunner::expectEnded},
    };
    const Expectation e{w.value(1), w.mid(2), w};
    const Check check = checks.value(e.what);
    if (!check)
        return Failure{QStringLiteral("una comprobación conocida"), QStringLiteral("\"%1\"").arg(e.what)};
    return (this->*check)(e);
}

bool ScenarioRunner::isRunning() const { return m_app && !m_end.ended; }

bool ScenarioRunner::screenIsOpen(const QString &name) const
{
    if (!isRunning())
        return false;
    if (name == QLatin1String("MDIForm1"))
        return Sarmo::mainWindow() && Sarmo::mainWindow()->isVisible();
    return Sarmo::registry().isOpen(name);
}

ScenarioRunner::Outcome ScenarioRunner::expectOpen(const Expectation &e)
{
    const QString &what = e.what;
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n == 0)
        return e.usage("expect open|closed PANTALLA...");
    const bool wantOpen = what == QLatin1String("open");
    for (const QString &name : args)
        if (screenIsOpen(name) != wantOpen)
            return Failure{
                QStringLiteral("%1 %2").arg(name, wantOpen ? QStringLiteral("abierta") : QStringLiteral("cerrada")),
                wantOpen ? QStringLiteral("cerrada") : QStringLiteral("abierta")};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectOnly(const Expectation &e)
{
    const QStringList &args = e.args;
    const bool running = isRunning();
    QStringList open = running ? Sarmo::registry().openNames() : QStringList();
    open.removeAll(QStringLiteral("MDIForm1"));
    QStringList want = args;
    want.removeAll(QStringLiteral("MDIForm1"));
    QStringList a = open, b = want;
    a.sort();
    b.sort();
    a.removeDuplicates();
    b.removeDuplicates();
    if (a != b)
        return Failure{quoteList(b), quoteList(a)};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectFront(const Expectation &e)
{
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    const bool running = isRunning();
    if (n != 1)
        return e.usage("expect front PANTALLA");
    QString found = QStringLiteral("(ninguna)");
    if (running) {
        if (QMdiSubWindow *sub = Sarmo::mainWindow()->mdiArea()->currentSubWindow())
            if (sub->widget() && sub->isVisible())
                found = sub->widget()->objectName();
    }
    if (found != args[0])
        return Failure{args[0], found};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectVar(const Expectation &e)
{
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n != 2)
        return e.usage("expect var NOMBRE \"VALOR\"");
    const ModuleState &m = module();
    QString value;
    if (args[0] == QLatin1String("EnfermedadElegida"))
        value = m.consultation.key();
    else if (args[0] == QLatin1String("SintomaActual"))
        value = m.consultation.symptom();
    else if (args[0] == QLatin1String("OrganoElegido"))
        value = m.consultation.organ();
    else if (args[0] == QLatin1String("RutaFotos"))
        value = m.RutaFotos;
    else if (args[0] == QLatin1String("RutaResultados"))
        value = m.RutaResultados;
    else if (args[0] == QLatin1String("RutaTratamientos"))
        value = m.RutaTratamientos;
    else if (args[0] == QLatin1String("RutaAudio"))
        value = m.RutaAudio;
    else if (args[0] == QLatin1String("RutaAyuda"))
        value = m.RutaAyuda;
    else if (args[0] == QLatin1String("RutaVideos"))
        value = m.RutaVideos;
    else
        return Failure{QStringLiteral("una variable del módulo"), args[0]};
    if (value != args[1])
        return Failure{QLatin1Char('"') + args[1] + QLatin1Char('"'), QLatin1Char('"') + value + QLatin1Char('"')};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectText(const Expectation &e)
{
    const QString &what = e.what;
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n != 2)
        return e.usage("expect text DESTINO \"TEXTO\"");
    QString why;
    QObject *o = findTarget(args[0], &why);
    if (!o)
        return Failure{args[0], why};
    if (auto *s = qobject_cast<Screen *>(o))
        o = s;  // a screen's text is its caption
    bool known = false;
    const QString text = widgetText(o, &known);
    if (!known)
        return Failure{QStringLiteral("un control con texto"), args[0]};
    const bool ok = what == QLatin1String("text") ? text == args[1] : text.contains(args[1]);
    if (!ok)
        return Failure{QLatin1Char('"') + args[1] + QLatin1Char('"'), QLatin1Char('"') + text + QLatin1Char('"')};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectEnabled(const Expectation &e)
{
    const QString &what = e.what;
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n != 1)
        return e.usage("expect enabled|disabled DESTINO");
    QString why;
    QObject *o = findTarget(args[0], &why);
    if (!o)
        return Failure{args[0], why};
    bool enabled;
    if (auto *a = qobject_cast<QAction *>(o))
        enabled = a->isEnabled();
    else if (auto *s = qobject_cast<Screen *>(o))
        enabled = windowAccepts(s);
    else if (auto *wd = qobject_cast<QWidget *>(o))
        enabled = wd->isEnabled();
    else
        return Failure{QStringLiteral("un control"), args[0]};
    const bool want = what == QLatin1String("enabled");
    if (enabled != want)
        return Failure{want ? QStringLiteral("habilitado") : QStringLiteral("deshabilitado"),
                       enabled ? QStringLiteral("habilitado") : QStringLiteral("deshabilitado")};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectVisible(const Expectation &e)
{
    const QString &what = e.what;
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n != 1)
        return e.usage("expect visible|hidden DESTINO");
    QString why;
    QObject *o = findTarget(args[0], &why);
    if (!o)
        return Failure{args[0], why};
    bool visible;
    if (auto *a = qobject_cast<QAction *>(o))
        visible = a->isVisible();
    else if (auto *s = qobject_cast<Screen *>(o))
        visible = frameOf(s)->isVisible();
    else if (auto *wd = qobject_cast<QWidget *>(o))
        visible = wd->isVisible();
    else
        return Failure{QStringLiteral("un control"), args[0]};
    const bool want = what == QLatin1String("visible");
    if (visible != want)
        return Failure{want ? QStringLiteral("visible") : QStringLiteral("oculto"),
                       visible ? QStringLiteral("visible") : QStringLiteral("oculto")};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectSelected(const Expectation &e)
{
    const QString &what = e.what;
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n != 1)
        return e.usage("expect selected|unselected DESTINO");
    QString why;
    QWidget *wd = findWidget(args[0], &why);
    if (!wd)
        return Failure{args[0], why};
    auto *b = qobject_cast<QAbstractButton *>(wd);
    if (!b)
        return Failure{QStringLiteral("una opción"), args[0]};
    const bool want = what == QLatin1String("selected");
    if (b->isChecked() != want)
        return Failure{want ? QStringLiteral("seleccionada") : QStringLiteral("sin seleccionar"),
                       b->isChecked() ? QStringLiteral("seleccionada") : QStringLiteral("sin seleccionar")};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectPicture(const Expectation &e)
{
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n != 2)
        return e.usage("expect picture DESTINO \"RUTA\"|none");
    QString why;
    QWidget *wd = findWidget(args[0], &why);
    if (!wd)
        return Failure{args[0], why};
    const QVariant has = wd->property("hasPicture");
    if (!has.isValid())
        return Failure{QStringLiteral("un cuadro de imagen"), args[0]};
    const QString shown = has.toBool() ? relativeDataPath(wd->property("picturePath").toString()) : QString();
    if (args[1] == QLatin1String("none")) {
        if (has.toBool())
            return Failure{QStringLiteral("ninguna imagen"), QLatin1Char('"') + shown + QLatin1Char('"')};
        return {};
    }
    if (!has.toBool())
        return Failure{QLatin1Char('"') + args[1] + QLatin1Char('"'), QStringLiteral("ninguna imagen")};
    if (shown != normalised(args[1]))
        return Failure{QLatin1Char('"') + normalised(args[1]) + QLatin1Char('"'),
                       QLatin1Char('"') + shown + QLatin1Char('"')};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectSamePicture(const Expectation &e)
{
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n != 2)
        return e.usage("expect same-picture DESTINO1 DESTINO2");
    QString why;
    auto *a = qobject_cast<PictureBox *>(findWidget(args[0], &why));
    if (!a)
        return Failure{QStringLiteral("un cuadro de imagen %1").arg(args[0]), why};
    auto *b = qobject_cast<PictureBox *>(findWidget(args[1], &why));
    if (!b)
        return Failure{QStringLiteral("un cuadro de imagen %1").arg(args[1]), why};
    if (!a->hasPicture() || !b->hasPicture())
        return Failure{QStringLiteral("la misma imagen en ambos"), QStringLiteral("alguno está vacío")};
    if (a->picture().cacheKey() != b->picture().cacheKey() && a->picture().toImage() != b->picture().toImage())
        return Failure{QStringLiteral("la misma imagen"), QStringLiteral("imágenes distintas")};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectPointer(const Expectation &e)
{
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n != 1 || (args[0] != QLatin1String("hand") && args[0] != QLatin1String("arrow")))
        return e.usage("expect pointer hand|arrow");
    if (!m_hovered || !m_hoverWidget)
        return Failure{QStringLiteral("un hover previo"), QStringLiteral("ninguno")};
    // As Qt does: a disabled widget shows the pointer of the first
    // enabled widget under it.
    QWidget *c = m_hoverWidget;
    while (c && !c->isWindow() && !c->isEnabled())
        c = c->parentWidget();
    while (c && !c->testAttribute(Qt::WA_SetCursor) && !c->isWindow())
        c = c->parentWidget();
    const Qt::CursorShape shape = c && c->testAttribute(Qt::WA_SetCursor) ? c->cursor().shape() : Qt::ArrowCursor;
    const bool hand = shape == Qt::BitmapCursor || shape == Qt::PointingHandCursor;
    const bool want = args[0] == QLatin1String("hand");
    if (hand != want)
        return Failure{args[0], hand ? QStringLiteral("hand") : QStringLiteral("arrow")};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectList(const Expectation &e)
{
    const QString &what = e.what;
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n < 1)
        return e.usage("expect list DESTINO ...");
    QString why;
    QObject *o = findTarget(args[0], &why);
    if (!o)
        return Failure{args[0], why};
    bool known = false;
    const QStringList items = listItems(o, &known);
    if (!known)
        return Failure{QStringLiteral("un control con lista"), args[0]};
    if (what == QLatin1String("list")) {
        if (items != args.mid(1))
            return Failure{quoteList(args.mid(1)), quoteList(items)};
        return {};
    }
    if (what == QLatin1String("list-count")) {
        int count = 0;
        if (n != 2 || !toInt(args[1], &count))
            return e.usage("expect list-count DESTINO N");
        if (items.size() != count)
            return Failure{QString::number(count), QString::number(items.size())};
        return {};
    }
    int k = 0;
    if (n != 3 || !toInt(args[1], &k))
        return e.usage("expect list-item DESTINO K \"ELEMENTO\"");
    if (k < 1 || k > items.size())
        return Failure{QStringLiteral("elemento %1").arg(k), QStringLiteral("la lista tiene %1").arg(items.size())};
    if (items[k - 1] != args[2])
        return Failure{QLatin1Char('"') + args[2] + QLatin1Char('"'),
                       QLatin1Char('"') + items[k - 1] + QLatin1Char('"')};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectMissing(const Expectation &e)
{
    const QString &what = e.what;
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if ((what == QLatin1String("missing") && n != 1) || (what == QLatin1String("message") && n != 2))
        return e.usage("expect missing \"RUTA\" | expect message \"TÍTULO\" \"TEXTO\"");
    if (m_messages.checked >= m_messages.shown.size())
        return Failure{QStringLiteral("un mensaje más"), QStringLiteral("ninguno")};
    const MessageBoxData box = m_messages.shown[m_messages.checked++];
    const QString shownAs = QStringLiteral("\"%1\": \"%2\"").arg(box.title, box.text);
    if (what == QLatin1String("message")) {
        if ((args[0] != QLatin1String("*") && box.title != args[0]) || !box.text.contains(args[1]))
            return Failure{QStringLiteral("\"%1\": \"…%2…\"").arg(args[0], args[1]), shownAs};
        return {};
    }
    static const QString suffix =
        QStringLiteral(" no encontrado. El archivo ha sido modificado, eliminado o ha cambiado de ubicación.");
    const QString want = QStringLiteral("\"Error de carga\" (error): %1%2").arg(args[0], suffix);
    if (box.title != QLatin1String("Error de carga") || box.icon != MessageIcon::Critical || !box.text.endsWith(suffix))
        return Failure{want, shownAs};
    const QString built = box.text.left(box.text.size() - suffix.size());
    const QString prefix = Module1::baseLocation() + QLatin1Char('/');
    if (!built.startsWith(prefix) || normalised(built.mid(prefix.size())) != normalised(args[0]))
        return Failure{want, shownAs};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectNoMessage(const Expectation &)
{
    if (m_messages.checked < m_messages.shown.size()) {
        const MessageBoxData &box = m_messages.shown[m_messages.checked];
        return Failure{QStringLiteral("ningún mensaje sin comprobar"),
                       QStringLiteral("\"%1\": \"%2\"").arg(box.title, box.text)};
    }
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectPrinted(const Expectation &e)
{
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    int count = 0;
    if (n != 1 || !toInt(args[0], &count))
        return e.usage("expect printed N");
    if (m_printer.jobs.size() != count)
        return Failure{QString::number(count), QString::number(m_printer.jobs.size())};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectPrintJob(const Expectation &e)
{
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    int k = 0;
    if (n != 2 || !toInt(args[0], &k))
        return e.usage("expect print-job K \"TEXTO\"");
    if (k < 1 || k > m_printer.jobs.size())
        return Failure{QStringLiteral("trabajo %1").arg(k), QStringLiteral("%1 trabajos").arg(m_printer.jobs.size())};
    const QString job = m_printer.jobs[k - 1];
    const QString firstLine = job.section(QChar::ParagraphSeparator, 0, 0).section(QLatin1Char('\n'), 0, 0);
    if (firstLine != QLatin1String(" "))
        return Failure{QStringLiteral("primera línea con un solo espacio"),
                       QLatin1Char('"') + firstLine + QLatin1Char('"')};
    if (!job.contains(args[1]))
        return Failure{QStringLiteral("\"…%1…\"").arg(args[1]), QLatin1Char('"') + job.left(200) + QLatin1Char('"')};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectPlaying(const Expectation &e)
{
    const QString &what = e.what;
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    const bool want = what == QLatin1String("playing");
    if ((want && n != 2) || (!want && n != 1))
        return e.usage("expect playing PANTALLA \"RUTA\" | expect not-playing PANTALLA");
    QWidget *screen = screenWidget(args[0]);
    QMediaPlayer *player = screen ? screen->findChild<QMediaPlayer *>() : nullptr;
    const bool playing = player && player->playbackState() == QMediaPlayer::PlayingState;
    const QString source = player ? relativeDataPath(player->source().toLocalFile()) : QString();
    if (!want) {
        if (playing)
            return Failure{QStringLiteral("nada sonando"), QLatin1Char('"') + source + QLatin1Char('"')};
        return {};
    }
    if (!playing)
        return Failure{QLatin1Char('"') + normalised(args[1]) + QLatin1Char('"'), QStringLiteral("nada sonando")};
    if (source != normalised(args[1]))
        return Failure{QLatin1Char('"') + normalised(args[1]) + QLatin1Char('"'),
                       QLatin1Char('"') + source + QLatin1Char('"')};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectOpenedDocument(const Expectation &e)
{
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    if (n != 1)
        return e.usage("expect opened-document \"RUTA\"");
    // Only an absolute file:// URL of a file that exists reaches a
    // handler that can show it.
    QStringList seen;
    for (const QUrl &url : m_documents.opened) {
        const QString file = url.toLocalFile();
        const bool usable =
            url.scheme() == QLatin1String("file") && QDir::isAbsolutePath(file) && QFileInfo(file).isFile();
        if (usable && relativeDataPath(file) == normalised(args[0]))
            return {};
        seen << url.toString();
    }
    return Failure{QStringLiteral("la URL file:// absoluta de \"%1\"").arg(normalised(args[0])), quoteList(seen)};
}

ScenarioRunner::Outcome ScenarioRunner::expectFocus(const Expectation &e)
{
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    const bool running = isRunning();
    if (n != 1)
        return e.usage("expect focus DESTINO");
    QString why;
    QWidget *want = findWidget(args[0], &why);
    if (!want)
        return Failure{QStringLiteral("%1 abierto").arg(args[0]), why};
    QWidget *focus = running ? keyboardFocus() : nullptr;
    // A control made of parts (a combo box's field and list) has the
    // focus when one of its parts has it.
    if (focus && (focus == want || want->isAncestorOf(focus) || want->focusProxy() == focus))
        return {};
    return Failure{args[0],
                   focus ? focus->objectName().isEmpty() ? QString::fromLatin1(focus->metaObject()->className())
                                                         : focus->objectName()
                         : QStringLiteral("nada")};
}

ScenarioRunner::Outcome ScenarioRunner::expectWindowSize(const Expectation &e)
{
    const QStringList &args = e.args;
    const int n = int(e.args.size());
    int tw = 0, th = 0;
    if (n != 3 || !toInt(args[1], &tw) || !toInt(args[2], &th))
        return e.usage("expect window-size PANTALLA W H");
    QWidget *screen = screenWidget(args[0]);
    if (!screen)
        return Failure{QStringLiteral("%1 abierta").arg(args[0]), QStringLiteral("no lo está")};
    const QSize size = frameOf(screen)->frameGeometry().size();
    const int fw = size.width() * 15, fh = size.height() * 15;
    // A twip is a fifteenth of a pixel: allow the rounding to one pixel.
    if (qAbs(fw - tw) > 15 || qAbs(fh - th) > 15)
        return Failure{QStringLiteral("%1 × %2").arg(tw).arg(th), QStringLiteral("%1 × %2").arg(fw).arg(fh)};
    return {};
}

ScenarioRunner::Outcome ScenarioRunner::expectEnded(const Expectation &)
{
    if (!m_end.ended)
        return Failure{QStringLiteral("el programa terminado"), QStringLiteral("sigue en marcha")};
    return {};
}
