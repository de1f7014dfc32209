// RTF reading (rtf::readRtf) and writing (rtf::writeRtf): documents of the
// shapes WordPad, Word 97 and LibreOffice write, the pieces of the format one
// by one, and damaged input.

#include "RtfWriter.h"
#include "platform/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QtTest>

namespace {

// A byte string that may hold NUL bytes.
template <size_t N> QByteArray bytes(const char (&literal)[N]) { return QByteArray(literal, qsizetype(N - 1)); }

const QString kAnyText = QStringLiteral("<any>");

QString fixture(const char *name) { return QStringLiteral(RTF_FIXTURES "/") + QLatin1String(name); }

// Reads an RTF body wrapped in a document group.
QString readBody(const QByteArray &body, QTextDocument *doc)
{
    const rtf::ReadResult r = rtf::readRtf("{\\rtf1\\ansi " + body + "}", doc);
    if (!r.ok)
        return QStringLiteral("<not read: %1>").arg(r.error);
    return doc->toPlainText();
}

QString readBody(const QByteArray &body)
{
    QTextDocument doc;
    return readBody(body, &doc);
}

// The character format of the first character of the first occurrence of text.
QTextCharFormat formatOf(const QTextDocument &doc, const QString &text)
{
    QTextCursor c = doc.find(text);
    if (c.isNull())
        return {};
    c.setPosition(c.selectionStart() + 1);
    return c.charFormat();
}

QTextBlockFormat blockOf(const QTextDocument &doc, const QString &text)
{
    const QTextCursor c = doc.find(text);
    return c.isNull() ? QTextBlockFormat() : c.block().blockFormat();
}

QList<QTextTable *> tablesIn(const QTextDocument &doc)
{
    QList<QTextTable *> result;
    for (QTextFrame *frame : doc.rootFrame()->childFrames()) {
        if (auto *t = qobject_cast<QTextTable *>(frame))
            result.append(t);
    }
    return result;
}

QString cellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor c = cell.firstCursorPosition();
    c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return c.selection().toPlainText();
}

QList<QTextImageFormat> images(const QTextDocument &doc)
{
    QList<QTextImageFormat> result;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                result.append(it.fragment().charFormat().toImageFormat());
        }
    }
    return result;  // the blocks include those of table cells
}

QByteArray imageBytes(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray pngHex(int width, int height, QColor color = Qt::red)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return imageBytes(image, "png").toHex();
}

double twipsToPixels(int twips) { return twips / 15.0; }

}  // namespace

class TestRtf : public QObject {
    Q_OBJECT

private slots:
    void tabStopsCountFromTheFirstLine();
    void wordPadDocument();
    void word97Document();
    void word97DrawingAndMergedCells();
    void libreOfficeDocument();
    void olderCodePagesAndFontCharsets();

    void textAndControlWords_data();
    void textAndControlWords();
    void unicodeAndFallbacks_data();
    void unicodeAndFallbacks();
    void multiByteCodePages();
    void symbolFonts();
    void characterFormatting();
    void paragraphFormatting();
    void pictures();
    void tables();
    void manyTablesAndRows();
    void symbolFields_data();
    void symbolFields();
    void metafileAndBitmapPictures_data();
    void metafileAndBitmapPictures();
    void widePicturesFitTheBox_data();
    void widePicturesFitTheBox();
    void trackedChanges_data();
    void trackedChanges();
    void tablesOnACellGrid_data();
    void tablesOnACellGrid();
    void hangingListItems_data();
    void hangingListItems();

    void damagedInput_data();
    void damagedInput();
    void notRtfLeavesDocumentEmpty();
    void readingFiles();

    void writerRoundTrip();
    void writerOptionsAndEscaping();
};

void TestRtf::tabStopsCountFromTheFirstLine()
{
    // A list item with a hanging indent: the tab after the bullet reaches
    // the paragraph's indent, so the text lines up with its next lines.
    QTextDocument doc;
    QVERIFY(rtf::readRtf("{\\rtf1\\ansi\\pard\\fi-360\\li720\\tx720 \\'b7\\tab Texto\\par"
                         "\\pard\\tx1440 A\\tab B\\par}",
                         &doc)
                .ok);
    const QTextBlock item = doc.begin();
    QCOMPARE(item.blockFormat().leftMargin(), 48.0);
    QCOMPARE(item.blockFormat().textIndent(), -24.0);
    QCOMPARE(item.blockFormat().tabPositions().size(), 1);
    QCOMPARE(item.blockFormat().tabPositions().at(0).position, 24.0);
    // Without indents the stop stays where the document puts it.
    QCOMPARE(item.next().blockFormat().tabPositions().at(0).position, 96.0);
}

void TestRtf::wordPadDocument()
{
    QTextDocument doc;
    const rtf::ReadResult r = rtf::readRtfFile(fixture("wordpad.rtf"), &doc);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(doc.toPlainText(),
             QStringLiteral("Oídio de la vid\n"
                            "El oídio (Erysiphe necator) ataca a todos los órganos verdes de la vid.\n"
                            "\n"
                            "•\tManchas blanquecinas en el envés.\n"
                            "•\tRacimos con aspecto ceniciento.\n"
                            "Tratamiento: azufre en polvo a más de 20°C\t25 kg/ha.\n"
                            "Mañana, señor Muñoz – ¿España?"));

    const QTextCharFormat title = formatOf(doc, QStringLiteral("Oídio de la"));
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.fontPointSize(), 14.0);
    QCOMPARE(title.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    QCOMPARE(blockOf(doc, QStringLiteral("Oídio de la")).alignment(), Qt::AlignHCenter);

    const QTextCharFormat latin = formatOf(doc, QStringLiteral("Erysiphe"));
    QVERIFY(latin.fontItalic());
    QCOMPARE(latin.fontWeight(), int(QFont::Normal));
    QCOMPARE(latin.fontPointSize(), 10.0);
    QVERIFY(!formatOf(doc, QStringLiteral(") ataca")).fontItalic());

    const QTextCharFormat label = formatOf(doc, QStringLiteral("Tratamiento"));
    QCOMPARE(label.fontWeight(), int(QFont::Bold));
    QVERIFY(label.fontUnderline());
    QCOMPARE(label.foreground().color(), QColor(255, 0, 0));
    const QTextCharFormat after = formatOf(doc, QStringLiteral(" azufre"));
    QCOMPARE(after.fontWeight(), int(QFont::Normal));
    QVERIFY(!after.fontUnderline());
    QVERIFY(!after.hasProperty(QTextFormat::ForegroundBrush));

    const QTextBlockFormat bullet = blockOf(doc, QStringLiteral("Racimos"));
    QCOMPARE(bullet.leftMargin(), twipsToPixels(720));
    QCOMPARE(bullet.textIndent(), twipsToPixels(-720));
    QCOMPARE(blockOf(doc, QStringLiteral("Mañana")).alignment(), Qt::AlignRight);
    const QTextCharFormat closing = formatOf(doc, QStringLiteral("Mañana"));
    QCOMPARE(closing.fontPointSize(), 9.0);
    QCOMPARE(closing.fontFamilies().toStringList(), QStringList{QStringLiteral("Times New Roman")});
}

