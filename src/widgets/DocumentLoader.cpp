#include "widgets/DocumentLoader.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>

#include "core/FileCheck.h"
#include "platform/rtf/RtfReader.h"
#include "widgets/FileMessages.h"

namespace DocumentLoader {

namespace {

// Tables keep the proportions of their columns but fit the box, which is
// narrower than the page the document was written for; pictures wider than
// the box are shown at its width.
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

// Keeps the pictures of the box's document no wider than the box: follows
// the box's size. The width left for the document counts a vertical scroll
// bar even when none is shown, so that fitting cannot make one come and go.
class PictureFitter : public QObject {
public:
    explicit PictureFitter(QTextEdit *box) : QObject(box), m_box(box)
    {
        setObjectName(QStringLiteral("pictureFitter"));
        box->viewport()->installEventFilter(this);
    }

    void fit()
    {
        int width = m_box->viewport()->width();
        if (QScrollBar *bar = m_box->verticalScrollBar(); bar && !bar->isVisible())
            width -= bar->sizeHint().width();
        if (width != m_width || m_box->document() != m_document) {
            m_width = width;
            m_document = m_box->document();
            rtf::fitPictures(m_box->document(), width);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    QTextEdit *m_box;
    QTextDocument *m_document = nullptr;
    int m_width = -1;
};

void fitPictures(QTextEdit *box)
{
    // Only this file names a child so.
    auto *fitter = static_cast<PictureFitter *>(
        box->findChild<QObject *>(QStringLiteral("pictureFitter"), Qt::FindDirectChildrenOnly));
    if (!fitter)
        fitter = new PictureFitter(box);
    fitter->fit();
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
    fitPictures(box);
    return true;
}

}  // namespace DocumentLoader
