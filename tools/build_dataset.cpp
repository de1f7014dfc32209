// Builds the demonstration data set from the plain-text sources in dataset/:
//   build_dataset <sources folder> <base folder>
// writes <base>/bd2002.mdb and the folders Fotos, ResultadoVid, Tratamiento,
// mp3d, Videos and Sarmo_web. Pictures already drawn for the same caption
// are kept, so a rebuild only redraws what changed.
//
// Each picture is drawn from the sketch dataset/dibujos.tsv gives for its file
// (see drawing/Drawing.h), or from its caption's words when the file is not
// listed there. With a third argument, pages for reviewing the pictures are
// written there as PNG: one per pest with its pictures and captions, one per
// question screen with each option's picture, and one with the growth stages.

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>
#include <functional>

#include "DataSet.h"
#include "Illustration.h"
#include "Media.h"
#include "core/PhenologicalStages.h"
#include "core/ScreenTable.h"
#include "drawing/Drawing.h"

#include <QFontMetricsF>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QSet>

namespace {

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

// Draws a picture unless one for the same caption is already there. The
// caption each picture was drawn for is kept under <base>/.dibujos, so the
// data set's own folders hold only what the program reads.
bool ensureDrawing(const QString &base, const QString &relative, const QString &stampText,
                   const std::function<QImage()> &draw)
{
    const QString path = base + QLatin1Char('/') + relative;
    const QString stampPath = base + QStringLiteral("/.dibujos/") + relative + QStringLiteral(".txt");
    // Raised whenever the drawings change, so every picture is drawn again.
    constexpr int kDrawingVersion = 25;
    const QByteArray want = (QString::number(kDrawingVersion) + QLatin1Char('\n') + stampText).toUtf8();
    {
        QFile stamp(stampPath);
        if (QFileInfo::exists(path) && stamp.open(QIODevice::ReadOnly) && stamp.readAll() == want)
            return true;
    }
    QString error;
    if (!Illustration::save(draw(), path, &error)) {
        err() << "build_dataset: " << error << Qt::endl;
        return false;
    }
    QDir().mkpath(QFileInfo(stampPath).absolutePath());
    QFile stamp(stampPath);
    return stamp.open(QIODevice::WriteOnly) && stamp.write(want) == want.size();
}

// dataset/dibujos.tsv: "<path under Fotos>\t<sketch>", # starts a comment.
QHash<QString, QString> readSketches(const QString &path)
{
    QHash<QString, QString> sketches;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return sketches;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString file = line.section(QLatin1Char('\t'), 0, 0).trimmed();
        const QString sketch = line.section(QLatin1Char('\t'), 1).trimmed();
        if (!file.isEmpty() && !sketch.isEmpty())
            sketches.insert(file, sketch);
    }
    return sketches;
}

bool ensurePicture(const QString &base, const QString &relative, const QSize &size, const QString &sketch, quint32 seed)
{
    return ensureDrawing(base, relative, sketch + QLatin1Char('\n') + QString::number(seed),
                         [&] { return Illustration::drawSketch(size, sketch, seed); });
}

// A review page: the pictures in a grid, each with its caption under it.
struct Sheet {
    QString title;
    QList<QPair<QString, QString>> items;  // picture path, caption
};

