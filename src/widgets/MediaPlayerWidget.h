#pragma once
// MediaPlayer1: the media player embedded in the player and videos windows.
// Setting its file name loads the file and starts playing it at once; it
// shows the video (if any), a play/pause button and the position. Closing
// the window that holds it stops the playback.

#include <QWidget>

class QAudioOutput;
class QLabel;
class QMediaPlayer;
class QPushButton;
class QSlider;
class QVideoWidget;

class MediaPlayerWidget : public QWidget {
    Q_OBJECT
public:
    explicit MediaPlayerWidget(bool withVideo, QWidget *parent = nullptr);
    ~MediaPlayerWidget() override;

    // Plays the file at a path as the program builds it.
    void setFileName(const QString &builtPath);
    QString fileName() const { return m_fileName; }
    QMediaPlayer *player() const { return m_player; }
    void stop();

    // Whether a media framework's error message says that no decoder for the
    // file's format is installed (rather than that the file is damaged).
    static bool missingDecoder(const QString &errorString);

signals:
    // The file set last cannot be played (not audio or video, or damaged);
    // reported once per file. A file the system has no decoder for is not
    // reported so: the widget shows the missing-decoder message itself.
    void unplayable(const QString &builtPath);

private:
    void updatePosition();

    QMediaPlayer *m_player;
    QAudioOutput *m_audio;
    QVideoWidget *m_video = nullptr;
    QPushButton *m_playPause;
    QSlider *m_position;
    QLabel *m_time;
    QString m_fileName;
    bool m_reported = false;
};
