#include "platform/rtf/RtfDocumentBuilder.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace rtf::detail {

namespace {

constexpr double kTwipsPerPixel = 15.0;  // 1440 twips an inch, 96 pixels an inch
constexpr int kMaxTwips = 31680;         // 22 inches, the widest page Word allows

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

void DocumentBuilder::closeParagraph(const QTextBlockFormat &block, const QTextCharFormat &chars,
                                     bool inTable)
{
    Paragraph &p = currentParagraph(inTable);
    p.block = block;
    p.chars = chars;
    m_paragraphOpen = false;
}

void DocumentBuilder::endParagraph(const QTextBlockFormat &block, const QTextCharFormat &chars,
                                   bool inTable)
{
    closeParagraph(block, chars, inTable);
}

void DocumentBuilder::breakParagraph(const QTextBlockFormat &block, const QTextCharFormat &chars,
                                     bool inTable)
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
    if (m_paragraphOpen && !m_items.empty() && m_items.back().table < 0
        && !m_items.back().paragraph.runs.empty())
        closeParagraph(block, chars, false);
    if (!m_paragraphOpen)
        m_pageBreakPending = true;
}

void DocumentBuilder::endCell(const QTextBlockFormat &block, const QTextCharFormat &chars)
{
    cellParagraphs();
    if (m_paragraphOpen)
        closeParagraph(block, chars, true);
    m_cellOpen = false;
    m_paragraphOpen = false;
}

void DocumentBuilder::endRow(const RowDefinition &row)
{
    if (!m_tableOpen || !m_rowOpen)
        return;
    Row &r = m_tables.back().rows.back();
    r.definition = row;
    r.defined = true;
    m_rowOpen = false;
    m_cellOpen = false;
    m_paragraphOpen = false;
}

void DocumentBuilder::finish(QTextDocument *doc, const QTextBlockFormat &block,
                             const QTextCharFormat &chars, const RowDefinition &row)
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

void DocumentBuilder::writeParagraph(QTextCursor &cursor, const Paragraph &p, bool reuseBlock)
{
    QTextBlockFormat block = p.block;
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

void DocumentBuilder::writeTable(QTextCursor &cursor, const Table &t)
{
    const int rows = int(t.rows.size());
    int columns = 1;
    for (const Row &r : t.rows)
        columns = std::max(columns, int(r.cells.size()));

    // Column widths: each column takes its width from the first row that
    // defines it; the rest of the table's look comes from the first row.
    const RowDefinition &first = t.rows.front().definition;
    QList<QTextLength> widths;
    bool anyWidth = false;
    for (int c = 0; c < columns; ++c) {
        double width = 0;
        for (const Row &r : t.rows) {
            const QList<int> &right = r.definition.cellRight;
            if (c < right.size()) {
                const int left = c == 0 ? r.definition.left : right[c - 1];
                width = std::clamp(right[c] - left, 0, kMaxTwips) / kTwipsPerPixel;
                break;
            }
        }
        if (width > 0) {
            widths.append(QTextLength(QTextLength::FixedLength, width));
            anyWidth = true;
        } else {
            widths.append(QTextLength(QTextLength::VariableLength, 0));
        }
    }
    bool borders = false;
    for (const Row &r : t.rows)
        borders = borders || r.definition.borders;

    QTextTableFormat format;
    if (anyWidth)
        format.setColumnWidthConstraints(widths);
    format.setBorder(borders ? 1 : 0);
    format.setBorderStyle(borders ? QTextFrameFormat::BorderStyle_Solid
                                  : QTextFrameFormat::BorderStyle_None);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(std::clamp(first.gap, 0, 1440) / kTwipsPerPixel);
    format.setAlignment(first.alignment);

    QTextTable *table = cursor.insertTable(rows, columns, format);
    for (int r = 0; r < rows; ++r) {
        const Row &row = t.rows[size_t(r)];
        for (int c = 0; c < int(row.cells.size()); ++c) {
            QTextTableCell cell = table->cellAt(r, c);
            QTextCursor cellCursor = cell.firstCursorPosition();
            bool reuse = true;
            for (const Paragraph &p : row.cells[size_t(c)].paragraphs) {
                writeParagraph(cellCursor, p, reuse);
                reuse = false;
            }
            // After the text: the cell's format is the character format of
            // its first block, which writing that block replaces.
            if (c < row.definition.cellBackground.size() && row.definition.cellBackground[c].isValid()) {
                QTextTableCellFormat cf = cell.format().toTableCellFormat();
                cf.setBackground(row.definition.cellBackground[c]);
                cell.setFormat(cf);
            }
        }
    }
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

}  // namespace rtf::detail
