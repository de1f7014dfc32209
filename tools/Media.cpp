#include "Media.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include "RtfWriter.h"
#include "core/ResultCatalogue.h"
#include "core/TreatmentCatalogue.h"

namespace Media {

namespace {

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// True when the output exists and was made from the same input.
bool upToDate(const QString &base, const QString &output, const QByteArray &input)
{
    const QString stamp = base + QStringLiteral("/.fuentes/") + output + QStringLiteral(".sha1");
    return QFileInfo::exists(base + QLatin1Char('/') + output)
        && readFile(stamp) == QCryptographicHash::hash(input, QCryptographicHash::Sha1).toHex();
}

void remember(const QString &base, const QString &output, const QByteArray &input)
{
    writeFile(base + QStringLiteral("/.fuentes/") + output + QStringLiteral(".sha1"),
              QCryptographicHash::hash(input, QCryptographicHash::Sha1).toHex());
}

bool run(const QString &program, const QStringList &args, int timeoutMs = 120000)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted() || !p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit
        || p.exitCode() != 0) {
        err() << "build_dataset: " << program << " falló: " << p.readAll().right(400) << Qt::endl;
        return false;
    }
    return true;
}

bool haveTool(const char *name)
{
    if (!QStandardPaths::findExecutable(QLatin1String(name)).isEmpty())
        return true;
    err() << "build_dataset: falta " << name << "; instale los paquetes de scripts/deps.sh" << Qt::endl;
    return false;
}

QString plain(QString text)
{
    static const QRegularExpression emphasis(QStringLiteral(R"(\*\*|\*)"));
    text.replace(QStringLiteral("\\*"), QStringLiteral("\x01"));
    text.remove(emphasis);
    text.replace(QLatin1Char('\x01'), QLatin1Char('*'));
    text.replace(QStringLiteral("\\|"), QStringLiteral("|"));
    text.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    return text.simplified();
}

bool speak(const QString &text, const QString &wav)
{
    return run(QStringLiteral("espeak-ng"),
               {QStringLiteral("-v"), QStringLiteral("es"), QStringLiteral("-s"), QStringLiteral("150"),
                QStringLiteral("-w"), wav, text});
}

}  // namespace

QString narration(const QString &markup)
{
    QString title;
    QStringList paragraph;
    const QStringList lines = markup.split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (title.isEmpty() && line.startsWith(QLatin1String("# "))) {
            title = plain(line.mid(2));
            continue;
        }
        if (title.isEmpty())
            continue;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char('|'))
            || line.startsWith(QLatin1String("- "))) {
            if (!paragraph.isEmpty())
                break;
            continue;
        }
        paragraph << line;
    }
    QString spoken = title;
    if (!spoken.isEmpty())
        spoken = spoken.left(1).toUpper() + spoken.mid(1).toLower() + QStringLiteral(". ");
    return (spoken + plain(paragraph.join(QLatin1Char(' ')))).trimmed();
}

bool buildDocuments(const QString &sources, const QString &base)
{
    bool ok = true;
    int missing = 0;
    for (const ResultCatalogue::Entry &e : ResultCatalogue::entries()) {
        const TreatmentCatalogue::Entry *t = TreatmentCatalogue::byKey(e.key);
        const QList<QPair<QString, QString>> pairs{
            {QStringLiteral("/documentos/resultado/") + e.stem + QStringLiteral(".txt"),
             QStringLiteral("ResultadoVid/") + ResultCatalogue::resultDocument(e)},
            {QStringLiteral("/documentos/tratamiento/") + e.stem + QStringLiteral(".txt"),
             QStringLiteral("Tratamiento/") + (t ? t->document : ResultCatalogue::treatmentDocument(e))}};
        for (const auto &[source, output] : pairs) {
            const QByteArray markup = readFile(sources + source);
            if (markup.isEmpty()) {
                ++missing;
                continue;
            }
            if (upToDate(base, output, markup))
                continue;
            rtf::WriteOptions options;
            options.title = e.displayName;
            ok = writeFile(base + QLatin1Char('/') + output, rtf::writeRtf(QString::fromUtf8(markup), options)) && ok;
            remember(base, output, markup);
        }
    }
    if (missing)
        err() << "build_dataset: faltan " << missing << " fuentes de documentos" << Qt::endl;
    return ok;
}

bool buildAudio(const QString &sources, const QString &base)
{
    if (!haveTool("espeak-ng") || !haveTool("ffmpeg"))
        return false;
    QTemporaryDir tmp;
    bool ok = true;
    for (const ResultCatalogue::Entry &e : ResultCatalogue::entries()) {
        const QByteArray markup =
            readFile(sources + QStringLiteral("/documentos/resultado/") + e.stem + QStringLiteral(".txt"));
        const QString text = markup.isEmpty() ? e.displayName : narration(QString::fromUtf8(markup));
        const QString output = QStringLiteral("mp3d/") + ResultCatalogue::audioFile(e);
        if (upToDate(base, output, text.toUtf8()))
            continue;
        const QString wav = tmp.filePath(e.stem + QStringLiteral(".wav"));
        QDir().mkpath(base + QStringLiteral("/mp3d"));
        const bool made = speak(text, wav)
            && run(QStringLiteral("ffmpeg"),
                   {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-i"),
                    wav, QStringLiteral("-codec:a"), QStringLiteral("libmp3lame"), QStringLiteral("-b:a"),
                    QStringLiteral("48k"), base + QLatin1Char('/') + output});
        if (made)
            remember(base, output, text.toUtf8());
        ok = made && ok;
    }
    return ok;
}

