#include "shell/HomeScreen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Module1.h"
#include "core/NameLookup.h"
#include "core/ScreenTable.h"
#include "platform/jet/JetText.h"
#include "shell/Sarmo.h"
#include "shell/ScreenRegistry.h"
#include "widgets/Artwork.h"
#include "widgets/Named.h"
#include "widgets/PointerTracker.h"
#include "widgets/TilePuzzle.h"

namespace {

QFrame *shape(QWidget *parent, const char *name)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setFrameShape(QFrame::Box);
    f->setLineWidth(2);
    // A drawn rectangle: the pointer over it is over the screen.
    f->setProperty("pointerTransparent", true);
    return f;
}

}  // namespace

const QHash<QString, QString> &HomeScreen::hints()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("Form1"), QStringLiteral(" ")},
        {QStringLiteral("Frame2"),
         QStringLiteral("En este apartado puede DIAGNOSTICAR plagas y enfermedades mediante los síntomas que aparecen "
                        "en las distintas zonas de la VIÑA.")},
        {QStringLiteral("Frame3"),
         QStringLiteral("En este apartado puede obtener una guía para realizar su TRATAMIENTO si ya conoce cuál es su "
                        "plaga o enfermedad, así como obtener información acerca de ella, para ello introducca el "
                        "nombre de ésta (científico ARRIBA o común DEBAJO).")},
        {QStringLiteral("Command1"),
         QStringLiteral("Pulse aquí para diagnosticar su plaga o enfermedad en viña, si aprecia los síntomas en las "
                        "HOJAS.")},
        {QStringLiteral("Command2"),
         QStringLiteral("Pulse aquí para diagnosticar su plaga o enfermedad en viña, si aprecia los síntomas en los "
                        "RACIMOS.")},
        {QStringLiteral("Command3"),
         QStringLiteral("Pulsa aquí para diagnosticar su plaga o enfermedad en viña, si aprecia los síntomas en los "
                        "PÁMPANOS Y/O SARMIENTOS.")},
        {QStringLiteral("Command4"),
         QStringLiteral("Pulsa aquí para diagnosticar su plaga o enfermedad en viña, si aprecia los síntomas en los "
                        "TRONCOS Y BRAZOS.")},
        {QStringLiteral("Command6"),
         QStringLiteral("Pulsa aquí para diagnosticar su plaga o enfermedad en viña, si aprecia los síntomas en las "
                        "RAÍCES.")},
        {QStringLiteral("Command9"),
         QStringLiteral("Pulsa aquí para diagnosticar su plaga o enfermedad en viña, si aprecia los síntomas en las "
                        "YEMAS.")},
        {QStringLiteral("Command5"), QStringLiteral("Pulse aquí para CERRAR esta sesión")},
    };
    return table;
}

