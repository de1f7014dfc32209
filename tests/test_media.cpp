// Real playback through Qt Multimedia, headless: the player window plays a
// spoken commentary of the demonstration data set and the videos window its
// videos; the player reaches the playing state and its position advances.

#include <QDir>
#include <QTemporaryDir>
#include <QMediaPlayer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "platform/services/Services.h"
#include "reference/MediaPlayerWidget.h"
#include "reference/MediaWindows.h"
#include "shell/Module1.h"

namespace {

class Messages : public MessageService {
public:
    void show(const MessageBoxData &box) override { shown << box; }
    QList<MessageBoxData> shown;
};

}  // namespace

class TestMedia : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void commentaryPlays();
    void videosPlayTheChosenOption();
    void closingTheWindowStopsPlayback();
    void damagedFileIsReportedAndNothingPlays();

private:
    Messages m_messages;
    QString m_savedCwd;
};

void TestMedia::initTestCase()
{
    m_savedCwd = QDir::currentPath();
    // The data set sits in datos/sarmo below the build folder.
    QDir::setCurrent(QStringLiteral(SARMO_BUILD_DIR));
    if (!QFileInfo::exists(Module1::RutaAudioLocation() + QStringLiteral("/mildiu.mp3")))
        QSKIP("the demonstration data set has not been built");
    resetModule();
    module().fillLocations();
    Services::setMessageService(&m_messages);
}

void TestMedia::cleanupTestCase()
{
    Services::setMessageService(nullptr);
    QDir::setCurrent(m_savedCwd);
}

void TestMedia::commentaryPlays()
{
    Reproductor player;
    player.show();
    player.Reproduce(module().RutaAudio + QStringLiteral("\\mildiu.mp3"));
    QMediaPlayer *media = player.mediaPlayer()->player();
    QTRY_COMPARE_WITH_TIMEOUT(media->playbackState(), QMediaPlayer::PlayingState, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(media->position() > 200, 5000);
    QVERIFY(media->source().toLocalFile().endsWith(QLatin1String("mp3d/mildiu.mp3")));
    QCOMPARE(media->error(), QMediaPlayer::NoError);
}

void TestMedia::videosPlayTheChosenOption()
{
    VideosWindow videos;
    videos.show();
    QMediaPlayer *media = videos.mediaPlayer()->player();
    auto *accept = videos.findChild<QPushButton *>(QStringLiteral("Command1"));
    accept->click();  // nothing selected: nothing plays
    QCOMPARE(media->playbackState(), QMediaPlayer::StoppedState);

    videos.findChild<QRadioButton *>(QStringLiteral("Option2"))->setChecked(true);
    accept->click();
    QTRY_COMPARE_WITH_TIMEOUT(media->playbackState(), QMediaPlayer::PlayingState, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(media->position() > 200, 5000);
    QVERIFY(media->source().toLocalFile().endsWith(QLatin1String("Videos/video04.mpg")));

    // Another option switches the video.
    videos.findChild<QRadioButton *>(QStringLiteral("Option3"))->setChecked(true);
    accept->click();
    QTRY_VERIFY_WITH_TIMEOUT(media->source().toLocalFile().endsWith(QLatin1String("Videos/video06.mpg")), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(media->playbackState(), QMediaPlayer::PlayingState, 5000);
    QVERIFY(m_messages.shown.isEmpty());
}

void TestMedia::closingTheWindowStopsPlayback()
{
    auto *player = new Reproductor;
    player->setAttribute(Qt::WA_DeleteOnClose);
    player->show();
    player->Reproduce(module().RutaAudio + QStringLiteral("\\oidio.mp3"));
    QMediaPlayer *media = player->mediaPlayer()->player();
    QTRY_COMPARE_WITH_TIMEOUT(media->playbackState(), QMediaPlayer::PlayingState, 5000);
    QSignalSpy stopped(media, &QMediaPlayer::playbackStateChanged);
    player->close();
    QVERIFY(!stopped.isEmpty());
    QCOMPARE(stopped.last().at(0).value<QMediaPlayer::PlaybackState>(), QMediaPlayer::StoppedState);
}

void TestMedia::damagedFileIsReportedAndNothingPlays()
{
    QTemporaryDir tmp;
    const QString path = tmp.path() + QStringLiteral("/mp3d\\roto.mp3");
    QDir().mkpath(tmp.path() + QStringLiteral("/mp3d"));
    QFile f(tmp.path() + QStringLiteral("/mp3d/roto.mp3"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Esto no es un archivo de sonido, sino un texto con la extensión cambiada.");
    f.close();
    m_messages.shown.clear();
    Reproductor player;
    player.show();
    player.Reproduce(path);
    QTRY_COMPARE_WITH_TIMEOUT(m_messages.shown.size(), 1, 5000);
    QCOMPARE(m_messages.shown[0].title, QStringLiteral("Error de carga"));
    QCOMPARE(m_messages.shown[0].text,
             path + QStringLiteral(" no se puede leer. El archivo está dañado o no tiene el formato esperado."));
    QVERIFY(player.mediaPlayer()->player()->playbackState() != QMediaPlayer::PlayingState);
    QTest::qWait(300);
    QCOMPARE(m_messages.shown.size(), 1);  // once
}

QTEST_MAIN(TestMedia)
#include "test_media.moc"
