#pragma once
// The bottom row of the result and treatment screens: VOLVER at the left,
// the two credit lines (Label3, this project's texts; Label4, the photos) in
// the middle, TERMINAR at the right.

#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

QHBoxLayout *creditsFooter(QWidget *parent, QPushButton *back, QPushButton *end, const QString &photosCredit);
