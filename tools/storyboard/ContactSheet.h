#pragma once

#include "Storyboard.h"

namespace kelvora {

// All states of a storyboard at a glance: a title, then a grid of thumbnails,
// each with its screen and state written under it.
QImage contactSheet(const QList<StoryFrame> &frames, const QString &title, int columns = 4);

} // namespace kelvora
