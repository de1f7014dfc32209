#pragma once
// The catalogues' look-up: the first entry whose field equals the text
// exactly (letter case included), or nullptr. Entries are few (57), and a
// look-up happens when a key is set, not per frame.

#include <QList>
#include <QString>

template <typename Entry>
const Entry *findEntry(const QList<Entry> &entries, QString Entry::*field, const QString &text)
{
    for (const Entry &entry : entries)
        if (entry.*field == text)
            return &entry;
    return nullptr;
}