namespace {

// One slide: a title and lines of text (bullets start with "- ").
QImage drawSlide(const QString &title, const QStringList &lines, int number, int count)
{
    QImage img(640, 480, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, 480);
    bg.setColorAt(0, QColor(244, 239, 222));
    bg.setColorAt(1, QColor(220, 230, 200));
    p.fillRect(img.rect(), bg);
    p.fillRect(QRect(0, 0, 640, 70), QColor(75, 29, 92));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(26);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(24, 0, 592, 70), Qt::AlignVCenter | Qt::TextWordWrap, title);
    f.setBold(false);
    f.setPixelSize(21);
    p.setFont(f);
    p.setPen(QColor(30, 40, 25));
    int y = 100;
    for (const QString &line : lines) {
        const bool bullet = line.startsWith(QLatin1String("- "));
        const QString text = bullet ? line.mid(2) : line;
        const QRect box(bullet ? 60 : 30, y, bullet ? 550 : 580, 400);
        const QRect used = p.boundingRect(box, Qt::TextWordWrap, text);
        if (bullet) {
            p.setBrush(QColor(60, 130, 40));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPoint(42, y + 13), 6, 6);
            p.setPen(QColor(30, 40, 25));
        }
        p.drawText(box, Qt::TextWordWrap, text);
        y += used.height() + 14;
    }
    f.setPixelSize(14);
    p.setFont(f);
    p.fillRect(QRect(0, 450, 640, 30), QColor(120, 30, 40));
    p.setPen(Qt::white);
    p.drawText(QRect(12, 450, 616, 30), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Sarmo · vídeo de demostración"));
    p.drawText(QRect(12, 450, 616, 30), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("%1 / %2").arg(number).arg(count));
    return img;
}

}  // namespace

bool buildVideos(const QString &sources, const QString &base)
{
    if (!haveTool("espeak-ng") || !haveTool("ffmpeg"))
        return false;
    const QDir dir(sources + QStringLiteral("/videos"));
    bool ok = true;
    for (const QString &file : dir.entryList({QStringLiteral("video*.txt")}, QDir::Files, QDir::Name)) {
        const QByteArray source = readFile(dir.filePath(file));
        const QString output = QStringLiteral("Videos/") + QFileInfo(file).completeBaseName() + QStringLiteral(".mpg");
        if (upToDate(base, output, source))
            continue;
        QTemporaryDir tmp;
        const QStringList slides = QString::fromUtf8(source).split(QRegularExpression(QStringLiteral(R"(\n---\s*\n)")));
        QStringList segments;
        bool made = true;
        for (int i = 0; i < slides.size() && made; ++i) {
            QStringList lines = slides[i].trimmed().split(QLatin1Char('\n'));
            QString title = lines.value(0).trimmed();
            if (title.startsWith(QLatin1String("# ")))
                title = title.mid(2);
            lines.removeFirst();
            const QString png = tmp.filePath(QStringLiteral("s%1.png").arg(i));
            const QString wav = tmp.filePath(QStringLiteral("s%1.wav").arg(i));
            const QString mpg = tmp.filePath(QStringLiteral("s%1.mpg").arg(i));
            drawSlide(title, lines, i + 1, int(slides.size())).save(png);
            QStringList spoken{title};
            for (const QString &l : lines)
                spoken << (l.startsWith(QLatin1String("- ")) ? l.mid(2) : l);
            made = speak(spoken.join(QStringLiteral(". ")), wav)
                && run(QStringLiteral("ffmpeg"),
                       {QStringLiteral("-loglevel"),
                        QStringLiteral("error"),
                        QStringLiteral("-y"),
                        QStringLiteral("-loop"),
                        QStringLiteral("1"),
                        QStringLiteral("-framerate"),
                        QStringLiteral("25"),
                        QStringLiteral("-i"),
                        png,
                        QStringLiteral("-i"),
                        wav,
                        QStringLiteral("-c:v"),
                        QStringLiteral("mpeg1video"),
                        QStringLiteral("-q:v"),
                        QStringLiteral("4"),
                        QStringLiteral("-c:a"),
                        QStringLiteral("mp2"),
                        QStringLiteral("-b:a"),
                        QStringLiteral("96k"),
                        QStringLiteral("-ar"),
                        QStringLiteral("44100"),
                        QStringLiteral("-shortest"),
                        QStringLiteral("-f"),
                        QStringLiteral("mpeg"),
                        mpg});
            segments << mpg;
        }
        if (made) {
            QByteArray list;
            for (const QString &s : segments)
                list += "file '" + QFile::encodeName(s) + "'\n";
            writeFile(tmp.filePath(QStringLiteral("list.txt")), list);
            QDir().mkpath(base + QStringLiteral("/Videos"));
            made =
                run(QStringLiteral("ffmpeg"),
                    {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                     QStringLiteral("concat"), QStringLiteral("-safe"), QStringLiteral("0"), QStringLiteral("-i"),
                     tmp.filePath(QStringLiteral("list.txt")), QStringLiteral("-c"), QStringLiteral("copy"),
                     QStringLiteral("-f"), QStringLiteral("mpeg"), base + QLatin1Char('/') + output});
        }
        if (made)
            remember(base, output, source);
        ok = made && ok;
    }
    return ok;
}

}  // namespace Media
