#include "screens/TreatmentScreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/FileCheck.h"
#include "core/Module1.h"
#include "core/TreatmentCatalogue.h"
#include "shell/Sarmo.h"
#include "shell/ScreenRegistry.h"
#include "widgets/Artwork.h"
#include "widgets/DocumentLoader.h"
#include "widgets/PictureBox.h"

namespace {

// Image5: a sprayer over a vine, drawn by the program.
QPixmap sprayerDrawing(const QSize &size)
{
    QPixmap pm(size);
    pm.fill(QColor(250, 248, 238));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.drawPixmap(QPointF(w * 0.45, h * 0.35), Artwork::vineLeaf(QSize(int(w * 0.5), int(h * 0.55)), 10));
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(200, 60, 40));
    p.drawRoundedRect(QRectF(w * 0.08, h * 0.15, w * 0.22, h * 0.45), 6, 6);  // tank
    p.drawLine(QPointF(w * 0.3, h * 0.3), QPointF(w * 0.5, h * 0.25));        // lance
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 150, 220, 140));
    QPolygonF spray;
    spray << QPointF(w * 0.5, h * 0.25) << QPointF(w * 0.9, h * 0.4) << QPointF(w * 0.75, h * 0.6);
    p.drawPolygon(spray);
    return pm;
}

void copyPicture(PictureBox *to, const PictureBox *from)
{
    if (from->hasPicture())
        to->setPicture(from->picture(), from->picturePath());
    else
        to->clear();
}

}  // namespace

TreatmentScreen::TreatmentScreen()
    : DocumentScreen(QStringLiteral("Tratamiento"), {"ResultadoT", "Command4", "Command3", "Command1", "Command2"})
{
    setWindowTitle(QStringLiteral("TRATAMIENTO"));

    auto *strip = new QHBoxLayout;
    const int side = (m_photo->width() - 8) / 3;
    for (int i = 0; i < 3; ++i) {
        m_strip[i] = new PictureBox(this);
        m_strip[i]->setObjectName(QStringLiteral("Image%1").arg(i + 2));
        m_strip[i]->setFixedSize(side, side);
        m_strip[i]->setStyleSheet(QStringLiteral("background: #e8e4d8;"));
        m_strip[i]->setAttribute(Qt::WA_StyledBackground);
        strip->addWidget(m_strip[i]);
    }
    auto *drawing = new QLabel(this);
    drawing->setObjectName(QStringLiteral("Image5"));
    drawing->setPixmap(sprayerDrawing(QSize(150, 100)));

    auto *extras = new QVBoxLayout;
    extras->setContentsMargins(0, 0, 0, 0);
    extras->addSpacing(8);
    extras->addLayout(strip);
    extras->addSpacing(8);
    extras->addWidget(drawing, 0, Qt::AlignHCenter);
    finishLayout(extras,
                 QStringLiteral("Fotos obtenidas y adaptadas de los libros y páginas web que "
                                "aparecen en la bibliografía. Esquemas propios."));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &TreatmentScreen::tick);
    m_timer->start();  // from the moment the screen is created
}

void TreatmentScreen::load()
{
    ModuleState &m = module();
    m_stripList = m.Conexion.photos(QStringLiteral("Fotos"), m.consultation.key());
    m_previous->setEnabled(false);
    const TreatmentCatalogue::Entry *entry = m.consultation.treatment();
    if (!entry) {
        m_next->setEnabled(false);
        return;
    }
    if (!entry->caption.isEmpty())
        setWindowTitle(entry->caption);
    DocumentLoader::load(m_document, m.RutaTratamientos + QLatin1Char('\\') + entry->document);
    m_list->open(m.Conexion.photos(QStringLiteral("Tratamiento"), entry->key));
}

void TreatmentScreen::tick()
{
    if (!m_stripList.eof()) {
        copyPicture(m_strip[2], m_strip[1]);
        copyPicture(m_strip[1], m_strip[0]);
        const QString path = PhotoList::photoPath(m_stripList);
        // A missing or unreadable strip photo is skipped without a word.
        if (FileCheck::exists(path, m_stripList.value(QStringLiteral("Foto"))))
            m_strip[0]->loadFile(path);
    }
    if (m_stripList.eof())
        m_stripList.moveFirst();
    else
        m_stripList.moveNext();
}

void TreatmentScreen::closeLists()
{
    if (m_stripList.isOpen())
        m_stripList.close();
    m_list->close();
}

void TreatmentScreen::volver()
{
    Sarmo::registry().open(QStringLiteral("ResultadoVid"));
    unloadScreen();
    closeLists();
}

void TreatmentScreen::terminar()
{
    closeLists();
    unloadScreen();
}

void TreatmentScreen::unload()
{
    m_timer->stop();
    closeLists();
}

void TreatmentScreen::reopen()
{
    closeLists();
    setWindowTitle(QStringLiteral("TRATAMIENTO"));
    m_next->setEnabled(true);
    load();
}
