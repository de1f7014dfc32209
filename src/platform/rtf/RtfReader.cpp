#include "platform/rtf/RtfReader.h"

#include "platform/rtf/RtfCodepages.h"
#include "platform/rtf/RtfDocumentBuilder.h"
#include "platform/rtf/RtfPictures.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rtf {

namespace {

using namespace detail;

constexpr int kMaxDepth = 1000;   // groups deeper than this share one state
constexpr int kMaxTabStops = 64;  // per paragraph
constexpr int kMaxTabSets = 64;   // different sets of tab stops in one document
constexpr int kMaxCachedFormats = 4096;
constexpr int kMaxFieldInstruction = 4096;
constexpr int kMaxFontName = 256;
constexpr int kMaxTwips = 31680;  // 22 inches
constexpr double kTwipsPerPixel = 15.0;
constexpr int kMaxPicturePixels = 10000;                  // a picture's side, as stored or as shown
constexpr qint64 kMaxPictureArea = 16'000'000;            // pixels of one stored picture
constexpr qint64 kPictureBudget = 64'000'000;             // pixels decoded for one document
constexpr qsizetype kMaxPictureBytes = 32 * 1024 * 1024;  // stored bytes of one picture
constexpr int kMaxOpenFields = 64;                        // fields nested in fields
// The size the document gives a picture, kept on its format for fitPictures().
constexpr int kPictureWidth = QTextFormat::UserProperty + 1;
constexpr int kPictureHeight = QTextFormat::UserProperty + 2;

// Every control word the reader acts on.
enum class Kw {
    // destinations
    FontTable,
    ColorTable,
    Picture,
    FieldInstruction,
    FieldResult,
    ListText,
    ShapePicture,
    NonShapePicture,
    Field,
    SkipDestination,
    Transparent,
    Shape,
    ShapeInstructions,
    ShapeText,
    ShapeResult,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodepage,
    DefaultFont,
    UnicodeSkip,
    // font table
    Font,
    FontCharset,
    FontCodepage,
    FontRoman,
    FontSwiss,
    FontModern,
    FontScript,
    FontDecor,
    // colour table
    Red,
    Green,
    Blue,
    // character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineDotted,
    UnderlineDashed,
    UnderlineWave,
    UnderlineNone,
    Strike,
    FontSize,
    ForeColor,
    BackColor,
    Super,
    Sub,
    NoSuperSub,
    Caps,
    SmallCaps,
    Hidden,
    Deleted,
    // paragraph formatting
    Pard,
    AlignLeft,
    AlignRight,
    AlignCenter,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    InTable,
    TableLevel,
    PageBreakBefore,
    RtlPar,
    LtrPar,
    TabStop,
    TabRight,
    TabCenter,
    TabDecimal,
    // breaks and special characters
    Par,
    Line,
    Tab,
    Page,
    Sect,
    Cell,
    Row,
    NestCell,
    NestRow,
    Unicode,
    Bin,
    Char,
    // tables
    RowDefaults,
    CellRight,
    RowLeft,
    RowGap,
    RowCenter,
    RowRight,
    RowLeftAlign,
    CellShading,
    CellBorderTop,
    CellBorderLeft,
    CellBorderBottom,
    CellBorderRight,
    RowBorderTop,
    RowBorderLeft,
    RowBorderBottom,
    RowBorderRight,
    RowBorderInsideH,
    RowBorderInsideV,
    ParagraphBorder,
    BorderStyle,
    BorderNone,
    BorderWidth,
    BorderColor,
    CellMergeFirst,
    CellMerged,
    CellVMergeFirst,
    CellVMerged,
    // pictures
    PngBlip,
    JpegBlip,
    WmfPicture,
    EmfPicture,
    DibPicture,
    DdbPicture,
    OtherPicture,
    PicWidth,
    PicHeight,
    PicWidthGoal,
    PicHeightGoal,
    PicScaleX,
    PicScaleY,
    BitmapBitsPerPixel,
    BitmapWidthBytes,
};

struct KwInfo {
    Kw kw;
    char16_t ch = 0;  // for Kw::Char the character, for Kw::BorderStyle the QTextFrameFormat::BorderStyle
};

const std::unordered_map<std::string_view, KwInfo> &keywords()
{
    static const std::unordered_map<std::string_view, KwInfo> table = [] {
        std::unordered_map<std::string_view, KwInfo> t;
        auto add = [&t](std::string_view name, Kw kw, char16_t ch = 0) { t.emplace(name, KwInfo{kw, ch}); };
        add("fonttbl", Kw::FontTable);
        add("colortbl", Kw::ColorTable);
        add("pict", Kw::Picture);
        add("fldinst", Kw::FieldInstruction);
        add("fldrslt", Kw::FieldResult);
        add("listtext", Kw::ListText);
        add("pntext", Kw::ListText);
        add("shppict", Kw::ShapePicture);
        for (const char *name : {"stylesheet",
                                 "info",
                                 "header",
                                 "headerl",
                                 "headerr",
                                 "headerf",
                                 "footer",
                                 "footerl",
                                 "footerr",
                                 "footerf",
                                 "footnote",
                                 "annotation",
                                 "atnid",
                                 "atnauthor",
                                 "atntime",
                                 "atnref",
                                 "atndate",
                                 "atnicn",
                                 "atnparent",
                                 "listtable",
                                 "listoverridetable",
                                 "revtbl",
                                 "rsidtbl",
                                 "filetbl",
                                 "pgdsctbl",
                                 "pn",
                                 "pnseclvl",
                                 "pntxta",
                                 "pntxtb",
                                 "nonesttables",
                                 "nesttableprops",
                                 "xe",
                                 "tc",
                                 "tcn",
                                 "txe",
                                 "rxe",
                                 "template",
                                 "objdata",
                                 "objclass",
                                 "objname",
                                 "objalias",
                                 "objsect",
                                 "objitem",
                                 "objtopic",
                                 "private",
                                 "generator",
                                 "bkmkstart",
                                 "bkmkend",
                                 "ftnsep",
                                 "ftnsepc",
                                 "ftncn",
                                 "aftnsep",
                                 "aftnsepc",
                                 "aftncn",
                                 "themedata",
                                 "colorschememapping",
                                 "latentstyles",
                                 "datastore",
                                 "xmlnstbl",
                                 "userprops",
                                 "docvar",
                                 "picprop",
                                 "blipuid",
                                 "panose",
                                 "falt",
                                 "fontemb",
                                 "fontfile",
                                 "comment",
                                 "title",
                                 "subject",
                                 "author",
                                 "operator",
                                 "keywords",
                                 "doccomm",
                                 "company",
                                 "manager",
                                 "category",
                                 "hlinkbase",
                                 "creatim",
                                 "revtim",
                                 "printim",
                                 "buptim",
                                 "listpicture",
                                 "mmathPr",
                                 "wgrffmtfilter",
                                 "pgptbl",
                                 "protusertbl",
                                 "ud",
                                 "do",
                                 "fldtype",
                                 "formfield",
                                 "datafield",
                                 "ffdeftext",
                                 "sp",
                                 "sn",
                                 "sv",
                                 "chpgn",
                                 "chdate",
                                 "chtime",
                                 "chftn",
                                 "xmlopen",
                                 "xmlclose",
                                 "oldcprops",
                                 "oldpprops",
                                 "oldtprops",
                                 "oldsprops",
                                 "mhtmltag",
                                 "htmltag",
                                 "defchp",
                                 "defpap"})
            add(name, Kw::SkipDestination);
        add("nonshppict", Kw::NonShapePicture);
        add("field", Kw::Field);
        add("result", Kw::Transparent);
        add("shp", Kw::Shape);
        add("shpinst", Kw::ShapeInstructions);
        add("shptxt", Kw::ShapeText);
        add("shprslt", Kw::ShapeResult);

        add("ansi", Kw::Ansi);
        add("mac", Kw::Mac);
        add("pc", Kw::Pc);
        add("pca", Kw::Pca);
        add("ansicpg", Kw::AnsiCodepage);
        add("deff", Kw::DefaultFont);
        add("uc", Kw::UnicodeSkip);

        add("f", Kw::Font);
        add("fcharset", Kw::FontCharset);
        add("cpg", Kw::FontCodepage);
        add("froman", Kw::FontRoman);
        add("fswiss", Kw::FontSwiss);
        add("fmodern", Kw::FontModern);
        add("fscript", Kw::FontScript);
        add("fdecor", Kw::FontDecor);

        add("red", Kw::Red);
        add("green", Kw::Green);
        add("blue", Kw::Blue);

        add("plain", Kw::Plain);
        add("b", Kw::Bold);
        add("i", Kw::Italic);
        for (const char *name : {"ul", "uldb", "ulth", "ulw"})
            add(name, Kw::Underline);
        for (const char *name : {"uld", "ulthd"})
            add(name, Kw::UnderlineDotted);
        for (const char *name :
             {"uldash", "uldashd", "uldashdd", "ulthdash", "ulldash", "ulthldash", "ulthdashd", "ulthdashdd"})
            add(name, Kw::UnderlineDashed);
        for (const char *name : {"ulwave", "ulhwave", "ululdbwave"})
            add(name, Kw::UnderlineWave);
        add("ulnone", Kw::UnderlineNone);
        add("strike", Kw::Strike);
        add("striked", Kw::Strike);
        add("fs", Kw::FontSize);
        add("cf", Kw::ForeColor);
        add("cb", Kw::BackColor);
        add("highlight", Kw::BackColor);
        add("chcbpat", Kw::BackColor);
        add("super", Kw::Super);
        add("sub", Kw::Sub);
        add("nosupersub", Kw::NoSuperSub);
        add("caps", Kw::Caps);
        add("scaps", Kw::SmallCaps);
        add("v", Kw::Hidden);
        add("deleted", Kw::Deleted);

        add("pard", Kw::Pard);
        add("ql", Kw::AlignLeft);
        add("qr", Kw::AlignRight);
        add("qc", Kw::AlignCenter);
        add("qj", Kw::AlignJustify);
        add("qd", Kw::AlignJustify);
        add("li", Kw::LeftIndent);
        add("lin", Kw::LeftIndent);
        add("ri", Kw::RightIndent);
        add("rin", Kw::RightIndent);
        add("fi", Kw::FirstIndent);
        add("sb", Kw::SpaceBefore);
        add("sa", Kw::SpaceAfter);
        add("sl", Kw::LineSpacing);
        add("slmult", Kw::LineMultiple);
        add("intbl", Kw::InTable);
        add("itap", Kw::TableLevel);
        add("pagebb", Kw::PageBreakBefore);
        add("rtlpar", Kw::RtlPar);
        add("ltrpar", Kw::LtrPar);
        add("tx", Kw::TabStop);
        add("tqr", Kw::TabRight);
        add("tqc", Kw::TabCenter);
        add("tqdec", Kw::TabDecimal);

        add("par", Kw::Par);
        add("line", Kw::Line);
        add("tab", Kw::Tab);
        add("page", Kw::Page);
        add("sect", Kw::Sect);
        add("column", Kw::Sect);
        add("cell", Kw::Cell);
        add("row", Kw::Row);
        add("nestcell", Kw::NestCell);
        add("nestrow", Kw::NestRow);
        add("u", Kw::Unicode);
        add("bin", Kw::Bin);
        add("bullet", Kw::Char, 0x2022);
        add("emdash", Kw::Char, 0x2014);
        add("endash", Kw::Char, 0x2013);
        add("emspace", Kw::Char, 0x2003);
        add("enspace", Kw::Char, 0x2002);
        add("qmspace", Kw::Char, 0x2005);
        add("lquote", Kw::Char, 0x2018);
        add("rquote", Kw::Char, 0x2019);
        add("ldblquote", Kw::Char, 0x201C);
        add("rdblquote", Kw::Char, 0x201D);
        add("zwj", Kw::Char, 0x200D);
        add("zwnj", Kw::Char, 0x200C);
        add("zwbo", Kw::Char, 0x200B);
        add("ltrmark", Kw::Char, 0x200E);
        add("rtlmark", Kw::Char, 0x200F);

        add("trowd", Kw::RowDefaults);
        add("cellx", Kw::CellRight);
        add("trleft", Kw::RowLeft);
        add("trgaph", Kw::RowGap);
        add("trqc", Kw::RowCenter);
        add("trqr", Kw::RowRight);
        add("trql", Kw::RowLeftAlign);
        add("clcbpat", Kw::CellShading);
        add("clbrdrt", Kw::CellBorderTop);
        add("clbrdrl", Kw::CellBorderLeft);
        add("clbrdrb", Kw::CellBorderBottom);
        add("clbrdrr", Kw::CellBorderRight);
        add("trbrdrt", Kw::RowBorderTop);
        add("trbrdrl", Kw::RowBorderLeft);
        add("trbrdrb", Kw::RowBorderBottom);
        add("trbrdrr", Kw::RowBorderRight);
        add("trbrdrh", Kw::RowBorderInsideH);
        add("trbrdrv", Kw::RowBorderInsideV);
        add("brdrw", Kw::BorderWidth);
        add("brdrcf", Kw::BorderColor);
        add("clmgf", Kw::CellMergeFirst);
        add("clmrg", Kw::CellMerged);
        add("clvmgf", Kw::CellVMergeFirst);
        add("clvmrg", Kw::CellVMerged);
        for (const char *name : {"brdrt", "brdrl", "brdrb", "brdrr", "brdrbtw", "brdrbar", "box"})
            add(name, Kw::ParagraphBorder);
        // Lines Qt has no style for are drawn solid.
        for (const char *name : {"brdrs", "brdrth", "brdrsh", "brdrhair", "brdrwavy", "brdrwavydb", "brdrframe",
                                 "brdrdashdotstr", "brdrtnthsg", "brdrthtnsg", "brdrtnthtnsg", "brdrtnthmg",
                                 "brdrthtnmg", "brdrtnthtnmg", "brdrtnthlg", "brdrthtnlg", "brdrtnthtnlg"})
            add(name, Kw::BorderStyle, QTextFrameFormat::BorderStyle_Solid);
        add("brdrdot", Kw::BorderStyle, QTextFrameFormat::BorderStyle_Dotted);
        add("brdrdash", Kw::BorderStyle, QTextFrameFormat::BorderStyle_Dashed);
        add("brdrdashsm", Kw::BorderStyle, QTextFrameFormat::BorderStyle_Dashed);
        add("brdrdashd", Kw::BorderStyle, QTextFrameFormat::BorderStyle_DotDash);
        add("brdrdashdd", Kw::BorderStyle, QTextFrameFormat::BorderStyle_DotDotDash);
        add("brdrdb", Kw::BorderStyle, QTextFrameFormat::BorderStyle_Double);
        add("brdrtriple", Kw::BorderStyle, QTextFrameFormat::BorderStyle_Double);
        add("brdrinset", Kw::BorderStyle, QTextFrameFormat::BorderStyle_Inset);
        add("brdroutset", Kw::BorderStyle, QTextFrameFormat::BorderStyle_Outset);
        add("brdremboss", Kw::BorderStyle, QTextFrameFormat::BorderStyle_Ridge);
        add("brdrengrave", Kw::BorderStyle, QTextFrameFormat::BorderStyle_Groove);
        add("brdrnone", Kw::BorderNone);
        add("brdrnil", Kw::BorderNone);
        add("brdrtbl", Kw::BorderNone);

        add("pngblip", Kw::PngBlip);
        add("jpegblip", Kw::JpegBlip);
        add("wmetafile", Kw::WmfPicture);
        add("emfblip", Kw::EmfPicture);
        add("dibitmap", Kw::DibPicture);
        add("wbitmap", Kw::DdbPicture);
        add("macpict", Kw::OtherPicture);
        add("pmmetafile", Kw::OtherPicture);
        add("picw", Kw::PicWidth);
        add("pich", Kw::PicHeight);
        add("wbmbitspixel", Kw::BitmapBitsPerPixel);
        add("wbmwidthbytes", Kw::BitmapWidthBytes);
        add("picwgoal", Kw::PicWidthGoal);
        add("pichgoal", Kw::PicHeightGoal);
        add("picscalex", Kw::PicScaleX);
        add("picscaley", Kw::PicScaleY);
        return t;
    }();
    return table;
}

enum class Dest : quint8 {
    Text,      // document content
    ListText,  // a list item's bullet or number: content, paragraph words ignored
    Skip,
    FontTable,
    ColorTable,
    Picture,
    FieldInstruction,
    ShapeInstructions,  // a shape's properties: only its text is content
};

enum class PictureFormat : quint8 { Unknown, Png, Jpeg, Wmf, Emf, Dib, Ddb, Other };

enum class SymbolKind : quint8 { None, Symbol, Wingdings, Webdings, Other };

struct Font {
    QString name;
    int codepage = 0;  // 0: the document's
    SymbolKind symbol = SymbolKind::None;
    QFont::StyleHint hint = QFont::AnyStyle;
};

// Formatting and destination of one group; a group starts as a copy of its
// parent's and the parent's comes back when it ends.
struct GroupState {
    Dest dest = Dest::Text;
    int uc = 1;
    // characters
    int font = -1;
    int fontSize = 24;  // half-points
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    bool deleted = false;         // a tracked deletion: not in the final text
    bool shapePicture = false;    // inside \*\shppict
    bool textBox = false;         // inside a text box's text
    bool textBoxInTable = false;  // the text box is anchored in a table cell
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    QTextCharFormat::VerticalAlignment valign = QTextCharFormat::AlignNormal;
    QFont::Capitalization caps = QFont::MixedCase;
    int foreColor = 0;
    int backColor = 0;
    int link = -1;
    // paragraph
    Qt::Alignment align = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
    bool inTable = false;
    bool pageBreakBefore = false;
    bool rtl = false;
    QTextOption::TabType pendingTabType = QTextOption::LeftTab;
    QList<QTextOption::Tab> tabs;

