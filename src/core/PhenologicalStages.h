#pragma once
// The growth stages of the vine shown by the phenological-states window: the
// list item, the stage's name and its two photos (below the photos location).

#include <QList>
#include <QString>

namespace PhenologicalStages {

struct Stage {
    QString item;         // "Estado A"
    QString text;         // "Yema de invierno"
    QString firstPhoto;   // into Image2: "\Estados\estadoA01.jpg"
    QString secondPhoto;  // into Image1
};

const QList<Stage> &all();  // in list order

}  // namespace PhenologicalStages
