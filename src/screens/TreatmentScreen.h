#pragma once
// Tratamiento: how to fight the pest or disease in EnfermedadElegida: a
// caption naming it, its treatment document, its treatment photos stepped
// with SIGUIENTE and ANTERIOR, and a strip of three pictures that cycles
// through its diagnosis photos once a second.

#include "platform/jet/RecordSet.h"
#include "screens/DocumentScreen.h"

class QTimer;
class PictureBox;

class TreatmentScreen : public DocumentScreen {
    Q_OBJECT
public:
    TreatmentScreen();
    void load() override;
    void unload() override;
    void reopen() override;

    // One step of the strip (what the timer does every second).
    void tick();

private:
    void volver() override;
    void terminar() override;
    void closeLists();

    PictureBox *m_strip[3];  // Image2, Image3, Image4
    QTimer *m_timer;
    jet::RecordSet m_stripList;
};
