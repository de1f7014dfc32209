#pragma once
// frmSplash: the first window of the program. Its load creates the main
// window hidden (which opens the database); a progress bar fills in 60 ticks
// of 30 ms, after which, or at any key press or a click on its frame, it
// closes and shows the home screen.

#include "shell/Screen.h"

class QFrame;
class QProgressBar;
class QTimer;
class QLabel;

class Splash : public Screen {
    Q_OBJECT
public:
    Splash();
    void load() override;

    int ticks() const { return m_ticks; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void tick();
    void finish();
    void animate();

    QFrame *m_frame;
    QProgressBar *m_progress;
    QTimer *m_timer;
    QTimer *m_animation;
    QLabel *m_leaf;
    qint16 m_ticks = 0;
    int m_angle = 0;
    bool m_started = false;  // the main window was created
    bool m_done = false;
};
