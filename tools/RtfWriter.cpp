#include "RtfWriter.h"

#include "platform/rtf/RtfCodepages.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace rtf {

namespace {

constexpr int kTableWidth = 9000;  // twips: the text width of an A4 page with 2.5 cm margins

// Text of the document, escaped: 7-bit characters as they are, the rest of
// Windows-1252 as \'hh, anything else as \uN? (UTF-16 units, signed).
void appendEscaped(QByteArray &out, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t ch = text[i].unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ch = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        if (ch == '\\' || ch == '{' || ch == '}') {
            out += '\\';
            out += char(ch);
        } else if (ch == '\t') {
            out += "\\tab ";
        } else if (ch < 0x20) {
            continue;
        } else if (ch == 0xA0) {
            out += "\\~";
        } else if (ch < 0x80) {
            out += char(ch);
        } else if (const int b = detail::encodeCp1252(ch); b >= 0) {
            out += "\\'" + QByteArray::number(b, 16).rightJustified(2, '0');
        } else {
            char16_t units[2];
            int count = 1;
            if (ch > 0xFFFF) {
                units[0] = QChar::highSurrogate(ch);
                units[1] = QChar::lowSurrogate(ch);
                count = 2;
            } else {
                units[0] = char16_t(ch);
            }
            for (int k = 0; k < count; ++k)
                out += "\\u" + QByteArray::number(int(qint16(units[k]))) + '?';
        }
    }
}

// Inline markup: **bold**, *italic*, backslash escapes.
void appendInline(QByteArray &out, const QString &text)
{
    bool bold = false;
    bool italic = false;
    QString run;
    auto flush = [&] {
        appendEscaped(out, run);
        run.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' && i + 1 < text.size()) {
            run += text.at(++i);
        } else if (c == u'*' && i + 1 < text.size() && text.at(i + 1) == u'*') {
            flush();
            bold = !bold;
            out += bold ? "\\b " : "\\b0 ";
            ++i;
        } else if (c == u'*') {
            flush();
            italic = !italic;
            out += italic ? "\\i " : "\\i0 ";
        } else {
            run += c;
        }
    }
    flush();
    if (bold)
        out += "\\b0 ";
    if (italic)
        out += "\\i0 ";
}

QStringList splitRow(const QString &line)
{
    QStringList cells;
    QString cell;
    const QString t = line.trimmed();
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c == u'\\' && i + 1 < t.size()) {
            cell += c;
            cell += t.at(++i);  // keep the escape for appendInline
        } else if (c == u'|') {
            cells.append(cell.trimmed());
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.append(cell.trimmed());
    if (!cells.isEmpty() && cells.first().isEmpty())
        cells.removeFirst();
    if (!cells.isEmpty() && cells.last().isEmpty() && t.endsWith(u'|'))
        cells.removeLast();
    return cells;
}

bool isSeparatorRow(const QStringList &cells)
{
    static const QRegularExpression dashes(QStringLiteral("^:?-+:?$"));
    if (cells.isEmpty())
        return false;
    return std::all_of(cells.begin(), cells.end(), [](const QString &c) { return dashes.match(c).hasMatch(); });
}

class Writer {
public:
    explicit Writer(const WriteOptions &options) : m_options(options), m_size(std::clamp(options.fontSize, 1, 1638) * 2)
    { }
    QByteArray write(const QString &markup);

private:
    void body() { m_out += "\\f0\\fs" + QByteArray::number(m_size) + ' '; }
    void flushParagraph();
    void flushTable();

    const WriteOptions &m_options;
    const int m_size;
    QByteArray m_out;
    QStringList m_paragraph;
    QList<QStringList> m_rows;
    bool m_headerRow = false;
};

void Writer::flushParagraph()
{
    if (m_paragraph.isEmpty())
        return;
    m_out += "\\pard\\plain\\sa120";
    body();
    appendInline(m_out, m_paragraph.join(u' '));
    m_out += "\\par\r\n";
    m_paragraph.clear();
}

