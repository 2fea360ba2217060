#include "PackFiles.h"

#include <QMap>

#include <algorithm>

namespace kelvora {

namespace {
int capitalCount(const QString &text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](QChar c) { return c.isUpper(); }));
}

// Folds the screens' spellings into one entry per file.
class PackBuilder {
public:
    void add(const QString &name, PackFileKind kind, QSize size = {})
    {
        QString path = name;
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const qsizetype slash = path.indexOf(QLatin1Char('/'));
        const QString folder = slash < 0 ? QString() : canonicalFolder(path.left(slash));
        const QString fileName = path.mid(slash + 1);
        path = folder.isEmpty() ? fileName : folder + QLatin1Char('/') + fileName;

        const QString key = path.toLower();
        auto found = m_files.find(key);
        if (found == m_files.end()) {
            m_files.insert(key, PackFile{path, kind, size});
        } else if (capitalCount(path) > capitalCount(found->path)) {
            found->path = path;
        }
    }

    QList<PackFile> files() const
    {
        QList<PackFile> files = m_files.values();
        std::sort(files.begin(), files.end(), [](const PackFile &a, const PackFile &b) { return a.path < b.path; });
        return files;
    }

private:
    static QString canonicalFolder(const QString &folder)
    {
        if (folder.compare(QLatin1String("images"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("images");
        if (folder.compare(QLatin1String("sounds"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("Sounds");
        return folder;
    }

    QMap<QString, PackFile> m_files;
};
} // namespace

QString cueSoundName(const QString &cue)
{
    return QStringLiteral("Sounds\\") + cue + QStringLiteral(".wav");
}

QList<PackFile> packFiles(const QList<ScreenAssets> &screens, const QStringList &languageFiles)
{
    PackBuilder pack;
    for (const ScreenAssets &assets : screens) {
        const QSize photoSize = assets.screen == 0 ? StartPictureSize : LessonPictureSize;
        for (const QString &name : assets.photographs)
            pack.add(name, PackFileKind::Photograph, photoSize);
        for (const QString &name : assets.insets)
            pack.add(name, PackFileKind::Inset, InsetSize);
        for (const QString &name : assets.otherPictures)
            pack.add(name, PackFileKind::ThrottleQuadrant, ThrottleQuadrantSize);
        for (const QString &cue : assets.cues)
            pack.add(cueSoundName(cue), PackFileKind::Sound);
        for (const QString &name : assets.directSounds)
            pack.add(name, PackFileKind::Sound);
    }
    for (const QString &name : languageFiles)
        pack.add(name, PackFileKind::LanguageFile);
    return pack.files();
}

} // namespace kelvora
