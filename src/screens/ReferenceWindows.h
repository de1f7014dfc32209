#pragma once
// The reference windows reached from the Ayuda menu that keep the main
// window disabled while they are open: the glossary, the phenological
// states and the about box.

#include <functional>

#include "shell/Screen.h"

class QLabel;
class QPlainTextEdit;
class QLineEdit;
class PictureBox;
class SimpleCombo;

class Glosario : public Screen {
    Q_OBJECT
public:
    Glosario();
    void load() override;
    // However the window is closed, the main window is usable again.
    void unload() override;

private:
    void consultar();
    void finalizar();

    SimpleCombo *m_terms;
    QPlainTextEdit *m_definition;
};

class EstadosF : public Screen {
    Q_OBJECT
public:
    EstadosF();
    void load() override;
    void unload() override;

private:
    void consultar();
    void finalizar();
    void loadInto(PictureBox *box, const QString &relative);
    void pointerOver(QWidget *control);

    SimpleCombo *m_stages;
    QLineEdit *m_name;
    PictureBox *m_first;   // Image2
    PictureBox *m_second;  // Image1
};

class Acercade : public Screen {
    Q_OBJECT
public:
    Acercade();
    void load() override;
    void unload() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void dismiss();
};
