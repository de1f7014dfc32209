#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Screens.h"
#include "shell/Sarmo.h"

int main(int argc, char *argv[])
{
    Sarmo::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sarmo"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("sarmo"));
    // Qt's own dialogs and buttons (the print dialog) in Spanish.
    QTranslator qtSpanish;
    if (qtSpanish.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);
    // The main window ends the program itself ("Cerar" or its close box).
    QApplication::setQuitOnLastWindowClosed(false);
    Sarmo sarmo(registerScreens);
    if (!sarmo.start())
        return 1;
    return app.exec();
}
