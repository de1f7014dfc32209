#pragma once
// The home screen's look-up by name: the scientific names of Combo1, the
// common names of Combo2, and which key of the result catalogue each name
// leads to when "ACEPTAR" is pressed.
//
// The lists are returned in the order the home screen adds them (the combo
// boxes show them sorted). Every name belongs to exactly one key; "Roedores",
// "Conejos" and "Liebres" are in both lists and lead to the same key from
// either. Names are compared exactly, accents and capitals included.

#include <QList>
#include <QString>
#include <QStringList>

namespace NameLookup {

// The 96 scientific names of Combo1, in fill order.
const QStringList &scientificNames();
// The 136 common names of Combo2, in fill order.
const QStringList &commonNames();

struct Row {
    QString key;             // a result-catalogue key
    QStringList scientific;  // Combo1 names leading to it (fill order; may be empty)
    QStringList common;      // Combo2 names leading to it (fill order)
};

// The 57 keys in the order "ACEPTAR" tests them.
const QList<Row> &table();

// What "ACEPTAR" stores: every key is tested in table order, and a key one of
// whose scientific names equals scientificText, or one of whose common names
// equals commonText, is stored; a later match overwrites an earlier one. When
// nothing matches, current (the key held so far) is returned unchanged.
QString keyFor(const QString &scientificText, const QString &commonText, const QString &current);

}  // namespace NameLookup
