#pragma once

#include <QImage>
#include <QString>

namespace kelvora {

// Reads a picture of the content folders ("images\\017.jpg") from disk at the
// moment it is assigned; nothing is cached, so a replaced file takes effect at
// its next use. Throws RuntimeError: file not found, or invalid picture.
QImage loadContentPicture(const QString &name);

} // namespace kelvora