void TestRtf::word97Document()
{
    QTextDocument doc;
    QVERIFY(rtf::readRtfFile(fixture("word97.rtf"), &doc).ok);
    // Header, footer, footnote, hidden text, stylesheet, info and the list
    // table show nothing; the list items show their \pntext bullets.
    QCOMPARE(doc.toPlainText(),
             QStringLiteral("Mildiu (Plasmopara viticola)\n"
                            "Coste orientativo: 12 € por hectárea. Más datos en la web. Texto visible.\n"
                            "•\tManchas de aceite en el haz.\n"
                            "•\tPelusilla blanca en el envés.\n"
                            "\n"
                            "Materia activa\nDosis\nPlazo\n"
                            "Oxicloruro de cobre\n300 g/hl\n15 días\n"
                            "Folpet\n150 g/hl\n21 días\n"
                            "Esquema:  fin del esquema.\n"
                            "Segunda página"));

    const QTextCharFormat heading = formatOf(doc, QStringLiteral("Mildiu"));
    QCOMPARE(heading.fontWeight(), int(QFont::Bold));
    QCOMPARE(heading.fontPointSize(), 14.0);
    QCOMPARE(heading.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    const QTextCharFormat species = formatOf(doc, QStringLiteral("Plasmopara"));
    QVERIFY(species.fontItalic());
    QCOMPARE(species.fontWeight(), int(QFont::Bold));
    QCOMPARE(blockOf(doc, QStringLiteral("Coste")).alignment(), Qt::AlignJustify);

    const QTextCharFormat link = formatOf(doc, QStringLiteral("la web"));
    QVERIFY(link.isAnchor());
    QCOMPARE(link.anchorHref(), QStringLiteral("http://www.example.es/mildiu"));
    QVERIFY(link.fontUnderline());
    QCOMPARE(link.foreground().color(), QColor(0, 0, 255));
    QVERIFY(!formatOf(doc, QStringLiteral("Texto visible")).isAnchor());

    QCOMPARE(blockOf(doc, QStringLiteral("Manchas")).leftMargin(), twipsToPixels(360));

    const QList<QTextTable *> found = tablesIn(doc);
    QCOMPARE(found.size(), 1);
    QTextTable *table = found.first();
    QCOMPARE(table->rows(), 3);
    QCOMPARE(table->columns(), 3);
    QCOMPARE(cellText(table, 1, 0), QStringLiteral("Oxicloruro de cobre"));
    QCOMPARE(cellText(table, 2, 2), QStringLiteral("21 días"));
    QCOMPARE(formatOf(doc, QStringLiteral("Plazo")).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, QStringLiteral("Folpet")).fontWeight(), int(QFont::Normal));
    const QTextTableFormat tf = table->format();
    const QList<QTextLength> widths = tf.columnWidthConstraints();
    QCOMPARE(widths.size(), 3);
    QCOMPARE(widths[0], QTextLength(QTextLength::FixedLength, twipsToPixels(2880 + 70)));  // from \trleft-70
    QCOMPARE(widths[1], QTextLength(QTextLength::FixedLength, twipsToPixels(2880)));
    QCOMPARE(widths[2], QTextLength(QTextLength::FixedLength, twipsToPixels(2880)));
    QVERIFY(table->cellAt(0, 0).format().toTableCellFormat().topBorder() > 0);  // the cells' own lines

    QVERIFY(images(doc).isEmpty());  // the only picture is a metafile
    const QTextBlockFormat second = blockOf(doc, QStringLiteral("Segunda"));
    QCOMPARE(second.pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
    QCOMPARE(second.alignment(), Qt::AlignHCenter);
}

void TestRtf::word97DrawingAndMergedCells()
{
    // A Word 97 page: a metafile drawing with a text box beside it, a table
    // with cells merged across and down, Webdings signs, a row deleted under
    // tracked changes and a drawing too wide for its cell.
    QTextDocument doc;
    QVERIFY(rtf::readRtfFile(fixture("word97-drawing.rtf"), &doc).ok);
    QCOMPARE(doc.toPlainText(),
             QStringLiteral("Polilla del racimo (Lobesia botrana)\n"
                            "La polilla del racimo es la plaga más importante de la vid. Sus orugas roen los botones "
                            "florales y los gránulos, y abren la puerta a la podredumbre gris. Tiene tres generaciones "
                            "al año.\n"
                            "Figura 1. Racimo con glóbulos atacados por la oruga de la segunda generación.\n"
                            "\uFFFC\n"
                            "Los momentos de tratamiento dependen del vuelo de cada generación:\n"
                            "Generación\nVuelo\nTratamiento\nInicio\nMáximo\n"
                            "1.ª\nabril\nmayo\nNo suele ser necesario \U0001F323\n"
                            "2.ª\njunio\njulio\nSegún capturas en trampas de feromona \U0001F327\n"
                            "3.ª\nagosto\nseptiembre\nAtaque en el racimo:\n\uFFFC\n"
                            "\nFuente: Servicio de Sanidad Vegetal, 1999."));
    const QList<QTextTable *> found = tablesIn(doc);
    QCOMPARE(found.size(), 1);
    QTextTable *table = found.first();
    QCOMPARE(table->rows(), 5);
    QCOMPARE(table->cellAt(0, 0).rowSpan(), 2);
    QCOMPARE(table->cellAt(0, 1).columnSpan(), 2);
    QCOMPARE(table->cellAt(0, 3).rowSpan(), 2);
    QCOMPARE(table->cellAt(3, 1).format().toTableCellFormat().bottomBorderStyle(),
             QTextFrameFormat::BorderStyle_Dotted);

    // On a page 567 px wide the drawing in the last cell (3774 twips wide,
    // less 70 twips of padding and half a 1 px line a side) is shrunk to the
    // cell.
    rtf::fitPictures(&doc, 567);
    const QList<QTextImageFormat> pictures = images(doc);
    QCOMPARE(pictures.size(), 2);
    QCOMPARE(pictures[0].width(), 200.0);
    QCOMPARE(pictures[1].width(), (8574 - 4800 - 2 * 70) / 15.0 - 1 - 1);
}

void TestRtf::libreOfficeDocument()
{
    QTextDocument doc;
    QVERIFY(rtf::readRtfFile(fixture("libreoffice.rtf"), &doc).ok);
    QCOMPARE(doc.toPlainText(),
             QStringLiteral("Podredumbre gris\n"
                            "Botrytis cinerea ataca los racimos en la maduración; el daño es mayor con "
                            "lluvia. Coste: 10€.\n"
                            "•\tDeshojado de la zona de racimos\n"
                            "•\tControl de Lobesia botrana\n"
                            "Estado\nRiesgo\nEnvero\nAlto\n"
                            "Ficha técnica — foto: \uFFFC (ejemplo)"));

    const QTextCharFormat title = formatOf(doc, QStringLiteral("Podredumbre"));
    QCOMPARE(title.fontPointSize(), 16.0);
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.fontFamilies().toStringList(), QStringList{QStringLiteral("Liberation Serif")});
    QCOMPARE(blockOf(doc, QStringLiteral("Podredumbre")).alignment(), Qt::AlignHCenter);
    QCOMPARE(blockOf(doc, QStringLiteral("Podredumbre")).bottomMargin(), twipsToPixels(120));
    QVERIFY(formatOf(doc, QStringLiteral("Lobesia")).fontItalic());

    // \pard inside {\listtext} only concerns the list text itself
    const QTextBlockFormat item = blockOf(doc, QStringLiteral("Deshojado"));
    QCOMPARE(item.leftMargin(), twipsToPixels(720));
    QCOMPARE(item.textIndent(), twipsToPixels(-360));

    const QList<QTextTable *> found = tablesIn(doc);
    QCOMPARE(found.size(), 1);
    QTextTable *table = found.first();
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(cellText(table, 0, 1), QStringLiteral("Riesgo"));
    QCOMPARE(cellText(table, 1, 0), QStringLiteral("Envero"));
    QCOMPARE(table->cellAt(0, 1).format().background().color(), QColor(255, 255, 0));
    QCOMPARE(table->cellAt(0, 1).firstCursorPosition().blockFormat().alignment(), Qt::AlignRight);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths[0].rawValue(), twipsToPixels(3213));
    QCOMPARE(widths[1].rawValue(), twipsToPixels(9638 - 3213));

    QCOMPARE(formatOf(doc, QStringLiteral("Ficha")).anchorHref(),
             QStringLiteral("https://www.example.org/botrytis?a=1&b=2"));
    QVERIFY(!formatOf(doc, QStringLiteral(" foto")).isAnchor());

    // the PNG of {\*\shppict}, not the metafile of {\nonshppict}
    const QList<QTextImageFormat> pictures = images(doc);
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures[0].width(), twipsToPixels(600));
    QCOMPARE(pictures[0].height(), twipsToPixels(450));
    const QImage image = doc.resource(QTextDocument::ImageResource, QUrl(pictures[0].name())).value<QImage>();
    QCOMPARE(image.size(), QSize(4, 3));
    QCOMPARE(image.pixelColor(0, 0), QColor(200, 30, 30));
}

void TestRtf::olderCodePagesAndFontCharsets()
{
    QTextDocument doc;
    QVERIFY(rtf::readRtfFile(fixture("mac.rtf"), &doc).ok);
    QCOMPARE(doc.toPlainText(),
             QStringLiteral("Araña roja\n"
                            "La araña (Panonychus ulmi) pica las hojas; ¡qué daño! ¿Cómo se trata? Con "
                            "acaricida específico en julio: 5 °C, 100 µm."));
    QCOMPARE(formatOf(doc, QStringLiteral("Araña roja")).fontFamilies().toStringList(),
             QStringList{QStringLiteral("Helvetica")});
    QVERIFY(formatOf(doc, QStringLiteral("Panonychus")).fontItalic());

    // Each font's \fcharset (or \cpg) picks the code page of its \'hh bytes;
    // a font with the ANSI charset uses the document's \ansicpg.
    QVERIFY(rtf::readRtfFile(fixture("cp1250.rtf"), &doc).ok);
    QCOMPARE(doc.toPlainText(),
             QStringLiteral("Révová štavnatka (červená pavoučka) – Příliš žluťoučký kůň.\n"
                            "Привет Café αβγ\n"
                            "Default: © ąą"));
    QCOMPARE(formatOf(doc, QStringLiteral("Привет")).fontFamilies().toStringList(),
             QStringList{QStringLiteral("Arial Cyr")});
}

