#include "screens/QuestionScreen.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Descriptions.h"
#include "core/FileCheck.h"
#include "core/Module1.h"
#include "screens/PhotoViewer.h"
#include "shell/Sarmo.h"
#include "shell/ScreenRegistry.h"
#include "widgets/Artwork.h"
#include "widgets/FileMessages.h"
#include "widgets/OptionButton.h"
#include "widgets/PictureBox.h"
#include "widgets/PointerTracker.h"
#include "widgets/Twips.h"

using namespace q;

namespace {

// The photos lie in an area as large as their boxes need, at their positions
// in twips; the screen's title is written above them.
QWidget *photoArea(QWidget *parent, const ScreenTable &table)
{
    auto *area = new QWidget(parent);
    int right = 0, bottom = 0;
    for (const BoxDef &b : table.boxes) {
        right = std::max(right, b.left + b.width);
        bottom = std::max(bottom, b.top + b.height);
    }
    area->setFixedSize(Twips::size(right + 360, bottom + 240));
    return area;
}

}  // namespace

QuestionScreen::QuestionScreen(const ScreenTable &table)
    : Screen(table.name), m_table(table), m_group(new QButtonGroup(this))
{
    setWindowTitle(table.title);

    QWidget *area = photoArea(this, table);
    auto *title = new QLabel(table.title, area);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: #3d2452;"));
    title->setWordWrap(true);
    title->setGeometry(Twips::toPixels(480), 6, area->width() - Twips::toPixels(960),
                       std::max(Twips::toPixels(600), title->sizeHint().height()));
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Created in index order, so a higher ImageK lies in front.
    QList<BoxDef> boxes = table.boxes;
    std::sort(boxes.begin(), boxes.end(), [](const BoxDef &a, const BoxDef &b) { return a.index < b.index; });
    for (const BoxDef &b : boxes) {
        auto *box = new PictureBox(area);
        box->setObjectName(QStringLiteral("Image%1").arg(b.index));
        box->setGeometry(Twips::rect(b.left, b.top, b.width, b.height));
        box->setVisible(b.visibleAtLoad);
        m_boxes.insert(b.index, box);
        const int index = b.index;
        box->setKeyboardClickable(true);
        connect(box, &PictureBox::clicked, this, [this, index] { boxClicked(index); });
    }

    auto *optionsBox = new QWidget(this);
    auto *optionsLayout = new QVBoxLayout(optionsBox);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    optionsLayout->setSpacing(4);
    for (const OptionDef &o : table.options) {
        auto *radio = new OptionButton(o.caption, optionsBox);
        radio->setObjectName(QStringLiteral("Option%1").arg(o.index));
        radio->setCursor(Artwork::handCursor());
        m_group->addButton(radio, o.index);
        m_options.insert(o.index, radio);
        optionsLayout->addWidget(radio);
        const int index = o.index;
        connect(radio, &QRadioButton::clicked, this, [this, index] { optionClicked(index); });
    }
    optionsLayout->addStretch();

    m_hint = makeHintBox(this);

    auto *volverButton = new QPushButton(QStringLiteral("<< VOLVER"), this);
    volverButton->setObjectName(QStringLiteral("Command1"));
    auto *siguienteButton = new QPushButton(QStringLiteral("SIGUIENTE >>"), this);
    siguienteButton->setObjectName(QStringLiteral("Command2"));
    auto *terminarButton = new QPushButton(QStringLiteral("TERMINAR"), this);
    terminarButton->setObjectName(QStringLiteral("Command3"));
    for (QPushButton *b : {volverButton, siguienteButton, terminarButton}) {
        b->setCursor(Artwork::handCursor());
        b->setMinimumSize(130, 34);
    }
    connect(volverButton, &QPushButton::clicked, this, &QuestionScreen::volver);
    connect(siguienteButton, &QPushButton::clicked, this, &QuestionScreen::siguiente);
    connect(terminarButton, &QPushButton::clicked, this, [this] { unloadScreen(); });

    auto *middle = new QHBoxLayout;
    middle->addWidget(optionsBox, 1);
    middle->addSpacing(12);
    middle->addWidget(m_hint, 0, Qt::AlignTop);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(volverButton);
    buttons->addStretch();
    buttons->addWidget(siguienteButton);
    buttons->addSpacing(24);
    buttons->addWidget(terminarButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(area, 0, Qt::AlignLeft);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    optionsBox->setMinimumWidth(std::max(420, area->width() - m_hint->width() - 24));

    m_tracker = new PointerTracker(this);
    connect(m_tracker, &PointerTracker::pointerOver, this, &QuestionScreen::pointerOver);
}

QPlainTextEdit *QuestionScreen::makeHintBox(QWidget *parent)
{
    auto *hint = new QPlainTextEdit(parent);
    hint->setObjectName(QStringLiteral("Text1"));
    hint->setReadOnly(true);
    hint->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    hint->setFixedSize(Twips::size(4335, 3255));
    // The box is the size of a photo box and holds up to about a thousand
    // characters: the longest description fits without scrolling, in a
    // narrower cut of the font where the system has one. The size is in
    // device-independent pixels, so it scales with the box.
    QFont font = hint->font();
    font.setPixelSize(kHintPixelSize);
    font.setStretch(QFont::SemiCondensed);
    hint->setFont(font);
    hint->document()->setDocumentMargin(2);
    // A border of its own keeps whole at fractional scales; it shows the focus.
    hint->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #fffdf2; border: 1px solid #8c8c8c; }"
                                       "QPlainTextEdit:focus { border: 1px solid palette(highlight); }"));
    return hint;
}

