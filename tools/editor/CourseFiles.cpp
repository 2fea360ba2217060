#include "CourseFiles.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace kelvora {

namespace {
QByteArray digest(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result() : QByteArray();
}
} // namespace

QString bringIntoCourse(const QString &folder, const QString &file, const QString &subfolder, QString *error)
{
    const QDir course(folder);
    const QFileInfo source(file);
    if (!source.isFile()) {
        *error = QStringLiteral("%1: no such file").arg(file);
        return {};
    }
    const QString inside = course.relativeFilePath(source.canonicalFilePath());
    if (!inside.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(inside))
        return inside;
    if (!course.mkpath(subfolder)) {
        *error = QStringLiteral("%1: cannot make the folder %2").arg(folder, subfolder);
        return {};
    }
    QString name = subfolder + QLatin1Char('/') + source.fileName();
    for (int n = 2; QFileInfo::exists(course.filePath(name)); ++n) {
        if (digest(course.filePath(name)) == digest(file))
            return name; // the same file is there already
        name = QStringLiteral("%1/%2-%3.%4").arg(subfolder, source.completeBaseName()).arg(n).arg(source.suffix());
    }
    if (!QFile::copy(file, course.filePath(name))) {
        *error = QStringLiteral("%1: cannot copy it to %2").arg(file, course.filePath(name));
        return {};
    }
    return name;
}

QStringList soundsInCourse(const QString &folder)
{
    QStringList sounds;
    QDirIterator it(folder, {QStringLiteral("*.wav"), QStringLiteral("*.WAV")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        sounds << QDir(folder).relativeFilePath(it.next());
    sounds.sort(Qt::CaseInsensitive);
    return sounds;
}

void fillSoundBox(QComboBox *box, const QStringList &sounds, const QString &current)
{
    box->clear();
    box->addItem(NoSound);
    box->addItems(sounds);
    if (!current.isEmpty() && box->findText(current) < 0)
        box->addItem(current);
    box->setCurrentText(current.isEmpty() ? NoSound : current);
}

} // namespace kelvora