void TestRtf::textAndControlWords_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");

    QTest::newRow("one space after a control word is its delimiter") << QByteArray("x\\b  y") << "x y";
    QTest::newRow("a parameter ends at the first non-digit") << QByteArray("\\fs20x\\fi-360y") << "xy";
    QTest::newRow("a dash without digits is text") << QByteArray("a\\tab-b") << "a\t-b";
    QTest::newRow("hex escapes in either case") << QByteArray("\\'E1\\'e1") << "áá";
    QTest::newRow("a broken hex escape is dropped") << QByteArray("a\\'zzb") << "azzb";
    QTest::newRow("escaped braces and backslash") << QByteArray("\\{x\\}\\\\") << "{x}\\";
    QTest::newRow("line ends in the source are not text") << QByteArray("a\r\nb\nc\rd") << "abcd";
    QTest::newRow("backslash before a line end is a paragraph") << QByteArray("a\\\nb") << "a\nb";
    QTest::newRow("literal tab is a tab") << QByteArray("a\tb") << "a\tb";
    QTest::newRow("special characters") << QByteArray(
        "\\-\\_\\bullet\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote")
                                        << QString::fromUtf8("\u00AD\u2011•—–‘’“”");
    QTest::newRow("non-breaking space shows as a space") << QByteArray("a\\~b") << "a b";
    QTest::newRow("line break inside a paragraph") << QByteArray("a\\line b") << "a\nb";
    QTest::newRow("unknown words are ignored") << QByteArray("\\foo12 a\\bar b") << "ab";
    QTest::newRow("unknown ignorable group is skipped") << QByteArray("a{\\*\\foo hidden}b") << "ab";
    QTest::newRow("ignorable group of a known word is skipped") << QByteArray("a{\\*\\b hidden}b") << "ab";
    QTest::newRow("destinations that show nothing")
        << QByteArray("a{\\header h}{\\footer f}{\\footnote n}{\\info{\\title t}}{\\stylesheet{\\s1 s;}}"
                      "{\\listtable{\\list x}}{\\listoverridetable y}{\\annotation z}{\\xe i}{\\tc c}b")
        << "ab";
    QTest::newRow("field shows its result") << QByteArray("{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}") << "3";
    QTest::newRow("field instruction without star") << QByteArray("{\\field{\\fldinst PAGE}{\\fldrslt 3}}") << "3";
    QTest::newRow("hidden text") << QByteArray("a{\\v b}c\\v d\\v0 e") << "ace";
    QTest::newRow("binary data is skipped by length") << QByteArray("a\\bin4 }{\\xc") << "ac";
    QTest::newRow("old list text shown, its definition not")
        << QByteArray("{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody{\\pntxta .}}x{\\pn\\pnlvlblt{\\pntxtb y}}z") << "1.\txz";
    QTest::newRow("list text shown") << QByteArray("{\\listtext\\pard\\plain \\'95\\tab}x") << "•\tx";
    QTest::newRow("pictures for old readers stand in for a missing shape picture")
        << QByteArray("a{\\nonshppict b}c") << "abc";
    QTest::newRow("text box read once, apart from its anchor") << QByteArray(
        "a{\\shp{\\*\\shpinst\\shpleft0{\\sp{\\sn shapeType}{\\sv 202}}{\\shptxt \\pard\\plain caja\\par}}"
        "{\\shprslt{\\*\\do\\dptxbx{\\dptxbxtext caja\\par}}}}b")
                                                               << "a\ncaja\nb";
    QTest::newRow("text box in a table cell stays in the cell")
        << QByteArray("\\trowd\\cellx2000\\pard\\intbl x{\\shp{\\*\\shpinst{\\shptxt \\pard\\plain\\itap0 caja\\par}}}"
                      "\\cell\\row\\pard z")
        << "\nx\ncaja\nz";
    QTest::newRow("other shapes show their picture for old readers")
        << QByteArray("a{\\shp{\\*\\shpinst{\\sp{\\sn gtextUNICODE}{\\sv Texto}}}{\\shprslt r}}b") << "arb";
    QTest::newRow("flat copies of nested tables are skipped") << QByteArray("a{\\nonesttables b}c") << "ac";
    QTest::newRow("page break ends a paragraph") << QByteArray("a\\page b") << "a\nb";
    QTest::newRow("section break ends a paragraph once") << QByteArray("a\\par\\sect b\\sect c") << "a\nb\nc";
    QTest::newRow("empty paragraphs are kept") << QByteArray("a\\par\\par b") << "a\n\nb";
    QTest::newRow("no empty paragraph after the last mark") << QByteArray("a\\par ") << "a";
}

void TestRtf::textAndControlWords()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QCOMPARE(readBody(body), text);
}

void TestRtf::unicodeAndFallbacks_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");

    QTest::newRow("one fallback character by default") << QByteArray("\\u241?x") << "ñx";
    QTest::newRow("fallback written as a hex escape") << QByteArray("\\u241\\'f1x") << "ñx";
    QTest::newRow("two fallback bytes") << QByteArray("\\uc2\\u12354\\'82\\'a0x") << "あx";
    QTest::newRow("no fallback") << QByteArray("\\uc0\\u241 x") << "ñx";
    QTest::newRow("negative values above 32767") << QByteArray("\\u-1279?") << "ﬁ";
    QTest::newRow("surrogate pair") << QByteArray("\\u-10179?\\u-8704?") << "😀";
    QTest::newRow("lone surrogate is replaced") << QByteArray("\\u-10179?x") << "\uFFFDx";
    QTest::newRow("code point above the 16-bit range") << QByteArray("\\u128512?") << "😀";
    QTest::newRow("fallback count is scoped to its group") << QByteArray("{\\uc2 \\u241 ab}\\u241 ab") << "ññb";
    QTest::newRow("a group boundary ends the fallback") << QByteArray("{\\uc3\\u241 a}b") << "ñb";
    QTest::newRow("a control word is one fallback character") << QByteArray("\\u8220\\ldblquote x") << "“x";
    QTest::newRow("binary data is one fallback character") << QByteArray("\\u241\\bin3 abcx") << "ñx";
    QTest::newRow("value out of range keeps the fallback") << QByteArray("\\u99999999?x") << "?x";
    QTest::newRow("very negative value keeps the fallback") << QByteArray("\\u-99999999?x") << "?x";
    QTest::newRow("structure characters are not taken as text")
        << QByteArray("a\\u65532?\\u64976?b") << "a\uFFFD\uFFFDb";
    QTest::newRow("paragraph separator becomes a line break") << QByteArray("a\\u8233?b") << "a\nb";
}

void TestRtf::unicodeAndFallbacks()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QTextDocument doc;
    QCOMPARE(readBody(body, &doc), text);
    QCOMPARE(doc.blockCount(), 1);
}

void TestRtf::multiByteCodePages()
{
    QTextDocument doc;
    const QByteArray fonts = "{\\fonttbl{\\f0\\fnil\\fcharset128 MS Mincho;}{\\f1\\fswiss\\fcharset0 "
                             "Arial;}{\\f2\\fnil\\fcharset130 Gulim;}}";

    // A lead byte left alone at the end of a run is one replacement
    // character, and the bytes after it are not swallowed.
    QCOMPARE(readBody(fonts + "{\\f0 x\\'82}\\f1\\'e1", &doc), QStringLiteral("x\uFFFDá"));

    // Johab has no converter here or there: each lead/trail pair still makes
    // exactly one character, and the plain bytes around it are kept.
    const QString johab = readBody(fonts + "\\f2 A\\'88\\'61B", &doc);
    QCOMPARE(johab.size(), 3);
    QVERIFY(johab.startsWith(u'A') && johab.endsWith(u'B'));

    // An unknown code page falls back to Windows-1252; a known one holds
    // even when \ansi comes after it.
    QCOMPARE(readBody("\\ansicpg99999 \\'e1", &doc), QStringLiteral("á"));
    QCOMPARE(readBody("\\ansicpg1251\\ansi \\'e0", &doc), QStringLiteral("а"));

    if (!QStringDecoder("windows-932").isValid())
        QSKIP("no Shift-JIS converter on this system");
    // Double-byte text: the trail byte may be a plain character.
    QCOMPARE(readBody(fonts + "\\f0\\'82\\'a0\\'83e\\f1 \\'e1", &doc), QStringLiteral("あテá"));
    QCOMPARE(readBody("\\ansicpg932 \\'93\\'fa\\'96\\'7b", &doc), QStringLiteral("日本"));
}

