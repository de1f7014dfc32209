// Builds the demonstration data set from the plain-text sources in dataset/:
//   build_dataset <sources folder> <base folder>
// writes <base>/bd2002.mdb and the folders Fotos, ResultadoVid, Tratamiento,
// mp3d, Videos and Sarmo_web. Pictures already drawn for the same caption
// are kept, so a rebuild only redraws what changed.

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <functional>

#include "DataSet.h"
#include "Illustration.h"
#include "Media.h"
#include "questionnaire/ScreenTable.h"
#include "reference/PhenologicalStages.h"

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
    constexpr int kDrawingVersion = 3;
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

bool ensurePicture(const QString &base, const QString &relative, const QSize &size, const QString &caption,
                   const QString &subject)
{
    return ensureDrawing(base, relative, caption + QLatin1Char('\n') + subject,
                         [&] { return Illustration::draw(size, caption, subject); });
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
    if (argc != 3) {
        err() << "uso: build_dataset <carpeta de fuentes> <carpeta base del conjunto de datos>" << Qt::endl;
        return 2;
    }
    const QString sources = QString::fromLocal8Bit(argv[1]);
    const QString base = QString::fromLocal8Bit(argv[2]);
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
    auto picture = [&](const QString &relative, const QSize &size, const QString &caption, const QString &subject) {
        if (drawn.contains(relative))
            return;
        drawn.insert(relative);
        ok = ensurePicture(base, relative, size, caption, subject) && ok;
    };
    picture(QStringLiteral("Fotos/Imagen1.jpg"), QSize(289, 217), QStringLiteral("Seleccione una opción"),
            QStringLiteral("vid"));
    // Every photo a question screen can load, taken from the screens' own
    // tables; its caption is the symptom the screen and option describe.
    for (const q::ScreenTable &screen : q::allScreens()) {
        auto photoPath = [](QString photo) { return QStringLiteral("Fotos") + photo.replace(QLatin1Char('\\'), QLatin1Char('/')); };
        auto folder = [](const QString &photo) { return photo.section(QLatin1Char('\\'), 1, 1); };
        for (const auto &[box, photo] : screen.loadPhotos)
            picture(photoPath(photo), QSize(400, 300), screen.title + QStringLiteral(": ") + folder(photo),
                    screen.title);
        for (const q::OptionDef &option : screen.options)
            for (const q::Action &action : option.actions)
                if (action.kind == q::Action::Kind::Load)
                    picture(photoPath(action.value), QSize(400, 300),
                            screen.title + QStringLiteral(": ") + option.caption,
                            screen.title);
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
            ok = ensureDrawing(base, relative, caption, [&] {
                     return Illustration::drawStage(QSize(400, 300), code, variant, caption);
                 }) && ok;
        }
    }
    for (const jet::TableDef *table : {&photos, &treatment}) {
        for (const QList<QVariant> &row : table->rows) {
            const QString key = row[0].toString(), file = row[1].toString(), caption = row[2].toString();
            picture(QStringLiteral("Fotos/") + key + QLatin1Char('/') + file, QSize(400, 300), caption, key);
        }
    }
    ok = copyTree(sources + QStringLiteral("/Sarmo_web"), base + QStringLiteral("/Sarmo_web")) && ok;
    ok = Media::buildDocuments(sources, base) && ok;
    ok = Media::buildAudio(sources, base) && ok;
    ok = Media::buildVideos(sources, base) && ok;
    return ok ? 0 : 1;
}
