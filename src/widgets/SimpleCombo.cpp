#include "widgets/SimpleCombo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

SimpleCombo::SimpleCombo(QWidget *parent) : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_list, 1);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusProxy(m_edit);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { m_edit->setText(item->text()); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_edit->setText(item->text());
        emit lookUp();
    });
    connect(m_edit, &QLineEdit::returnPressed, this, &SimpleCombo::lookUp);
    // Moving through the list with the keyboard fills the text field as a
    // click does; Enter in the list looks up as Enter in the field does.
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item && m_list->hasFocus())
            m_edit->setText(item->text());
    });
    m_list->installEventFilter(this);
}

bool SimpleCombo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            emit lookUp();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString SimpleCombo::text() const { return m_edit->text(); }
void SimpleCombo::setText(const QString &text) { m_edit->setText(text); }

QStringList SimpleCombo::items() const
{
    QStringList all;
    for (int i = 0; i < m_list->count(); ++i)
        all << m_list->item(i)->text();
    return all;
}

void SimpleCombo::addItem(const QString &item) { m_list->addItem(item); }

bool SimpleCombo::pickItem(const QString &item)
{
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->text() == item) {
            m_list->setCurrentRow(i);
            m_list->scrollToItem(m_list->item(i));
            m_edit->setText(item);
            return true;
        }
    }
    return false;
}

void SimpleCombo::doubleClickCurrent()
{
    if (QListWidgetItem *item = m_list->currentItem()) {
        m_edit->setText(item->text());
        emit lookUp();
    }
}
