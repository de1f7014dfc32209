#include "shell/Splash.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/MainWindow.h"
#include "shell/Sarmo.h"
#include "shell/ScreenRegistry.h"
#include "widgets/Artwork.h"
#include "widgets/Named.h"
#include "widgets/Twips.h"

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, int pointSize = 0, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    if (pointSize || bold) {
        QFont f = l->font();
        if (pointSize)
            f.setPointSize(pointSize);
        f.setBold(bold);
        l->setFont(f);
    }
    return l;
}

}  // namespace

Splash::Splash() : Screen(QStringLiteral("frmSplash"))
{
    // A fixed dialog border: a title, no minimise, maximise or close buttons
    // where the window manager honours the hints, and a fixed size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Sarmo"));

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setFrameShadow(QFrame::Sunken);
    m_frame->setStyleSheet(QStringLiteral("#Frame1 { background: #fbf8ef; }"));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(m_frame);

    auto *top = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(named::picture(m_frame, "Image1", Artwork::vineyard(QSize(150, 105))));
    left->addWidget(named::picture(m_frame, "Image2", Artwork::grapeBunch(QSize(70, 90))), 0, Qt::AlignHCenter);
    left->addStretch();
    top->addLayout(left);

    auto *right = new QVBoxLayout;
    auto *titleRow = new QHBoxLayout;
    auto *name = label(m_frame, "Label3", QStringLiteral("Sarmo"), 26, true);
    name->setStyleSheet(QStringLiteral("color: #4b1d5c;"));
    titleRow->addWidget(name);
    m_leaf = named::picture(m_frame, "Image3", Artwork::vineLeaf(QSize(44, 44)));
    titleRow->addWidget(m_leaf);
    titleRow->addStretch();
    right->addLayout(titleRow);
    right->addWidget(label(m_frame, "Label4", QStringLiteral("Versión 1.2"), 10, true));
    right->addWidget(label(m_frame, "Label6",
                           QStringLiteral("Aplicación informática para diágnóstico mediante síntomas de plagas y "
                                          "enfermedades en vid, así como su tratamiento.")));
    right->addSpacing(6);
    right->addWidget(label(m_frame, "Label1", QStringLiteral("Programa libre para viticultores y técnicos.")));
    right->addWidget(label(m_frame, "Label2",
                           QStringLiteral("Textos, ilustraciones y datos de demostración elaborados por el "
                                          "proyecto Sarmo.")));
    right->addWidget(label(m_frame, "Label5", QStringLiteral("Hecho con C++, Qt 6 y mdbtools.")));
    right->addWidget(label(m_frame, "Label7", QStringLiteral("Equipo de desarrollo de Sarmo")));
    right->addWidget(label(m_frame, "Label8", QStringLiteral("2026")));
    right->addStretch();
    top->addLayout(right, 1);

    m_progress = new QProgressBar(m_frame);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 60);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    auto *inner = new QVBoxLayout(m_frame);
    inner->addLayout(top, 1);
    inner->addWidget(m_progress);

    // The designed client size, larger only where big fonts need more room.
    setFixedSize(Twips::size(7380, 4245).expandedTo(minimumSizeHint()));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(30);
    connect(m_timer, &QTimer::timeout, this, &Splash::tick);
    m_animation = new QTimer(this);
    m_animation->setInterval(120);
    connect(m_animation, &QTimer::timeout, this, &Splash::animate);

    // Every key press reaches the splash, whichever control has the focus.
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
}

void Splash::load()
{
    Sarmo *app = Sarmo::instance();
    if (!app->createMainWindow()) {
        unloadScreen();
        return;
    }
    m_started = true;
    m_timer->start();
    m_animation->start();
}

void Splash::tick()
{
    ++m_ticks;
    m_progress->setValue(std::min<int>(m_ticks, 60));
    if (m_ticks >= 60)
        finish();
}

void Splash::animate()
{
    m_angle = (m_angle + 15) % 360;
    m_leaf->setPixmap(Artwork::vineLeaf(QSize(44, 44), m_angle));
}

void Splash::finish()
{
    if (m_done)
        return;
    m_done = true;
    m_timer->stop();
    m_animation->stop();
    unloadScreen();
    Sarmo::registry().open(QStringLiteral("Form1"));
}

void Splash::closeEvent(QCloseEvent *event)
{
    Screen::closeEvent(event);
    // Closed by the window manager (Alt+F4): the program goes on as after a
    // click on the frame.
    if (m_started && !m_done) {
        m_done = true;
        m_timer->stop();
        m_animation->stop();
        Sarmo::registry().open(QStringLiteral("Form1"));
    }
}

bool Splash::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        finish();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && watched == m_frame) {
        finish();
        return true;
    }
    return Screen::eventFilter(watched, event);
}
