#pragma once
// ResultadoVid: the pest or disease whose key is in EnfermedadElegida: its
// result document, its captioned photos stepped with SIGUIENTE and ANTERIOR,
// the pests it can be confused with (Aceptar jumps to one), its spoken
// commentary, and the way on to its treatment.

#include "screens/DocumentScreen.h"

class QComboBox;
class QPushButton;

class ResultScreen : public DocumentScreen {
    Q_OBJECT
public:
    ResultScreen();
    void load() override;
    void unload() override;
    // Opened again while loaded (a new consultation reached a result): shows
    // the current key instead of the earlier one.
    void reopen() override;

private:
    void aceptar();
    void reproducir();
    void tratamiento();
    void volver() override;
    void terminar() override;
    void pointerOver(QWidget *control) override;
    void closePhotoList();
    void setStepEnabled(QPushButton *button, bool enabled);

    QComboBox *m_confusions;
    QPushButton *m_accept;
    QString m_shownKey;  // the key whose result is shown
};
