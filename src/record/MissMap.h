#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>

namespace kelvora {

struct Course;

// A screen's photograph with presses drawn on it as a heat map and the right
// targets outlined, at a chosen width. Places are in page coordinates
// (1024 x 768), as records keep them.
struct MissMap {
    QImage photograph;       // the page as the screen showed it; null: a dark page
    QList<QPointF> misses;
    QList<QRect> targets;

    QImage paint(int width) const;
};

// The page of the course's screen (1 first) as its first photograph shows it, found
// through the course's content rules in folder; a null image and the reason if it cannot be read.
QImage screenPhotograph(const Course &course, int screen, const QString &folder, QString *problem);
// The rectangles of the marks that the screen's steps (1 first) are pressed on.
QList<QRect> stepTargets(const Course &course, int screen);

} // namespace kelvora
