#include "CourseFiles.h"

#include <QAbstractFileIconProvider>
#include <QCollator>
#include <QComboBox>
#include <QFileDialog>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QListView>
#include <QPixmap>
#include <QSettings>
#include <QCoreApplication>
#include <QDir>
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace kelvora {

QString picturesFilter()
{
    return QCoreApplication::translate("kelvora::CourseFiles", "Pictures (*.jpg *.jpeg *.png *.bmp);;All files (*)");
}

namespace {
constexpr QSize Thumbnail(96, 72);

// Pictures as small copies of themselves, read at that size (a JPEG decodes scaled down, quickly).
class ThumbnailIcons : public QAbstractFileIconProvider {
public:
    QIcon icon(const QFileInfo &info) const override
    {
        static const QStringList pictures = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
                                             QStringLiteral("bmp")};
        if (!info.isFile() || !pictures.contains(info.suffix().toLower()))
            return QAbstractFileIconProvider::icon(info);
        const QString key = info.absoluteFilePath() + QString::number(info.lastModified().toMSecsSinceEpoch());
        if (const auto found = m_cache.constFind(key); found != m_cache.constEnd())
            return *found;
        QImageReader reader(info.absoluteFilePath());
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        if (size.isValid())
            reader.setScaledSize(size.scaled(Thumbnail, Qt::KeepAspectRatio));
        const QImage image = reader.read();
        const QIcon icon = image.isNull() ? QAbstractFileIconProvider::icon(info) : QIcon(QPixmap::fromImage(image));
        m_cache.insert(key, icon);
        return icon;
    }

private:
    mutable QHash<QString, QIcon> m_cache;
};
} // namespace

QStringList choosePhotographs(QWidget *parent, const QString &title, bool several)
{
    QSettings settings;
    const QString folderKey = QStringLiteral("photographFolder");
    QFileDialog dialog(parent, title, settings.value(folderKey, QDir::homePath()).toString(), picturesFilter());
    dialog.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    // Qt's own dialog, whose list can show the photographs themselves.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ThumbnailIcons icons;
    dialog.setIconProvider(&icons);
    if (auto *list = dialog.findChild<QListView *>(QStringLiteral("listView"))) {
        list->setViewMode(QListView::IconMode);
        list->setIconSize(Thumbnail);
        list->setGridSize(Thumbnail + QSize(40, 36));
        list->setWordWrap(true);
        list->setResizeMode(QListView::Adjust);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    settings.setValue(folderKey, dialog.directory().absolutePath());
    QStringList files = dialog.selectedFiles();
    QCollator order;
    order.setNumericMode(true);
    std::sort(files.begin(), files.end(), [&order](const QString &a, const QString &b) {
        return order.compare(QFileInfo(a).fileName(), QFileInfo(b).fileName()) < 0;
    });
    return files;
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
