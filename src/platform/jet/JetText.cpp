#include "platform/jet/JetText.h"

#include <QCollator>
#include <QLocale>

namespace jet {

namespace {

const QCollator &spanishCollator()
{
    // Case is ignored by the sort; accents stay significant, so they only
    // decide between words that are otherwise equal.
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Spanish, QLocale::Spain));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator;
}

}  // namespace

int collate(const QString &a, const QString &b) { return spanishCollator().compare(a, b); }

bool textEquals(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace jet
