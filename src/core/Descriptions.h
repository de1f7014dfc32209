#pragma once
// The long descriptive texts of the question screens (what each photo shows,
// and some options' own descriptions), kept as data in src/core/textos/*.txt
// and keyed by screen and control: "Form2.Image1.Option7", "Form3.Image1",
// "Form6.Option2".

#include <QString>
#include <QStringList>

namespace Descriptions {

QString text(const QString &key);  // "" for an unknown key
bool has(const QString &key);
QStringList keys();

// Parses the text format: "[key]" lines start an entry, the lines below are
// joined by single blanks; "#" at the start of a line is a comment.
QList<QPair<QString, QString>> parse(const QString &source);

}  // namespace Descriptions
