#pragma once
// Character sets of RTF documents: the code page behind a font's \fcharset,
// decoding of the bytes written as \'hh (or as raw 8-bit text) through a code
// page, the glyph-to-Unicode maps of the Symbol, Wingdings and Webdings fonts,
// and the Windows-1252 encoding the writer uses.

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>

class QStringDecoder;

namespace rtf::detail {

struct SingleByteTable {
    int codepage;
    char16_t upper[128];  // bytes 0x80-0xFF
};
extern const SingleByteTable kSingleByteTables[];
extern const int kSingleByteTableCount;

// Code pages the reader knows how to treat as multi-byte (lead byte + trail byte).
bool isDoubleByteCodepage(int codepage);

// The code page a font's \fcharsetN stands for; 0 when the charset means "the
// document's own code page" (ANSI and DEFAULT) or is unknown, and 42 (the
// Windows number for "symbol") for the symbol charset.
int codepageForCharset(int charset);
constexpr int kSymbolCodepage = 42;

// Glyph positions of the Symbol, Wingdings and Webdings fonts mapped to
// Unicode; 0 when the position has no sensible Unicode character.
char16_t symbolFontToUnicode(unsigned char byte);
char16_t wingdingsToUnicode(unsigned char byte);
char32_t webdingsToUnicode(unsigned char byte);

// Windows-1252 byte for a character, or -1 when the code page lacks it.
int encodeCp1252(char32_t ch);

// Turns bytes into text through a code page. Code pages without a built-in
// table are decoded with the platform's converters when they have them;
// multi-byte code pages the platform cannot decode still keep characters apart
// (one U+FFFD per lead/trail pair). Never fails: unknown code pages fall back
// to Windows-1252.
class CodepageDecoder {
public:
    CodepageDecoder();
    ~CodepageDecoder();
    CodepageDecoder(const CodepageDecoder &) = delete;
    CodepageDecoder &operator=(const CodepageDecoder &) = delete;

    void decode(int codepage, const QByteArray &bytes, QString *out);

private:
    const SingleByteTable *singleByteTable(int codepage) const;
    QStringDecoder *platformDecoder(int codepage);

    std::map<int, std::unique_ptr<QStringDecoder>> m_platform;  // null entry: not available
};

}  // namespace rtf::detail
