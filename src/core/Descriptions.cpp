#include "core/Descriptions.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>

namespace Descriptions {

QList<QPair<QString, QString>> parse(const QString &source)
{
    QList<QPair<QString, QString>> entries;
    QString key, text;
    auto flush = [&] {
        if (!key.isEmpty())
            entries << qMakePair(key, text.trimmed());
        key.clear();
        text.clear();
    };
    const QStringList lines = source.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            flush();
            key = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        if (line.isEmpty() || key.isEmpty())
            continue;
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + line;
    }
    flush();
    return entries;
}

namespace {

const QHash<QString, QString> &table()
{
    static const QHash<QString, QString> texts = [] {
        QHash<QString, QString> all;
        QDirIterator it(QStringLiteral(":/textos"), {QStringLiteral("*.txt")}, QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly))
                continue;
            for (const auto &[k, v] : parse(QString::fromUtf8(f.readAll())))
                all.insert(k, v);
        }
        return all;
    }();
    return texts;
}

}  // namespace

QString text(const QString &key) { return table().value(key); }
bool has(const QString &key) { return table().contains(key); }
QStringList keys() { return table().keys(); }

}  // namespace Descriptions
