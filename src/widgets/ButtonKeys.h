#pragma once
// Enter on a focused push button presses it, as desktop users expect (Qt
// presses a button with Space; Enter only reaches a dialog's default button).

#include <QObject>

class ButtonKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
