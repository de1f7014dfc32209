// libFuzzer target for the RTF reader: any bytes must read without a crash,
// a hang or runaway memory, and leave a document that can be laid out.
//
// Not part of the CMake build. Build and run by hand from the repository root
// (libFuzzer comes with clang; fontconfig's process-wide caches are reported
// as leaks unless suppressed; the dictionary of control words is optional):
//
//   clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
//       -fno-sanitize-recover=undefined -I src \
//       src/platform/rtf/*.cpp tests/fuzz/rtf_fuzz.cpp \
//       $(pkg-config --cflags --libs Qt6Gui) -o /tmp/rtf_fuzz
//   printf 'leak:libfontconfig\n' > /tmp/rtf_lsan.supp
//   grep -o '"[a-zA-Z]\+"' src/platform/rtf/RtfReader.cpp | sort -u | sed 's/^"/"\\\\/' > /tmp/rtf.dict
//   mkdir -p /tmp/rtf_corpus
//   LSAN_OPTIONS=suppressions=/tmp/rtf_lsan.supp /tmp/rtf_fuzz /tmp/rtf_corpus tests/rtf \
//       -dict=/tmp/rtf.dict -max_total_time=300 -max_len=16384 -timeout=10 -rss_limit_mb=2048
//
// The fixtures in tests/rtf are the seed corpus. Any crashing input found
// goes into tests/test_rtf.cpp as a regression case.

#include "platform/rtf/RtfReader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

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
    QTextDocument doc;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    rtf::readRtf(bytes, &doc);
    (void)doc.toPlainText();
    doc.setTextWidth(400);
    (void)doc.size();
    return 0;
}
