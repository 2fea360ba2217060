#pragma once

#include "ContentPath.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace kelvora {

// A content picture as a page shows it ("images\\017.jpg"): as it is, or, given
// a box, fitted whole into it (letterboxed).
struct PictureShown {
    QString name;
    QSize fitInto;
};

// Reads a picture of the content folders from disk at the moment it is
// assigned, or takes it read ahead from an unchanged file; nothing else is
// kept, so a replaced file takes effect at its next use. Throws RuntimeError:
// file not found, or invalid picture. Names resolve in the folder given.
QImage loadContentPicture(const PictureShown &picture, const QString &folder);

// Decodes the picture file at path only if its data is complete and sound: a
// JPEG cut short or damaged, or a BMP whose pixel rows end early, is refused
// even though the decoder would draw what it got. The picture is turned upright
// as its EXIF orientation says. Given a box, a picture larger than it is decoded
// straight at the size that fits it (aspect kept; a JPEG scales while it
// decodes), its whole stream still read and checked. On failure the image is
// null and problem says why.
QImage readCompletePicture(const QString &path, QString &problem, QSize fitInto = {});

// The size of the picture as shown, upright, read from its header alone; invalid where it cannot be read.
QSize pictureSize(const QString &path);

} // namespace kelvora
