#pragma once
// Reproductor plays a pest's spoken commentary for the result screen;
// Videos offers the five instructional videos and plays the chosen one
// inside itself. Neither disables the main window.

#include "shell/Screen.h"

class MediaPlayerWidget;
class QRadioButton;

class Reproductor : public Screen {
    Q_OBJECT
public:
    Reproductor();
    // Plays the file at Cancion (a path as built; the caller has checked
    // that the file exists).
    Q_INVOKABLE void Reproduce(const QString &Cancion);
    MediaPlayerWidget *mediaPlayer() const { return m_player; }
    void unload() override;

private:
    MediaPlayerWidget *m_player;
};

class VideosWindow : public Screen {
    Q_OBJECT
public:
    VideosWindow();
    MediaPlayerWidget *mediaPlayer() const { return m_player; }
    void unload() override;

    // Options in the order ACEPTAR tests them, with their videos.
    static const QList<QPair<QString, QString>> &videos();

private:
    void aceptar();

    MediaPlayerWidget *m_player;
};
