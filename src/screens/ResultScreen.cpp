#include "screens/ResultScreen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/FileCheck.h"
#include "core/Module1.h"
#include "core/ResultCatalogue.h"
#include "core/ScreenTable.h"
#include "screens/MediaWindows.h"
#include "shell/Sarmo.h"
#include "shell/ScreenRegistry.h"
#include "widgets/Artwork.h"
#include "widgets/DocumentLoader.h"
#include "widgets/FileMessages.h"
#include "widgets/Named.h"
#include "widgets/PictureBox.h"

ResultScreen::ResultScreen()
    : DocumentScreen(QStringLiteral("ResultadoVid"), {"Resultado", "Command1", "Command2", "Command3", "Command4"},
                     [this](QPushButton *b, bool on) { setStepEnabled(b, on); })
{
    setWindowTitle(QStringLiteral("Diagnóstico en vid"));

    QLabel *heading = named::label(this, "Label2",
                                   QStringLiteral("Posibles confusiones o relaciones con otras plagas o "
                                                  "enfermedades"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_confusions = new QComboBox(this);
    m_confusions->setObjectName(QStringLiteral("Combo1"));
    m_confusions->setMinimumContentsLength(22);
    m_confusions->setPlaceholderText(QStringLiteral("(elija una)"));
    m_accept = named::button(this, "Command6", QStringLiteral("Aceptar"), named::Pointer::Hand);
    auto *confusionRow = new QHBoxLayout;
    confusionRow->addWidget(m_confusions, 1);
    confusionRow->addWidget(m_accept);

    QPushButton *play = named::button(this, "Command7", QStringLiteral("REPRODUCIR"), named::Pointer::Hand);
    QPushButton *treatment = named::button(this, "Command5", QStringLiteral("TRATAMIENTO"), named::Pointer::Hand);

    auto *extras = new QVBoxLayout;
    extras->setContentsMargins(0, 0, 0, 0);
    extras->addSpacing(10);
    extras->addWidget(heading);
    extras->addLayout(confusionRow);
    extras->addSpacing(10);
    extras->addWidget(play);
    extras->addWidget(treatment);
    finishLayout(extras,
                 QStringLiteral("Fotos obtenidas y adaptadas de los libros y páginas web que "
                                "aparecen en la bibliografía."));

    connect(m_confusions, &QComboBox::activated, this, [this] { setStepEnabled(m_accept, true); });
    connect(m_accept, &QPushButton::clicked, this, &ResultScreen::aceptar);
    connect(play, &QPushButton::clicked, this, &ResultScreen::reproducir);
    connect(treatment, &QPushButton::clicked, this, &ResultScreen::tratamiento);
}

void ResultScreen::setStepEnabled(QPushButton *button, bool enabled)
{
    button->setEnabled(enabled);
    // The hand shows over these buttons only while they can be pressed.
    button->setCursor(enabled ? Artwork::handCursor() : QCursor(Qt::ArrowCursor));
}

void ResultScreen::pointerOver(QWidget *control)
{
    DocumentScreen::pointerOver(control);
    if (auto *b = qobject_cast<QPushButton *>(control); b && (b == m_next || b == m_previous || b == m_accept))
        b->setCursor(b->isEnabled() ? Artwork::handCursor() : QCursor(Qt::ArrowCursor));
}

void ResultScreen::load()
{
    setStepEnabled(m_previous, false);
    setStepEnabled(m_accept, false);
    ModuleState &m = module();
    m_shownKey = m.consultation.key();
    if (const ResultCatalogue::Entry *entry = m.consultation.result()) {
        DocumentLoader::load(m_document,
                             m.RutaResultados + QLatin1Char('\\') + ResultCatalogue::resultDocument(*entry));
        m_confusions->clear();
        m_confusions->addItems(entry->confusions);
        m_confusions->setCurrentIndex(-1);
        m_list->open(m.Conexion.photos(QStringLiteral("Fotos"), entry->key));
    } else {
        setStepEnabled(m_next, false);
    }
    setStepEnabled(m_accept, false);
}

void ResultScreen::closePhotoList() { m_list->close(); }

void ResultScreen::aceptar()
{
    closePhotoList();
    setStepEnabled(m_next, true);
    Sarmo::registry().close(QStringLiteral("Reproductor"));
    if (const ResultCatalogue::Entry *entry = ResultCatalogue::byDisplayName(m_confusions->currentText()))
        module().consultation.setKey(entry->key);
    load();
}

void ResultScreen::reopen()
{
    // A commentary never outlives the result it belongs to.
    if (module().consultation.key() != m_shownKey)
        Sarmo::registry().close(QStringLiteral("Reproductor"));
    closePhotoList();
    setStepEnabled(m_next, true);
    load();
}

void ResultScreen::reproducir()
{
    const ResultCatalogue::Entry *entry = module().consultation.result();
    if (!entry)
        return;
    const QString path = module().RutaAudio + QLatin1Char('\\') + ResultCatalogue::audioFile(*entry);
    if (!FileCheck::check(path))
        return;
    if (auto *player = qobject_cast<Reproductor *>(Sarmo::registry().open(QStringLiteral("Reproductor"))))
        player->Reproduce(path);
}

void ResultScreen::tratamiento()
{
    Sarmo::registry().open(QStringLiteral("Tratamiento"));
    unloadScreen();
    closePhotoList();
    Sarmo::registry().close(QStringLiteral("Reproductor"));
}

void ResultScreen::volver()
{
    closePhotoList();
    module().consultation.leaveResult();
    Sarmo::registry().close(QStringLiteral("Reproductor"));
    const QString screen = q::screenForSymptom(module().consultation.symptom());
    if (!screen.isEmpty())
        Sarmo::registry().open(screen);
    unloadScreen();
}

void ResultScreen::terminar()
{
    closePhotoList();
    unloadScreen();
    Sarmo::registry().close(QStringLiteral("Reproductor"));
    module().consultation.leaveResult();
}

void ResultScreen::unload()
{
    closePhotoList();
    Sarmo::registry().close(QStringLiteral("Reproductor"));
}
