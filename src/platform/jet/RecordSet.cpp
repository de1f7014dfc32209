#include "platform/jet/RecordSet.h"

#include "platform/jet/MdbFile.h"

namespace jet {

RecordSet::RecordSet(QStringList columns, QList<QList<QVariant>> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows)), m_pos(0), m_open(true)
{ }

void RecordSet::close()
{
    m_open = false;
    m_rows.clear();
    m_pos = 0;
}

bool RecordSet::eof() const { return !m_open || m_rows.isEmpty() || m_pos >= m_rows.size(); }

bool RecordSet::bof() const { return !m_open || m_pos < 0 || m_rows.isEmpty(); }

int RecordSet::recordCount() const { return m_open ? int(m_rows.size()) : -1; }

void RecordSet::moveNext()
{
    if (m_open && m_pos < m_rows.size())
        ++m_pos;
}

void RecordSet::movePrevious()
{
    if (m_open && m_pos >= 0)
        --m_pos;
}

void RecordSet::moveFirst() { m_pos = 0; }

QVariant RecordSet::rawValue(const QString &column) const
{
    if (!m_open || m_pos < 0 || m_pos >= m_rows.size())
        return {};
    // Column names are matched as Jet matches them, ignoring letter case.
    qsizetype index = 0;
    while (index < m_columns.size() && !sameName(m_columns.at(index), column))
        ++index;
    if (index == m_columns.size())
        return {};
    const QList<QVariant> &row = m_rows.at(m_pos);
    return index < row.size() ? row.at(index) : QVariant();
}

QString RecordSet::value(const QString &column) const
{
    const QVariant v = rawValue(column);
    return v.isNull() ? QString() : v.toString();
}

}  // namespace jet
