#include "CourseFiles.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>

namespace kelvora {

QString picturesFilter()
{
    return QCoreApplication::translate("kelvora::CourseFiles", "Pictures (*.jpg *.jpeg *.png *.bmp);;All files (*)");
}

QString noSound()
{
    return QCoreApplication::translate("kelvora::CourseFiles", "(none)");
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
    box->addItem(noSound());
    box->addItems(sounds);
    if (!current.isEmpty() && box->findText(current) < 0)
        box->addItem(current);
    box->setCurrentText(current.isEmpty() ? noSound() : current);
}

} // namespace kelvora
