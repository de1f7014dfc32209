#pragma once
// Writes the data set's RTF documents from a small plain-text markup, the way
// a word processor would write them (Windows-1252 with \'hh escapes, \uN for
// everything else, a font and colour table, list text in front of list items,
// \trowd ... \cell ... \row tables). The data-set builder uses it; readRtf()
// reads back everything it writes.
//
// The markup, line by line:
//   # Title            heading, bold and large      ## Subtitle   smaller heading
//   - item             bullet item                  1. item       numbered item
//   | a | b |          table row; consecutive rows make one table. A row of
//                      dashes ("|---|:--:|") after the first row makes that row
//                      a header (bold, shaded).
//   (blank line)       ends a paragraph
//   any other line     paragraph text; consecutive lines join with a space
// Inside any text: **bold**, *italic*, and a backslash writes the next
// character as it is (\* \| \\). Bold and italic end with their paragraph,
// item or cell.

#include <QByteArray>
#include <QString>

namespace rtf {

struct WriteOptions {
    QString fontFamily = QStringLiteral("Arial");
    int fontSize = 11;  // points
    QString title;      // the document's title (\info), when not empty
};

QByteArray writeRtf(const QString &markup, const WriteOptions &options = {});

}  // namespace rtf
