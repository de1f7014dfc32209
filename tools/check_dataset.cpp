// check_dataset: tells whether a Sarmo data set is complete.
//   check_dataset <base folder>      (the folder that holds bd2002.mdb)
// Lists every file the program would look for and not find (including names
// that differ only in letter case), every table or column missing from the
// database, and every row whose photo is missing. Exits 0 only when the data
// set is complete.

#include <QCoreApplication>
#include <QTextStream>

#include "DataSetCheck.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc != 2) {
        out << "uso: check_dataset <carpeta base del conjunto de datos>\n";
        return 2;
    }
    const QStringList problems = DataSetCheck::run(QString::fromLocal8Bit(argv[1]));
    for (const QString &p : problems)
        out << p << "\n";
    out << (problems.isEmpty() ? QStringLiteral("El conjunto de datos está completo.\n")
                               : QStringLiteral("%1 problemas.\n").arg(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}
