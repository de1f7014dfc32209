#include "widgets/PhotoList.h"

#include <QLabel>
#include <QPushButton>

#include "core/FileCheck.h"
#include "core/Module1.h"
#include "widgets/FileMessages.h"
#include "widgets/PictureBox.h"

PhotoList::PhotoList(PictureBox *photo, QLabel *caption, QPushButton *next, QPushButton *previous, Enable enable)
    : m_photo(photo), m_caption(caption), m_next(next), m_previous(previous), m_enable(std::move(enable))
{ }

void PhotoList::setEnabled(QPushButton *button, bool enabled)
{
    if (m_enable)
        m_enable(button, enabled);
    else
        button->setEnabled(enabled);
}

QString PhotoList::photoPath(const jet::RecordSet &row)
{
    return module().RutaFotos + QLatin1Char('\\') + row.value(QStringLiteral("NombreEnfermedad")) + QLatin1Char('\\')
        + row.value(QStringLiteral("Foto"));
}

void PhotoList::open(jet::RecordSet rows)
{
    m_rows = std::move(rows);
    if (m_rows.eof()) {
        // No photos: nothing to step through.
        setEnabled(m_next, false);
        return;
    }
    showRow();
    m_position = 1;
    if (m_rows.recordCount() == 1)
        setEnabled(m_next, false);
}

void PhotoList::showRow()
{
    // A missing photo is reported and the box keeps its picture; the caption
    // follows the row either way. A row without a photo name counts as missing.
    const QString path = photoPath(m_rows);
    if (!FileCheck::exists(path, m_rows.value(QStringLiteral("Foto"))))
        FileCheck::reportMissing(path);
    else if (!m_photo->loadFile(path))
        FileCheck::reportDamaged(path);
    m_caption->setText(m_rows.value(QStringLiteral("Descripcion")));
}

void PhotoList::next()
{
    if (m_rows.recordCount() < 1) {
        setEnabled(m_next, false);
        setEnabled(m_previous, false);
        return;
    }
    setEnabled(m_previous, true);
    if (m_position < m_rows.recordCount()) {
        m_rows.moveNext();
        ++m_position;
        showRow();
    }
    if (m_position >= m_rows.recordCount())
        setEnabled(m_next, false);
}

void PhotoList::previous()
{
    if (m_rows.recordCount() < 1) {
        setEnabled(m_next, false);
        setEnabled(m_previous, false);
        return;
    }
    setEnabled(m_next, true);
    if (m_position > 1) {
        m_rows.movePrevious();
        --m_position;
        showRow();
    }
    if (m_position == 1)
        setEnabled(m_previous, false);
}

void PhotoList::close()
{
    if (m_rows.isOpen())
        m_rows.close();
}
