#pragma once
// Collects what the RTF reader finds (paragraphs of formatted runs, pictures
// and table rows) and writes it into a QTextDocument in one pass at the end.
//
// Tables are gathered whole before they are written: QTextTable recomputes its
// cell grid after every row or column added, so growing one row at a time
// would make long tables quadratic. Writing each table once, at its final size,
// keeps reading linear.

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextFormat>
#include <QTextImageFormat>

#include <vector>

class QTextCursor;
class QTextDocument;

namespace rtf::detail {

// Widest table kept: cells past this one join the last cell of their row.
// Tables whose rows put their cells at more different places than this are
// laid on a coarser grid.
constexpr int kMaxTableColumns = 63;
// Merged cells in one document; more are shown unmerged. Each merge makes the
// table rescan its cells.
constexpr int kMaxMergedCells = 4096;
// Tables kept as tables in one document; the content of any further table is
// written as plain paragraphs. Each table makes the document rescan its frames
// once, in time proportional to the document, so the count must stay bounded.
constexpr int kMaxTables = 256;

// One edge of a cell's border: given or not, and if given its width (0: no
// line), style and colour.
struct BorderLine {
    bool given = false;
    int width = 0;  // twips; of each line of a double line
    QTextFrameFormat::BorderStyle style = QTextFrameFormat::BorderStyle_Solid;
    QColor color;  // invalid: the text colour (black)
};

enum BorderEdge { Top, Left, Bottom, Right, InsideHorizontal, InsideVertical };

// A cell's properties, given before its \cellxN.
struct CellDefinition {
    int right = 0;             // right edge, twips from the margin
    QColor background;         // invalid = none
    BorderLine border[4];      // Top, Left, Bottom, Right
    bool mergeFirst = false;   // \clmgf: first of horizontally merged cells
    bool merged = false;       // \clmrg: merged into the cell on its left
    bool vmergeFirst = false;  // \clvmgf: first of vertically merged cells
    bool vmerged = false;      // \clvmrg: merged into the cell above
};

// The row properties given by \trowd ... \cellxN.
struct RowDefinition {
    QList<CellDefinition> cells;
    BorderLine border[6];  // \trbrdrt, l, b, r, h (between rows), v (between cells)
    int left = 0;          // \trleft, twips
    int gap = 0;           // \trgaph, twips
    Qt::Alignment alignment = Qt::AlignLeft;
};

class DocumentBuilder {
public:
    // inTable says whether the content belongs to a table cell (the paragraph
    // carries \intbl); content outside a table closes the table being built.
    void addText(const QString &text, const QTextCharFormat &format, bool inTable);
    void addImage(const QTextImageFormat &format, bool inTable);
    void endParagraph(const QTextBlockFormat &block, const QTextCharFormat &chars, bool inTable);
    // Ends the paragraph in progress if it has content; otherwise nothing.
    void breakParagraph(const QTextBlockFormat &block, const QTextCharFormat &chars, bool inTable);
    // The next paragraph outside a table starts on a new page; a paragraph in
    // progress ends here.
    void pageBreak(const QTextBlockFormat &block, const QTextCharFormat &chars);
    // deleted: the cell's or row's end mark is a tracked deletion. A row
    // whose end mark and cell marks are all deleted was deleted whole, and
    // is left out with its content.
    void endCell(const QTextBlockFormat &block, const QTextCharFormat &chars, bool deleted = false);
    void endRow(const RowDefinition &row, bool deleted = false);

    // Writes everything into doc at its start. The paragraph still open gets
    // the given formats; a row still open gets the given row definition.
    void finish(QTextDocument *doc, const QTextBlockFormat &block, const QTextCharFormat &chars,
                const RowDefinition &row);

private:
    struct Run {
        QString text;  // empty for a picture
        QTextCharFormat format;
    };
    struct Paragraph {
        QTextBlockFormat block;
        QTextCharFormat chars;
        std::vector<Run> runs;
        bool pageBreakBefore = false;
    };
    struct Cell {
        std::vector<Paragraph> paragraphs;
        bool markDeleted = false;
    };
    struct Row {
        std::vector<Cell> cells;
        RowDefinition definition;
        bool defined = false;
    };
    struct Table {
        std::vector<Row> rows;
    };
    struct Item {  // a paragraph, or a table when table >= 0
        Paragraph paragraph;
        int table = -1;
    };

    Paragraph &currentParagraph(bool inTable);
    std::vector<Paragraph> &cellParagraphs();
    void leaveTable();
    void closeParagraph(const QTextBlockFormat &block, const QTextCharFormat &chars, bool inTable);

    void writeParagraph(QTextCursor &cursor, const Paragraph &p, bool reuseBlock, bool unjustify = false);
    void writeTable(QTextCursor &cursor, const Table &t);
    void writeTableAsParagraphs(QTextCursor &cursor, const Table &t, bool &reuseBlock);

    std::vector<Item> m_items;
    std::vector<Table> m_tables;
    bool m_paragraphOpen = false;
    bool m_tableOpen = false;  // m_items.back() is the table being filled
    bool m_rowOpen = false;
    bool m_cellOpen = false;
    bool m_pageBreakPending = false;
    int m_merges = 0;
};

}  // namespace rtf::detail