void TestRtf::symbolFonts()
{
    QTextDocument doc;
    const QByteArray fonts =
        "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\ftech\\fcharset2 Symbol;}{\\f2\\fnil\\fcharset2 Wingdings;}"
        "{\\f3\\fnil\\fcharset2 Webdings;}}";
    QCOMPARE(readBody(fonts + "\\f1 a\\'b7\\'b0m\\f2\\'a7\\'d8\\'fc\\f3\\'d5\\'e1\\'db\\f0 x", &doc),
             QStringLiteral("α•°μ▪➢✓\U0001F323\U0001F321\U0001F327x"));
    // The Symbol font's glyphs are real characters now: no Symbol family.
    QVERIFY(!formatOf(doc, QStringLiteral("α")).fontFamilies().toStringList().contains(QStringLiteral("Symbol")));

    // Word's private-use form of symbol glyphs
    QCOMPARE(readBody(fonts + "\\f1\\u-3913?\\f2\\u-3929?\\f3\\u-3879?\\f0\\u-3913?", &doc),
             QStringLiteral("•▪☁\uF0B7"));
}

void TestRtf::characterFormatting()
{
    QTextDocument doc;
    readBody("{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
             "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\\f0\\fs24 "
             "n {\\b b}{\\b x\\b0 y}{\\i i}{\\ul u}{\\ulwave w}{\\ul\\ulnone z}{\\strike s}{\\fs40 big}"
             "{\\fs0 zero}{\\f1 arial}{\\cf1 red}{\\highlight2 hl}{\\cb2 cb}{\\super sup}{\\sub low}"
             "{\\caps caps}{\\scaps sc}{\\b\\i\\fs30\\cf1\\plain plano}{\\cf9 none}",
             &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("n bxyiuwzsbigzeroarialredhlcbsuplowcapsscplanonone"));

    const QTextCharFormat normal = formatOf(doc, QStringLiteral("n"));
    QCOMPARE(normal.fontPointSize(), 12.0);
    QCOMPARE(normal.fontWeight(), int(QFont::Normal));
    QCOMPARE(normal.fontFamilies().toStringList(), QStringList{QStringLiteral("Times New Roman")});
    QCOMPARE(normal.fontStyleHint(), QFont::Serif);

    QCOMPARE(formatOf(doc, QStringLiteral("b")).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, QStringLiteral("x")).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, QStringLiteral("y")).fontWeight(), int(QFont::Normal));
    QVERIFY(formatOf(doc, QStringLiteral("i")).fontItalic());
    QCOMPARE(formatOf(doc, QStringLiteral("u")).underlineStyle(), QTextCharFormat::SingleUnderline);
    QCOMPARE(formatOf(doc, QStringLiteral("w")).underlineStyle(), QTextCharFormat::WaveUnderline);
    QCOMPARE(formatOf(doc, QStringLiteral("z")).underlineStyle(), QTextCharFormat::NoUnderline);
    QVERIFY(formatOf(doc, QStringLiteral("s")).fontStrikeOut());
    QCOMPARE(formatOf(doc, QStringLiteral("big")).fontPointSize(), 20.0);
    QCOMPARE(formatOf(doc, QStringLiteral("zero")).fontPointSize(), 12.0);
    QCOMPARE(formatOf(doc, QStringLiteral("arial")).fontFamilies().toStringList(),
             QStringList{QStringLiteral("Arial")});
    QCOMPARE(formatOf(doc, QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(formatOf(doc, QStringLiteral("hl")).background().color(), QColor(0, 128, 0));
    QCOMPARE(formatOf(doc, QStringLiteral("cb")).background().color(), QColor(0, 128, 0));
    QCOMPARE(formatOf(doc, QStringLiteral("sup")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatOf(doc, QStringLiteral("low")).verticalAlignment(), QTextCharFormat::AlignSubScript);
    QCOMPARE(formatOf(doc, QStringLiteral("caps")).fontCapitalization(), QFont::AllUppercase);
    QCOMPARE(formatOf(doc, QStringLiteral("sc")).fontCapitalization(), QFont::SmallCaps);

    const QTextCharFormat plain = formatOf(doc, QStringLiteral("plano"));
    QCOMPARE(plain.fontWeight(), int(QFont::Normal));
    QVERIFY(!plain.fontItalic());
    QCOMPARE(plain.fontPointSize(), 12.0);
    QVERIFY(!plain.hasProperty(QTextFormat::ForegroundBrush));
    QVERIFY(!formatOf(doc, QStringLiteral("none")).hasProperty(QTextFormat::ForegroundBrush));
}

void TestRtf::paragraphFormatting()
{
    QTextDocument doc;
    readBody("\\pard\\qc c\\par\\pard\\qr r\\par\\pard\\qj j\\par"
             "\\pard\\li720\\ri360\\fi-360\\sb240\\sa120 indent\\par"
             "\\pard\\sl360\\slmult1 multiple\\par\\pard\\sl-300\\slmult0 exact\\par\\pard\\sl300 least\\par"
             "\\pard\\tx1440\\tqr\\tx4500 tabs\\par same tabs\\par\\pard\\pagebb newpage\\par"
             "\\pard{\\qc grouped\\par}after\\par\\pard\\li999999999 huge\\par",
             &doc);
    QCOMPARE(doc.toPlainText(),
             QStringLiteral("c\nr\nj\nindent\nmultiple\nexact\nleast\ntabs\nsame tabs\nnewpage\ngrouped\nafter\nhuge"));
    QCOMPARE(blockOf(doc, QStringLiteral("c")).alignment(), Qt::AlignHCenter);
    QCOMPARE(blockOf(doc, QStringLiteral("r")).alignment(), Qt::AlignRight);
    QCOMPARE(blockOf(doc, QStringLiteral("j")).alignment(), Qt::AlignJustify);

    const QTextBlockFormat indent = blockOf(doc, QStringLiteral("indent"));
    QCOMPARE(indent.alignment(), Qt::AlignLeft);
    QCOMPARE(indent.leftMargin(), twipsToPixels(720));
    QCOMPARE(indent.rightMargin(), twipsToPixels(360));
    QCOMPARE(indent.textIndent(), twipsToPixels(-360));
    QCOMPARE(indent.topMargin(), twipsToPixels(240));
    QCOMPARE(indent.bottomMargin(), twipsToPixels(120));

    const QTextBlockFormat multiple = blockOf(doc, QStringLiteral("multiple"));
    QCOMPARE(multiple.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    QCOMPARE(multiple.lineHeight(), 150.0);
    QCOMPARE(multiple.leftMargin(), 0.0);
    const QTextBlockFormat exact = blockOf(doc, QStringLiteral("exact"));
    QCOMPARE(exact.lineHeightType(), int(QTextBlockFormat::FixedHeight));
    QCOMPARE(exact.lineHeight(), twipsToPixels(300));
    QCOMPARE(blockOf(doc, QStringLiteral("least")).lineHeightType(), int(QTextBlockFormat::MinimumHeight));

    const QList<QTextOption::Tab> tabs = blockOf(doc, QStringLiteral("tabs")).tabPositions();
    QCOMPARE(tabs.size(), 2);
    QCOMPARE(tabs[0].position, twipsToPixels(1440));
    QCOMPARE(tabs[0].type, QTextOption::LeftTab);
    QCOMPARE(tabs[1].position, twipsToPixels(4500));
    QCOMPARE(tabs[1].type, QTextOption::RightTab);
    QCOMPARE(blockOf(doc, QStringLiteral("same tabs")).tabPositions().size(), 2);  // until \pard

    QCOMPARE(blockOf(doc, QStringLiteral("newpage")).pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
    QCOMPARE(blockOf(doc, QStringLiteral("grouped")).alignment(), Qt::AlignHCenter);
    QCOMPARE(blockOf(doc, QStringLiteral("after")).alignment(), Qt::AlignLeft);
    QVERIFY(blockOf(doc, QStringLiteral("huge")).leftMargin() <= twipsToPixels(31680));
}

void TestRtf::pictures()
{
    QTextDocument doc;

    // JPEG as binary data, no goal size: its own size, scaled by \picscale
    QImage blue(20, 10, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const QByteArray jpeg = imageBytes(blue, "jpeg");
    QCOMPARE(readBody("a{\\pict\\jpegblip\\picscalex50\\picscaley200\\bin" + QByteArray::number(jpeg.size()) + " "
                          + jpeg + "}b",
                      &doc),
             QStringLiteral("a\uFFFCb"));
    QList<QTextImageFormat> found = images(doc);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].width(), 10.0);
    QCOMPARE(found[0].height(), 20.0);
    QCOMPARE(doc.resource(QTextDocument::ImageResource, QUrl(found[0].name())).value<QImage>().size(), QSize(20, 10));

    // hex split over lines, goal size in twips
    QByteArray hex = pngHex(8, 6);
    hex.insert(20, "\r\n");
    hex.insert(41, " \n\t");
    readBody("{\\pict\\pngblip\\picw8\\pich6\\picwgoal1500\\pichgoal900 " + hex + "}", &doc);
    found = images(doc);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].width(), 100.0);
    QCOMPARE(found[0].height(), 60.0);

    // the shape's picture, not the one for readers without shapes
    readBody("{\\*\\shppict{\\pict\\pngblip " + pngHex(2, 2, Qt::green) + "}}{\\nonshppict{\\pict\\pngblip "
                 + pngHex(3, 3) + "}}",
             &doc);
    found = images(doc);
    QCOMPARE(found.size(), 1);
    QCOMPARE(doc.resource(QTextDocument::ImageResource, QUrl(found[0].name())).value<QImage>().size(), QSize(2, 2));

    // other formats and unusable data leave only the text around them
    const QByteArray meta = "0100090000035e0000000000120000000000";
    QCOMPARE(readBody("a{\\pict\\wmetafile8\\picw100\\pich100 " + meta + "}{\\pict\\emfblip " + meta
                          + "}{\\pict\\macpict " + meta + "}{\\pict\\dibitmap0 " + meta + "}{\\pict\\pngblip "
                          + pngHex(4, 4).left(60) + "}{\\pict\\pngblip 89504e470d0a1a0a" + QByteArray(200, 'f')
                          + "49454e44}{\\pict\\jpegblip 0011}{\\pict " + pngHex(2, 2) + "}b",
                      &doc),
             QStringLiteral("ab"));
    QVERIFY(images(doc).isEmpty());

    // pictures in places that show nothing stay out
    QCOMPARE(
        readBody("a{\\header{\\pict\\pngblip " + pngHex(2, 2) + "}}{\\v{\\pict\\pngblip " + pngHex(2, 2) + "}}b", &doc),
        QStringLiteral("ab"));
    QVERIFY(images(doc).isEmpty());

    // a large picture shown small is kept at twice its shown size
    readBody("{\\pict\\pngblip\\picwgoal600\\pichgoal300 " + pngHex(400, 200) + "}", &doc);
    found = images(doc);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].width(), 40.0);
    QCOMPARE(doc.resource(QTextDocument::ImageResource, QUrl(found[0].name())).value<QImage>().size(), QSize(80, 40));

    // a picture inside a table cell
    readBody("\\trowd\\cellx2000\\pard\\intbl x{\\pict\\pngblip " + pngHex(2, 2) + "}\\cell\\row", &doc);
    QCOMPARE(tablesIn(doc).size(), 1);
    QCOMPARE(images(doc).size(), 1);
}

