#include "screens/ReferenceWindows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/FileCheck.h"
#include "core/Module1.h"
#include "core/PhenologicalStages.h"
#include "screens/PhotoViewer.h"
#include "shell/MainWindow.h"
#include "shell/Sarmo.h"
#include "shell/ScreenRegistry.h"
#include "widgets/Artwork.h"
#include "widgets/FileMessages.h"
#include "widgets/Named.h"
#include "widgets/PictureBox.h"
#include "widgets/PointerTracker.h"
#include "widgets/SimpleCombo.h"
#include "widgets/Twips.h"

namespace {

// Dialogs of the main window without a control box; the window manager
// may still offer to close them (Alt+F4), and that closes them as their own
// way of closing does.
constexpr Qt::WindowFlags kNoControlBox = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

void setMainEnabled(bool enabled)
{
    if (MainWindow *main = Sarmo::mainWindow())
        main->setEnabled(enabled);
}

}  // namespace

// ---------------------------------------------------------------------------

Glosario::Glosario() : Screen(QStringLiteral("Glosario"))
{
    setWindowFlags(kNoControlBox);
    setWindowTitle(QStringLiteral("GLOSARIO"));
    m_terms = new SimpleCombo(this);
    m_terms->setObjectName(QStringLiteral("Combo1"));
    m_terms->setMinimumSize(230, 300);
    m_definition = new QPlainTextEdit(this);
    m_definition->setObjectName(QStringLiteral("Text2"));
    m_definition->setReadOnly(true);
    // Read-only, but it shows the focus with its caret and reads with the keys.
    m_definition->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_definition->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_definition->setMinimumSize(360, 300);
    QPushButton *consultar = named::button(this, "Command1", QStringLiteral("Consultar"));
    QPushButton *finalizar = named::button(this, "Command2", QStringLiteral("Finalizar"));
    QLabel *hint = named::label(this, "Label1",
                                QStringLiteral("Para poder encontrar la palabra debe coíncidir con las de la lista de "
                                               "términos que se muestra."));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(consultar);
    buttons->addWidget(finalizar);
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_terms, 0, 0);
    grid->addWidget(m_definition, 0, 1);
    grid->addWidget(hint, 1, 0, 1, 2);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    resize(680, 440);
    connect(consultar, &QPushButton::clicked, this, &Glosario::consultar);
    connect(m_terms, &SimpleCombo::lookUp, this, &Glosario::consultar);
    connect(finalizar, &QPushButton::clicked, this, &Glosario::finalizar);
    closeOnEscape(this, [this] { this->finalizar(); });
}

void Glosario::load()
{
    setMainEnabled(false);
    m_terms->setText(QStringLiteral("Abarquillada"));
    consultar();
    jet::RecordSet rs = module().Conexion.glossary();
    while (!rs.eof()) {
        m_terms->addItem(rs.value(QStringLiteral("Palabra")));
        rs.moveNext();
    }
    if (rs.isOpen())
        rs.close();
}

void Glosario::consultar()
{
    // The term is looked up as it is; a term that is not in the glossary
    // changes nothing.
    jet::RecordSet rs = module().Conexion.glossaryTerm(m_terms->text());
    if (!rs.eof())
        m_definition->setPlainText(rs.value(QStringLiteral("Significado")));
    if (rs.isOpen())
        rs.close();
}

void Glosario::finalizar() { unloadScreen(); }

void Glosario::unload() { setMainEnabled(true); }

// ---------------------------------------------------------------------------

EstadosF::EstadosF() : Screen(QStringLiteral("EstadosF"))
{
    setWindowFlags(kNoControlBox);
    setWindowTitle(QStringLiteral("ESTADOS FENOLÓGICOS Y EVOLUCIÓN DE LOS PARÁSITOS DE LA VID EN CADA UNO"));
    m_stages = new SimpleCombo(this);
    m_stages->setObjectName(QStringLiteral("Combo1"));
    m_stages->setMinimumSize(170, 330);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Text1"));
    m_name->setReadOnly(true);
    QFont big = m_name->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    m_name->setFont(big);
    m_first = new PictureBox(this);
    m_first->setObjectName(QStringLiteral("Image2"));
    m_second = new PictureBox(this);
    m_second->setObjectName(QStringLiteral("Image1"));
    for (PictureBox *b : {m_first, m_second}) {
        b->setFixedSize(Twips::size(4335, 3255));
        b->setKeyboardClickable(true);
        connect(b, &PictureBox::clicked, this, [b] { PhotoViewer::enlarge(b); });
    }
    auto *image5 = new QLabel(this);
    image5->setObjectName(QStringLiteral("Image5"));
    image5->setPixmap(Artwork::vineyard(QSize(170, 100)));
    QPushButton *consultar = named::button(this, "Command2", QStringLiteral("Consultar"));
    QPushButton *finalizar = named::button(this, "Command1", QStringLiteral("Finalizar"));
    QLabel *hint = named::label(
        this, "Label1", QStringLiteral("Para poder consultar, hacer click en alguna de las opciones de la lista."));

    auto *left = new QVBoxLayout;
    left->addWidget(m_stages, 1);
    left->addWidget(image5, 0, Qt::AlignHCenter);
    auto *photos = new QHBoxLayout;
    photos->addWidget(m_first);
    photos->addWidget(m_second);
    auto *right = new QVBoxLayout;
    right->addWidget(m_name);
    right->addLayout(photos);
    right->addWidget(hint);
    right->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(consultar);
    buttons->addWidget(finalizar);
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(consultar, &QPushButton::clicked, this, &EstadosF::consultar);
    connect(m_stages, &SimpleCombo::lookUp, this, &EstadosF::consultar);
    connect(finalizar, &QPushButton::clicked, this, &EstadosF::finalizar);
    closeOnEscape(this, [this] { this->finalizar(); });
    auto *tracker = new PointerTracker(this);
    connect(tracker, &PointerTracker::pointerOver, this, &EstadosF::pointerOver);
}