    void resetParagraph()
    {
        align = Qt::AlignLeft;
        leftIndent = rightIndent = firstIndent = spaceBefore = spaceAfter = lineSpacing = 0;
        lineMultiple = inTable = pageBreakBefore = rtl = false;
        pendingTabType = QTextOption::LeftTab;
        tabs.clear();
    }
    void resetCharacters(int defaultFont)
    {
        font = defaultFont;
        fontSize = 24;
        bold = italic = strike = hidden = deleted = false;
        underline = QTextCharFormat::NoUnderline;
        valign = QTextCharFormat::AlignNormal;
        caps = QFont::MixedCase;
        foreColor = backColor = 0;
    }
};

// What decides a run's character format; equal keys give equal formats.
struct CharKey {
    int font, fontSize, foreColor, backColor, link;
    int flags;  // bold, italic, strike, underline, vertical alignment, capitals

    bool operator==(const CharKey &o) const
    {
        return font == o.font && fontSize == o.fontSize && foreColor == o.foreColor && backColor == o.backColor
            && link == o.link && flags == o.flags;
    }
};

size_t qHash(const CharKey &k, size_t seed = 0)
{
    return qHashMulti(seed, k.font, k.fontSize, k.foreColor, k.backColor, k.link, k.flags);
}

int clampTwips(int v, int low = -kMaxTwips, int high = kMaxTwips) { return std::clamp(v, low, high); }

int hexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The target of a HYPERLINK field instruction, or an empty string.
QString hyperlinkTarget(const QString &instruction)
{
    const QString text = instruction.trimmed();
    if (!text.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    bool local = false;
    qsizetype i = 9;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == u'\\') {
            // a switch: \l names a bookmark; the others (\o "tip", \t "frame") take an argument we ignore
            const bool isLocal = i + 1 < n && text.at(i + 1) == u'l';
            i += 2;
            while (i < n && text.at(i).isSpace())
                ++i;
            if (isLocal) {
                local = true;
                continue;
            }
            if (i < n && text.at(i) == u'"') {
                const qsizetype end = text.indexOf(u'"', i + 1);
                i = end < 0 ? n : end + 1;
            }
        } else {
            QString target;
            if (c == u'"') {
                const qsizetype end = text.indexOf(u'"', i + 1);
                target = text.mid(i + 1, (end < 0 ? n : end) - i - 1);
            } else {
                qsizetype end = i;
                while (end < n && !text.at(end).isSpace())
                    ++end;
                target = text.mid(i, end - i);
            }
            target.replace(QLatin1String("\\\\"), QLatin1String("\\"));
            return local ? QLatin1Char('#') + target : target;
        }
    }
    return {};
}

