#include "screens/MediaWindows.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/FileCheck.h"
#include "core/Module1.h"
#include "widgets/FileMessages.h"
#include "widgets/MediaPlayerWidget.h"

namespace {
constexpr Qt::WindowFlags kCloseBoxOnly =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

Reproductor::Reproductor() : Screen(QStringLiteral("Reproductor"))
{
    setWindowFlags(kCloseBoxOnly);
    setWindowTitle(QStringLiteral("Reproductor"));
    m_player = new MediaPlayerWidget(false, this);
    connect(m_player, &MediaPlayerWidget::unplayable, this, &FileCheck::reportDamaged);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_player);
    resize(360, 70);
}

void Reproductor::Reproduce(const QString &Cancion) { m_player->setFileName(Cancion); }

void Reproductor::unload() { m_player->stop(); }

const QList<QPair<QString, QString>> &VideosWindow::videos()
{
    static const QList<QPair<QString, QString>> table{
        {QStringLiteral("Option1"), QStringLiteral("\\video01.mpg")},
        {QStringLiteral("Option6"), QStringLiteral("\\video02.mpg")},
        {QStringLiteral("Option4"), QStringLiteral("\\video03.mpg")},
        {QStringLiteral("Option2"), QStringLiteral("\\video04.mpg")},
        {QStringLiteral("Option3"), QStringLiteral("\\video06.mpg")},
    };
    return table;
}

VideosWindow::VideosWindow() : Screen(QStringLiteral("Videos"))
{
    setWindowFlags(kCloseBoxOnly);
    setWindowTitle(QStringLiteral("VIDEOS"));
    const QList<QPair<const char *, QString>> captions{
        {"Option1", QStringLiteral("Métodos de control preventivos")},
        {"Option6", QStringLiteral("Algunos métodos de control")},
        {"Option4", QStringLiteral("Como realizar un tratamiento con fitosanitarios")},
        {"Option2", QStringLiteral("Herramientas para el tratamiento")},
        {"Option3", QStringLiteral("Presentación de distintos productuctos fitosanitarios.")},
    };
    auto *choices = new QVBoxLayout;
    for (const auto &[name, caption] : captions) {
        auto *radio = new QRadioButton(caption, this);
        radio->setObjectName(QLatin1String(name));
        choices->addWidget(radio);
    }
    auto *aceptar = new QPushButton(QStringLiteral("ACEPTAR"), this);
    aceptar->setObjectName(QStringLiteral("Command1"));
    auto *terminar = new QPushButton(QStringLiteral("TERMINAR"), this);
    terminar->setObjectName(QStringLiteral("Command2"));
    choices->addSpacing(12);
    choices->addWidget(aceptar);
    choices->addWidget(terminar);
    choices->addStretch();
    m_player = new MediaPlayerWidget(true, this);
    connect(m_player, &MediaPlayerWidget::unplayable, this, &FileCheck::reportDamaged);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_player, 1);
    resize(860, 420);
    connect(aceptar, &QPushButton::clicked, this, &VideosWindow::aceptar);
    connect(terminar, &QPushButton::clicked, this, [this] { unloadScreen(); });
}

void VideosWindow::aceptar()
{
    for (const auto &[name, video] : videos()) {
        auto *radio = findChild<QRadioButton *>(name);
        if (!radio || !radio->isChecked())
            continue;
        const QString path = module().RutaVideos + video;
        if (!FileCheck::check(path))
            continue;
        m_player->setFileName(path);
        // Already open: this only brings it to the front.
        show();
        raise();
        activateWindow();
    }
}

void VideosWindow::unload() { m_player->stop(); }
