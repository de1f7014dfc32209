#include "platform/rtf/RtfDocumentBuilder.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace rtf::detail {

namespace {

constexpr double kTwipsPerPixel = 15.0;  // 1440 twips an inch, 96 pixels an inch
constexpr int kMaxTwips = 31680;         // 22 inches, the widest page Word allows
constexpr int kNarrowCell = 2880;        // 2 inches

}  // namespace

void DocumentBuilder::leaveTable()
{
    if (!m_tableOpen)
        return;
    m_tableOpen = false;
    m_rowOpen = false;
    m_cellOpen = false;
    m_paragraphOpen = false;
}

std::vector<DocumentBuilder::Paragraph> &DocumentBuilder::cellParagraphs()
{
    if (!m_tableOpen) {
        m_paragraphOpen = false;
        m_tables.emplace_back();
        Item item;
        item.table = int(m_tables.size()) - 1;
        m_items.push_back(std::move(item));
        m_tableOpen = true;
        m_rowOpen = false;
    }
    Table &table = m_tables.back();
    if (!m_rowOpen) {
        table.rows.emplace_back();
        m_rowOpen = true;
        m_cellOpen = false;
    }
    Row &row = table.rows.back();
    if (!m_cellOpen) {
        if (int(row.cells.size()) < kMaxTableColumns)
            row.cells.emplace_back();
        m_cellOpen = true;
        m_paragraphOpen = false;
    }
    return row.cells.back().paragraphs;
}

DocumentBuilder::Paragraph &DocumentBuilder::currentParagraph(bool inTable)
{
    if (inTable) {
        std::vector<Paragraph> &paragraphs = cellParagraphs();
        if (!m_paragraphOpen || paragraphs.empty()) {
            paragraphs.emplace_back();
            m_paragraphOpen = true;
        }
        return paragraphs.back();
    }
    leaveTable();
    if (!m_paragraphOpen || m_items.empty() || m_items.back().table >= 0) {
        Item item;
        item.paragraph.pageBreakBefore = m_pageBreakPending;
        m_pageBreakPending = false;
        m_items.push_back(std::move(item));
        m_paragraphOpen = true;
    }
    return m_items.back().paragraph;
}

void DocumentBuilder::addText(const QString &text, const QTextCharFormat &format, bool inTable)
{
    if (text.isEmpty())
        return;
    Paragraph &p = currentParagraph(inTable);
    if (!p.runs.empty() && !p.runs.back().text.isEmpty() && p.runs.back().format == format)
        p.runs.back().text += text;
    else
        p.runs.push_back({text, format});
}

void DocumentBuilder::addImage(const QTextImageFormat &format, bool inTable)
{
    currentParagraph(inTable).runs.push_back({QString(), format});
}

void DocumentBuilder::closeParagraph(const QTextBlockFormat &block, const QTextCharFormat &chars, bool inTable)
{
    Paragraph &p = currentParagraph(inTable);
    p.block = block;
    p.chars = chars;
    m_paragraphOpen = false;
}

void DocumentBuilder::endParagraph(const QTextBlockFormat &block, const QTextCharFormat &chars, bool inTable)
{
    closeParagraph(block, chars, inTable);
}

void DocumentBuilder::breakParagraph(const QTextBlockFormat &block, const QTextCharFormat &chars, bool inTable)
{
    if (!m_paragraphOpen)
        return;
    if (inTable != m_tableOpen)
        return;  // the open paragraph belongs elsewhere; the next content closes it anyway
    closeParagraph(block, chars, inTable);
}

void DocumentBuilder::pageBreak(const QTextBlockFormat &block, const QTextCharFormat &chars)
{
    if (m_tableOpen)
        return;
    if (m_paragraphOpen && !m_items.empty() && m_items.back().table < 0 && !m_items.back().paragraph.runs.empty())
        closeParagraph(block, chars, false);
    if (!m_paragraphOpen)
        m_pageBreakPending = true;
}

void DocumentBuilder::endCell(const QTextBlockFormat &block, const QTextCharFormat &chars, bool deleted)
{
    cellParagraphs();
    m_tables.back().rows.back().cells.back().markDeleted = deleted;
    if (m_paragraphOpen)
        closeParagraph(block, chars, true);
    m_cellOpen = false;
    m_paragraphOpen = false;
}