void Writer::flushTable()
{
    if (m_rows.isEmpty())
        return;
    int columns = 1;
    for (const QStringList &r : std::as_const(m_rows))
        columns = std::max(columns, int(r.size()));
    const int width = kTableWidth / columns;
    for (int r = 0; r < m_rows.size(); ++r) {
        const bool header = r == 0 && m_headerRow;
        m_out += "\\trowd\\trgaph108\\trleft0";
        for (const char *side : {"t", "l", "b", "r", "h", "v"})
            m_out += QByteArray("\\trbrdr") + side + "\\brdrs\\brdrw10 ";
        for (int c = 0; c < columns; ++c) {
            for (const char *side : {"t", "l", "b", "r"})
                m_out += QByteArray("\\clbrdr") + side + "\\brdrw10\\brdrs";
            if (header)
                m_out += "\\clcbpat3";
            m_out += "\\cellx" + QByteArray::number(width * (c + 1));
        }
        m_out += "\r\n\\pard\\plain\\intbl";
        body();
        if (header)
            m_out += "\\b ";
        const QStringList &cells = m_rows[r];
        for (int c = 0; c < columns; ++c) {
            if (c < cells.size())
                appendInline(m_out, cells[c]);
            m_out += "\\cell ";
        }
        m_out += "\\row\r\n";
    }
    m_rows.clear();
    m_headerRow = false;
}

QByteArray Writer::write(const QString &markup)
{
    m_out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082{\\fonttbl{\\f0\\fswiss\\fcharset0 ";
    appendEscaped(m_out, m_options.fontFamily);
    m_out += ";}{\\f1\\froman\\fcharset2 Symbol;}}\r\n"
             "{\\colortbl ;\\red0\\green0\\blue0;\\red31\\green73\\blue125;\\red217\\green217\\blue217;}\r\n"
             "{\\*\\generator Sarmo;}";
    if (!m_options.title.isEmpty()) {
        m_out += "{\\info{\\title ";
        appendEscaped(m_out, m_options.title);
        m_out += "}}";
    }
    m_out += "\\viewkind4\\uc1\r\n";

    static const QRegularExpression numbered(QStringLiteral("^(\\d{1,4})\\.\\s+(.*)$"));
    const QStringList lines = QString(markup).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(u'\n');
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'|')) {
            flushParagraph();
            const QStringList cells = splitRow(line);
            if (isSeparatorRow(cells)) {
                if (m_rows.size() == 1)
                    m_headerRow = true;
                continue;
            }
            m_rows.append(cells);
            continue;
        }
        flushTable();
        if (line.isEmpty()) {
            flushParagraph();
        } else if (line.startsWith(QLatin1String("# ")) || line.startsWith(QLatin1String("## "))) {
            flushParagraph();
            const bool top = line.startsWith(QLatin1String("# "));
            const int size = top ? m_size + 10 : m_size + 4;
            m_out += "\\pard\\plain\\keepn\\sb240\\sa120\\f0\\fs" + QByteArray::number(size) + "\\cf2\\b ";
            appendInline(m_out, line.mid(top ? 2 : 3).trimmed());
            m_out += "\\par\r\n";
        } else if (line.startsWith(QLatin1String("- "))) {
            flushParagraph();
            m_out += "\\pard\\plain\\fi-360\\li720\\sa60\\tx720";
            body();
            m_out += "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent360{\\pntxtb\\'b7}}";
            appendInline(m_out, line.mid(2).trimmed());
            m_out += "\\par\r\n";
        } else if (const auto match = numbered.match(line); match.hasMatch()) {
            flushParagraph();
            const QByteArray number = match.captured(1).toLatin1();
            m_out += "\\pard\\plain\\fi-360\\li720\\sa60\\tx720";
            body();
            m_out += "{\\pntext " + number + ".\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart" + number
                + "\\pnindent360{\\pntxta .}}";
            appendInline(m_out, match.captured(2).trimmed());
            m_out += "\\par\r\n";
        } else {
            m_paragraph.append(line);
        }
    }
    flushTable();
    flushParagraph();
    m_out += "}\r\n";
    return m_out;
}

}  // namespace

QByteArray writeRtf(const QString &markup, const WriteOptions &options)
{
    Writer writer(options);
    return writer.write(markup);
}

}  // namespace rtf