void EstadosF::load()
{
    setMainEnabled(false);
    m_stages->setText(QStringLiteral("Estado A"));
    consultar();
    for (const PhenologicalStages::Stage &s : PhenologicalStages::all())
        m_stages->addItem(s.item);
}

void EstadosF::loadInto(PictureBox *box, const QString &relative)
{
    const QString path = module().RutaFotos + relative;
    if (!FileCheck::check(path)) {
        box->clear();
        return;
    }
    if (!box->loadFile(path)) {
        FileCheck::reportDamaged(path);
        box->clear();
    }
}

void EstadosF::consultar()
{
    for (const PhenologicalStages::Stage &s : PhenologicalStages::all()) {
        if (s.item != m_stages->text())
            continue;
        m_name->setText(s.text);
        loadInto(m_first, s.firstPhoto);
        loadInto(m_second, s.secondPhoto);
    }
}

void EstadosF::pointerOver(QWidget *control)
{
    if (auto *box = qobject_cast<PictureBox *>(control))
        box->setCursor(box->hasPicture() ? Artwork::handCursor() : QCursor(Qt::ArrowCursor));
}

void EstadosF::finalizar() { unloadScreen(); }

void EstadosF::unload() { setMainEnabled(true); }

// ---------------------------------------------------------------------------

Acercade::Acercade() : Screen(QStringLiteral("Acercade"))
{
    setWindowFlags(kNoControlBox);
    setWindowTitle(QStringLiteral("Acerca de Sarmo 1.2"));
    auto addPicture = [this](const char *name, const QPixmap &pm) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setPixmap(pm);
        return l;
    };
    QLabel *image1 = addPicture("Image1", Artwork::vineyard(QSize(150, 105)));
    QLabel *image2 = addPicture("Image2", Artwork::grapeBunch(QSize(70, 90)));
    QLabel *image3 = addPicture("Image3", Artwork::vineLeaf(QSize(44, 44)));
    QLabel *name = named::label(this, "Label3", QStringLiteral("Sarmo 1.2"));
    QFont big = name->font();
    big.setPointSize(22);
    big.setBold(true);
    name->setFont(big);
    name->setStyleSheet(QStringLiteral("color: #4b1d5c;"));
    QLabel *purpose =
        named::label(this, "Label6",
                     QStringLiteral("Aplicación informática para diágnóstico mediante síntomas de plagas y "
                                    "enfermedades en vid, así como su tratamiento."));
    QLabel *credits =
        named::label(this, "Label1",
                     QStringLiteral("Programa libre escrito en C++ con Qt 6; lee su base de datos con "
                                    "mdbtools. Textos, ilustraciones, comentarios y vídeos de demostración "
                                    "elaborados por el equipo de desarrollo de Sarmo."));
    QLabel *support = named::label(this, "Label2",
                                   QStringLiteral("Ayuda y avisos de fallos: página de ayuda (Ayuda > Contenido > "
                                                  "Adicional...) y el registro de incidencias del proyecto Sarmo."));
    auto *left = new QVBoxLayout;
    left->addWidget(image1);
    left->addWidget(image2, 0, Qt::AlignHCenter);
    left->addStretch();
    auto *title = new QHBoxLayout;
    title->addWidget(name);
    title->addWidget(image3);
    title->addStretch();
    auto *right = new QVBoxLayout;
    right->addLayout(title);
    right->addWidget(purpose);
    right->addSpacing(8);
    right->addWidget(credits);
    right->addWidget(support);
    right->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(Twips::size(7380, 4245).expandedTo(sizeHint()));
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    closeOnEscape(this, [this] { dismiss(); });
}

void Acercade::load() { setMainEnabled(false); }

void Acercade::dismiss() { unloadScreen(); }

void Acercade::unload() { setMainEnabled(true); }

void Acercade::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        dismiss();
}

bool Acercade::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        dismiss();
        return true;
    }
    return Screen::eventFilter(watched, event);
}
