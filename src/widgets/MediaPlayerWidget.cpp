#include "widgets/MediaPlayerWidget.h"

#include <QAudioOutput>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

#include <QFileInfo>

#include "core/FileCheck.h"
#include "widgets/FileMessages.h"

namespace {
QString clock(qint64 ms)
{
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}
}  // namespace

MediaPlayerWidget::MediaPlayerWidget(bool withVideo, QWidget *parent)
    : QWidget(parent), m_player(new QMediaPlayer(this)), m_audio(new QAudioOutput(this))
{
    setObjectName(QStringLiteral("MediaPlayer1"));
    m_player->setAudioOutput(m_audio);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (withVideo) {
        m_video = new QVideoWidget(this);
        m_video->setMinimumSize(320, 240);
        m_video->setStyleSheet(QStringLiteral("background: black;"));
        m_player->setVideoOutput(m_video);
        layout->addWidget(m_video, 1);
    }
    m_playPause = new QPushButton(this);
    m_playPause->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_playPause->setToolTip(QStringLiteral("Reproducir o pausar"));
    m_playPause->setEnabled(false);
    m_position = new QSlider(Qt::Horizontal, this);
    m_position->setEnabled(false);
    m_time = new QLabel(QStringLiteral("0:00 / 0:00"), this);
    auto *bar = new QHBoxLayout;
    bar->addWidget(m_playPause);
    bar->addWidget(m_position, 1);
    bar->addWidget(m_time);
    layout->addLayout(bar);

    connect(m_playPause, &QPushButton::clicked, this, [this] {
        if (m_player->playbackState() == QMediaPlayer::PlayingState)
            m_player->pause();
        else
            m_player->play();
    });
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        m_playPause->setIcon(
            style()->standardIcon(state == QMediaPlayer::PlayingState ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    });
    connect(m_player, &QMediaPlayer::durationChanged, this, [this](qint64 d) {
        m_position->setRange(0, int(d));
        updatePosition();
    });
    connect(m_player, &QMediaPlayer::positionChanged, this, &MediaPlayerWidget::updatePosition);
    connect(m_position, &QSlider::sliderMoved, m_player, &QMediaPlayer::setPosition);
    auto failed = [this] {
        if (m_reported || m_fileName.isEmpty())
            return;
        m_reported = true;
        m_player->stop();
        if (missingDecoder(m_player->errorString()))
            FileCheck::reportNoDecoder(m_fileName);
        else
            emit unplayable(m_fileName);
    };
    connect(m_player, &QMediaPlayer::errorOccurred, this, failed);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [failed](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            failed();
    });
}

MediaPlayerWidget::~MediaPlayerWidget() { m_player->stop(); }

void MediaPlayerWidget::setFileName(const QString &builtPath)
{
    m_fileName = builtPath;
    m_reported = false;
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(QFileInfo(FileCheck::nativePath(builtPath)).absoluteFilePath()));
    m_player->play();
    m_playPause->setEnabled(true);
    m_position->setEnabled(true);
}

bool MediaPlayerWidget::missingDecoder(const QString &errorString)
{
    // GStreamer's messages for a format it has no element for, as Qt passes
    // them on, in English and in Spanish (GStreamer translates its messages).
    static const char *const fragments[] = {
        "missing a plug-in",          "missing plugin",
        "no decoder available",       "no codec available",
        "plugin is required to play", "missing element",
        "le falta un complemento",    "no hay un decodificador disponible",
        "falta el elemento",
    };
    for (const char *fragment : fragments) {
        if (errorString.contains(QLatin1String(fragment), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void MediaPlayerWidget::stop() { m_player->stop(); }

void MediaPlayerWidget::updatePosition()
{
    if (!m_position->isSliderDown())
        m_position->setValue(int(m_player->position()));
    m_time->setText(clock(m_player->position()) + QStringLiteral(" / ") + clock(m_player->duration()));
}
