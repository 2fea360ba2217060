#include "Look.h"

#include <QWidget>

namespace kelvora {

namespace {
QFont liberationSans(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
} // namespace

QFont captionFont()
{
    return liberationSans(16, true);
}

QFont controlFont()
{
    return liberationSans(11, false);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace kelvora