void TestRtf::tables()
{
    QTextDocument doc;

    // no \row at the end of the file: the row still counts
    readBody("\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b", &doc);
    QCOMPARE(tablesIn(doc).size(), 1);
    QCOMPARE(tablesIn(doc)[0]->rows(), 1);
    QCOMPARE(tablesIn(doc)[0]->columns(), 2);
    QCOMPARE(cellText(tablesIn(doc)[0], 0, 1), QStringLiteral("b"));

    // rows of different lengths, more cells than \cellx, text around the table
    readBody("x\\par\\trowd\\trqc\\cellx1000\\cellx3000\\pard\\intbl a\\cell b\\cell c\\cell\\row"
             "\\trowd\\cellx1000\\pard\\intbl d\\cell\\row\\pard y",
             &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("x\na\nb\nc\nd\n\n\ny"));
    QList<QTextTable *> found = tablesIn(doc);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0]->rows(), 2);
    QCOMPARE(found[0]->columns(), 3);
    QCOMPARE(found[0]->format().alignment(), Qt::AlignHCenter);
    const QList<QTextLength> widths = found[0]->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 3);
    QCOMPARE(widths[0].rawValue(), twipsToPixels(1000));
    QCOMPARE(widths[1].rawValue(), twipsToPixels(2000));
    QCOMPARE(widths[2].type(), QTextLength::VariableLength);
    QCOMPARE(found[0]->format().border(), 0.0);  // no cell borders were given
    QVERIFY(!doc.find(QStringLiteral("y")).currentTable());

    // a paragraph between rows makes two tables
    readBody("\\trowd\\cellx1000\\pard\\intbl a\\cell\\row\\pard between\\par"
             "\\trowd\\cellx1000\\pard\\intbl b\\cell\\row",
             &doc);
    QCOMPARE(tablesIn(doc).size(), 2);

    // several paragraphs in a cell; list text in a cell stays in the cell
    readBody("\\trowd\\cellx3000\\pard\\intbl one\\par two\\par{\\listtext\\pard\\plain \\'95\\tab}three\\cell\\row",
             &doc);
    QCOMPARE(tablesIn(doc).size(), 1);
    QCOMPARE(cellText(tablesIn(doc)[0], 0, 0), QStringLiteral("one\ntwo\n•\tthree"));

    // a nested table is flattened into its outer cell
    readBody("\\trowd\\cellx4000\\cellx8000\\pard\\intbl outer\\cell\\pard\\intbl\\itap2 in1\\nestcell in2\\nestcell"
             "{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}"
             "\\pard\\intbl\\itap1 after\\cell\\row",
             &doc);
    found = tablesIn(doc);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0]->rows(), 1);
    QCOMPARE(found[0]->columns(), 2);
    QCOMPARE(cellText(found[0], 0, 0), QStringLiteral("outer"));
    QCOMPARE(cellText(found[0], 0, 1), QStringLiteral("in1\nin2\nafter"));

    // at most 63 columns; what comes after joins the last cell
    QByteArray wide = "\\trowd\\pard\\intbl ";
    for (int i = 0; i < 100; ++i)
        wide += "c" + QByteArray::number(i) + "\\cell ";
    readBody(wide + "\\row", &doc);
    QCOMPARE(tablesIn(doc).size(), 1);
    QCOMPARE(tablesIn(doc)[0]->columns(), 63);
    QVERIFY(cellText(tablesIn(doc)[0], 0, 62).endsWith(QLatin1String("c99")));
}

void TestRtf::manyTablesAndRows()
{
    QTextDocument doc;
    QByteArray longTable = "\\trowd\\cellx1000\\cellx2000\\cellx3000 ";
    for (int i = 0; i < 5000; ++i)
        longTable += "\\pard\\intbl a" + QByteArray::number(i) + "\\cell b\\cell c\\cell\\row ";
    readBody(longTable, &doc);
    QCOMPARE(tablesIn(doc).size(), 1);
    QCOMPARE(tablesIn(doc)[0]->rows(), 5000);
    QCOMPARE(cellText(tablesIn(doc)[0], 4999, 0), QStringLiteral("a4999"));

    // past 256 tables the rest are read as plain paragraphs
    QByteArray many;
    for (int i = 0; i < 300; ++i)
        many += "\\trowd\\cellx1000\\pard\\intbl t" + QByteArray::number(i) + "\\cell\\row\\pard p\\par ";
    readBody(many, &doc);
    QCOMPARE(tablesIn(doc).size(), 256);
    QVERIFY(doc.toPlainText().contains(QLatin1String("t299")));
}

