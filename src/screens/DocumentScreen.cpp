#include "screens/DocumentScreen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "screens/PhotoViewer.h"
#include "widgets/Artwork.h"
#include "widgets/CreditsFooter.h"
#include "widgets/Named.h"
#include "widgets/PictureBox.h"
#include "widgets/PointerTracker.h"
#include "widgets/Twips.h"

DocumentScreen::DocumentScreen(const QString &name, const Names &names, PhotoList::Enable enable)
    : Screen(name), m_names(names)
{
    m_document = new QTextEdit(this);
    m_document->setObjectName(QLatin1String(names.document));
    m_document->setReadOnly(true);
    m_document->setMinimumSize(560, 430);

    m_photo = new PictureBox(this);
    m_photo->setObjectName(QStringLiteral("Image1"));
    m_photo->setFixedSize(Twips::size(4335, 3255));
    m_caption = named::label(this, "Label1", QString());
    m_caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_caption->setMinimumHeight(fontMetrics().lineSpacing() * 2 + 4);
    m_caption->setMaximumWidth(m_photo->width());
    m_next = named::button(this, names.next, QStringLiteral("SIGUIENTE >>"), named::Pointer::Hand);
    m_previous = named::button(this, names.previous, QStringLiteral("<< ANTERIOR"), named::Pointer::Hand);

    m_list = std::make_unique<PhotoList>(m_photo, m_caption, m_next, m_previous, std::move(enable));
    connect(m_next, &QPushButton::clicked, this, [this] { m_list->next(); });
    connect(m_previous, &QPushButton::clicked, this, [this] { m_list->previous(); });
    m_photo->setKeyboardClickable(true);
    connect(m_photo, &PictureBox::clicked, this, [this] { PhotoViewer::enlarge(m_photo); });
}

void DocumentScreen::finishLayout(QLayout *extras, const QString &photosCredit)
{
    auto *stepping = new QHBoxLayout;
    stepping->addWidget(m_previous);
    stepping->addWidget(m_next);
    auto *right = new QVBoxLayout;
    right->addWidget(m_photo, 0, Qt::AlignHCenter);
    right->addWidget(m_caption);
    right->addLayout(stepping);
    right->addLayout(extras);
    right->addStretch();

    QPushButton *back = named::button(this, m_names.back, QStringLiteral("<< VOLVER"), named::Pointer::Hand);
    QPushButton *end = named::button(this, m_names.end, QStringLiteral("TERMINAR"), named::Pointer::Hand);
    connect(back, &QPushButton::clicked, this, [this] { volver(); });
    connect(end, &QPushButton::clicked, this, [this] { terminar(); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_document, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addLayout(creditsFooter(this, back, end, photosCredit), 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    // Last, once every control exists: the tracker watches those present.
    auto *tracker = new PointerTracker(this);
    connect(tracker, &PointerTracker::pointerOver, this, [this](QWidget *control) { pointerOver(control); });
}

void DocumentScreen::pointerOver(QWidget *control)
{
    if (control == m_photo)
        m_photo->setCursor(m_photo->hasPicture() ? Artwork::handCursor() : QCursor(Qt::ArrowCursor));
}

QTextDocument *DocumentScreen::printableDocument() { return m_document->document(); }
