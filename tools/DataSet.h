#pragma once
// The data set's database as plain text: the schema of its three tables and
// the readers of the sources kept in dataset/ (glosario.txt, fotos.tsv,
// tratamiento.tsv).

#include <QList>
#include <QString>

#include "JetWriter.h"

namespace DataSet {

// Definicion (Palabra, Significado), Fotos and Tratamiento (NombreEnfermedad,
// Foto, Descripcion, Orden), with no rows.
jet::TableDef emptyTable(const QString &name);
QList<jet::TableDef> emptyTables();

// "## Term" lines start an entry; the lines below, joined by blanks, are its
// definition; a blank line starts a new paragraph. Leading "# " lines are
// comments.
bool readGlossary(const QString &path, jet::TableDef *table, QString *error);

// Tab-separated, first line the column names, one row a line.
bool readPhotoTable(const QString &path, jet::TableDef *table, QString *error);

// The rows of table Fotos or Tratamiento: dataset/fotos/*.tsv or
// dataset/tratamiento/*.tsv (one file a pest or disease), in file-name order.
bool readPhotoTables(const QString &sources, const QString &table, jet::TableDef *out, QString *error);

// Reads the tables of an existing database file back into writer form.
bool readDatabase(const QString &path, QList<jet::TableDef> *tables, QString *error);

}  // namespace DataSet
