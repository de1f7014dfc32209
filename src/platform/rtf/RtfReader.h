#pragma once
// Reads the RTF documents of the data set (texts written over the years with
// WordPad, Word 97-2003 and LibreOffice) into a QTextDocument for display in a
// read-only QTextEdit and for printing.
//
// What is kept: the text with its character formatting (font family, size,
// bold, italic, underline, strike-out, colours, super/subscript, capitals),
// paragraph formatting (alignment, indents, spacing, line spacing, tab stops,
// page breaks), list bullets and numbers as the text the writer put in front of
// each item, tables (one QTextTable per run of rows; nested tables flattened
// into their outer cell), PNG and JPEG pictures, and hyperlink targets.
// What is dropped: headers, footers, footnotes, comments, styles (writers
// repeat the formatting on the text), metafile and bitmap pictures, shapes and
// embedded objects other than their picture, hidden text.
//
// Damaged or hostile input never stops reading: unbalanced braces, truncated
// files, absurd numbers and deep nesting are read as far as they make sense,
// in time and memory proportional to the input.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace rtf {

struct ReadResult {
    bool ok = false;
    QString error;  // Spanish, for the user; empty when ok
};

// Parses RTF bytes into doc (cleared first). ok=false only when the data is
// not RTF at all ("{\rtf" missing): then doc is left empty.
ReadResult readRtf(const QByteArray &data, QTextDocument *doc);

// The same for a file; also fails, with doc left empty, when the file cannot
// be read.
ReadResult readRtfFile(const QString &path, QTextDocument *doc);

}  // namespace rtf
