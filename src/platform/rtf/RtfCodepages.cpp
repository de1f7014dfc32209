#include "platform/rtf/RtfCodepages.h"

#include <QStringDecoder>

namespace rtf::detail {

namespace {

bool isLeadByte(int codepage, unsigned char b)
{
    switch (codepage) {
    case 932: return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 936:
    case 949:
    case 950: return b >= 0x81 && b <= 0xFE;
    case 1361: return (b >= 0x84 && b <= 0xD3) || (b >= 0xD8 && b <= 0xDE) || (b >= 0xE0 && b <= 0xF9);
    default: return false;
    }
}

// clang-format off
// Adobe Symbol encoding, 0x20-0xFF (0 = nothing sensible).
const char16_t kSymbol[224] = {
    // 0x20
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B,
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,
    // 0x30
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,
    // 0x60
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,
    // 0x80
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0x90
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
    // 0xB0
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
    // 0xF0
    0, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,
};

// Webdings, 0x20-0xFF (0 = nothing at that position), after the Unicode
// Consortium's table of the Webdings sources of the characters added in
// Unicode 7.0; most are pictographs outside the Basic Multilingual Plane.
const char32_t kWebdings[224] = {
    // 0x20
    0x0020, 0x1F577, 0x1F578, 0x1F572, 0x1F576, 0x1F3C6, 0x1F396, 0x1F587,
    0x1F5E8, 0x1F5E9, 0x1F5F0, 0x1F5F1, 0x1F336, 0x1F397, 0x1F67E, 0x1F67C,
    // 0x30
    0x1F5D5, 0x1F5D6, 0x1F5D7, 0x23F4, 0x23F5, 0x23F6, 0x23F7, 0x23EA,
    0x23E9, 0x23EE, 0x23ED, 0x23F8, 0x23F9, 0x23FA, 0x1F5DA, 0x1F5F3,
    // 0x40
    0x1F6E0, 0x1F3D7, 0x1F3D8, 0x1F3D9, 0x1F3DA, 0x1F3DC, 0x1F3ED, 0x1F3DB,
    0x1F3E0, 0x1F3D6, 0x1F3DD, 0x1F6E3, 0x1F50D, 0x1F3D4, 0x1F441, 0x1F442,
    // 0x50
    0x1F3DE, 0x1F3D5, 0x1F6E4, 0x1F3DF, 0x1F6F3, 0x1F56C, 0x1F56B, 0x1F568,
    0x1F508, 0x1F394, 0x1F395, 0x1F5EC, 0x1F67D, 0x1F5ED, 0x1F5EA, 0x1F5EB,
    // 0x60
    0x2B94, 0x2714, 0x1F6B2, 0x2B1C, 0x1F6E1, 0x1F4E6, 0x1F6F1, 0x2B1B,
    0x1F691, 0x1F6C8, 0x1F6E9, 0x1F6F0, 0x1F7C8, 0x1F574, 0x2B24, 0x1F6E5,
    // 0x70
    0x1F694, 0x1F5D8, 0x1F5D9, 0x2753, 0x1F6F2, 0x1F687, 0x1F68D, 0x26F3,
    0x29B8, 0x2296, 0x1F6AD, 0x1F5EE, 0x23D0, 0x1F5EF, 0x1F5F2, 0x0000,
    // 0x80
    0x1F6B9, 0x1F6BA, 0x1F6C9, 0x1F6CA, 0x1F6BC, 0x1F47D, 0x1F3CB, 0x26F7,
    0x1F3C2, 0x1F3CC, 0x1F3CA, 0x1F3C4, 0x1F3CD, 0x1F3CE, 0x1F698, 0x1F5E0,
    // 0x90
    0x1F6E2, 0x1F4B0, 0x1F3F7, 0x1F4B3, 0x1F46A, 0x1F5E1, 0x1F5E2, 0x1F5E3,
    0x272F, 0x1F584, 0x1F585, 0x1F583, 0x1F586, 0x1F5B9, 0x1F5BA, 0x1F5BB,
    // 0xA0
    0x1F575, 0x1F570, 0x1F5BD, 0x1F5BE, 0x1F4CB, 0x1F5D2, 0x1F5D3, 0x1F56E,
    0x1F4DA, 0x1F5DE, 0x1F5DF, 0x1F5C3, 0x1F5C2, 0x1F5BC, 0x1F3AD, 0x1F39C,
    // 0xB0
    0x1F398, 0x1F399, 0x1F3A7, 0x1F4BF, 0x1F39E, 0x1F4F7, 0x1F39F, 0x1F3AC,
    0x1F4FD, 0x1F4F9, 0x1F4FE, 0x1F4FB, 0x1F39A, 0x1F39B, 0x1F4FA, 0x1F4BB,
    // 0xC0
    0x1F5A5, 0x1F5A6, 0x1F5A7, 0x1F579, 0x1F3AE, 0x1F57B, 0x1F57C, 0x1F4DF,
    0x1F581, 0x1F580, 0x1F5A8, 0x1F5A9, 0x1F5BF, 0x1F5AA, 0x1F5DC, 0x1F512,
    // 0xD0
    0x1F513, 0x1F5DD, 0x1F4E5, 0x1F4E4, 0x1F573, 0x1F323, 0x1F324, 0x1F325,
    0x1F326, 0x2601, 0x1F328, 0x1F327, 0x1F329, 0x1F32A, 0x1F32C, 0x1F32B,
    // 0xE0
    0x1F31C, 0x1F321, 0x1F6CB, 0x1F6CF, 0x1F37D, 0x1F378, 0x1F6CE, 0x1F6CD,
    0x24C5, 0x267F, 0x1F6C6, 0x1F588, 0x1F393, 0x1F5E4, 0x1F5E5, 0x1F5E6,
    // 0xF0
    0x1F5E7, 0x1F6EA, 0x1F43F, 0x1F426, 0x1F41F, 0x1F415, 0x1F408, 0x1F66C,
    0x1F66E, 0x1F66D, 0x1F66F, 0x1F5FA, 0x1F30D, 0x1F30F, 0x1F30E, 0x1F54A,
};
// clang-format on

}  // namespace

bool isDoubleByteCodepage(int codepage)
{
    return codepage == 932 || codepage == 936 || codepage == 949 || codepage == 950 || codepage == 1361;
}

int codepageForCharset(int charset)
{
    switch (charset) {
    case 2: return kSymbolCodepage;
    case 77: return 10000;  // Mac Roman
    case 78: return 932;    // Mac Japanese, read as Shift-JIS
    case 79: return 949;    // Mac Korean
    case 80: return 936;    // Mac simplified Chinese
    case 81: return 950;    // Mac traditional Chinese
    case 85: return 10006;  // Mac Greek
    case 86: return 10081;  // Mac Turkish
    case 88: return 10029;  // Mac Central European
    case 89: return 10007;  // Mac Cyrillic
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178:
    case 179:
    case 180: return 1256;
    case 181: return 1255;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

char16_t symbolFontToUnicode(unsigned char byte) { return byte < 0x20 ? 0 : kSymbol[byte - 0x20]; }

char16_t wingdingsToUnicode(unsigned char byte)
{
    switch (byte) {
    case 0x4A: return 0x263A;  // smiling face
    case 0x4C: return 0x2639;
    case 0x6C: return 0x25CF;  // black circle
    case 0x6E: return 0x25A0;  // black square
    case 0x6F: return 0x25A1;
    case 0x71: return 0x2751;
    case 0x75: return 0x25C6;  // black diamond
    case 0x76: return 0x2756;
    case 0x9F: return 0x2022;
    case 0xA7: return 0x25AA;  // small black square
    case 0xA8: return 0x25FB;
    case 0xD8: return 0x27A2;  // arrowhead
    case 0xE0: return 0x2192;
    case 0xE8: return 0x2794;
    case 0xFB: return 0x2717;
    case 0xFC: return 0x2713;  // check mark
    case 0xFD: return 0x2612;
    case 0xFE: return 0x2611;
    default: return 0;
    }
}

char32_t webdingsToUnicode(unsigned char byte) { return byte < 0x20 ? 0 : kWebdings[byte - 0x20]; }

int encodeCp1252(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return int(ch);
    for (int i = 0; i < kSingleByteTableCount; ++i) {
        if (kSingleByteTables[i].codepage != 1252)
            continue;
        for (int b = 0; b < 0x20; ++b) {
            if (kSingleByteTables[i].upper[b] == ch && ch != 0xFFFD)
                return 0x80 + b;
        }
    }
    return -1;
}

CodepageDecoder::CodepageDecoder() = default;
CodepageDecoder::~CodepageDecoder() = default;

const SingleByteTable *CodepageDecoder::singleByteTable(int codepage) const
{
    for (int i = 0; i < kSingleByteTableCount; ++i) {
        if (kSingleByteTables[i].codepage == codepage)
            return &kSingleByteTables[i];
    }
    return nullptr;
}

QStringDecoder *CodepageDecoder::platformDecoder(int codepage)
{
    auto it = m_platform.find(codepage);
    if (it != m_platform.end())
        return it->second.get();
    // A document names a handful of code pages; past that, stop asking.
    if (codepage <= 0 || codepage > 65535 || m_platform.size() >= 64)
        return nullptr;
    std::unique_ptr<QStringDecoder> found;
    const QByteArray number = QByteArray::number(codepage);
    for (const QByteArray &name : {QByteArray("windows-") + number, QByteArray("cp") + number}) {
        auto d = std::make_unique<QStringDecoder>(name.constData());
        if (d->isValid()) {
            found = std::move(d);
            break;
        }
    }
    QStringDecoder *result = found.get();
    m_platform.emplace(codepage, std::move(found));
    return result;
}

void CodepageDecoder::decode(int codepage, const QByteArray &bytes, QString *out)
{
    if (bytes.isEmpty())
        return;
    if (codepage == 65001) {
        out->append(QString::fromUtf8(bytes));
        return;
    }
    if (isDoubleByteCodepage(codepage)) {
        // Find where the characters are, so that a lead byte left without its
        // trail byte shows as one replacement character.
        const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
        const qsizetype n = bytes.size();
        bool danglingLead = false;
        QStringDecoder *platform = platformDecoder(codepage);
        if (platform) {
            qsizetype i = 0;
            while (i < n) {
                if (isLeadByte(codepage, p[i])) {
                    if (i + 1 >= n) {
                        danglingLead = true;
                        break;
                    }
                    i += 2;
                } else {
                    ++i;
                }
            }
            QString text = platform->decode(QByteArrayView(bytes.constData(), i));
            platform->resetState();
            for (QChar &c : text) {
                if (c.unicode() == 0x1A)  // the converter's substitution character
                    c = QChar::ReplacementCharacter;
            }
            out->append(text);
        } else {
            qsizetype i = 0;
            while (i < n) {
                if (p[i] < 0x80) {
                    out->append(QChar(p[i]));
                    ++i;
                } else if (isLeadByte(codepage, p[i])) {
                    if (i + 1 >= n) {
                        danglingLead = true;
                        break;
                    }
                    out->append(QChar::ReplacementCharacter);
                    i += 2;
                } else {
                    out->append(QChar::ReplacementCharacter);
                    ++i;
                }
            }
        }
        if (danglingLead)
            out->append(QChar::ReplacementCharacter);
        return;
    }

    const SingleByteTable *table = singleByteTable(codepage);
    QStringDecoder *platform = nullptr;
    if (!table) {
        platform = codepage > 0 ? platformDecoder(codepage) : nullptr;
        if (platform) {
            out->append(platform->decode(bytes));
            platform->resetState();
            return;
        }
        table = singleByteTable(1252);
    }
    out->reserve(out->size() + bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out->append(b < 0x80 ? QChar(b) : QChar(table->upper[b - 0x80]));
    }
}

}  // namespace rtf::detail
