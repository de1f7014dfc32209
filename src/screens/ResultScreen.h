#pragma once
// ResultadoVid: the pest or disease whose key is in EnfermedadElegida: its
// result document, its captioned photos stepped with SIGUIENTE and ANTERIOR,
// the pests it can be confused with (Aceptar jumps to one), its spoken
// commentary, and the way on to its treatment.

#include <memory>

#include "shell/Screen.h"
#include "widgets/PhotoList.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTextEdit;
class PictureBox;
class PointerTracker;

class ResultScreen : public Screen {
    Q_OBJECT
public:
    ResultScreen();
    void load() override;
    void unload() override;
    QTextDocument *printableDocument() override;
    // Opened again while loaded (a new consultation reached a result): shows
    // the current key instead of the earlier one.
    void reopen() override;

private:
    void aceptar();
    void reproducir();
    void tratamiento();
    void volver();
    void terminar();
    void closePhotoList();
    void setStepEnabled(QPushButton *button, bool enabled);
    void pointerOver(QWidget *control);

    QTextEdit *m_document;
    PictureBox *m_photo;
    QLabel *m_caption;
    QPushButton *m_next;
    QPushButton *m_previous;
    QComboBox *m_confusions;
    QPushButton *m_accept;
    std::unique_ptr<PhotoList> m_list;
    PointerTracker *m_tracker;
    QString m_shownKey;  // the key whose result is shown
};
