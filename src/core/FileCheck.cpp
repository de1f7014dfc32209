#include "core/FileCheck.h"

#include <QDir>
#include <QFileInfo>

namespace FileCheck {

QString nativePath(const QString &builtPath)
{
    QString p = builtPath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

QString expectedName(const QString &builtPath)
{
    const qsizetype cut = std::max(builtPath.lastIndexOf(QLatin1Char('\\')), builtPath.lastIndexOf(QLatin1Char('/')));
    return builtPath.mid(cut + 1);
}

bool exists(const QString &builtPath, const QString &expected)
{
    if (expected.isEmpty())
        return false;
    const QFileInfo info(nativePath(builtPath));
    if (!info.isFile())
        return false;
    // The name the file system gives the entry, which on a case-insensitive
    // file system may differ from the one asked for.
    const QString canonical = info.canonicalFilePath();
    const QString onDisk = canonical.isEmpty() ? QString() : QFileInfo(canonical).fileName();
    if (onDisk == expected)
        return true;
    // A symbolic link or a case-insensitive file system: look the entry up in
    // its folder by exact name.
    // (No name filter: filters are wildcard patterns, and "[1]" in a file
    // name would not match itself.)
    const QStringList entries = info.dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
    return entries.contains(expected);
}

bool exists(const QString &builtPath) { return exists(builtPath, expectedName(builtPath)); }

QString missingText(const QString &builtPath)
{
    return builtPath
        + QStringLiteral(" no encontrado. El archivo ha sido modificado, eliminado o ha cambiado de ubicación.");
}

QString damagedText(const QString &builtPath)
{
    return builtPath + QStringLiteral(" no se puede leer. El archivo está dañado o no tiene el formato esperado.");
}

QString noDecoderText(const QString &builtPath)
{
    return builtPath + QStringLiteral(" no se puede reproducir: falta en el sistema el componente que lee su formato.");
}

}  // namespace FileCheck
