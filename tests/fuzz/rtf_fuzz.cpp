// libFuzzer target for the RTF reader: any bytes must read without a crash,
// a hang or runaway memory, and leave a document whose pictures can be fitted
// to a box and that can be laid out. Bytes
// that start like a metafile or a bitmap go straight to the picture decoders
// (the fixtures include such files), so that the libraries behind them see
// their own format mutated, not only what survives the RTF around it.
//
// Not part of the CMake build. Build and run by hand from the repository root
// (libFuzzer comes with clang; fontconfig's process-wide caches are reported
// as leaks unless suppressed; the dictionary of control words is optional):
//
//   clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
//       -fno-sanitize-recover=undefined -I src \
//       src/platform/rtf/*.cpp tests/fuzz/rtf_fuzz.cpp \
//       $(pkg-config --cflags --libs Qt6Gui Qt6Svg libwmf) -lemf2svg -o /tmp/rtf_fuzz
//   printf 'leak:libfontconfig\n' > /tmp/rtf_lsan.supp
//   grep -o '"[a-zA-Z]\+"' src/platform/rtf/RtfReader.cpp | sort -u | sed 's/^"/"\\\\/' > /tmp/rtf.dict
//   mkdir -p /tmp/rtf_corpus
//   LSAN_OPTIONS=suppressions=/tmp/rtf_lsan.supp /tmp/rtf_fuzz /tmp/rtf_corpus tests/rtf \
//       -dict=/tmp/rtf.dict -max_total_time=300 -max_len=16384 -timeout=10 -rss_limit_mb=2048
//
// The fixtures in tests/rtf are the seed corpus. Any crashing input found
// goes into tests/test_rtf.cpp as a regression case.

#include "platform/rtf/RtfPictures.h"
#include "platform/rtf/RtfReader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) { }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quiet);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace rtf::detail;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.startsWith("\xD7\xCD\xC6\x9A") || bytes.startsWith(QByteArray("\x01\x00\x09\x00", 4))
        || bytes.startsWith(QByteArray("\x02\x00\x09\x00", 4))) {
        (void)renderSvg(wmfToSvg(bytes), QSize(64, 64));
        return 0;
    }
    if (bytes.startsWith(QByteArray("\x01\x00\x00\x00", 4)) && bytes.mid(40, 4) == " EMF") {
        (void)renderSvg(emfToSvg(bytes), QSize(64, 64));
        return 0;
    }
    if (bytes.startsWith(QByteArray("\x28\x00\x00\x00", 4)) || bytes.startsWith(QByteArray("\x0c\x00\x00\x00", 4))) {
        (void)decodeDib(bytes);
        return 0;
    }
    if (bytes.startsWith("DDB") && bytes.size() >= 9) {
        const auto at = [&](int i) { return int(static_cast<unsigned char>(bytes[i])); };
        (void)decodeDdb(bytes.mid(9), at(3) * 256 + at(4), at(5) * 256 + at(6), at(7), at(8));
        return 0;
    }
    QTextDocument doc;
    rtf::readRtf(bytes, &doc);
    (void)doc.toPlainText();
    rtf::fitPictures(&doc, 400);
    doc.setTextWidth(400);
    (void)doc.size();
    return 0;
}
