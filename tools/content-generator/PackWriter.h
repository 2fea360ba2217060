#pragma once

#include "LanguageFileWriter.h"
#include "content/PackFiles.h"

#include <QImage>
#include <QString>

namespace kelvora::content {

class SceneBook;

// Writes every file of a pack (the files a course names) into a pack
// folder: pictures from the scenes of the book, sounds from their recipes,
// language files Lang1.txt to Lang3.txt from the UTF-8 texts (tr.txt, en.txt,
// fr.txt) of textsFolder. Throws std::runtime_error.
class PackWriter {
public:
    PackWriter(QString packFolder, QString textsFolder);
    PackWriter(QString packFolder, QString textsFolder, const SceneBook &book);

    // Returns the number of files written.
    int writeAll(const QList<PackFile> &files) const;
    // The lines a complete run reads, which every language file must give.
    void setLinesPerRun(int lines) { m_linesPerRun = lines; }
    // Photographs drawn at this size instead of their scenes' own.
    void setPhotographSize(QSize size) { m_photographSize = size; }
    void write(const PackFile &file) const;

private:
    void writeImage(const QImage &image, const QString &path, const char *format) const;
    QString textSourceOf(const QString &languageFile) const;

    QString m_packFolder;
    QString m_textsFolder;
    const SceneBook &m_book;
    int m_linesPerRun;
    QSize m_photographSize;
};

} // namespace kelvora::content
