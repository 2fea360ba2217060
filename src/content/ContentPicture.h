#pragma once

#include <QImage>
#include <QString>

namespace kelvora {

// Reads a picture of the content folders ("images\\017.jpg") from disk at the
// moment it is assigned; nothing is cached, so a replaced file takes effect at
// its next use. Throws RuntimeError: file not found, or invalid picture.
QImage loadContentPicture(const QString &name);

// Decodes the picture file at path only if its data is complete and sound: a
// JPEG cut short or damaged, or a BMP whose pixel rows end early, is refused
// even though the decoder would draw what it got. On failure the image is null
// and problem says why.
QImage readCompletePicture(const QString &path, QString &problem);

} // namespace kelvora
