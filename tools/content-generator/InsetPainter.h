#pragma once

#include "PhotoScene.h"

#include <QImage>

namespace kelvora::content {

// Draws an overview bitmap: the cockpit seen whole, with the lesson's part picked out.
class InsetPainter {
public:
    QImage paint(const InsetScene &scene) const;
};

} // namespace kelvora::content