bool writeSheet(const QString &path, const Sheet &sheet)
{
    const int columns = 3, cellW = 330, pictureH = 240, textH = 78, margin = 14, titleH = 44;
    const int rows = int((sheet.items.size() + columns - 1) / columns);
    QImage page(margin * 2 + columns * cellW, titleH + margin + rows * (pictureH + textH + margin),
                QImage::Format_RGB32);
    page.fill(QColor(250, 249, 245));
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(60, 30, 70));
    // A long screen title is cut short with an ellipsis rather than run off the page.
    const QRect titleBox(margin, 0, page.width() - 2 * margin, titleH);
    p.drawText(titleBox, Qt::AlignVCenter | Qt::AlignLeft,
               QFontMetrics(f).elidedText(sheet.title, Qt::ElideRight, titleBox.width()));
    f.setPixelSize(12);
    f.setBold(false);
    p.setFont(f);
    for (int i = 0; i < sheet.items.size(); ++i) {
        const int x = margin + (i % columns) * cellW, y = titleH + (i / columns) * (pictureH + textH + margin);
        const QImage picture(sheet.items[i].first);
        const QRect box(x, y, cellW - margin, pictureH);
        if (!picture.isNull()) {
            const QSize fitted = picture.size().scaled(box.size(), Qt::KeepAspectRatio);
            p.drawImage(QRect(box.topLeft() + QPoint((box.width() - fitted.width()) / 2, 0), fitted), picture);
        }
        p.setPen(QColor(30, 30, 30));
        p.drawText(QRect(x, y + pictureH + 3, cellW - margin, textH - 3),
                   Qt::TextWordWrap | Qt::AlignTop | Qt::AlignLeft,
                   QFileInfo(sheet.items[i].first).fileName() + QStringLiteral(" — ") + sheet.items[i].second);
    }
    p.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return page.save(path, "PNG");
}