void DocumentBuilder::endRow(const RowDefinition &row, bool deleted)
{
    if (!m_tableOpen || !m_rowOpen)
        return;
    std::vector<Row> &rows = m_tables.back().rows;
    Row &r = rows.back();
    if (deleted && std::all_of(r.cells.cbegin(), r.cells.cend(), [](const Cell &c) { return c.markDeleted; })) {
        rows.pop_back();
        m_rowOpen = false;
        m_cellOpen = false;
        m_paragraphOpen = false;
        return;
    }
    r.definition = row;
    r.defined = true;
    m_rowOpen = false;
    m_cellOpen = false;
    m_paragraphOpen = false;
}

void DocumentBuilder::finish(QTextDocument *doc, const QTextBlockFormat &block, const QTextCharFormat &chars,
                             const RowDefinition &row)
{
    if (m_paragraphOpen)
        closeParagraph(block, chars, m_tableOpen);
    if (m_tableOpen && m_rowOpen && !m_tables.back().rows.back().defined) {
        m_tables.back().rows.back().definition = row;
        m_tables.back().rows.back().defined = true;
    }

    QTextCursor cursor(doc);
    // One edit block for everything: outside one, each insertion lays out
    // its paragraph again to place the cursor, which is quadratic in the
    // length of long paragraphs.
    cursor.beginEditBlock();
    bool reuseBlock = true;  // the cursor stands in an empty block nothing was written to
    int tables = 0;
    for (const Item &item : m_items) {
        if (item.table >= 0) {
            const Table &t = m_tables[size_t(item.table)];
            if (t.rows.empty())
                continue;
            if (++tables > kMaxTables) {
                writeTableAsParagraphs(cursor, t, reuseBlock);
                continue;
            }
            writeTable(cursor, t);
            reuseBlock = true;
        } else {
            writeParagraph(cursor, item.paragraph, reuseBlock);
            reuseBlock = false;
        }
    }
    cursor.endEditBlock();
}

void DocumentBuilder::writeTableAsParagraphs(QTextCursor &cursor, const Table &t, bool &reuseBlock)
{
    for (const Row &row : t.rows) {
        for (const Cell &cell : row.cells) {
            for (const Paragraph &p : cell.paragraphs) {
                writeParagraph(cursor, p, reuseBlock);
                reuseBlock = false;
            }
        }
    }
}

void DocumentBuilder::writeParagraph(QTextCursor &cursor, const Paragraph &p, bool reuseBlock, bool unjustify)
{
    QTextBlockFormat block = p.block;
    if (unjustify && block.alignment() == Qt::AlignJustify)
        block.setAlignment(Qt::AlignLeft);
    if (p.pageBreakBefore)
        block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (reuseBlock) {
        cursor.setBlockFormat(block);
        cursor.setBlockCharFormat(p.chars);
    } else {
        cursor.insertBlock(block, p.chars);
    }
    for (const Run &run : p.runs) {
        if (run.text.isEmpty())
            cursor.insertImage(run.format.toImageFormat());
        else
            cursor.insertText(run.text, run.format);
    }
}

namespace {

// Where one cell of the table goes on the table's column grid.
struct Placement {
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    bool covered = false;  // merged into another cell: its content is not shown
    int cellIndex = 0;     // in its row
};

void applyBorder(QTextTableCellFormat &format, BorderEdge edge, const BorderLine &line)
{
    double width = line.width > 0 ? std::max(1.0, line.width / kTwipsPerPixel) : 0.0;
    // Word's width of a double line is that of each of its lines, with a gap
    // as wide between them; Qt divides the width it is given in three.
    if (line.style == QTextFrameFormat::BorderStyle_Double)
        width *= 3;
    const QBrush brush(line.color.isValid() ? line.color : QColor(Qt::black));
    const auto style = width > 0 ? line.style : QTextFrameFormat::BorderStyle_None;
    switch (edge) {
    case Top:
        format.setTopBorder(width);
        format.setTopBorderStyle(style);
        format.setTopBorderBrush(brush);
        break;
    case Left:
        format.setLeftBorder(width);
        format.setLeftBorderStyle(style);
        format.setLeftBorderBrush(brush);
        break;
    case Bottom:
        format.setBottomBorder(width);
        format.setBottomBorderStyle(style);
        format.setBottomBorderBrush(brush);
        break;
    case Right:
        format.setRightBorder(width);
        format.setRightBorderStyle(style);
        format.setRightBorderBrush(brush);
        break;
    default: break;
    }
}

}  // namespace

