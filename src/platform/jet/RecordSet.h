#pragma once
// A read-only record set over the rows a query selected: end-of-rows test,
// row count, move next / previous / first, a column read by name, open state
// and close, as the screens use them.

#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace jet {

class RecordSet {
public:
    enum State { Closed = 0, Open = 1 };

    RecordSet() = default;
    RecordSet(QStringList columns, QList<QList<QVariant>> rows);

    State state() const { return m_open ? Open : Closed; }
    bool isOpen() const { return m_open; }
    void close();

    bool eof() const;         // past the last row (or no rows)
    bool bof() const;         // before the first row (or no rows)
    int recordCount() const;  // -1 when closed
    void moveNext();
    void movePrevious();
    void moveFirst();
    int position() const { return m_pos; }  // 0-based current row

    // Value of a column of the current row, as text ("" for null); an unknown
    // column or a position outside the rows yields "". Column names are
    // matched ignoring letter case.
    QString value(const QString &column) const;
    QVariant rawValue(const QString &column) const;

private:
    QStringList m_columns;
    QList<QList<QVariant>> m_rows;
    int m_pos = 0;
    bool m_open = false;
};

}  // namespace jet
