#pragma once
// Form1, the home screen: the six organ buttons that start a diagnosis, the
// look-up by name, the hint line and the tile puzzle.

#include <QHash>

#include "shell/Screen.h"

class QComboBox;
class QLabel;
class QPushButton;
class TilePuzzle;
class PointerTracker;

class HomeScreen : public Screen {
    Q_OBJECT
public:
    HomeScreen();
    void load() override;

    // The hint each control puts into Label5 ("" for controls that leave it
    // unchanged is not listed).
    static const QHash<QString, QString> &hints();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillList(QComboBox *combo, const QStringList &names);
    void picked(QComboBox *combo);
    void aceptar();
    QPushButton *organButton(const char *name, const QString &caption, const QString &screen);
    void pointerOver(QWidget *control);

    QLabel *m_hint;
    TilePuzzle *m_puzzle;
    QPushButton *m_again;
    QPushButton *m_accept;
    QComboBox *m_scientific;
    QComboBox *m_common;
    PointerTracker *m_tracker;
};