HomeScreen::HomeScreen() : Screen(QStringLiteral("Form1"))
{
    setWindowTitle(QStringLiteral("DIAGNÓSTICO MEDIANTE SÍNTOMAS"));

    QFont heading = font();
    heading.setPointSize(heading.pointSize() + 4);
    heading.setBold(true);

    // Upper half: diagnosis by the organ where the symptoms are seen.
    QFrame *shape1 = shape(this, "Shape1");
    auto *diagLayout = new QGridLayout(shape1);
    QLabel *label1 = named::label(shape1, "Label1", QStringLiteral("DIAGNÓSTICO"), named::Wrap::Off);
    label1->setFont(heading);
    diagLayout->addWidget(label1, 0, 0, 1, 3, Qt::AlignHCenter);
    auto *frame2 = new QGroupBox(QStringLiteral("VIÑA"), shape1);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto *organs = new QGridLayout(frame2);
    organs->addWidget(organButton("Command1", QStringLiteral("HOJAS"), QStringLiteral("Form2")), 0, 0);
    organs->addWidget(organButton("Command2", QStringLiteral("RACIMOS"), QStringLiteral("Form10")), 0, 1);
    organs->addWidget(organButton("Command3", QStringLiteral("PÁMPANOS Y/O SARMIENTOS"), QStringLiteral("Form19")), 1,
                      0);
    organs->addWidget(organButton("Command4", QStringLiteral("TRONCOS Y BRAZOS"), QStringLiteral("Form23")), 1, 1);
    organs->addWidget(organButton("Command6", QStringLiteral("RAÍCES"), QStringLiteral("Form27")), 2, 0);
    organs->addWidget(organButton("Command9", QStringLiteral("YEMAS"), QStringLiteral("Form21")), 2, 1);
    diagLayout->addWidget(named::picture(shape1, "Image2", Artwork::vineLeaf(QSize(64, 64), -20)), 1, 0);
    diagLayout->addWidget(frame2, 1, 1);
    diagLayout->addWidget(named::picture(shape1, "Image3", Artwork::grapeBunch(QSize(64, 80))), 1, 2);

    // Lower half: treatment of a pest or disease known by its name.
    QFrame *shape2 = shape(this, "Shape2");
    auto *treatLayout = new QGridLayout(shape2);
    QLabel *label2 = named::label(shape2, "Label2", QStringLiteral("TRATAMIENTO"), named::Wrap::Off);
    label2->setFont(heading);
    treatLayout->addWidget(label2, 0, 0, 1, 3, Qt::AlignHCenter);
    auto *frame3 = new QGroupBox(shape2);
    frame3->setObjectName(QStringLiteral("Frame3"));
    // The two lists on the left, a gap between them at the frame's middle
    // (the pointer there is over the frame itself), the button on the right.
    auto *lookup = new QGridLayout(frame3);
    lookup->addWidget(named::label(frame3, "Label3", QStringLiteral("Nombre científico"), named::Wrap::Off), 0, 0);
    m_scientific = new QComboBox(frame3);
    m_scientific->setObjectName(QStringLiteral("Combo1"));
    m_scientific->setEditable(true);
    m_scientific->setInsertPolicy(QComboBox::NoInsert);
    m_scientific->setMinimumContentsLength(26);
    lookup->addWidget(m_scientific, 1, 0);
    lookup->setRowMinimumHeight(2, 28);
    lookup->addWidget(named::label(frame3, "Label4", QStringLiteral("Nombre común"), named::Wrap::Off), 3, 0);
    m_common = new QComboBox(frame3);
    m_common->setObjectName(QStringLiteral("Combo2"));
    m_common->setEditable(true);
    m_common->setInsertPolicy(QComboBox::NoInsert);
    m_common->setMinimumContentsLength(26);
    lookup->addWidget(m_common, 4, 0);
    m_accept = new QPushButton(QStringLiteral("ACEPTAR"), frame3);
    m_accept->setObjectName(QStringLiteral("Command8"));
    m_accept->setMinimumHeight(36);
    lookup->addWidget(m_accept, 0, 1, 2, 1);
    QLabel *label6 = named::label(frame3, "Label6",
                                  QStringLiteral("Recuerda que debes hacer click en la lista desplegable para activar "
                                                 "el botón ACEPTAR"));
    label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lookup->addWidget(label6, 3, 1, 2, 1);
    lookup->setColumnStretch(0, 3);
    lookup->setColumnStretch(1, 2);
    treatLayout->addWidget(named::picture(shape2, "Image4", Artwork::vineLeaf(QSize(56, 56), 30, QColor(120, 150, 50))),
                           1, 0);
    treatLayout->addWidget(frame3, 1, 1);
    treatLayout->addWidget(named::picture(shape2, "Image5", Artwork::vineLeaf(QSize(56, 56), -35)), 1, 2);

    // Right column: the puzzle.
    m_puzzle = new TilePuzzle(this);
    m_puzzle->setObjectName(QStringLiteral("TilePuzzle1"));
    m_puzzle->setCols(3);
    m_puzzle->setRows(3);
    m_puzzle->setLineColor(QColor(0, 64, 0));
    m_puzzle->setPicture(Artwork::puzzlePicture(QSize(240, 240)));
    m_puzzle->setFixedSize(200, 200);
    m_puzzle->setVisible(false);
    m_again = new QPushButton(QStringLiteral("Volver a jugar"), this);
    m_again->setObjectName(QStringLiteral("Command7"));
    m_again->setVisible(false);
    auto *right = new QVBoxLayout;
    right->addWidget(named::picture(this, "Image6", Artwork::vineyard(QSize(200, 120))));
    right->addSpacing(8);
    right->addWidget(m_puzzle, 0, Qt::AlignHCenter);
    right->addWidget(m_again, 0, Qt::AlignHCenter);
    right->addStretch();

    m_hint = named::label(this, "Label5", QString(), named::Wrap::Off);
    m_hint->setWordWrap(true);
    m_hint->setMinimumHeight(fontMetrics().lineSpacing() * 3);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_hint->setFrameShape(QFrame::StyledPanel);
    auto *terminar = new QPushButton(QStringLiteral("TERMINAR"), this);
    terminar->setObjectName(QStringLiteral("Command5"));
    connect(terminar, &QPushButton::clicked, this, [this] { unloadScreen(); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(shape1, 0, 0);
    grid->addWidget(shape2, 1, 0);
    grid->addLayout(right, 0, 1, 2, 1);
    grid->addWidget(m_hint, 2, 0);
    auto *corner = new QHBoxLayout;
    corner->addWidget(named::picture(this, "Image7", Artwork::grapeBunch(QSize(48, 60))));
    corner->addStretch();
    corner->addWidget(terminar, 0, Qt::AlignBottom);
    grid->addLayout(corner, 2, 1);
    grid->setColumnStretch(0, 1);

    for (QComboBox *combo : {m_scientific, m_common}) {
        combo->setCompleter(nullptr);
        combo->lineEdit()->installEventFilter(this);
        connect(combo, &QComboBox::editTextChanged, this, [this] { m_accept->setEnabled(false); });
        connect(combo, &QComboBox::activated, this, [this, combo] { picked(combo); });
    }
    connect(m_accept, &QPushButton::clicked, this, &HomeScreen::aceptar);
    connect(m_puzzle, &TilePuzzle::completed, m_again, &QWidget::show);
    connect(m_again, &QPushButton::clicked, this, [this] {
        m_puzzle->newGame();
        m_again->hide();
    });

    m_tracker = new PointerTracker(this);
    connect(m_tracker, &PointerTracker::pointerOver, this, &HomeScreen::pointerOver);
}

QPushButton *HomeScreen::organButton(const char *name, const QString &caption, const QString &screen)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setMinimumHeight(36);
    connect(button, &QPushButton::clicked, this, [this, screen] {
        ScreenRegistry &registry = Sarmo::registry();
        if (!registry.knows(screen))
            return;
        registry.open(screen);
        unloadScreen();
    });
    return button;
}

void HomeScreen::load()
{
    m_puzzle->newGame();
    m_puzzle->setVisible(true);
    m_puzzle->newGame();
    m_accept->setEnabled(false);
    fillList(m_scientific, NameLookup::scientificNames());
    fillList(m_common, NameLookup::commonNames());
}

void HomeScreen::fillList(QComboBox *combo, const QStringList &names)
{
    // Added in their order; the list shows them alphabetically.
    QStringList sorted = names;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString &a, const QString &b) { return jet::collate(a, b) < 0; });
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(sorted);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

void HomeScreen::picked(QComboBox *combo)
{
    QComboBox *other = combo == m_scientific ? m_common : m_scientific;
    other->setEditText(QString());  // disables ACEPTAR through the text change
    m_accept->setEnabled(true);
}

void HomeScreen::aceptar()
{
    ModuleState &m = module();
    m.consultation.setKey(
        NameLookup::keyFor(m_scientific->currentText(), m_common->currentText(), m.consultation.key()));
    m.consultation.setSymptom(q::homeSymptom());
    Sarmo::registry().open(QStringLiteral("ResultadoVid"));
    unloadScreen();
}

bool HomeScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_scientific->lineEdit() || watched == m_common->lineEdit())) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter runs ACEPTAR only while it is enabled; otherwise nothing.
            if (m_accept->isEnabled())
                aceptar();
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

void HomeScreen::pointerOver(QWidget *control)
{
    auto it = hints().constFind(control->objectName());
    if (it != hints().constEnd())
        m_hint->setText(*it);
}