void TestRtf::damagedInput_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");  // kAnyText: anything, as long as reading ends

    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}} b}") << "a b";
    QTest::newRow("metafile claiming records of gigabytes")
        << QByteArray("{\\rtf1 a{\\pict\\wmetafile8 010009007b5c72746631616d5c6472746631030000000000}b}") << "ab";
    QTest::newRow("metafile record past its end")
        << QByteArray("{\\rtf1 a{\\pict\\wmetafile8 0100090000030c00000000000600000000000600000003010800}b}") << "ab";
    QTest::newRow("padding after the document") << bytes("{\\rtf1 a}\r\n\x1a\0\0 }") << "a";
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 {\\b a") << "a";
    QTest::newRow("cut in a control word") << QByteArray("{\\rtf1 a\\pa") << "a";
    QTest::newRow("cut in a hex escape") << QByteArray("{\\rtf1 a\\'e") << "ae";
    QTest::newRow("cut after a backslash") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::newRow("cut after \\u") << QByteArray("{\\rtf1 a\\u") << "a";
    QTest::newRow("cut in binary data") << QByteArray("{\\rtf1 a\\bin99 xy") << "a";
    QTest::newRow("cut in a picture") << QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e470d0a1a0a00") << "a";
    QTest::newRow("cut in a table") << QByteArray("{\\rtf1\\trowd\\cellx1000\\intbl") << kAnyText;
    QTest::newRow("SYMBOL field ending in a backslash")
        << QByteArray("{\\rtf1 a{\\field{\\*\\fldinst SYMBOL 180 \\\\}{\\fldrslt }}b}") << "a\u00B4b";
    QTest::newRow("cut in the font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari") << "";
    QTest::newRow("absurd numbers") << QByteArray(
        "{\\rtf1\\fs999999999999 a\\u-99999999 b\\f99999999999 c\\cf2147483648 d\\li-99999999999 "
        "e\\sl-2147483648 f\\picwgoal99999999999\\trleft-99999999999\\cellx99999999999 g"
        "\\tx-9999999999 h\\uc2147483647\\u65 ij\\bin2000000000 k}")
                                    << "abcdefghA";
    QTest::newRow("deep nesting")
        << QByteArray(100000, '{').prepend("{\\rtf1 ").append('x').append(QByteArray(100000, '}')) << "x";
    QTest::newRow("deep nesting never closed")
        << QByteArray("{\\rtf1 ").append(QByteArray("{\\b ").repeated(100000)).append('x') << "x";
    QTest::newRow("control characters in text") << bytes("{\\rtf1 a\0b\x01"
                                                         "c\x7f}")
                                                << "abc";
    QTest::newRow("empty document") << QByteArray("{\\rtf1}") << "";
    QTest::newRow("nothing but the opening") << QByteArray("{\\rtf") << "";
    QTest::newRow("table words outside a table") << QByteArray("{\\rtf1 \\row a\\cell b\\nestcell c\\row}") << kAnyText;
    QTest::newRow("broken font table") << QByteArray(
        "{\\rtf1{\\fonttbl{\\f0\\fcharset999999 A;}{\\f1;}\\f2 B;;;{\\f3\\cpg-5 C}\\f}\\f0 x\\f1 y\\f2 z\\f3 w}")
                                       << "xyzw";
    QTest::newRow("broken colour table") << QByteArray(
        "{\\rtf1{\\colortbl;\\red999\\green-5;;\\blue}\\cf2 x\\cf99999 y\\highlight-3 z}")
                                         << "xyz";
    QTest::newRow("picture data without a format") << QByteArray("{\\rtf1{\\pict 89504e47}x}") << "x";
    QTest::newRow("nested pictures") << QByteArray("{\\rtf1{\\pict\\pngblip{\\pict\\jpegblip ff}00}x}") << "x";
    QTest::newRow("picture outside any group") << QByteArray("{\\rtf1 a}\\pict\\pngblip 00") << "a";
    QTest::newRow("field instruction never closed") << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x") << "";
    QTest::newRow("hyperlink without target")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \\l}{\\fldrslt r}}}") << "r";

    QByteArray garbage("{\\rtf1 ");
    quint32 seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        garbage += char(seed >> 16);
    }
    QTest::newRow("binary garbage") << garbage << kAnyText;
    QByteArray noisy("{\\rtf1 ");
    const char *pieces[] = {"{",          "}",      "\\'",   "\\u-",    "\\bin", "\\pict",   "\\*",
                            "\\trowd",    "\\cell", "\\row", "\\intbl", "\\par", "\\f",      "\\fonttbl",
                            "\\colortbl", "9",      "e1",    " ",       "\\uc",  "\\fldrslt"};
    for (int i = 0; i < 100000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noisy += pieces[(seed >> 16) % (sizeof pieces / sizeof *pieces)];
    }
    QTest::newRow("random control words") << noisy << kAnyText;
}

void TestRtf::damagedInput()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QTextDocument doc;
    const rtf::ReadResult r = rtf::readRtf(data, &doc);
    QVERIFY(r.ok);
    if (text != kAnyText)
        QCOMPARE(doc.toPlainText(), text);
    // the document is usable afterwards
    doc.setTextWidth(300);
    QVERIFY(doc.size().height() > 0);
}

void TestRtf::notRtfLeavesDocumentEmpty()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("anterior"));
    for (const QByteArray &data : {QByteArray(), QByteArray("Hola"), QByteArray("{\\rt"), QByteArray("x{\\rtf1 a}"),
                                   QByteArray("{\\urtf1 a}")}) {
        const rtf::ReadResult r = rtf::readRtf(data, &doc);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(doc.isEmpty());
    }
    // blanks and a byte-order mark in front are fine
    QVERIFY(rtf::readRtf("\xEF\xBB\xBF \r\n{\\rtf1 a}", &doc).ok);
    QCOMPARE(doc.toPlainText(), QStringLiteral("a"));
}

void TestRtf::readingFiles()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("anterior"));
    const QString missing = fixture("no-existe.rtf");
    const rtf::ReadResult r = rtf::readRtfFile(missing, &doc);
    QVERIFY(!r.ok);
    QVERIFY(r.error.contains(missing));
    QVERIFY(doc.isEmpty());

    QVERIFY(!rtf::readRtfFile(QStringLiteral(RTF_FIXTURES), &doc).ok);  // a folder

    QTemporaryFile text;
    QVERIFY(text.open());
    text.write("texto plano");
    text.close();
    const rtf::ReadResult plain = rtf::readRtfFile(text.fileName(), &doc);
    QVERIFY(!plain.ok);
    QVERIFY(plain.error.contains(text.fileName()));
}

void TestRtf::writerRoundTrip()
{
    const QString markup = QStringLiteral("# Mildiu de la vid\n"
                                          "Afecta a **hojas** y *racimos*; con\n"
                                          "lluvia y 20 °C se extiende — rápido.\n"
                                          "\n"
                                          "## Síntomas\n"
                                          "- Manchas de **aceite**\n"
                                          "- Pelusilla *blanca*\n"
                                          "1. Vigilar\n"
                                          "2. Tratar\n"
                                          "\n"
                                          "| Producto | Dosis |\n"
                                          "|---|:---:|\n"
                                          "| Cobre | 2 kg/ha |\n"
                                          "| Folpet *50%* | 1,5 kg/ha |\n"
                                          "Coste: 12 € — ﬁnca «Ő» 中文 😀 {llaves} \\*no cursiva\\* a\\\\b c|d\tfin.\n");
    const QByteArray data = rtf::writeRtf(markup);
    for (char c : data)
        QVERIFY2(uchar(c) < 0x80, "the writer escapes every byte above 7 bits");

    QTextDocument doc;
    QVERIFY(rtf::readRtf(data, &doc).ok);
    QCOMPARE(doc.toPlainText(),
             QStringLiteral("Mildiu de la vid\n"
                            "Afecta a hojas y racimos; con lluvia y 20 °C se extiende — rápido.\n"
                            "Síntomas\n"
                            "•\tManchas de aceite\n"
                            "•\tPelusilla blanca\n"
                            "1.\tVigilar\n"
                            "2.\tTratar\n"
                            "Producto\nDosis\nCobre\n2 kg/ha\nFolpet 50%\n1,5 kg/ha\n"
                            "Coste: 12 € — ﬁnca «Ő» 中文 😀 {llaves} *no cursiva* a\\b c|d\tfin."));

    const QTextCharFormat heading = formatOf(doc, QStringLiteral("Mildiu"));
    QCOMPARE(heading.fontWeight(), int(QFont::Bold));
    QVERIFY(heading.fontPointSize() > formatOf(doc, QStringLiteral("Síntomas")).fontPointSize());
    QVERIFY(formatOf(doc, QStringLiteral("Síntomas")).fontPointSize()
            > formatOf(doc, QStringLiteral("Afecta")).fontPointSize());
    QCOMPARE(formatOf(doc, QStringLiteral("hojas")).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, QStringLiteral(" y ")).fontWeight(), int(QFont::Normal));
    QVERIFY(formatOf(doc, QStringLiteral("racimos")).fontItalic());
    QVERIFY(!formatOf(doc, QStringLiteral("; con")).fontItalic());
    QCOMPARE(formatOf(doc, QStringLiteral("aceite")).fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(doc, QStringLiteral("blanca")).fontItalic());
    QVERIFY(!formatOf(doc, QStringLiteral("no cursiva")).fontItalic());
    QVERIFY(blockOf(doc, QStringLiteral("Vigilar")).leftMargin() > 0);

    const QList<QTextTable *> found = tablesIn(doc);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0]->rows(), 3);
    QCOMPARE(found[0]->columns(), 2);
    QCOMPARE(cellText(found[0], 2, 1), QStringLiteral("1,5 kg/ha"));
    QCOMPARE(formatOf(doc, QStringLiteral("Producto")).fontWeight(), int(QFont::Bold));
    QCOMPARE(found[0]->cellAt(0, 0).format().background().color(), QColor(217, 217, 217));
    QCOMPARE(formatOf(doc, QStringLiteral("Cobre")).fontWeight(), int(QFont::Normal));
    QVERIFY(formatOf(doc, QStringLiteral("50%")).fontItalic());
    QVERIFY(found[0]->cellAt(2, 1).format().toTableCellFormat().bottomBorder() > 0);
    QCOMPARE(found[0]->format().columnWidthConstraints().size(), 2);
}

