#pragma once
// Reads the RTF documents of the data set (texts written over the years with
// WordPad, Word 97-2003 and LibreOffice) into a QTextDocument for display in a
// read-only QTextEdit and for printing.
//
// What is kept: the text with its character formatting (font family, size,
// bold, italic, underline, strike-out, colours, super/subscript, capitals),
// paragraph formatting (alignment, indents, spacing, line spacing, tab stops,
// page breaks), list bullets and numbers as the text the writer put in front of
// each item, tables (one QTextTable per run of rows laid on a grid of all
// their cell edges, with merged cells and the cells' own borders; nested
// tables flattened into their outer cell), PNG, JPEG, WMF, EMF and bitmap
// pictures, the characters of SYMBOL fields, the final text of tracked
// changes, and hyperlink targets.
// What is dropped: headers, footers, footnotes, comments, styles (writers
// repeat the formatting on the text), shapes and embedded objects other than
// their picture (a text box keeps its text), hidden and deleted text.
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

// Pictures that are wider than a box of the given width (the width the
// document is laid out at), or than the table cell they are in, are shown at
// that width, keeping their proportions; when the box grows they get back the
// size the document gave them.
void fitPictures(QTextDocument *doc, qreal width);

}  // namespace rtf
