#pragma once
// The existence rule every screen applies before it loads a file, and the
// texts of the messages about a file that cannot be used (the messages
// themselves are shown by widgets/FileMessages.h).
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

}  // namespace FileCheck