// A SYMBOL field's instruction: SYMBOL code [\f "font"] [\s points] [\u] [\a] [\j] [\h].
struct SymbolField {
    bool valid = false;
    uint code = 0;
    bool unicode = false;
    QString font;    // empty: the text's font
    int points = 0;  // 0: the text's size
};

SymbolField symbolField(const QString &instruction)
{
    SymbolField field;
    const QString text = instruction.trimmed();
    if (!text.startsWith(QLatin1String("SYMBOL"), Qt::CaseInsensitive))
        return field;
    const qsizetype n = text.size();
    qsizetype i = 6;
    if (i < n && !text.at(i).isSpace())
        return field;
    auto skipBlanks = [&] {
        while (i < n && text.at(i).isSpace())
            ++i;
    };
    auto word = [&] {
        skipBlanks();
        QString w;
        if (i < n && text.at(i) == u'"') {
            const qsizetype end = text.indexOf(u'"', i + 1);
            w = text.mid(i + 1, (end < 0 ? n : end) - i - 1);
            i = end < 0 ? n : end + 1;
        } else {
            const qsizetype start = i;
            while (i < n && !text.at(i).isSpace() && text.at(i) != u'\\')
                ++i;
            w = text.mid(start, i - start);
        }
        return w;
    };
    const QString code = word();
    bool ok = false;
    const uint value =
        code.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? code.mid(2).toUInt(&ok, 16) : code.toUInt(&ok, 10);
    if (!ok || value == 0 || value > 0x10FFFF)
        return field;
    field.code = value;
    while (i < n) {
        skipBlanks();
        if (i + 1 >= n || text.at(i) != u'\\') {
            const qsizetype before = i;
            word();  // stray text: ignored
            if (i == before)
                ++i;  // a backslash that ends the instruction
            continue;
        }
        const QChar sw = text.at(i + 1).toLower();
        i += 2;
        if (sw == u'f') {
            field.font = word().trimmed();
        } else if (sw == u's') {
            bool sizeOk = false;
            const double points = word().toDouble(&sizeOk);
            if (sizeOk && points >= 1 && points <= 1638)
                field.points = int(points);
        } else if (sw == u'u') {
            field.unicode = true;
        }
        // \a (ANSI), \j (Shift-JIS) and \h (no extra line spacing) change nothing here
    }
    field.valid = true;
    return field;
}

SymbolKind symbolKindOfName(const QString &name)
{
    if (name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        return SymbolKind::Symbol;
    if (name.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive))
        return SymbolKind::Wingdings;
    if (name.startsWith(QLatin1String("Webdings"), Qt::CaseInsensitive))
        return SymbolKind::Webdings;
    return SymbolKind::None;
}

// The character a glyph of a symbol font stands for; 0 when the font is not
// one whose glyphs are known or the glyph has no equivalent.
char32_t symbolGlyph(SymbolKind kind, unsigned char byte)
{
    switch (kind) {
    case SymbolKind::Symbol: return symbolFontToUnicode(byte);
    case SymbolKind::Wingdings: return wingdingsToUnicode(byte);
    case SymbolKind::Webdings: return webdingsToUnicode(byte);
    default: return 0;
    }
}

void appendUcs4(QString &text, char32_t ch)
{
    if (ch > 0xFFFF)
        text.append(QString::fromUcs4(&ch, 1));
    else
        text.append(QChar(char16_t(ch)));
}

class Reader {
public:
    Reader(const QByteArray &data, QTextDocument *doc) : m_data(data), m_doc(doc) { }
    void run();

private:
    // tokens
    void groupOpen();
    void groupClose();
    void popGroup();
    void controlWord(std::string_view name, bool hasParam, int param);
    void controlSymbol(unsigned char c);
    void hexByte(unsigned char b);
    void textByte(unsigned char c);
    void binary(qsizetype length);

    bool consumeFallback();
    void applyDestination(const KwInfo &info);
    void characterWord(Kw kw, bool hasParam, int param);
    void paragraphWord(Kw kw, bool hasParam, int param);

    // text
    bool takesText() const;
    int codepage() const;
    SymbolKind symbolKind() const;
    void appendChar(char32_t ch);
    void decodePending();
    void flushText();
    QString sanitize(const QString &text) const;

    QTextCharFormat charFormat();
    QTextBlockFormat blockFormat();
    bool inTable() const { return state().inTable; }

    void commitFont();
    void commitColor();
    void finishPicture();
    QImage decodePicture(const QByteArray &data, double width, double height, double *shownWidth, double *shownHeight);
    void finishField();
    bool shown() const { return !state().hidden && !state().deleted; }

    GroupState &state() { return m_stack.back(); }
    const GroupState &state() const { return m_stack.back(); }

    const QByteArray &m_data;
    QTextDocument *m_doc;
    qsizetype m_pos = 0;
    qsizetype m_contentEnd = 0;  // past the last byte that is neither blank nor '}'

    std::vector<GroupState> m_stack;
    int m_overflow = 0;  // groups opened past kMaxDepth and not closed yet
    bool m_starPending = false;
    int m_skipFallback = 0;

    int m_docCodepage = 1252;
    bool m_codepageGiven = false;
    int m_defaultFont = 0;
    QHash<int, Font> m_fonts;
    QList<QColor> m_colors;
    QStringList m_links;

    // Formats are made once per distinct key: runs then share them, and the
    // document's format collection gets few distinct ones to look through.
    QHash<CharKey, QTextCharFormat> m_charFormats;
    QHash<QByteArray, QTextBlockFormat> m_blockFormats;
    QSet<QByteArray> m_tabSets;

    QByteArray m_pendingBytes;
    QString m_pendingText;
    CodepageDecoder m_decoder;

    // font table entry being read
    struct {
        int number = -1;
        int charset = -1;
        int codepage = 0;
        QFont::StyleHint hint = QFont::AnyStyle;
        QString name;
    } m_fontDef;

    // colour table entry being read
    int m_red = -1, m_green = -1, m_blue = -1;

    QString m_fieldInstruction;

    // Fields being read: a field whose result turns out empty may still show
    // something of its own (a SYMBOL field shows its character).
    struct OpenField {
        size_t depth = 0;  // the field's group
        QString instruction;
        quint64 emitted = 0;  // m_emitted when the field began
    };
    std::vector<OpenField> m_fields;
    quint64 m_emitted = 0;                      // text runs and pictures handed to the builder so far
    quint64 m_shapePictureShown = ~quint64(0);  // m_emitted just after a \shppict picture
    bool m_shapeTextRead = false;               // the shape being read is a text box whose text was read

    struct {
        bool active = false;
        size_t depth = 0;
        PictureFormat format = PictureFormat::Unknown;
        QByteArray data;
        int nibble = -1;
        int width = 0, height = 0;  // \picw, \pichgoal: pixels, or 0.01 mm for metafiles
        int widthGoal = 0, heightGoal = 0;
        int scaleX = 100, scaleY = 100;
        int bitsPerPixel = 1, widthBytes = 0;
        bool shapePicture = false;
    } m_pict;
    int m_pictureCount = 0;
    qint64 m_pictureBudget = kPictureBudget;

