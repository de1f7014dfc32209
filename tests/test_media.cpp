// Real playback through Qt Multimedia, headless: the player window plays a
// spoken commentary of the demonstration data set and the videos window its
// videos; the player reaches the playing state and its position advances.
// Also what a file may really hold: videos in other containers than their
// name says, formats the system has no decoder for, and photos a camera
// stored turned.

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QMediaPlayer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "TestSession.h"
#include "core/FileCheck.h"
#include "core/Module1.h"
#include "platform/services/Services.h"
#include "screens/MediaWindows.h"
#include "widgets/MediaPlayerWidget.h"
#include "widgets/PictureBox.h"

namespace {

// A JPEG of a picture with an APP1 Exif segment whose only tag is the
// orientation, as a camera writes it.
QByteArray jpegWithOrientation(const QImage &image, quint16 orientation)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg", 95);
    QByteArray tiff("II*\0", 4);
    tiff += QByteArray("\x08\0\0\0", 4);                // first directory at 8
    tiff += QByteArray("\x01\0", 2);                    // one entry
    tiff += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8);  // 0x0112 Orientation, SHORT, 1 value
    tiff += char(orientation & 0xFF);
    tiff += char(orientation >> 8);
    tiff += QByteArray("\0\0\0\0\0\0", 6);  // padding, no next directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(payload.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    segment += payload;
    return jpeg.left(2) + segment + jpeg.mid(2);  // right after the start-of-image marker
}

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
    void whatAVideoFileHolds_data();
    void whatAVideoFileHolds();
    void photosShowUpright_data();
    void photosShowUpright();

private:
    std::unique_ptr<TestSession> m_session;
};

void TestMedia::initTestCase()
{
    // The data set sits in datos/sarmo below the build folder.
    m_session = std::make_unique<TestSession>(QStringLiteral(SARMO_BUILD_DIR));
    if (!QFileInfo::exists(Module1::RutaAudioLocation() + QStringLiteral("/mildiu.mp3")))
        QSKIP("the demonstration data set has not been built");
    module().fillLocations();
}

void TestMedia::cleanupTestCase() { m_session.reset(); }

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
    QVERIFY(m_session->messages.shown.isEmpty());
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
    m_session->messages.shown.clear();
    Reproductor player;
    player.show();
    player.Reproduce(path);
    QTRY_COMPARE_WITH_TIMEOUT(m_session->messages.shown.size(), 1, 5000);
    QCOMPARE(m_session->messages.shown[0].title, QStringLiteral("Error de carga"));
    QCOMPARE(m_session->messages.shown[0].text,
             path + QStringLiteral(" no se puede leer. El archivo está dañado o no tiene el formato esperado."));
    QVERIFY(player.mediaPlayer()->player()->playbackState() != QMediaPlayer::PlayingState);
    QTest::qWait(300);
    QCOMPARE(m_session->messages.shown.size(), 1);  // once
}

void TestMedia::whatAVideoFileHolds_data()
{
    QTest::addColumn<QStringList>("ffmpeg");  // how to make the file; empty: a text file
    QTest::addColumn<bool>("plays");
    QTest::addColumn<QString>("message");  // after the path; empty: none
    const QStringList source{QStringLiteral("-f"), QStringLiteral("lavfi"),
                             QStringLiteral("-i"), QStringLiteral("testsrc=size=160x120:rate=25"),
                             QStringLiteral("-t"), QStringLiteral("3")};
    QTest::newRow("Windows Media in a .mpg") << source
            + QStringList{QStringLiteral("-c:v"), QStringLiteral("wmv2"), QStringLiteral("-f"), QStringLiteral("asf")}
                                             << true << QString();
    QTest::newRow("MPEG-1, as the name says") << source
            + QStringList{QStringLiteral("-c:v"), QStringLiteral("mpeg1video"), QStringLiteral("-f"),
                          QStringLiteral("mpeg")}
                                              << true << QString();
    // Snow: a codec ffmpeg writes and GStreamer has no decoder for.
    QTest::newRow("no decoder in the system")
        << source + QStringList{QStringLiteral("-c:v"),         QStringLiteral("snow"), QStringLiteral("-strict"),
                                QStringLiteral("experimental"), QStringLiteral("-f"),   QStringLiteral("avi")}
        << false << QStringLiteral(" no se puede reproducir: falta en el sistema el componente que lee su formato.");
    QTest::newRow("not a video at all")
        << QStringList() << false
        << QStringLiteral(" no se puede leer. El archivo está dañado o no tiene el formato esperado.");
}

