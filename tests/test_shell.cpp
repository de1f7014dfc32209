// The shell's machinery: the print routine, the screen registry's lifecycle,
// and the pointer tracker's idea of which control the pointer is over.

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QVBoxLayout>

#include "platform/services/Services.h"
#include "shell/MainWindow.h"
#include "shell/Screen.h"
#include "shell/ScreenRegistry.h"
#include "widgets/PointerTracker.h"

namespace {

class FakePrinter : public PrintService {
public:
    bool askCopies(QWidget *, int *copies) override
    {
        ++dialogs;
        if (answer <= 0)
            return false;
        *copies = answer;
        return true;
    }
    bool printJob(const QTextDocument &document) override
    {
        if (failAfter >= 0 && jobs.size() >= failAfter)
            return false;
        jobs << document.toPlainText();
        return true;
    }
    int answer = 1;
    int failAfter = -1;
    int dialogs = 0;
    QStringList jobs;
};

class CountingScreen : public Screen {
public:
    explicit CountingScreen(const QString &name, int *loads, bool closeInLoad = false)
        : Screen(name), m_loads(loads), m_closeInLoad(closeInLoad)
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("contenido"), this));
    }
    void load() override
    {
        ++*m_loads;
        if (m_closeInLoad)
            unloadScreen();
    }

private:
    int *m_loads;
    bool m_closeInLoad;
};

}  // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void printRoutine_data();
    void printRoutine();
    void printRoutineSkipsEmptyDocument();

    void registryKeepsOneInstanceAndReloadsAfterClose();
    void registryLoadThatClosesItself();
    void registryTopLevelWindowsStayUsableWhenMainIsDisabled();

    void trackerNamesTheControlUnderThePointer();
};

void TestShell::printRoutine_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("failAfter");
    QTest::addColumn<int>("jobs");
    QTest::newRow("one copy") << 1 << -1 << 1;
    QTest::newRow("three copies, three jobs") << 3 << -1 << 3;
    QTest::newRow("cancelled") << 0 << -1 << 0;
    QTest::newRow("printer fails on the second job") << 3 << 1 << 1;
}

void TestShell::printRoutine()
{
    QFETCH(int, answer);
    QFETCH(int, failAfter);
    QFETCH(int, jobs);
    FakePrinter printer;
    printer.answer = answer;
    printer.failAfter = failAfter;
    Services::setPrintService(&printer);
    ScreenRegistry registry;
    MainWindow main(registry);
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("MILDIU\nPlasmopara viticola ataca hojas y racimos."));
    main.printDocument(&doc);
    Services::setPrintService(nullptr);

    QCOMPARE(printer.dialogs, 1);
    QCOMPARE(printer.jobs.size(), jobs);
    for (const QString &job : printer.jobs) {
        const QStringList lines = job.split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral(" "));
        QCOMPARE(lines.mid(1).join(QLatin1Char('\n')), doc.toPlainText());
    }
}

void TestShell::printRoutineSkipsEmptyDocument()
{
    FakePrinter printer;
    Services::setPrintService(&printer);
    ScreenRegistry registry;
    MainWindow main(registry);
    main.printDocument(nullptr);
    Services::setPrintService(nullptr);
    QCOMPARE(printer.dialogs, 0);
}

void TestShell::registryKeepsOneInstanceAndReloadsAfterClose()
{
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    ScreenRegistry registry;
    registry.setMdiArea(&area);
    int loads = 0;
    registry.add(QStringLiteral("Form2"), ScreenRegistry::Kind::Child,
                 [&loads] { return new CountingScreen(QStringLiteral("Form2"), &loads); });

    Screen *first = registry.open(QStringLiteral("Form2"));
    QVERIFY(first);
    QCOMPARE(loads, 1);
    QCOMPARE(registry.open(QStringLiteral("Form2")), first);  // only brought to the front
    QCOMPARE(loads, 1);
    QCOMPARE(area.subWindowList().size(), 1);
    QCOMPARE(registry.openNames(), QStringList{QStringLiteral("Form2")});

    registry.close(QStringLiteral("Form2"));
    QVERIFY(!registry.isOpen(QStringLiteral("Form2")));  // closed at once, not at deletion
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(area.subWindowList().isEmpty());

    Screen *second = registry.open(QStringLiteral("Form2"));
    QVERIFY(second);
    QCOMPARE(loads, 2);
}

void TestShell::registryLoadThatClosesItself()
{
    ScreenRegistry registry;
    int loads = 0;
    registry.add(QStringLiteral("frmSplash"), ScreenRegistry::Kind::TopLevel,
                 [&loads] { return new CountingScreen(QStringLiteral("frmSplash"), &loads, true); });
    QCOMPARE(registry.open(QStringLiteral("frmSplash")), nullptr);
    QCOMPARE(loads, 1);
    QVERIFY(registry.openNames().isEmpty());
}

void TestShell::registryTopLevelWindowsStayUsableWhenMainIsDisabled()
{
    ScreenRegistry registry;
    MainWindow main(registry);
    main.show();
    registry.setMdiArea(main.mdiArea());
    int loads = 0;
    registry.add(QStringLiteral("Form2"), ScreenRegistry::Kind::Child,
                 [&loads] { return new CountingScreen(QStringLiteral("Form2"), &loads); });
    registry.add(QStringLiteral("Glosario"), ScreenRegistry::Kind::TopLevel,
                 [&loads] { return new CountingScreen(QStringLiteral("Glosario"), &loads); });
    Screen *child = registry.open(QStringLiteral("Form2"));
    Screen *reference = registry.open(QStringLiteral("Glosario"));
    main.setEnabled(false);
    QVERIFY(!child->isEnabled());
    QVERIFY(reference->isEnabled());
    QVERIFY(reference->isWindow());
    main.setEnabled(true);
    QVERIFY(child->isEnabled());
}

void TestShell::trackerNamesTheControlUnderThePointer()
{
    QWidget root;
    root.setObjectName(QStringLiteral("Form1"));
    root.resize(300, 200);
    auto *frame = new QWidget(&root);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(10, 10, 200, 100);
    auto *button = new QPushButton(QStringLiteral("HOJAS"), frame);
    button->setObjectName(QStringLiteral("Command1"));
    button->setGeometry(10, 10, 80, 30);
    auto *shape = new QWidget(&root);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setProperty("pointerTransparent", true);
    shape->setGeometry(220, 10, 60, 60);
    auto *unnamed = new QLabel(QStringLiteral("x"), button);
    unnamed->setGeometry(5, 5, 10, 10);
    PointerTracker tracker(&root);
    root.show();

    QCOMPARE(tracker.controlAt(QPoint(25, 25))->objectName(), QStringLiteral("Command1"));
    QCOMPARE(tracker.controlAt(QPoint(27, 27))->objectName(), QStringLiteral("Command1"));  // unnamed inner label
    QCOMPARE(tracker.controlAt(QPoint(150, 80))->objectName(), QStringLiteral("Frame2"));
    QCOMPARE(tracker.controlAt(QPoint(240, 30)), &root);  // a drawn shape is the background
    QCOMPARE(tracker.controlAt(QPoint(290, 190)), &root);

    QList<QWidget *> seen;
    connect(&tracker, &PointerTracker::pointerOver, this, [&seen](QWidget *w) { seen << w; });
    QTest::mouseMove(&root, QPoint(25, 25));
    QTRY_VERIFY(!seen.isEmpty());
    QCOMPARE(seen.last()->objectName(), QStringLiteral("Command1"));
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