QString fileSafe(QString name)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9ÁÉÍÓÚáéíóúñÑüÜ_-]+"));
    return name.replace(unsafe, QStringLiteral("_"));
}

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + QLatin1Char('/') + QDir(from).relativeFilePath(src);
        QDir().mkpath(QFileInfo(dst).absolutePath());
        if (QFileInfo(dst).exists() && QFileInfo(dst).lastModified() >= QFileInfo(src).lastModified())
            continue;
        QFile::remove(dst);
        ok = QFile::copy(src, dst) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        err() << "uso: build_dataset <carpeta de fuentes> <carpeta base del conjunto de datos> [carpeta de hojas de "
                 "contacto]"
              << Qt::endl;
        return 2;
    }
    const QString sources = QString::fromLocal8Bit(argv[1]);
    const QString base = QString::fromLocal8Bit(argv[2]);
    const QString sheetsFolder = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString();
    for (const char *folder : {"Fotos", "ResultadoVid", "Tratamiento", "mp3d", "Videos", "Sarmo_web"})
        QDir().mkpath(base + QLatin1Char('/') + QLatin1String(folder));

    QString error;
    jet::TableDef glossary, photos, treatment;
    if (!DataSet::readGlossary(sources + QStringLiteral("/glosario.txt"), &glossary, &error)
        || !DataSet::readPhotoTables(sources, QStringLiteral("Fotos"), &photos, &error)
        || !DataSet::readPhotoTables(sources, QStringLiteral("Tratamiento"), &treatment, &error)) {
        err() << "build_dataset: " << error << Qt::endl;
        return 1;
    }
    if (!jet::JetWriter::write(base + QStringLiteral("/bd2002.mdb"), {glossary, photos, treatment}, &error)) {
        err() << "build_dataset: " << error << Qt::endl;
        return 1;
    }

    bool ok = true;
    QSet<QString> drawn;
    const QHash<QString, QString> sketches = readSketches(sources + QStringLiteral("/dibujos.tsv"));
    QMap<QString, Sheet> sheets;  // file name of the page → its pictures
    auto picture = [&](const QString &relative, const QSize &size, const QString &caption, const QString &subject) {
        if (drawn.contains(relative))
            return;
        drawn.insert(relative);
        const QString listed = sketches.value(relative.section(QLatin1Char('/'), 1));
        const QString sketch = listed.isEmpty() ? drawing::toText(drawing::fromCaption(caption, subject)) : listed;
        ok = ensurePicture(base, relative, size, sketch, qHash(relative)) && ok;
    };
    auto onSheet = [&](const QString &page, const QString &title, const QString &relative, const QString &caption) {
        Sheet &sheet = sheets[page];
        sheet.title = title;
        sheet.items.append({base + QLatin1Char('/') + relative, caption});
    };
    picture(QStringLiteral("Fotos/Imagen1.jpg"), QSize(289, 217), QStringLiteral("Seleccione una opción"),
            QStringLiteral("cepa con racimos"));
    // Every photo a question screen can load, taken from the screens' own
    // tables; it shows the symptom the option describes, of the pest the
    // photo's folder names.
    // The organ each question screen is about, for the options that leave it unsaid.
    auto screenOrgan = [](const QString &name) {
        const int n = name.mid(4).toInt();
        const char *organ = n == 3 || n == 26 ? ""
            : n <= 9                          ? "hoja"
            : n == 17                         ? "grano"
            : n <= 18                         ? "racimo"
            : n <= 20                         ? "pampano"
            : n <= 22                         ? "yema"
            : n == 25                         ? "corte"
            : n <= 26                         ? "tronco"
                                              : "raiz";
        return *organ ? QStringLiteral(" organo=") + QLatin1String(organ) : QString();
    };
    for (const q::ScreenTable &screen : q::allScreens()) {
        auto photoPath = [](QString photo) {
            return QStringLiteral("Fotos") + photo.replace(QLatin1Char('\\'), QLatin1Char('/'));
        };
        auto folder = [](const QString &photo) { return photo.section(QLatin1Char('\\'), 1, 1); };
        const QString page = QStringLiteral("pantalla-") + fileSafe(screen.name + QLatin1Char('-') + screen.title)
            + QStringLiteral(".png");
        const QString title = QStringLiteral("Pantalla %1 · %2").arg(screen.name, screen.title);
        for (const auto &[box, photo] : screen.loadPhotos) {
            const QString caption = screen.title + QStringLiteral(": ") + folder(photo);
            picture(photoPath(photo), QSize(400, 300), caption, folder(photo) + screenOrgan(screen.name));
            onSheet(page, title, photoPath(photo), QStringLiteral("(al abrir) ") + caption);
        }
        for (const q::OptionDef &option : screen.options)
            for (const q::Action &action : option.actions)
                if (action.kind == q::Action::Kind::Load) {
                    const QString relative = photoPath(action.value);
                    const QString key = folder(action.value);
                    picture(relative, QSize(400, 300), screen.title + QStringLiteral(": ") + option.caption,
                            key + screenOrgan(screen.name));
                    onSheet(page, title, relative, option.caption);
                }
    }
    // The phenological states window's photos: one drawing per stage and
    // photo, showing the bud, leaves or bunch of that stage.
    for (const PhenologicalStages::Stage &stage : PhenologicalStages::all()) {
        for (const QString &photo : {stage.firstPhoto, stage.secondPhoto}) {
            QString relative = QStringLiteral("Fotos") + photo;
            relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
            if (drawn.contains(relative))
                continue;
            drawn.insert(relative);
            const QString code = photo.section(QStringLiteral("estado"), 1).left(1);
            const int variant = photo.section(QStringLiteral("estado"), 1).mid(1, 2).toInt();
            const QString caption = stage.item + QStringLiteral(": ") + stage.text;
            ok = ensureDrawing(base, relative, caption,
                               [&] { return Illustration::drawStage(QSize(400, 300), code, variant, caption); })
                && ok;
            onSheet(QStringLiteral("estados-fenologicos.png"), QStringLiteral("Estados fenológicos"), relative,
                    caption);
        }
    }
    for (const jet::TableDef *table : {&photos, &treatment}) {
        for (const QList<QVariant> &row : table->rows) {
            const QString key = row[0].toString(), file = row[1].toString(), caption = row[2].toString();
            const QString relative = QStringLiteral("Fotos/") + key + QLatin1Char('/') + file;
            picture(relative, QSize(400, 300), caption,
                    table == &treatment ? key + QStringLiteral(" tratamiento") : key);
            onSheet(QStringLiteral("clave-") + fileSafe(key) + QStringLiteral(".png"), key, relative, caption);
        }
    }
    if (!sheetsFolder.isEmpty()) {
        QDir(sheetsFolder).removeRecursively();
        for (auto it = sheets.cbegin(); it != sheets.cend(); ++it)
            ok = writeSheet(sheetsFolder + QLatin1Char('/') + it.key(), it.value()) && ok;
    }
    ok = copyTree(sources + QStringLiteral("/Sarmo_web"), base + QStringLiteral("/Sarmo_web")) && ok;
    ok = Media::buildDocuments(sources, base) && ok;
    ok = Media::buildAudio(sources, base) && ok;
    ok = Media::buildVideos(sources, base) && ok;
    return ok ? 0 : 1;
}