void TestMedia::whatAVideoFileHolds()
{
    QFETCH(QStringList, ffmpeg);
    QFETCH(bool, plays);
    QFETCH(QString, message);
    QTemporaryDir tmp;
    QDir().mkpath(tmp.path() + QStringLiteral("/Videos"));
    const QString file = tmp.path() + QStringLiteral("/Videos/video01.mpg");
    if (ffmpeg.isEmpty()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Texto con la extensión de un vídeo.\n");
    } else {
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
            QSKIP("ffmpeg is not installed");
        QProcess make;
        make.start(QStringLiteral("ffmpeg"),
                   QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} + ffmpeg
                       + QStringList{file});
        QVERIFY(make.waitForFinished(30000));
        QCOMPARE(make.exitCode(), 0);
    }
    const QString path = tmp.path() + QStringLiteral("/Videos\\video01.mpg");
    m_session->messages.shown.clear();
    VideosWindow videos;
    videos.show();
    MediaPlayerWidget *widget = videos.mediaPlayer();
    widget->setFileName(path);
    QMediaPlayer *media = widget->player();
    if (plays) {
        QTRY_VERIFY_WITH_TIMEOUT(media->position() > 200, 5000);
        QCOMPARE(media->error(), QMediaPlayer::NoError);
        QVERIFY(m_session->messages.shown.isEmpty());
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(m_session->messages.shown.size(), 1, 5000);
        QCOMPARE(m_session->messages.shown[0].title, QStringLiteral("Error de carga"));
        QCOMPARE(m_session->messages.shown[0].text, path + message);
        QVERIFY(media->playbackState() != QMediaPlayer::PlayingState);
        QTest::qWait(300);
        QCOMPARE(m_session->messages.shown.size(), 1);  // once
    }
}

void TestMedia::photosShowUpright_data()
{
    // The photo as stored: 60 x 30, red on the left, blue on the right.
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QColor>("top");     // the middle of the top edge
    QTest::addColumn<QColor>("bottom");  // the middle of the bottom edge
    QTest::newRow("upright") << 1 << QSize(60, 30) << QColor() << QColor();
    QTest::newRow("turned right (6)") << 6 << QSize(30, 60) << QColor(Qt::red) << QColor(Qt::blue);
    QTest::newRow("turned left (8)") << 8 << QSize(30, 60) << QColor(Qt::blue) << QColor(Qt::red);
    QTest::newRow("upside down (3)") << 3 << QSize(60, 30) << QColor() << QColor();
}

void TestMedia::photosShowUpright()
{
    QFETCH(int, orientation);
    QFETCH(QSize, shown);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);
    QImage stored(60, 30, QImage::Format_RGB32);
    stored.fill(Qt::red);
    for (int y = 0; y < 30; ++y)
        for (int x = 30; x < 60; ++x)
            stored.setPixel(x, y, qRgb(0, 0, 255));
    QTemporaryDir tmp;
    QDir().mkpath(tmp.path() + QStringLiteral("/Fotos"));
    QFile f(tmp.path() + QStringLiteral("/Fotos/foto.jpg"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(jpegWithOrientation(stored, quint16(orientation)));
    f.close();

    PictureBox box(nullptr, PictureBox::Mode::Natural);
    QVERIFY(box.loadFile(tmp.path() + QStringLiteral("/Fotos\\foto.jpg")));
    const QImage picture = box.picture().toImage();
    QCOMPARE(picture.size(), shown);
    auto near = [](QColor a, QColor b) {
        return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 && qAbs(a.blue() - b.blue()) < 40;
    };
    if (top.isValid()) {
        QVERIFY(near(picture.pixelColor(shown.width() / 2, 2), top));
        QVERIFY(near(picture.pixelColor(shown.width() / 2, shown.height() - 3), bottom));
    } else {
        // upright or turned half a turn: left and right as stored, or swapped
        const QColor left = picture.pixelColor(2, shown.height() / 2);
        QVERIFY(near(left, orientation == 3 ? QColor(Qt::blue) : QColor(Qt::red)));
    }
}

QTEST_MAIN(TestMedia)
#include "test_media.moc"
