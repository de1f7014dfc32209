// libFuzzer target for reading scenario files: any text must split into
// scenarios and lines without a crash; a line's words never hold a double
// quote that was written as a delimiter. Built and run by scripts/fuzz.sh.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ScenarioFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const ScenarioFile file = parseScenarioText(text, QStringLiteral("fuzz.scn"));
    for (const Scenario &s : file.scenarios)
        for (const ScenarioLine &line : s.lines)
            if (line.error.isEmpty() && line.words.isEmpty())
                abort();  // a kept line always has at least its command word
    return 0;
}
