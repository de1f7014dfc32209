#pragma once
// Checks a data set the way the program will use it: every file the program
// can look for (photos of the question screens and of the phenological
// states, result and treatment documents, commentaries, videos, the help
// page), the database's tables and columns, and every database row's photo.
// File names are compared exactly, letter case included, as the program does;
// table and column names ignoring letter case, as the database engine does.

#include <QString>
#include <QStringList>

namespace DataSetCheck {

// Problems found in the data set whose base folder is given (the folder that
// holds bd2002.mdb); empty when the data set is complete.
QStringList run(const QString &base);

}  // namespace DataSetCheck