void TestRtf::writerOptionsAndEscaping()
{
    rtf::WriteOptions options;
    options.fontFamily = QStringLiteral("Verdana");
    options.fontSize = 12;
    options.title = QStringLiteral("Título {oculto}");
    const QByteArray data = rtf::writeRtf(QStringLiteral("Texto **sin cerrar\n\notro"), options);
    QVERIFY(data.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(data.contains("\\fcharset0 Verdana;"));

    QTextDocument doc;
    QVERIFY(rtf::readRtf(data, &doc).ok);
    QCOMPARE(doc.toPlainText(), QStringLiteral("Texto sin cerrar\notro"));  // the title is not text
    const QTextCharFormat body = formatOf(doc, QStringLiteral("Texto"));
    QCOMPARE(body.fontFamilies().toStringList(), QStringList{QStringLiteral("Verdana")});
    QCOMPARE(body.fontPointSize(), 12.0);
    QCOMPARE(formatOf(doc, QStringLiteral("sin")).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(doc, QStringLiteral("otro")).fontWeight(), int(QFont::Normal));  // bold ends with its paragraph

    QCOMPARE(rtf::writeRtf(QString()).count("\\par"), 0);
}

void TestRtf::symbolFields_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("points");  // of the symbol; 0: the text's own

    auto field = [](const QByteArray &instruction, const QByteArray &result = "{\\fldrslt }") {
        return "{\\field{\\*\\fldinst " + instruction + "}" + result + "}";
    };
    const QByteArray fonts = "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\ftech\\fcharset2 Symbol;}"
                             "{\\f2\\fnil\\fcharset2 Wingdings;}{\\f3\\fswiss\\fcharset238 Arial CE;}"
                             "{\\f4\\fnil\\fcharset2 Webdings;}}\\f0 ";
    QTest::newRow("times") << fonts + "5 " + field("SYMBOL 180 \\\\f \"Symbol\" \\\\s 12") + " 4 = 20"
                           << QStringLiteral("5 × 4 = 20") << 12;
    QTest::newRow("smiley") << fonts + "(" + field("SYMBOL 74 \\\\f \"Wingdings\" \\\\s 10") + ")"
                            << QStringLiteral("(☺)") << 10;
    QTest::newRow("union, no result group")
        << fonts + "A" + field("SYMBOL 200 \\\\f \"Symbol\"", "") + "B" << QStringLiteral("A∪B") << 0;
    QTest::newRow("agronomic signs") << fonts + field("SYMBOL 177 \\\\f \"Symbol\"")
            + field("SYMBOL 179 \\\\f \"Symbol\"") + field("SYMBOL 163 \\\\f \"Symbol\"")
            + field("SYMBOL 109 \\\\f \"Symbol\"") + field("SYMBOL 176 \\\\f \"Symbol\"")
            + field("SYMBOL 174 \\\\f \"Symbol\"")
                                     << QStringLiteral("±≥≤μ°→") << 0;
    QTest::newRow("weather signs") << fonts + field("SYMBOL 217 \\\\f \"Webdings\" \\\\s 14")
            + field("SYMBOL 0xF0DA \\\\f \"Webdings\"") + "{\\f4 " + field("SYMBOL 32") + field("SYMBOL 99") + "}"
                                   << QStringLiteral("☁\U0001F328 ⬜") << 0;
    QTest::newRow("private-use code") << fonts + field("SYMBOL 61620 \\\\f \"Symbol\"") << QStringLiteral("×") << 0;
    QTest::newRow("hexadecimal code") << fonts + field("SYMBOL 0xB0 \\\\f \"Symbol\" \\\\h") << QStringLiteral("°")
                                      << 0;
    QTest::newRow("unicode switch") << fonts + field("SYMBOL 8364 \\\\u") << QStringLiteral("€") << 0;
    QTest::newRow("the text's symbol font") << fonts + "{\\f1 " + field("SYMBOL 97") + "}" << QStringLiteral("α") << 0;
    QTest::newRow("other font, its code page")
        << fonts + field("SYMBOL 185 \\\\f \"Arial CE\"") << QStringLiteral("ą") << 0;
    QTest::newRow("instruction in pieces")
        << fonts + "{\\field{\\*\\fldinst {SYMBOL}{ 180 \\\\f \"Symbol\"}}{\\fldrslt }}" << QStringLiteral("×") << 0;
    QTest::newRow("a result is shown instead")
        << fonts + field("SYMBOL 180 \\\\f \"Symbol\"", "{\\fldrslt x}") << QStringLiteral("x") << 0;
    QTest::newRow("other fields with no result")
        << fonts + "a" + field("PAGE") + field("SYMBOL") + "b" << QStringLiteral("ab") << 0;
    QTest::newRow("hidden field") << fonts + "a{\\v " + field("SYMBOL 180 \\\\f \"Symbol\"") + "}b"
                                  << QStringLiteral("ab") << 0;
}

void TestRtf::symbolFields()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QFETCH(int, points);
    QTextDocument doc;
    QCOMPARE(readBody(body, &doc), text);
    if (points > 0)
        QCOMPARE(formatOf(doc, text.mid(text.indexOf(QRegularExpression(QStringLiteral("[×☺]"))), 1)).fontPointSize(),
                 double(points));
}

void TestRtf::metafileAndBitmapPictures_data()
{
    // pictures.rtf: each line a label and one picture of two colours side by
    // side (the shape picture a single green PNG).
    QTest::addColumn<int>("index");
    QTest::addColumn<QSizeF>("shown");
    QTest::addColumn<QColor>("left");
    QTest::addColumn<QColor>("right");
    QTest::newRow("WMF") << 0 << QSizeF(200, 100) << QColor(Qt::red) << QColor(Qt::blue);
    QTest::newRow("EMF") << 1 << QSizeF(200, 100) << QColor(Qt::green) << QColor(Qt::magenta);
    QTest::newRow("device-independent bitmap") << 2 << QSizeF(80, 40) << QColor(Qt::red) << QColor(Qt::blue);
    QTest::newRow("device-dependent bitmap") << 3 << QSizeF(32, 16) << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("shape picture over its metafile") << 4 << QSizeF(40, 20) << QColor(0, 160, 0) << QColor(0, 160, 0);
    QTest::newRow("scaled metafile") << 5 << QSizeF(100, 200) << QColor(Qt::red) << QColor(Qt::blue);
}

void TestRtf::metafileAndBitmapPictures()
{
    QFETCH(int, index);
    QFETCH(QSizeF, shown);
    QFETCH(QColor, left);
    QFETCH(QColor, right);
    QTextDocument doc;
    QVERIFY(rtf::readRtfFile(fixture("pictures.rtf"), &doc).ok);
    QCOMPARE(doc.toPlainText().count(QChar::ObjectReplacementCharacter), 8);  // one a line, the last in a table
    const QList<QTextImageFormat> found = images(doc);
    QCOMPARE(found.size(), 8);
    QCOMPARE(QSizeF(found[index].width(), found[index].height()), shown);
    const QImage image = doc.resource(QTextDocument::ImageResource, QUrl(found[index].name())).value<QImage>();
    QVERIFY(!image.isNull());
    QCOMPARE(image.pixelColor(image.width() / 4, image.height() / 2), left);
    QCOMPARE(image.pixelColor(image.width() * 3 / 4, image.height() / 2), right);
}

void TestRtf::widePicturesFitTheBox_data()
{
    QTest::addColumn<QList<int>>("boxWidths");  // one after the other
    QTest::addColumn<double>("wideWidth");      // the 732 px picture, at the last width
    QTest::newRow("narrower box") << QList<int>{400} << 400.0 - 2 * 4 - 1;
    QTest::newRow("wider box") << QList<int>{1000} << 732.0;
    QTest::newRow("box grows again") << QList<int>{300, 1000} << 732.0;
}

void TestRtf::widePicturesFitTheBox()
{
    QFETCH(QList<int>, boxWidths);
    QFETCH(double, wideWidth);
    QTextDocument doc;
    QVERIFY(rtf::readRtfFile(fixture("pictures.rtf"), &doc).ok);
    doc.setDocumentMargin(4);
    for (int width : boxWidths)
        rtf::fitPictures(&doc, width);
    const QList<QTextImageFormat> found = images(doc);
    QCOMPARE(found.size(), 8);
    QCOMPARE(found[6].width(), wideWidth);
    QCOMPARE(found[6].height(), 20 * wideWidth / 732);
    // The same picture in a table cell 200 px wide fits the cell, less its
    // padding (70 twips a side), whatever the box.
    const double cellWidth = 200.0 - 2 * 70 / 15.0 - 1;
    QCOMPARE(found[7].width(), cellWidth);
    QCOMPARE(found[7].height(), 20 * cellWidth / 732);
    QCOMPARE(found[0].width(), 200.0);  // pictures that fit keep their size
    doc.setTextWidth(boxWidths.last());
    QVERIFY(doc.idealWidth() <= boxWidths.last());
    // The table keeps the widths the document gave its columns.
    const QRectF table = doc.documentLayout()->frameBoundingRect(tablesIn(doc).at(0));
    QVERIFY2(table.width() <= 300.5, qPrintable(QString::number(table.width())));
}

