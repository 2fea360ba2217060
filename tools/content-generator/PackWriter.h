#pragma once

#include "content/AssetCatalogue.h"

#include <QImage>
#include <QString>

namespace kelvora::content {

// Writes every file of the asset catalogue into a pack folder: pictures from
// their scenes, sounds from their recipes, language files from the UTF-8
// texts (tr.txt, en.txt, fr.txt) of textsFolder. Throws std::runtime_error.
class PackWriter {
public:
    PackWriter(QString packFolder, QString textsFolder);

    // Returns the number of files written.
    int writeAll() const;
    void write(const PackFile &file) const;

private:
    void writeImage(const QImage &image, const QString &path, const char *format) const;
    QString textSourceOf(const QString &languageFile) const;

    QString m_packFolder;
    QString m_textsFolder;
};

} // namespace kelvora::content
