#include "shell/DocumentLoader.h"

#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>

#include "platform/rtf/RtfReader.h"
#include "shell/FileCheck.h"

namespace DocumentLoader {

namespace {

// Tables keep the proportions of their columns but fit the box, which is
// narrower than the page the document was written for.
void fitTables(QTextDocument *doc)
{
    for (QTextFrame *frame : doc->rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        const QList<QTextLength> widths = format.columnWidthConstraints();
        qreal total = 0;
        for (const QTextLength &w : widths)
            total += w.type() == QTextLength::FixedLength ? w.rawValue() : 0;
        if (total <= 0)
            continue;
        QList<QTextLength> relative;
        for (const QTextLength &w : widths)
            relative << QTextLength(QTextLength::PercentageLength,
                                    w.type() == QTextLength::FixedLength ? 100.0 * w.rawValue() / total : 0);
        format.setColumnWidthConstraints(relative);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        table->setFormat(format);
    }
}

}  // namespace

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
    fitTables(doc);
    // The box deletes the document it showed when that was its child.
    box->setDocument(doc);
    return true;
}

}  // namespace DocumentLoader
