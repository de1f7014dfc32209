#include "shell/DocumentLoader.h"

#include <QTextDocument>
#include <QTextEdit>

#include "platform/rtf/RtfReader.h"
#include "shell/FileCheck.h"

namespace DocumentLoader {

bool load(QTextEdit *box, const QString &builtPath)
{
    if (!FileCheck::check(builtPath))
        return false;
    auto *doc = new QTextDocument(box);
    if (!rtf::readRtfFile(FileCheck::nativePath(builtPath), doc).ok) {
        delete doc;
        FileCheck::reportDamaged(builtPath);
        return false;
    }
    // The box deletes the document it showed when that was its child.
    box->setDocument(doc);
    return true;
}

}  // namespace DocumentLoader
