#include "PackWriter.h"

#include "InsetPainter.h"
#include "LanguageFileWriter.h"
#include "QuadrantPainter.h"
#include "SceneBook.h"
#include "ScenePainter.h"
#include "SoundBook.h"
#include "WavWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QMap>
#include <QSaveFile>

#include <stdexcept>

namespace kelvora::content {

namespace {
constexpr int JpegQuality = 90;

const SceneBook &sceneBook()
{
    static const SceneBook book;
    return book;
}
} // namespace

PackWriter::PackWriter(QString packFolder, QString textsFolder)
    : PackWriter(std::move(packFolder), std::move(textsFolder), sceneBook())
{
}

PackWriter::PackWriter(QString packFolder, QString textsFolder, const SceneBook &book)
    : m_packFolder(std::move(packFolder))
    , m_textsFolder(std::move(textsFolder))
    , m_book(book)
    , m_linesPerRun(LanguageFileWriter::LinesPerRun)
{
}

int PackWriter::writeAll(const QList<PackFile> &files) const
{
    for (const PackFile &file : files)
        write(file);
    return static_cast<int>(files.size());
}

void PackWriter::write(const PackFile &file) const
{
    const QString path = QDir(m_packFolder).filePath(file.path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw std::runtime_error("cannot create the folder of " + path.toStdString());
    const QString fileName = QFileInfo(file.path).fileName();

    switch (file.kind) {
    case PackFileKind::Photograph: {
        const PhotoScene &scene = m_book.photo(QFileInfo(fileName).baseName().toInt());
        if (file.pictureSize.isValid() && scene.size != file.pictureSize)
            throw std::logic_error("the scene of " + file.path.toStdString() + " has the wrong size");
        writeImage(ScenePainter().paint(scene, m_photographSize.isValid() ? m_photographSize : scene.size), path, "jpg");
        break;
    }
    case PackFileKind::Inset:
        writeImage(InsetPainter().paint(m_book.inset(fileName)), path, "bmp");
        break;
    case PackFileKind::ThrottleQuadrant:
        writeImage(QuadrantPainter().paint(), path, "jpg");
        break;
    case PackFileKind::Sound:
        writeWav(path, SoundBook().synthesize(fileName));
        break;
    case PackFileKind::LanguageFile:
        LanguageFileWriter(m_linesPerRun).write(textSourceOf(fileName), path);
        break;
    }
}

void PackWriter::writeImage(const QImage &image, const QString &path, const char *format) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
    QImageWriter writer(&file, format);
    writer.setQuality(JpegQuality);
    if (!writer.write(image) || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + writer.errorString().toStdString());
}

QString PackWriter::textSourceOf(const QString &languageFile) const
{
    static const QMap<QString, QString> sources = {
        {QStringLiteral("Lang1.txt"), QStringLiteral("tr.txt")},
        {QStringLiteral("Lang2.txt"), QStringLiteral("en.txt")},
        {QStringLiteral("Lang3.txt"), QStringLiteral("fr.txt")},
    };
    const auto found = sources.find(languageFile);
    if (found == sources.end())
        throw std::logic_error("no text source for " + languageFile.toStdString());
    return QDir(m_textsFolder).filePath(*found);
}

} // namespace kelvora::content