void QuestionScreen::load()
{
    ModuleState &m = module();
    if (!m_table.sintoma.isNull())
        m.consultation.setSymptom(m_table.sintoma);
    if (!m_table.closeAtLoad.isEmpty())
        Sarmo::registry().close(m_table.closeAtLoad);
    if (m_table.selectOption1 && m_options.contains(1)) {
        m_options.value(1)->setChecked(true);
        optionClicked(1);
    }
    for (const auto &[index, photo] : m_table.loadPhotos)
        loadPhoto(m_boxes.value(index), photo);
}

int QuestionScreen::selectedOption() const
{
    const int id = m_group->checkedId();
    return id < 0 ? 0 : id;
}

bool QuestionScreen::loadPhoto(PictureBox *box, const QString &relative)
{
    if (!box)
        return false;
    const QString path = module().RutaFotos + relative;
    if (!FileCheck::check(path))
        return false;
    if (!box->loadFile(path)) {
        FileCheck::reportDamaged(path);
        return false;
    }
    return true;
}

void QuestionScreen::optionClicked(int index)
{
    const OptionDef *option = m_table.option(index);
    if (!option)
        return;
    for (const Action &a : option->actions)
        runAction(a);
}

void QuestionScreen::runAction(const Action &a)
{
    switch (a.kind) {
    case Action::Kind::Hide:
        if (PictureBox *b = m_boxes.value(a.box))
            b->hide();
        break;
    case Action::Kind::Show:
        if (PictureBox *b = m_boxes.value(a.box))
            b->show();
        break;
    case Action::Kind::Load: loadPhoto(m_boxes.value(a.box), a.value); break;
    case Action::Kind::StoreKey: module().consultation.setKey(a.value); break;
    }
}

bool QuestionScreen::holds(const Condition &c, const PictureBox *box) const
{
    if (!box || !box->hasPicture())
        return false;
    const int selected = selectedOption();
    switch (c.kind) {
    case Condition::Kind::Picture: return true;
    case Condition::Kind::PictureAndAnyOf: return c.options.contains(selected);
    case Condition::Kind::PictureAndNoneOf: return !c.options.contains(selected);
    }
    return false;
}

QString QuestionScreen::optionHint(const OptionDef &o) const
{
    const OptionHint &h = o.hint;
    switch (h.kind) {
    case OptionHint::Kind::Choice: return choiceText(h.choice);
    case OptionHint::Kind::Description: return Descriptions::text(h.textKey);
    case OptionHint::Kind::PhotoPair: {
        const bool selected = selectedOption() == o.index;
        const QString lead = selected ? h.leadFollow : h.leadPrompt;
        const QString main = selected ? followUpText(h.followUp) : promptText(h.prompt);
        return lead.isEmpty() ? main : lead + QLatin1Char(' ') + main;
    }
    }
    return {};
}

void QuestionScreen::setHint(const QString &text)
{
    if (m_hint->toPlainText() != text)
        m_hint->setPlainText(text);
}

void QuestionScreen::pointerOver(QWidget *control)
{
    const QString name = control->objectName();
    if (name.startsWith(QLatin1String("Option"))) {
        if (const OptionDef *o = m_table.option(name.mid(6).toInt()))
            setHint(optionHint(*o));
    } else if (name.startsWith(QLatin1String("Image"))) {
        boxPointer(name.mid(5).toInt());
    } else if (name.startsWith(QLatin1String("Command"))) {
        const int command = name.mid(7).toInt();
        if (command >= 1 && command <= 3)
            setHint(buttonHint(command, m_table.buttonHints[command - 1]));
    }
}

void QuestionScreen::boxPointer(int index)
{
    const BoxDef *def = m_table.box(index);
    PictureBox *box = m_boxes.value(index);
    if (!def || !box)
        return;
    const bool hand = holds(def->hand, box);
    box->setCursor(hand ? Artwork::handCursor() : QCursor(Qt::ArrowCursor));
    if (!hand && def->otherwiseHint != Choice::None)
        setHint(choiceText(def->otherwiseHint));
    if (!def->text.isEmpty()) {
        setHint(Descriptions::text(def->text));
        return;
    }
    const int selected = selectedOption();
    for (const auto &[option, key] : def->textByOption)
        if (option == selected)
            setHint(Descriptions::text(key));
}

void QuestionScreen::boxClicked(int index)
{
    const BoxDef *def = m_table.box(index);
    PictureBox *box = m_boxes.value(index);
    if (def && holds(def->click, box))
        PhotoViewer::enlarge(box);
}

void QuestionScreen::volver()
{
    ScreenRegistry &registry = Sarmo::registry();
    if (m_table.volverByOrgano) {
        static const QList<QPair<QString, QString>> organs{
            {QStringLiteral("HOJAS"), QStringLiteral("Form2")},
            {QStringLiteral("RACIMOS"), QStringLiteral("Form10")},
            {QStringLiteral("PÁMPANOS Y/O SARMIENTOS"), QStringLiteral("Form19")}};
        for (const auto &[organ, screen] : organs)
            if (module().consultation.organ() == organ)
                registry.open(screen);
    } else if (!m_table.volver.isEmpty()) {
        registry.open(m_table.volver);
    }
    unloadScreen();
}

void QuestionScreen::siguiente()
{
    const int selected = selectedOption();
    bool fired = false;
    for (const Rule &rule : m_table.rules) {
        const bool fires = rule.otherwise ? !fired : rule.options.isEmpty() || rule.options.contains(selected);
        if (!fires)
            continue;
        fired = true;
        if (rule.setsOrgano)
            module().consultation.setOrgan(windowTitle());
        if (!rule.setsSintoma.isEmpty())
            module().consultation.setSymptom(rule.setsSintoma);
        if (Sarmo::registry().knows(rule.target))
            Sarmo::registry().open(rule.target);
    }
    unloadScreen();
}
