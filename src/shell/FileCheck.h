#pragma once
// The existence check every screen runs before it loads a file, and the
// message it shows when the file is missing.
//
// A path is built as the program always builds it: a location, "\" and a
// relative name ("datos/sarmo/Fotos\Melazo\melazo03.jpg"). The expected file
// name is the last component exactly as written; the file counts as present
// only when the directory entry's name is that same name, letter case
// included, on every platform.

#include <QString>

namespace FileCheck {

// The path with its separators made usable by the file system.
QString nativePath(const QString &builtPath);

// The expected file name: the last component of the built path.
QString expectedName(const QString &builtPath);

// True when a regular file is there whose directory entry is exactly
// expectedName (or the given name).
bool exists(const QString &builtPath);
bool exists(const QString &builtPath, const QString &expected);

// The missing-file message text for a built path.
QString missingText(const QString &builtPath);
// The damaged-file message text for a built path.
QString damagedText(const QString &builtPath);
// The message text for a sound or video file the system has no decoder for.
QString noDecoderText(const QString &builtPath);

// Shows the missing-file message box ("Error de carga", critical icon, OK).
void reportMissing(const QString &builtPath);
void reportDamaged(const QString &builtPath);
void reportNoDecoder(const QString &builtPath);

// exists(), and the missing-file message when it fails.
bool check(const QString &builtPath);

}  // namespace FileCheck