    RowDefinition m_row;
    CellDefinition m_pendingCell;  // the properties of the cell whose \cellx comes next
    int m_pendingCellShading = -1;
    BorderLine *m_borderTarget = nullptr;  // the line \brdr... words describe; none for paragraphs

    DocumentBuilder m_builder;
};

void Reader::run()
{
    m_stack.reserve(64);
    m_stack.emplace_back();
    const auto *p = reinterpret_cast<const unsigned char *>(m_data.constData());
    const qsizetype n = m_data.size();
    m_contentEnd = n;
    while (m_contentEnd > 0 && (p[m_contentEnd - 1] <= ' ' || p[m_contentEnd - 1] == '}'))
        --m_contentEnd;
    while (m_pos < n) {
        const unsigned char c = p[m_pos++];
        switch (c) {
        case '{': groupOpen(); break;
        case '}': groupClose(); break;
        case '\r':
        case '\n': break;
        case '\\': {
            if (m_pos >= n)
                break;
            const unsigned char d = p[m_pos];
            if (isLetter(d)) {
                const qsizetype start = m_pos;
                while (m_pos < n && isLetter(p[m_pos]))
                    ++m_pos;
                const std::string_view name(m_data.constData() + start, size_t(m_pos - start));
                bool hasParam = false;
                bool negative = false;
                qint64 value = 0;
                if (m_pos + 1 < n && p[m_pos] == '-' && isDigit(p[m_pos + 1])) {
                    negative = true;
                    ++m_pos;
                }
                while (m_pos < n && isDigit(p[m_pos])) {
                    hasParam = true;
                    value = std::min<qint64>(value * 10 + (p[m_pos] - '0'), qint64(INT_MAX));
                    ++m_pos;
                }
                if (m_pos < n && p[m_pos] == ' ')
                    ++m_pos;
                const int param = int(negative ? -value : value);
                if (name == "bin") {
                    const qsizetype length = hasParam && param > 0 ? std::min<qsizetype>(param, n - m_pos) : 0;
                    binary(length);
                    m_pos += length;
                } else {
                    controlWord(name, hasParam, param);
                }
            } else if (d == '\'') {
                if (m_pos + 2 < n && hexValue(p[m_pos + 1]) >= 0 && hexValue(p[m_pos + 2]) >= 0) {
                    hexByte(static_cast<unsigned char>(hexValue(p[m_pos + 1]) * 16 + hexValue(p[m_pos + 2])));
                    m_pos += 3;
                } else {
                    ++m_pos;  // a broken escape: drop the \' and read on
                }
            } else {
                ++m_pos;
                controlSymbol(d);
            }
            break;
        }
        default: textByte(c); break;
        }
    }
    // A file cut short: close what is still open.
    flushText();
    m_overflow = 0;
    while (m_stack.size() > 1)
        popGroup();
    flushText();
    m_builder.finish(m_doc, blockFormat(), charFormat(), m_row);
}

void Reader::groupOpen()
{
    flushText();
    m_skipFallback = 0;
    m_starPending = false;
    if (m_stack.size() >= size_t(kMaxDepth)) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_stack.back());
}

void Reader::groupClose()
{
    flushText();
    m_skipFallback = 0;
    m_starPending = false;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_stack.size() <= 2) {
        // The document's own group ends here. When only blanks and braces
        // follow, that is the end of the document; otherwise this '}' is one
        // too many and reading goes on.
        if (m_pos >= m_contentEnd)
            m_pos = m_data.size();
        return;
    }
    popGroup();
}

void Reader::popGroup()
{
    const Dest closing = state().dest;
    if (closing == Dest::FontTable && !m_fontDef.name.isEmpty())
        commitFont();
    if (closing == Dest::ColorTable && (m_red >= 0 || m_green >= 0 || m_blue >= 0))
        commitColor();
    if (closing == Dest::FieldInstruction && !m_fields.empty() && m_fields.back().depth < m_stack.size())
        m_fields.back().instruction = m_fieldInstruction;
    if (!m_fields.empty() && m_fields.back().depth == m_stack.size())
        finishField();
    m_stack.pop_back();
    if (m_pict.active && m_stack.size() < m_pict.depth)
        finishPicture();
}

bool Reader::consumeFallback()
{
    if (m_skipFallback <= 0)
        return false;
    --m_skipFallback;
    return true;
}

void Reader::binary(qsizetype length)
{
    flushText();
    if (consumeFallback())
        return;
    if (state().dest == Dest::Picture && m_pict.format != PictureFormat::Other) {
        if (m_pict.data.size() + length > kMaxPictureBytes)
            m_pict.format = PictureFormat::Other;  // too large to show: dropped
        else
            m_pict.data.append(m_data.constData() + m_pos, length);
    }
}

void Reader::hexByte(unsigned char b)
{
    if (consumeFallback())
        return;
    if (takesText())
        m_pendingBytes.append(char(b));
}

void Reader::textByte(unsigned char c)
{
    if (consumeFallback())
        return;
    switch (state().dest) {
    case Dest::Skip:
    case Dest::ShapeInstructions: return;
    case Dest::Picture:
        if (m_pict.format != PictureFormat::Other) {
            const int v = hexValue(c);
            if (v >= 0) {
                if (m_pict.nibble < 0) {
                    m_pict.nibble = v;
                } else if (m_pict.data.size() < kMaxPictureBytes) {
                    m_pict.data.append(char(m_pict.nibble * 16 + v));
                    m_pict.nibble = -1;
                } else {
                    m_pict.format = PictureFormat::Other;
                    m_pict.data = QByteArray();
                }
            }
        }
        return;
    case Dest::ColorTable:
        if (c == ';')
            commitColor();
        return;
    case Dest::FontTable:
        if (c == ';') {
            flushText();
            commitFont();
            return;
        }
        break;
    default: break;
    }
    if (c >= 0x20 || c == '\t')
        m_pendingBytes.append(char(c));
}

void Reader::controlSymbol(unsigned char c)
{
    if (c == '\\' || c == '{' || c == '}') {
        if (consumeFallback())
            return;
        if (takesText())
            m_pendingBytes.append(char(c));
        return;
    }
    if (c == '*') {
        m_starPending = true;
        return;
    }
    if (c == '\r' || c == '\n') {
        controlWord("par", false, 0);
        return;
    }
    if (consumeFallback())
        return;
    switch (c) {
    case '~': appendChar(0x00A0); break;
    case '-': appendChar(0x00AD); break;
    case '_': appendChar(0x2011); break;
    case '\t': appendChar('\t'); break;
    default: break;  // \: \| and unknown symbols
    }
}

bool Reader::takesText() const
{
    switch (state().dest) {
    case Dest::Text:
    case Dest::ListText:
    case Dest::FontTable:
    case Dest::FieldInstruction: return true;
    default: return false;
    }
}

