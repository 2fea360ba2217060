#pragma once

#include <QImage>
#include <QSize>

class QPainter;

namespace kelvora::content {

// The start screen's picture: the trainer jet on the flight line at dusk,
// canopy open and ladder in place. The sky stays dark under the yellow title
// and the apron light under the black language label.
class TitlePainter {
public:
    QImage paint(QSize size) const;

private:
    void sky(QPainter &painter, QRectF all) const;
    void apron(QPainter &painter, QRectF all) const;
    void hangar(QPainter &painter) const;
    void aircraft(QPainter &painter) const;
    void nameStrip(QPainter &painter) const;
};

} // namespace kelvora::content