void DocumentBuilder::writeTable(QTextCursor &cursor, const Table &t)
{
    const int rows = int(t.rows.size());

    // The column grid: every place where some row has a cell edge, as Word
    // lays out a table whose rows divide it differently. A table with edges
    // at too many places gets a coarser grid.
    std::vector<int> edges;
    for (const Row &r : t.rows) {
        if (r.definition.cells.isEmpty())
            continue;
        int previous = r.definition.left;
        edges.push_back(previous);
        for (const CellDefinition &cell : r.definition.cells) {
            previous = std::max(previous, cell.right);
            edges.push_back(previous);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    double step = 0;
    const int origin = edges.empty() ? 0 : edges.front();
    if (int(edges.size()) > kMaxTableColumns + 1) {
        step = double(edges.back() - origin) / kMaxTableColumns;
        for (int &e : edges)
            e = origin + int(std::lround(std::lround((e - origin) / step) * step));
        edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    }
    auto gridIndex = [&](int position) {
        if (step > 0)
            position = origin + int(std::lround(std::lround((position - origin) / step) * step));
        return int(std::lower_bound(edges.begin(), edges.end(), position) - edges.begin());
    };
    const int gridColumns = std::max(int(edges.size()) - 1, 0);

    // Each cell's place and spans.
    std::vector<std::vector<Placement>> placed;
    placed.resize(size_t(rows));
    std::vector<int> openVertical;  // per grid column: index into placed[row] of the merge above, or -1
    std::vector<int> openVerticalRow;
    int columns = std::max(gridColumns, 1);
    for (int r = 0; r < rows; ++r) {
        const Row &row = t.rows[size_t(r)];
        const QList<CellDefinition> &defs = row.definition.cells;
        std::vector<Placement> &line = placed[size_t(r)];
        int next = 0;
        int previousRight = row.definition.left;
        for (int c = 0; c < int(row.cells.size()); ++c) {
            Placement p;
            p.row = r;
            p.cellIndex = c;
            if (c < defs.size()) {
                const int right = std::max(previousRight, defs[c].right);
                p.column = std::max(gridIndex(previousRight), next);
                p.columnSpan = std::max(gridIndex(right) - p.column, 1);
                previousRight = right;
            } else {
                p.column = std::max(next, gridColumns);
            }
            next = p.column + p.columnSpan;
            columns = std::max(columns, next);
            if (c < defs.size() && defs[c].merged && !line.empty()) {
                // \clmrg: the cell on the left grows over this one
                Placement &left = line.back();
                left.columnSpan = next - left.column;
                p.covered = true;
            }
            line.push_back(p);
        }
        // Vertical merges: a \clvmrg cell continues the merge above it when
        // it covers the same columns.
        std::vector<int> nextOpen(size_t(columns) + 1, -1), nextOpenRow(size_t(columns) + 1, -1);
        openVertical.resize(size_t(columns) + 1, -1);
        openVerticalRow.resize(size_t(columns) + 1, -1);
        for (int i = 0; i < int(line.size()); ++i) {
            Placement &p = line[size_t(i)];
            if (p.covered || p.cellIndex >= defs.size())
                continue;
            const CellDefinition &def = defs[p.cellIndex];
            const size_t col = size_t(p.column);
            if (def.vmerged && openVertical[col] >= 0) {
                Placement &above = placed[size_t(openVerticalRow[col])][size_t(openVertical[col])];
                if (above.columnSpan == p.columnSpan) {
                    above.rowSpan = r - above.row + 1;
                    p.covered = true;
                    nextOpen[col] = openVertical[col];
                    nextOpenRow[col] = openVerticalRow[col];
                    continue;
                }
            }
            if (def.vmergeFirst || def.vmerged) {
                nextOpen[col] = i;
                nextOpenRow[col] = r;
            }
        }
        openVertical = std::move(nextOpen);
        openVerticalRow = std::move(nextOpenRow);
    }

    // Column widths from the grid; columns past it (cells no \cellx placed)
    // take what is left.
    QList<QTextLength> widths;
    bool anyWidth = false;
    for (int c = 0; c < columns; ++c) {
        if (c < gridColumns) {
            const double width = std::clamp(edges[size_t(c) + 1] - edges[size_t(c)], 0, kMaxTwips) / kTwipsPerPixel;
            widths.append(QTextLength(QTextLength::FixedLength, width));
            anyWidth = anyWidth || width > 0;
        } else {
            widths.append(QTextLength(QTextLength::VariableLength, 0));
        }
    }

    const RowDefinition &first = t.rows.front().definition;
    QTextTableFormat format;
    if (anyWidth)
        format.setColumnWidthConstraints(widths);
    // The lines are the cells' own, as the document gives them.
    format.setBorder(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(std::clamp(first.gap, 0, 1440) / kTwipsPerPixel);
    format.setAlignment(first.alignment);

    QTextTable *table = cursor.insertTable(rows, columns, format);
    for (int r = 0; r < rows; ++r) {
        const Row &row = t.rows[size_t(r)];
        const RowDefinition &def = row.definition;
        for (const Placement &p : placed[size_t(r)]) {
            if (p.covered)
                continue;
            QTextTableCell cell = table->cellAt(p.row, p.column);
            QTextCursor cellCursor = cell.firstCursorPosition();
            bool reuse = true;
            // In a narrow cell most lines hold one word, which justifying
            // would spread out letter by letter: such cells are aligned left.
            const bool narrow = p.column < gridColumns
                && edges[size_t(std::min(p.column + p.columnSpan, gridColumns))] - edges[size_t(p.column)]
                    < kNarrowCell;
            for (const Paragraph &para : row.cells[size_t(p.cellIndex)].paragraphs) {
                writeParagraph(cellCursor, para, reuse, narrow);
                reuse = false;
            }
            // After the text: the cell's format is the character format of
            // its first block, which writing that block replaces.
            QTextTableCellFormat cf = cell.format().toTableCellFormat();
            bool changed = false;
            const CellDefinition *cellDef = p.cellIndex < def.cells.size() ? &def.cells[p.cellIndex] : nullptr;
            if (cellDef && cellDef->background.isValid()) {
                cf.setBackground(cellDef->background);
                changed = true;
            }
            // Each edge: the cell's own line, else the row's line for that
            // side of the table or between cells.
            const bool firstRow = p.row == 0;
            const bool lastRow = p.row + p.rowSpan >= rows;
            const bool firstColumn = p.column == 0;
            const bool lastColumn = p.column + p.columnSpan >= columns;
            const BorderEdge rowEdge[4] = {firstRow ? Top : InsideHorizontal, firstColumn ? Left : InsideVertical,
                                           lastRow ? Bottom : InsideHorizontal, lastColumn ? Right : InsideVertical};
            for (int e = 0; e < 4; ++e) {
                const BorderLine *line = nullptr;
                if (cellDef && cellDef->border[e].given)
                    line = &cellDef->border[e];
                else if (def.border[rowEdge[e]].given)
                    line = &def.border[rowEdge[e]];
                if (line && line->width > 0) {
                    applyBorder(cf, BorderEdge(e), *line);
                    changed = true;
                }
            }
            if (changed)
                cell.setFormat(cf);
        }
    }
    // Merged last: writing a cell's first block sets the cell's format, and
    // the covered cells are empty, so merging adds nothing to the text.
    for (const std::vector<Placement> &line : placed) {
        for (const Placement &p : line) {
            if (p.covered || (p.rowSpan == 1 && p.columnSpan == 1) || m_merges >= kMaxMergedCells)
                continue;
            ++m_merges;
            table->mergeCells(p.row, p.column, p.rowSpan, p.columnSpan);
        }
    }
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

}  // namespace rtf::detail