void Reader::controlWord(std::string_view name, bool hasParam, int param)
{
    const auto &table = keywords();
    const auto it = table.find(name);
    const bool star = m_starPending;
    m_starPending = false;

    if (m_skipFallback > 0) {
        flushText();
        consumeFallback();
        return;
    }
    if (it == table.end()) {
        if (star) {
            flushText();
            state().dest = Dest::Skip;
        }
        return;
    }
    const KwInfo info = it->second;
    const bool destination = info.kw == Kw::FontTable || info.kw == Kw::ColorTable || info.kw == Kw::Picture
        || info.kw == Kw::FieldInstruction || info.kw == Kw::FieldResult || info.kw == Kw::ListText
        || info.kw == Kw::ShapePicture || info.kw == Kw::NonShapePicture || info.kw == Kw::Field
        || info.kw == Kw::SkipDestination || info.kw == Kw::Transparent || info.kw == Kw::Shape
        || info.kw == Kw::ShapeInstructions || info.kw == Kw::ShapeText || info.kw == Kw::ShapeResult;
    if (star && !destination) {
        // an ignorable group opened by a word that names no destination
        flushText();
        state().dest = Dest::Skip;
        return;
    }

    // Words that only add characters leave the pending text alone.
    switch (info.kw) {
    case Kw::Char: appendChar(info.ch); return;
    case Kw::Tab: appendChar('\t'); return;
    case Kw::Line: appendChar(0x2028); return;
    case Kw::Unicode: {
        if (!hasParam)
            return;
        const qint64 v = param < 0 ? qint64(param) + 65536 : qint64(param);
        if (v < 0 || v > 0x10FFFF)
            return;  // not a character: the fallback text stands instead
        appendChar(char32_t(v));
        m_skipFallback = state().uc;
        return;
    }
    default: break;
    }

    flushText();
    GroupState &s = state();
    if (s.dest == Dest::Skip)
        return;

    if (destination) {
        applyDestination(info);
        return;
    }

    if (s.dest == Dest::FontTable) {
        switch (info.kw) {
        case Kw::Font:
            if (!m_fontDef.name.isEmpty())
                commitFont();
            m_fontDef = {};
            m_fontDef.number = hasParam ? param : -1;
            return;
        case Kw::FontCharset: m_fontDef.charset = param; return;
        case Kw::FontCodepage: m_fontDef.codepage = param > 0 && param < 65536 ? param : 0; return;
        case Kw::FontRoman: m_fontDef.hint = QFont::Serif; return;
        case Kw::FontSwiss: m_fontDef.hint = QFont::SansSerif; return;
        case Kw::FontModern: m_fontDef.hint = QFont::TypeWriter; return;
        case Kw::FontScript: m_fontDef.hint = QFont::Cursive; return;
        case Kw::FontDecor: m_fontDef.hint = QFont::Decorative; return;
        default: return;
        }
    }
    if (s.dest == Dest::ColorTable) {
        const int v = std::clamp(param, 0, 255);
        switch (info.kw) {
        case Kw::Red: m_red = v; return;
        case Kw::Green: m_green = v; return;
        case Kw::Blue: m_blue = v; return;
        default: return;
        }
    }
    if (s.dest == Dest::Picture) {
        switch (info.kw) {
        case Kw::PngBlip: m_pict.format = PictureFormat::Png; return;
        case Kw::JpegBlip: m_pict.format = PictureFormat::Jpeg; return;
        case Kw::WmfPicture: m_pict.format = PictureFormat::Wmf; return;
        case Kw::EmfPicture: m_pict.format = PictureFormat::Emf; return;
        case Kw::DibPicture: m_pict.format = PictureFormat::Dib; return;
        case Kw::DdbPicture: m_pict.format = PictureFormat::Ddb; return;
        case Kw::OtherPicture:
            m_pict.format = PictureFormat::Other;
            m_pict.data.clear();
            return;
        case Kw::PicWidth: m_pict.width = std::clamp(param, 0, 1'000'000); return;
        case Kw::PicHeight: m_pict.height = std::clamp(param, 0, 1'000'000); return;
        case Kw::BitmapBitsPerPixel: m_pict.bitsPerPixel = std::clamp(param, 0, 64); return;
        case Kw::BitmapWidthBytes: m_pict.widthBytes = std::clamp(param, 0, 1'000'000); return;
        case Kw::PicWidthGoal: m_pict.widthGoal = clampTwips(param, 0); return;
        case Kw::PicHeightGoal: m_pict.heightGoal = clampTwips(param, 0); return;
        case Kw::PicScaleX: m_pict.scaleX = std::clamp(param, 1, 1000); return;
        case Kw::PicScaleY: m_pict.scaleY = std::clamp(param, 1, 1000); return;
        default: return;
        }
    }
    if (s.dest == Dest::FieldInstruction)
        return;

    switch (info.kw) {
    // \ansicpg refines the character set words, whatever their order
    case Kw::Ansi: m_docCodepage = m_codepageGiven ? m_docCodepage : 1252; return;
    case Kw::Mac: m_docCodepage = m_codepageGiven ? m_docCodepage : 10000; return;
    case Kw::Pc: m_docCodepage = m_codepageGiven ? m_docCodepage : 437; return;
    case Kw::Pca: m_docCodepage = m_codepageGiven ? m_docCodepage : 850; return;
    case Kw::AnsiCodepage:
        if (param > 0 && param < 65536) {
            m_docCodepage = param;
            m_codepageGiven = true;
        }
        return;
    case Kw::DefaultFont:
        m_defaultFont = param;
        if (s.font < 0)
            s.font = param;
        return;
    case Kw::UnicodeSkip: s.uc = std::clamp(param, 0, 255); return;
    default: break;
    }

    if (info.kw == Kw::BorderStyle) {
        // a line of Word's default width until \brdrw says otherwise
        if (m_borderTarget && s.dest != Dest::ListText) {
            m_borderTarget->style = QTextFrameFormat::BorderStyle(info.ch);
            if (m_borderTarget->width == 0)
                m_borderTarget->width = 10;
        }
        return;
    }
    if (s.dest == Dest::ShapeInstructions)
        return;
    characterWord(info.kw, hasParam, param);
    if (s.dest != Dest::ListText)
        paragraphWord(info.kw, hasParam, param);
    // A text box's paragraphs belong where the box is anchored, whatever
    // table level they give themselves.
    if (s.textBox)
        s.inTable = s.textBoxInTable;
}

void Reader::applyDestination(const KwInfo &info)
{
    GroupState &s = state();
    const bool content = s.dest == Dest::Text || s.dest == Dest::ListText;
    switch (info.kw) {
    case Kw::FontTable:
        s.dest = Dest::FontTable;
        m_fontDef = {};
        return;
    case Kw::ColorTable:
        s.dest = Dest::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = -1;
        return;
    case Kw::Picture:
        if (!content || m_pict.active) {
            s.dest = Dest::Skip;
            return;
        }
        s.dest = Dest::Picture;
        m_pict = {};
        m_pict.active = true;
        m_pict.depth = m_stack.size();
        m_pict.shapePicture = s.shapePicture;
        return;
    case Kw::FieldInstruction:
        s.dest = content ? Dest::FieldInstruction : Dest::Skip;
        if (content)
            m_fieldInstruction.clear();
        return;
    case Kw::FieldResult:
        if (content) {
            const QString target = hyperlinkTarget(m_fieldInstruction);
            if (!target.isEmpty()) {
                m_links.append(target);
                s.link = int(m_links.size()) - 1;
            }
        }
        m_fieldInstruction.clear();
        return;
    case Kw::ListText:
        if (content)
            s.dest = Dest::ListText;
        return;
    case Kw::Field:
        if (content && m_fields.size() < size_t(kMaxOpenFields))
            m_fields.push_back({m_stack.size(), QString(), m_emitted});
        return;
    case Kw::ShapePicture: s.shapePicture = true; return;
    case Kw::NonShapePicture:
        // The picture again, for readers that do not know \shppict: read
        // only when the \shppict one just before it could not be shown.
        if (m_shapePictureShown == m_emitted)
            s.dest = Dest::Skip;
        return;
    case Kw::Transparent: return;  // their content is document content
    case Kw::Shape: m_shapeTextRead = false; return;
    case Kw::ShapeInstructions:
        // The shape's properties (\sp groups, skipped) and, for a text box,
        // its text (\shptxt); nothing else in it is content.
        if (content)
            s.dest = Dest::ShapeInstructions;
        return;
    case Kw::ShapeText:
        if (s.dest != Dest::ShapeInstructions) {
            s.dest = Dest::Skip;
            return;
        }
        // A text box's paragraphs, read where the box is anchored: in the
        // anchor's table cell when it has one, and apart from the anchor's
        // text.
        s.dest = Dest::Text;
        s.textBox = true;
        s.textBoxInTable = s.inTable;
        m_builder.breakParagraph(blockFormat(), charFormat(), s.inTable);
        m_shapeTextRead = true;
        return;
    case Kw::ShapeResult:
        // What the shape looks like to readers without shapes; a text box's
        // is the same text again.
        if (m_shapeTextRead)
            s.dest = Dest::Skip;
        return;
    default: s.dest = Dest::Skip; return;
    }
}

void Reader::characterWord(Kw kw, bool hasParam, int param)
{
    GroupState &s = state();
    const bool on = !hasParam || param != 0;
    switch (kw) {
    case Kw::Plain: s.resetCharacters(m_defaultFont); break;
    case Kw::Bold: s.bold = on; break;
    case Kw::Italic: s.italic = on; break;
    case Kw::Underline: s.underline = on ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline; break;
    case Kw::UnderlineDotted: s.underline = on ? QTextCharFormat::DotLine : QTextCharFormat::NoUnderline; break;
    case Kw::UnderlineDashed: s.underline = on ? QTextCharFormat::DashUnderline : QTextCharFormat::NoUnderline; break;
    case Kw::UnderlineWave: s.underline = on ? QTextCharFormat::WaveUnderline : QTextCharFormat::NoUnderline; break;
    case Kw::UnderlineNone: s.underline = QTextCharFormat::NoUnderline; break;
    case Kw::Strike: s.strike = on; break;
    case Kw::FontSize: s.fontSize = hasParam && param > 0 ? std::clamp(param, 2, 3276) : 24; break;
    case Kw::Font: s.font = hasParam ? param : m_defaultFont; break;
    case Kw::ForeColor: s.foreColor = std::max(param, 0); break;
    case Kw::BackColor: s.backColor = std::max(param, 0); break;
    case Kw::Super: s.valign = on ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal; break;
    case Kw::Sub: s.valign = on ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal; break;
    case Kw::NoSuperSub: s.valign = QTextCharFormat::AlignNormal; break;
    case Kw::Caps: s.caps = on ? QFont::AllUppercase : QFont::MixedCase; break;
    case Kw::SmallCaps: s.caps = on ? QFont::SmallCaps : QFont::MixedCase; break;
    case Kw::Hidden: s.hidden = on; break;
    case Kw::Deleted: s.deleted = on; break;
    default: break;
    }
}

