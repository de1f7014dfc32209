#include <QApplication>

#include "shell/Sarmo.h"

int main(int argc, char *argv[])
{
    Sarmo::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sarmo"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    // The main window ends the program itself ("Cerar" or its close box).
    QApplication::setQuitOnLastWindowClosed(false);
    Sarmo sarmo;
    if (!sarmo.start())
        return 1;
    return app.exec();
}
