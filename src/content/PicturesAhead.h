#pragma once

#include "ContentPicture.h"

#include <QImage>
#include <QList>

#include <optional>

namespace kelvora {

// Pictures the run will show next, decoded on a worker thread while the
// trainee reads the page, so that the next page is painted without waiting
// for the decoder. A picture read ahead is used only while its file is
// unchanged; anything else is read from disk when it is shown, as before.
// Called from the thread that shows the pictures only.

// How pictures wait once read: as decoded, or opaque ones in 24 bits per
// pixel, a quarter less memory for the same pixels. Compact suits a page shown
// at its design size, which copies them as they are; a scaled page scales
// 32-bit pixels fastest.
enum class AheadKeeping { AsDecoded, Compact };

// At most this many pictures wait ahead: a page whose presses may show many
// photographs names them in the order they come and is asked again after each.
inline constexpr int MostPicturesAhead = 4;

// Starts reading these pictures ahead, fitted as they will be shown, the first
// MostPicturesAhead of them; those read ahead before and not named again are
// dropped, so at most these are held. A picture read ahead is decoded at the
// size it is shown, turned upright. Names resolve in the folder given.
void readPicturesAhead(const QList<PictureShown> &pictures, AheadKeeping keeping, const QString &folder);

// The picture read ahead from that path for that box, waiting for its decoding
// to finish, if it was read whole and its file has not changed since. It
// leaves the store either way.
std::optional<QImage> takePictureReadAhead(const QString &path, QSize fitInto);

} // namespace kelvora