void Reader::paragraphWord(Kw kw, bool hasParam, int param)
{
    GroupState &s = state();
    switch (kw) {
    case Kw::Pard: s.resetParagraph(); break;
    case Kw::AlignLeft: s.align = Qt::AlignLeft; break;
    case Kw::AlignRight: s.align = Qt::AlignRight; break;
    case Kw::AlignCenter: s.align = Qt::AlignHCenter; break;
    case Kw::AlignJustify: s.align = Qt::AlignJustify; break;
    case Kw::LeftIndent: s.leftIndent = clampTwips(param, 0); break;
    case Kw::RightIndent: s.rightIndent = clampTwips(param, 0); break;
    case Kw::FirstIndent: s.firstIndent = clampTwips(param); break;
    case Kw::SpaceBefore: s.spaceBefore = clampTwips(param, 0); break;
    case Kw::SpaceAfter: s.spaceAfter = clampTwips(param, 0); break;
    case Kw::LineSpacing: s.lineSpacing = clampTwips(param); break;
    case Kw::LineMultiple: s.lineMultiple = hasParam && param != 0; break;
    case Kw::InTable: s.inTable = !hasParam || param != 0; break;
    case Kw::TableLevel: s.inTable = param > 0; break;
    case Kw::PageBreakBefore: s.pageBreakBefore = !hasParam || param != 0; break;
    case Kw::RtlPar: s.rtl = true; break;
    case Kw::LtrPar: s.rtl = false; break;
    case Kw::TabRight: s.pendingTabType = QTextOption::RightTab; break;
    case Kw::TabCenter: s.pendingTabType = QTextOption::CenterTab; break;
    case Kw::TabDecimal: s.pendingTabType = QTextOption::DelimiterTab; break;
    case Kw::TabStop:
        if (s.tabs.size() < kMaxTabStops) {
            QTextOption::Tab tab(clampTwips(param, 0) / kTwipsPerPixel, s.pendingTabType,
                                 s.pendingTabType == QTextOption::DelimiterTab ? QChar(u',') : QChar());
            s.tabs.append(tab);
        }
        s.pendingTabType = QTextOption::LeftTab;
        break;

    case Kw::Par:
        // A deleted paragraph mark joins the paragraph to the next one.
        if (!s.deleted)
            m_builder.endParagraph(blockFormat(), charFormat(), s.inTable);
        break;
    case Kw::Sect: m_builder.breakParagraph(blockFormat(), charFormat(), s.inTable); break;
    case Kw::Page:
        if (!s.inTable)
            m_builder.pageBreak(blockFormat(), charFormat());
        break;
    case Kw::NestCell: m_builder.endParagraph(blockFormat(), charFormat(), true); break;
    case Kw::Cell: m_builder.endCell(blockFormat(), charFormat(), s.deleted); break;
    case Kw::Row: m_builder.endRow(m_row, s.deleted); break;

    case Kw::RowDefaults:
        m_row = {};
        m_pendingCell = {};
        m_pendingCellShading = -1;
        m_borderTarget = nullptr;
        break;
    case Kw::CellRight:
        if (m_row.cells.size() < kMaxTableColumns) {
            m_pendingCell.right = clampTwips(param);
            if (m_pendingCellShading > 0 && m_pendingCellShading < m_colors.size())
                m_pendingCell.background = m_colors[m_pendingCellShading];
            m_row.cells.append(m_pendingCell);
        }
        m_pendingCell = {};
        m_pendingCellShading = -1;
        m_borderTarget = nullptr;
        break;
    case Kw::RowLeft: m_row.left = clampTwips(param); break;
    case Kw::RowGap: m_row.gap = clampTwips(param, 0); break;
    case Kw::RowCenter: m_row.alignment = Qt::AlignHCenter; break;
    case Kw::RowRight: m_row.alignment = Qt::AlignRight; break;
    case Kw::RowLeftAlign: m_row.alignment = Qt::AlignLeft; break;
    case Kw::CellShading: m_pendingCellShading = param; break;
    case Kw::CellMergeFirst: m_pendingCell.mergeFirst = true; break;
    case Kw::CellMerged: m_pendingCell.merged = true; break;
    case Kw::CellVMergeFirst: m_pendingCell.vmergeFirst = true; break;
    case Kw::CellVMerged: m_pendingCell.vmerged = true; break;
    case Kw::CellBorderTop:
    case Kw::CellBorderLeft:
    case Kw::CellBorderBottom:
    case Kw::CellBorderRight:
        m_borderTarget = &m_pendingCell.border[int(kw) - int(Kw::CellBorderTop)];
        *m_borderTarget = {};
        m_borderTarget->given = true;
        break;
    case Kw::RowBorderTop:
    case Kw::RowBorderLeft:
    case Kw::RowBorderBottom:
    case Kw::RowBorderRight:
    case Kw::RowBorderInsideH:
    case Kw::RowBorderInsideV:
        m_borderTarget = &m_row.border[int(kw) - int(Kw::RowBorderTop)];
        *m_borderTarget = {};
        m_borderTarget->given = true;
        break;
    case Kw::ParagraphBorder: m_borderTarget = nullptr; break;
    case Kw::BorderNone:
        if (m_borderTarget)
            m_borderTarget->width = 0;
        break;
    case Kw::BorderWidth:
        if (m_borderTarget)
            m_borderTarget->width = std::clamp(param, 0, 255);
        break;
    case Kw::BorderColor:
        if (m_borderTarget)
            m_borderTarget->color = param > 0 && param < m_colors.size() ? m_colors[param] : QColor();
        break;
    default: break;
    }
}

int Reader::codepage() const
{
    const GroupState &s = state();
    if (s.dest == Dest::FontTable) {
        if (m_fontDef.codepage > 0)
            return m_fontDef.codepage;
        const int cp = codepageForCharset(m_fontDef.charset);
        return cp > 0 && cp != kSymbolCodepage ? cp : m_docCodepage;
    }
    const auto it = m_fonts.constFind(s.font);
    if (it != m_fonts.constEnd() && it->codepage > 0)
        return it->codepage;
    return m_docCodepage;
}

SymbolKind Reader::symbolKind() const
{
    const GroupState &s = state();
    // Font names and field instructions are plain text whatever the font.
    if (s.dest == Dest::FontTable || s.dest == Dest::FieldInstruction)
        return SymbolKind::None;
    const auto it = m_fonts.constFind(s.font);
    return it == m_fonts.constEnd() ? SymbolKind::None : it->symbol;
}

void Reader::decodePending()
{
    if (m_pendingBytes.isEmpty())
        return;
    const SymbolKind symbol = symbolKind();
    if (symbol != SymbolKind::None) {
        for (char c : std::as_const(m_pendingBytes)) {
            const auto b = static_cast<unsigned char>(c);
            const char32_t u = symbolGlyph(symbol, b);
            appendUcs4(m_pendingText, u ? u : b < 0x20 ? b : 0xF000 + b);
        }
    } else {
        m_decoder.decode(codepage(), m_pendingBytes, &m_pendingText);
    }
    m_pendingBytes.clear();
}

void Reader::appendChar(char32_t ch)
{
    if (!takesText())
        return;
    decodePending();
    if (ch >= 0xF020 && ch <= 0xF0FF) {
        // Word writes a symbol font's glyphs as private-use characters
        if (const char32_t u = symbolGlyph(symbolKind(), static_cast<unsigned char>(ch - 0xF000)))
            ch = u;
    }
    appendUcs4(m_pendingText, ch);
}

QString Reader::sanitize(const QString &text) const
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text.at(i).unicode();
        if (QChar::isHighSurrogate(u)) {
            if (i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
                out.append(text.at(i));
                out.append(text.at(i + 1));
                ++i;
            } else {
                out.append(QChar::ReplacementCharacter);
            }
        } else if (QChar::isLowSurrogate(u)) {
            out.append(QChar::ReplacementCharacter);
        } else if (u == '\t') {
            out.append(QChar(u));
        } else if (u < 0x20 || u == 0x7F) {
            // control characters carry nothing to show
        } else if (u == QChar::ParagraphSeparator) {
            out.append(QChar(QChar::LineSeparator));
        } else if ((u >= 0xFDD0 && u <= 0xFDEF) || u == 0xFFFE || u == 0xFFFF
                   || u == QChar::ObjectReplacementCharacter) {
            // the document keeps these for its own structure
            out.append(QChar::ReplacementCharacter);
        } else {
            out.append(QChar(u));
        }
    }
    return out;
}

void Reader::flushText()
{
    decodePending();
    if (m_pendingText.isEmpty())
        return;
    const GroupState &s = state();
    switch (s.dest) {
    case Dest::Text:
    case Dest::ListText:
        if (!s.hidden && !s.deleted) {
            m_builder.addText(sanitize(m_pendingText), charFormat(), s.inTable);
            ++m_emitted;
        }
        break;
    case Dest::FontTable:
        if (m_fontDef.name.size() < kMaxFontName)
            m_fontDef.name += m_pendingText.left(kMaxFontName);
        break;
    case Dest::FieldInstruction:
        if (m_fieldInstruction.size() < kMaxFieldInstruction)
            m_fieldInstruction += m_pendingText.left(kMaxFieldInstruction);
        break;
    default: break;
    }
    m_pendingText.clear();
}

