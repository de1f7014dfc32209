#pragma once
// Loads a rich-text document of the data set into a text box, with the
// existence check: a missing file gives the missing-file message, a file that
// is not readable RTF the damaged-file message, and in both cases the box
// keeps what it showed.

#include <QString>

class QTextEdit;

namespace DocumentLoader {

bool load(QTextEdit *box, const QString &builtPath);

}  // namespace DocumentLoader
