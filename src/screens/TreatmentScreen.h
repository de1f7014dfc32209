#pragma once
// Tratamiento: how to fight the pest or disease in EnfermedadElegida: a
// caption naming it, its treatment document, its treatment photos stepped
// with SIGUIENTE and ANTERIOR, and a strip of three pictures that cycles
// through its diagnosis photos once a second.

#include <memory>

#include "platform/jet/RecordSet.h"
#include "shell/Screen.h"
#include "widgets/PhotoList.h"

class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;
class PictureBox;
class PointerTracker;

class TreatmentScreen : public Screen {
    Q_OBJECT
public:
    TreatmentScreen();
    void load() override;
    void unload() override;
    void reopen() override;
    QTextDocument *printableDocument() override;

    // One step of the strip (what the timer does every second).
    void tick();

private:
    void volver();
    void terminar();
    void closeLists();
    void pointerOver(QWidget *control);

    QTextEdit *m_document;
    PictureBox *m_photo;
    QLabel *m_caption;
    QPushButton *m_next;
    QPushButton *m_previous;
    PictureBox *m_strip[3];  // Image2, Image3, Image4
    QTimer *m_timer;
    jet::RecordSet m_stripList;
    std::unique_ptr<PhotoList> m_list;
    PointerTracker *m_tracker;
};
