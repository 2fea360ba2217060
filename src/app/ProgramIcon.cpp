#include "ProgramIcon.h"

namespace kelvora {

QIcon programIcon()
{
    // The same files the desktop's icon theme gets, built into the program.
    QIcon icon;
    for (int size : {16, 32, 48, 128}) {
        const QImage image(QStringLiteral(":/icons/kelvora-trainer-%1.png").arg(size));
        if (size <= 32)
            icon.addPixmap(QPixmap::fromImage(image.convertToFormat(QImage::Format_Indexed8)));
        icon.addPixmap(QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32)));
    }
    return icon;
}

} // namespace kelvora
