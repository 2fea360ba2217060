#include "TextPlate.h"

#include "content/TextContrast.h"

#include <QLabel>

namespace kelvora {

namespace {
// Dark enough that yellow or white text reaches 7:1 even over white; light text's plate. Dark text gets a light one.
const QColor DarkPlate(0, 0, 0, 184);
const QColor LightPlate(255, 255, 255, 200);
const char *const Plated = "kelvoraPlated";
} // namespace

void plateWhereUnreadable(QLabel &label, const QImage &photograph)
{
    const bool plated = label.property(Plated).toBool();
    if (label.autoFillBackground() && !plated)
        return;
    const QColor text = label.palette().color(label.foregroundRole());
    const bool plate = needsPlate(photograph, label.geometry(), text);
    if (plate == plated)
        return;
    label.setProperty(Plated, plate);
    if (plate) {
        QPalette palette = label.palette();
        const bool lightText = contrastRatio(text, Qt::black) > contrastRatio(text, Qt::white);
        palette.setColor(label.backgroundRole(), lightText ? DarkPlate : LightPlate);
        label.setPalette(palette);
    }
    label.setAutoFillBackground(plate);
}

} // namespace kelvora
