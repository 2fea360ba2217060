#include "ScenePainter.h"

#include "BackdropPainter.h"
#include "ControlPainter.h"
#include "PanelStyle.h"
#include "TitlePainter.h"

#include <QPainter>

namespace kelvora::content {

QImage ScenePainter::paint(const PhotoScene &scene, QSize size) const
{
    if (scene.framing == Framing::FlightLine)
        return TitlePainter().paint(scene.size).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(double(size.width()) / scene.size.width(), double(size.height()) / scene.size.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    BackdropPainter backdrop(painter);
    backdrop.paint(scene);
    ControlPainter controls(painter);
    for (const SceneControl &control : scene.controls)
        controls.paint(control);
    backdrop.paintShading(scene);
    paintFrameNumber(painter, scene);
    return image;
}

void ScenePainter::paintFrameNumber(QPainter &painter, const PhotoScene &scene) const
{
    painter.setPen(PanelStyle::frameNumber);
    painter.setFont(PanelStyle::font(10, false));
    const QRect corner(6, scene.size.height() - 16, 60, 14);
    painter.drawText(corner, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1").arg(scene.number, 3, 10, QLatin1Char('0')));
}

} // namespace kelvora::content