QTextCharFormat Reader::charFormat()
{
    const GroupState &s = state();
    const CharKey key{s.font,
                      s.fontSize,
                      s.foreColor,
                      s.backColor,
                      s.link,
                      int(s.bold) | int(s.italic) << 1 | int(s.strike) << 2 | int(s.underline) << 3 | int(s.valign) << 8
                          | int(s.caps) << 12};
    const auto cached = m_charFormats.constFind(key);
    if (cached != m_charFormats.constEnd())
        return *cached;

    QTextCharFormat f;
    const auto font = m_fonts.constFind(s.font);
    if (font != m_fonts.constEnd()) {
        if (!font->name.isEmpty() && font->symbol != SymbolKind::Symbol) {
            f.setFontFamilies(QStringList{font->name});
            // The family also as a plain string: the format collection hashes
            // string lists by type alone, and documents with many fonts would
            // make its look-ups linear.
            f.setProperty(QTextFormat::FontFamily, font->name);
        }
        if (font->hint != QFont::AnyStyle)
            f.setFontStyleHint(font->hint);
    }
    f.setFontPointSize(s.fontSize / 2.0);
    if (s.bold)
        f.setFontWeight(QFont::Bold);
    if (s.italic)
        f.setFontItalic(true);
    if (s.underline != QTextCharFormat::NoUnderline)
        f.setUnderlineStyle(s.underline);
    if (s.strike)
        f.setFontStrikeOut(true);
    if (s.valign != QTextCharFormat::AlignNormal)
        f.setVerticalAlignment(s.valign);
    if (s.caps != QFont::MixedCase)
        f.setFontCapitalization(s.caps);
    if (s.foreColor > 0 && s.foreColor < m_colors.size() && m_colors[s.foreColor].isValid())
        f.setForeground(m_colors[s.foreColor]);
    if (s.backColor > 0 && s.backColor < m_colors.size() && m_colors[s.backColor].isValid())
        f.setBackground(m_colors[s.backColor]);
    if (s.link >= 0 && s.link < m_links.size()) {
        f.setAnchor(true);
        f.setAnchorHref(m_links[s.link]);
    }
    if (m_charFormats.size() >= kMaxCachedFormats)
        m_charFormats.clear();
    m_charFormats.insert(key, f);
    return f;
}