void TestRtf::trackedChanges_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::newRow("deleted and inserted words")
        << QByteArray("El mildiu {\\deleted\\revauthdel1 ataca}{\\revised\\revauth1 afecta} a las hojas.")
        << QStringLiteral("El mildiu afecta a las hojas.");
    QTest::newRow("a sentence rewritten")
        << QByteArray("{\\deleted Tratar en mayo. }{\\revised Tratar cuando aparezcan las manchas. }Repetir.")
        << QStringLiteral("Tratar cuando aparezcan las manchas. Repetir.");
    QTest::newRow("deleted paragraph mark joins the paragraphs")
        << QByteArray("Primera parte{\\deleted \\par}, segunda parte\\par Otra")
        << QStringLiteral("Primera parte, segunda parte\nOtra");
    QTest::newRow("plain ends a deletion")
        << QByteArray("{\\deleted quitado \\plain queda}") << QStringLiteral("queda");
    QTest::newRow("deletion switched off") << QByteArray("{\\deleted a\\deleted0 b}") << QStringLiteral("b");
    QTest::newRow("deleted picture") << "a{\\deleted{\\pict\\pngblip " + pngHex(2, 2) + "}}b" << QStringLiteral("ab");
    QTest::newRow("deleted text in a cell")
        << QByteArray("\\trowd\\cellx2000\\pard\\intbl {\\deleted vieja}nueva\\cell\\row")
        << QStringLiteral("\nnueva\n");
    // Word marks a deleted row by deleting its cell marks and its row mark.
    const QByteArray row = "\\trowd\\cellx2000\\cellx4000 ";
    QTest::newRow("deleted row") << row + "\\pard\\intbl Oidio\\cell Azufre\\cell\\row "
            + "\\pard\\intbl{\\deleted\\revauthdel1 Mildiu\\cell Cobre\\cell}{\\deleted\\revauthdel1 " + row + "\\row}"
            + "\\pard\\intbl Botritis\\cell Pirimetanil\\cell\\row\\pard Fin"
                                 << QStringLiteral("\nOidio\nAzufre\nBotritis\nPirimetanil\nFin");
    QTest::newRow("the only row deleted")
        << "Antes\\par{\\deleted \\trowd\\cellx2000\\pard\\intbl Mildiu\\cell\\row}\\pard Fin" + QByteArray()
        << QStringLiteral("Antes\nFin");
    QTest::newRow("a row whose text alone is deleted stays")
        << row + "\\pard\\intbl{\\deleted Mildiu}\\cell{\\deleted Cobre}\\cell\\row\\pard Fin"
        << QStringLiteral("\n\n\nFin");
}

void TestRtf::trackedChanges()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QCOMPARE(readBody(body), text);
}

void TestRtf::tablesOnACellGrid_data()
{
    // word2000-table.rtf: a header row of 3 cells over rows of 5, a cell
    // merged down over two rows, two merged across, borders per cell, some
    // dotted, dashed or double.
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rowSpan");
    QTest::addColumn<int>("columnSpan");
    QTest::addColumn<double>("rightBorder");  // px
    QTest::addColumn<QColor>("rightColor");
    QTest::addColumn<int>("rightStyle");
    QTest::addColumn<int>("alignment");
    const int solid = QTextFrameFormat::BorderStyle_Solid;
    QTest::newRow("header over the first column")
        << 0 << 0 << "Plaga" << 1 << 1 << 1.0 << QColor(Qt::black) << solid << int(Qt::AlignHCenter);
    QTest::newRow("header over three columns")
        << 0 << 1 << "Umbral" << 1 << 3 << 1.0 << QColor(Qt::black) << solid << int(Qt::AlignHCenter);
    QTest::newRow("header over the last column")
        << 0 << 4 << "Momento" << 1 << 1 << 1.0 << QColor(Qt::black) << solid << int(Qt::AlignHCenter);
    QTest::newRow("narrow justified cell")
        << 1 << 2 << "10" << 1 << 1 << 1.0 << QColor(Qt::black) << solid << int(Qt::AlignLeft);
    QTest::newRow("wide justified cell") << 1 << 4
                                         << "Tras el vuelo de la segunda generación, con huevos en los racimos" << 1
                                         << 1 << 1.0 << QColor(Qt::black) << solid << int(Qt::AlignJustify);
    QTest::newRow("merged down") << 2 << 0 << "Araña roja" << 2 << 1 << 1.0 << QColor(Qt::black) << solid
                                 << int(Qt::AlignLeft);
    QTest::newRow("merged across") << 2 << 1 << "2 a 3 por hoja" << 1 << 2 << 1.0 << QColor(Qt::black) << solid
                                   << int(Qt::AlignLeft);
    QTest::newRow("own border colour and width")
        << 2 << 4 << "Primavera" << 1 << 1 << 2.0 << QColor(192, 0, 0) << solid << int(Qt::AlignJustify);
    QTest::newRow("dotted border") << 1 << 3 << "15" << 1 << 1 << 1.0 << QColor(Qt::black)
                                   << int(QTextFrameFormat::BorderStyle_Dotted) << int(Qt::AlignLeft);
    QTest::newRow("double border, three times as wide as each line")
        << 2 << 3 << "20" << 1 << 1 << 3.0 << QColor(Qt::black) << int(QTextFrameFormat::BorderStyle_Double)
        << int(Qt::AlignLeft);
    QTest::newRow("dashed border in colour") << 3 << 2 << "2" << 1 << 1 << 1.0 << QColor(192, 0, 0)
                                             << int(QTextFrameFormat::BorderStyle_Dashed) << int(Qt::AlignLeft);
    QTest::newRow("below the merge") << 3 << 1 << "1" << 1 << 1 << 1.0 << QColor(Qt::black) << solid
                                     << int(Qt::AlignLeft);
}

void TestRtf::tablesOnACellGrid()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, rowSpan);
    QFETCH(int, columnSpan);
    QFETCH(double, rightBorder);
    QFETCH(QColor, rightColor);
    QFETCH(int, rightStyle);
    QFETCH(int, alignment);
    QTextDocument doc;
    QVERIFY(rtf::readRtfFile(fixture("word2000-table.rtf"), &doc).ok);
    const QList<QTextTable *> found = tablesIn(doc);
    QCOMPARE(found.size(), 1);
    QTextTable *table = found[0];
    QCOMPARE(table->rows(), 4);
    QCOMPARE(table->columns(), 5);
    QList<double> widths;
    for (const QTextLength &w : table->format().columnWidthConstraints())
        widths << w.rawValue();
    QCOMPARE(widths,
             (QList<double>{twipsToPixels(1700), twipsToPixels(1200), twipsToPixels(1200), twipsToPixels(1200),
                            twipsToPixels(3204)}));
    QCOMPARE(table->format().border(), 0.0);  // no grid of its own: the cells' lines only

    const QTextTableCell cell = table->cellAt(row, column);
    QCOMPARE(cell.row(), row);
    QCOMPARE(cell.column(), column);
    QCOMPARE(cellText(table, row, column), text);
    QCOMPARE(cell.rowSpan(), rowSpan);
    QCOMPARE(cell.columnSpan(), columnSpan);
    const QTextTableCellFormat format = cell.format().toTableCellFormat();
    QCOMPARE(format.rightBorder(), rightBorder);
    QCOMPARE(format.rightBorderBrush().color(), rightColor);
    QCOMPARE(int(format.rightBorderStyle()), rightStyle);
    QCOMPARE(int(cell.firstCursorPosition().blockFormat().alignment() & Qt::AlignHorizontal_Mask), alignment);
}

void TestRtf::hangingListItems_data()
{
    QTest::addColumn<QByteArray>("body");
    const QByteArray text = " Un punto de lista con texto bastante largo para que ocupe dos o tres l\\'edneas.\\par";
    QTest::newRow("no tab stop (Word 2010)") << "{\\listtext\\'95\\tab}\\pard\\fi-360\\li720" + text;
    QTest::newRow("tab stop at the indent") << "{\\listtext 1.\\tab}\\pard\\fi-360\\li720\\jclisttab\\tx720" + text;
    QTest::newRow("tab stop past the indent") << "{\\listtext a)\\tab}\\pard\\fi-567\\li1134\\tx2000" + text;
    QTest::newRow("other tab stops too") << "{\\listtext 2.\\tab}\\pard\\fi-283\\li283\\tx4000\\tx5000" + text;
}

void TestRtf::hangingListItems()
{
    // The text after the item's tab starts where the item's next lines start.
    QFETCH(QByteArray, body);
    QTextDocument doc;
    readBody(body, &doc);
    doc.setTextWidth(260);
    (void)doc.size();  // lays the document out
    const QTextBlock block = doc.find(QStringLiteral("Un punto")).block();
    QTextLayout *layout = block.layout();
    QVERIFY(layout->lineCount() >= 2);
    const int afterTab = int(block.text().indexOf(QLatin1String("Un punto")));
    const qreal textStart = layout->lineAt(0).cursorToX(afterTab);
    const qreal nextLines = layout->lineAt(1).cursorToX(layout->lineAt(1).textStart());
    QVERIFY2(qAbs(textStart - nextLines) < 1.0, qPrintable(QStringLiteral("%1 vs %2").arg(textStart).arg(nextLines)));
}

QTEST_MAIN(TestRtf)
#include "test_rtf.moc"