QTextBlockFormat Reader::blockFormat()
{
    const GroupState &s = state();
    QByteArray key;
    {
        const int fields[] = {int(s.align), s.leftIndent,  s.rightIndent,       s.firstIndent,          s.spaceBefore,
                              s.spaceAfter, s.lineSpacing, int(s.lineMultiple), int(s.pageBreakBefore), int(s.rtl)};
        key.append(reinterpret_cast<const char *>(fields), sizeof fields);
        for (const QTextOption::Tab &tab : s.tabs) {
            const int t[] = {int(tab.position * kTwipsPerPixel), int(tab.type), int(tab.delimiter.unicode())};
            key.append(reinterpret_cast<const char *>(t), sizeof t);
        }
    }
    const auto cached = m_blockFormats.constFind(key);
    if (cached != m_blockFormats.constEnd())
        return *cached;

    QTextBlockFormat b;
    if (s.align != Qt::AlignLeft)
        b.setAlignment(s.align);
    if (s.leftIndent)
        b.setLeftMargin(s.leftIndent / kTwipsPerPixel);
    if (s.rightIndent)
        b.setRightMargin(s.rightIndent / kTwipsPerPixel);
    if (s.firstIndent)
        b.setTextIndent(s.firstIndent / kTwipsPerPixel);
    if (s.spaceBefore)
        b.setTopMargin(s.spaceBefore / kTwipsPerPixel);
    if (s.spaceAfter)
        b.setBottomMargin(s.spaceAfter / kTwipsPerPixel);
    if (s.lineSpacing != 0) {
        if (s.lineMultiple && s.lineSpacing > 0)
            b.setLineHeight(std::clamp(s.lineSpacing * 100.0 / 240.0, 50.0, 500.0),
                            QTextBlockFormat::ProportionalHeight);
        else if (s.lineSpacing > 0)
            b.setLineHeight(s.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
        else
            b.setLineHeight(-s.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    }
    // A tab in a paragraph with a hanging first line goes to the paragraph's
    // indent when no tab stop comes before it, as in a word processor: list
    // items written without a tab stop line up with their following lines.
    QList<QTextOption::Tab> tabs = s.tabs;
    if (s.firstIndent < 0) {
        const qreal indent = s.leftIndent / kTwipsPerPixel;
        const qreal start = (s.leftIndent + s.firstIndent) / kTwipsPerPixel;
        const bool stopBefore = std::any_of(tabs.cbegin(), tabs.cend(), [&](const QTextOption::Tab &t) {
            return t.position > start && t.position <= indent;
        });
        if (!stopBefore) {
            tabs.append(QTextOption::Tab(indent, QTextOption::LeftTab));
            std::sort(tabs.begin(), tabs.end(),
                      [](const QTextOption::Tab &x, const QTextOption::Tab &y) { return x.position < y.position; });
        }
    }
    if (!tabs.isEmpty()) {
        // Tab lists hash alike in the document's format collection: only a
        // few different ones are kept, which is plenty for real documents.
        QByteArray tabKey;
        for (const QTextOption::Tab &tab : std::as_const(tabs)) {
            const int t[] = {int(tab.position * kTwipsPerPixel), int(tab.type), int(tab.delimiter.unicode())};
            tabKey.append(reinterpret_cast<const char *>(t), sizeof t);
        }
        if (m_tabSets.contains(tabKey) || m_tabSets.size() < kMaxTabSets) {
            m_tabSets.insert(tabKey);
            // RTF measures tab stops from the margin, Qt from where the
            // paragraph's first line starts (its indent plus the first-line
            // indent): a list item's tab then lines its text up with the
            // following lines, as in a word processor.
            const qreal start = (s.leftIndent + s.firstIndent) / kTwipsPerPixel;
            QList<QTextOption::Tab> shifted;
            for (QTextOption::Tab t : std::as_const(tabs)) {
                t.position -= start;
                if (t.position > 0)
                    shifted << t;
            }
            b.setTabPositions(shifted);
        }
    }
    if (s.pageBreakBefore)
        b.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (s.rtl)
        b.setLayoutDirection(Qt::RightToLeft);
    if (m_blockFormats.size() >= kMaxCachedFormats)
        m_blockFormats.clear();
    m_blockFormats.insert(key, b);
    return b;
}

void Reader::commitFont()
{
    if (m_fontDef.number >= 0) {
        Font font;
        font.name = m_fontDef.name.trimmed();
        font.hint = m_fontDef.hint;
        font.codepage = m_fontDef.codepage > 0 ? m_fontDef.codepage : codepageForCharset(m_fontDef.charset);
        font.symbol = symbolKindOfName(font.name);
        if (font.symbol == SymbolKind::None && font.codepage == kSymbolCodepage)
            font.symbol = SymbolKind::Other;
        if (font.symbol != SymbolKind::None || font.codepage == kSymbolCodepage)
            font.codepage = 0;
        m_fonts.insert(m_fontDef.number, font);
        m_charFormats.clear();
    }
    m_fontDef = {};
}

void Reader::finishField()
{
    const OpenField field = m_fields.back();
    m_fields.pop_back();
    if (m_emitted != field.emitted || !shown())
        return;  // the result shows the field, or nothing is shown here
    const GroupState &s = state();
    if (s.dest != Dest::Text && s.dest != Dest::ListText)
        return;
    const SymbolField symbol = symbolField(field.instruction);
    if (!symbol.valid)
        return;

    // Which font the code belongs to: the one named, else the text's own.
    SymbolKind kind = SymbolKind::None;
    int cp = codepage();
    QString family;
    if (!symbol.font.isEmpty()) {
        family = symbol.font;
        kind = symbolKindOfName(symbol.font);
        for (const Font &f : std::as_const(m_fonts)) {
            if (f.name.compare(symbol.font, Qt::CaseInsensitive) == 0) {
                cp = f.codepage > 0 ? f.codepage : m_docCodepage;
                if (kind == SymbolKind::None)
                    kind = f.symbol;
                break;
            }
        }
    } else {
        kind = symbolKind();
    }

    uint code = symbol.code;
    if (code >= 0xF020 && code <= 0xF0FF && kind != SymbolKind::None)
        code -= 0xF000;  // a symbol font's glyph written as a private-use character
    QString text;
    if (symbol.unicode || code > 0xFF) {
        appendUcs4(text, code);
    } else if (kind != SymbolKind::None) {
        const char32_t u = symbolGlyph(kind, static_cast<unsigned char>(code));
        appendUcs4(text, u ? u : 0xF000 + code);
    } else {
        m_decoder.decode(cp, QByteArray(1, char(code)), &text);
    }
    text = sanitize(text);
    if (text.isEmpty())
        return;

    QTextCharFormat format = charFormat();
    if (!family.isEmpty()) {
        if (kind == SymbolKind::Symbol) {
            // shown as Unicode in the text's own font
        } else {
            format.setFontFamilies(QStringList{family});
            format.setProperty(QTextFormat::FontFamily, family);
        }
    }
    if (symbol.points > 0)
        format.setFontPointSize(symbol.points);
    m_builder.addText(text, format, s.inTable);
    ++m_emitted;
}

void Reader::commitColor()
{
    if (m_red < 0 && m_green < 0 && m_blue < 0)
        m_colors.append(QColor());  // "auto"
    else
        m_colors.append(QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
    m_red = m_green = m_blue = -1;
    m_charFormats.clear();
}

void Reader::finishPicture()
{
    m_pict.active = false;
    const QByteArray data = std::move(m_pict.data);
    m_pict.data = QByteArray();
    if (m_pict.format == PictureFormat::Unknown || m_pict.format == PictureFormat::Other)
        return;
    if (data.isEmpty() || !shown())
        return;
    if (state().dest != Dest::Text && state().dest != Dest::ListText)
        return;

    // Shown size: the size the writer asked for (\picwgoal, \pichgoal), else
    // the picture's own (\picw, \pich: pixels for bitmaps, hundredths of a
    // millimetre for metafiles), then scaled by \picscalex and \picscaley.
    const bool metafile = m_pict.format == PictureFormat::Wmf || m_pict.format == PictureFormat::Emf;
    const double unit = metafile ? 96.0 / 2540.0 : 1.0;
    double width = m_pict.widthGoal > 0 ? m_pict.widthGoal / kTwipsPerPixel : m_pict.width * unit;
    double height = m_pict.heightGoal > 0 ? m_pict.heightGoal / kTwipsPerPixel : m_pict.height * unit;

    const QImage image = decodePicture(data, width, height, &width, &height);
    if (image.isNull())
        return;
    width = std::clamp(width * m_pict.scaleX / 100.0, 1.0, double(kMaxPicturePixels));
    height = std::clamp(height * m_pict.scaleY / 100.0, 1.0, double(kMaxPicturePixels));

    const QString name = QStringLiteral("rtf-pict:%1").arg(++m_pictureCount);
    m_doc->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(width);
    format.setHeight(height);
    format.setProperty(kPictureWidth, width);
    format.setProperty(kPictureHeight, height);
    flushText();
    m_builder.addImage(format, inTable());
    ++m_emitted;
    if (m_pict.shapePicture)
        m_shapePictureShown = m_emitted;
}

// Decodes a picture whose shown size before scaling is width x height (0 when
// the document does not say), and gives that size back, completed from the
// picture itself where the document left it out. Null when the picture cannot
// be read or the document's picture budget is spent.
QImage Reader::decodePicture(const QByteArray &data, double width, double height, double *shownWidth,
                             double *shownHeight)
{
    // The picture's pixels are decoded at most at twice the shown size
    // (after \picscalex and \picscaley), enough for printing.
    auto decodedSize = [&](QSize natural) {
        double w = width > 0 ? width : natural.width();
        double h = height > 0 ? height : natural.height();
        if (width <= 0 && height > 0 && natural.height() > 0)
            w = natural.width() * h / natural.height();
        if (height <= 0 && width > 0 && natural.width() > 0)
            h = natural.height() * w / natural.width();
        *shownWidth = w;
        *shownHeight = h;
        w = std::clamp(w * m_pict.scaleX / 100.0, 1.0, double(kMaxPicturePixels));
        h = std::clamp(h * m_pict.scaleY / 100.0, 1.0, double(kMaxPicturePixels));
        return QSize(int(std::ceil(w * 2)), int(std::ceil(h * 2)));
    };
    auto affordable = [&](QSize size) {
        return size.isValid() && qint64(size.width()) * size.height() <= m_pictureBudget;
    };
    auto spend = [&](const QImage &image) {
        if (!image.isNull())
            m_pictureBudget -= qint64(image.width()) * image.height();
        return image;
    };

    switch (m_pict.format) {
    case PictureFormat::Png:
    case PictureFormat::Jpeg: {
        // Only data that starts like its format reaches the image decoders.
        if (m_pict.format == PictureFormat::Png ? !data.startsWith("\x89PNG\r\n\x1a\n") || !data.contains("IEND")
                                                : !data.startsWith("\xFF\xD8\xFF"))
            return {};
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, m_pict.format == PictureFormat::Png ? "png" : "jpeg");
        const QSize natural = reader.size();
        if (!natural.isValid() || natural.width() > kMaxPicturePixels || natural.height() > kMaxPicturePixels
            || qint64(natural.width()) * natural.height() > kMaxPictureArea)
            return {};
        const QSize limit = decodedSize(natural);
        QSize decoded = natural;
        if (natural.width() > limit.width() || natural.height() > limit.height()) {
            decoded = natural.scaled(limit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
            reader.setScaledSize(decoded);
        }
        if (!affordable(decoded))
            return {};
        return spend(reader.read());
    }
    case PictureFormat::Dib: {
        const QSize natural = dibSize(data);
        if (!natural.isValid() || !affordable(natural))
            return {};
        decodedSize(natural);
        return spend(decodeDib(data));
    }
    case PictureFormat::Ddb: {
        const QSize natural(m_pict.width, m_pict.height);
        if (natural.isEmpty() || !affordable(natural))
            return {};
        decodedSize(natural);
        return spend(decodeDdb(data, m_pict.width, m_pict.height, m_pict.bitsPerPixel, m_pict.widthBytes));
    }
    case PictureFormat::Wmf:
    case PictureFormat::Emf: {
        const QByteArray svg = m_pict.format == PictureFormat::Wmf ? wmfToSvg(data) : emfToSvg(data);
        const QSize natural = svgSize(svg);
        if (!natural.isValid())
            return {};
        const QSize size = decodedSize(natural);
        if (!affordable(size))
            return {};
        return spend(renderSvg(svg, size));
    }
    default: return {};
    }
}

}  // namespace

ReadResult readRtf(const QByteArray &data, QTextDocument *doc)
{
    if (!doc)
        return {false, QStringLiteral("No hay documento donde leer el texto.")};
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();

    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < data.size()
           && (data.at(start) == ' ' || data.at(start) == '\t' || data.at(start) == '\r' || data.at(start) == '\n'))
        ++start;
    if (data.mid(start, 5) != "{\\rtf") {
        doc->setUndoRedoEnabled(undo);
        return {false, QStringLiteral("El texto no está en formato RTF.")};
    }

    const QByteArray body = start ? data.mid(start) : data;
    Reader reader(body, doc);
    reader.run();
    doc->setUndoRedoEnabled(undo);
    return {true, QString()};
}

namespace {

// The width a cell gives its text: the widths of its columns less its padding
// and half of its side lines (the other half belongs to the next cell). A
// cell with a column of no given width is as wide as the page lets it be.
qreal cellContentWidth(QTextTable *table, const QTextTableCell &cell)
{
    if (!cell.isValid())
        return std::numeric_limits<qreal>::max();
    const QTextTableFormat tf = table->format();
    const QList<QTextLength> widths = tf.columnWidthConstraints();
    qreal total = 0;
    for (int c = cell.column(); c < cell.column() + cell.columnSpan(); ++c) {
        if (c >= widths.size() || widths[c].type() != QTextLength::FixedLength)
            return std::numeric_limits<qreal>::max();
        total += widths[c].rawValue();
    }
    const QTextTableCellFormat cf = cell.format().toTableCellFormat();
    const qreal padding = tf.cellPadding();
    auto side = [&](int property) { return cf.hasProperty(property) ? cf.doubleProperty(property) : padding; };
    return total - side(QTextFormat::TableCellLeftPadding) - side(QTextFormat::TableCellRightPadding)
        - (cf.leftBorder() + cf.rightBorder()) / 2;
}

}  // namespace

void fitPictures(QTextDocument *doc, qreal width)
{
    if (!doc)
        return;
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    const qreal margin = doc->documentMargin();
    struct Change {
        int position, length;
        QTextImageFormat format;
    };
    std::vector<Change> changes;
    const qreal page = width - 2 * margin;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        // The box for the block: the page, or the cell it is in, and never
        // wider than the page.
        qreal box = page;
        QTextCursor probe(block);
        if (QTextTable *table = probe.currentTable())
            box = std::min(box, cellContentWidth(table, table->cellAt(block.position())));
        const QTextBlockFormat bf = block.blockFormat();
        const qreal room =
            std::max(box - bf.leftMargin() - bf.rightMargin() - std::max(bf.textIndent(), 0.0) - 1, 16.0);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const qreal w = image.doubleProperty(kPictureWidth);
            const qreal h = image.doubleProperty(kPictureHeight);
            if (w <= 0 || h <= 0)
                continue;
            const qreal shownWidth = std::min(w, room);
            const qreal shownHeight = h * shownWidth / w;
            if (qFuzzyCompare(image.width(), shownWidth) && qFuzzyCompare(image.height(), shownHeight))
                continue;
            image.setWidth(shownWidth);
            image.setHeight(shownHeight);
            changes.push_back({fragment.position(), fragment.length(), image});
        }
    }
    // Changed after the walk: changing a format can split or join fragments.
    for (const Change &change : changes) {
        QTextCursor c(doc);
        c.setPosition(change.position);
        c.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        c.setCharFormat(change.format);
    }
    doc->setUndoRedoEnabled(undo);
}

ReadResult readRtfFile(const QString &path, QTextDocument *doc)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (doc)
            doc->clear();
        if (!QFileInfo::exists(path))
            return {false, QStringLiteral("El archivo %1 no existe.").arg(path)};
        return {false, QStringLiteral("El archivo %1 no se puede leer (%2).").arg(path, file.errorString())};
    }
    const QByteArray data = file.readAll();
    ReadResult result = readRtf(data, doc);
    if (!result.ok && !result.error.isEmpty())
        result.error = QStringLiteral("El archivo %1 no está en formato RTF.").arg(path);
    return result;
}

}  // namespace rtf
