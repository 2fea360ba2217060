#include "MissMap.h"

#include "content/ContentPath.h"
#include "content/ContentPicture.h"
#include "content/Letterbox.h"
#include "content/PictureSizes.h"
#include "course/Course.h"

#include <QPainter>
#include <QRadialGradient>

namespace kelvora {

namespace {
// A press is a blob about a fingertip wide on the page; many in one place deepen its colour.
constexpr double BlobRadius = 28.0;
const QColor Heat(230, 20, 20);
const QColor Target(40, 220, 80);
} // namespace

QImage MissMap::paint(int width) const
{
    const double scale = double(width) / LessonPictureSize.width();
    QImage map(QSize(width, qRound(LessonPictureSize.height() * scale)), QImage::Format_RGB32);
    map.fill(QColor(24, 24, 24));
    QPainter painter(&map);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!photograph.isNull())
        painter.drawImage(QRectF(QPointF(0, 0), map.size()), photograph);
    // The photograph dimmed, so that the heat stands out on a bright panel.
    painter.fillRect(map.rect(), QColor(0, 0, 0, 90));
    painter.scale(scale, scale);

    for (QPointF at : misses) {
        QRadialGradient blob(at, BlobRadius);
        blob.setColorAt(0.0, QColor(Heat.red(), Heat.green(), Heat.blue(), 170));
        blob.setColorAt(0.5, QColor(Heat.red(), 120, Heat.blue(), 80));
        blob.setColorAt(1.0, QColor(Heat.red(), 200, Heat.blue(), 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(blob);
        painter.drawEllipse(at, BlobRadius, BlobRadius);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Target, 3.0 / qMin(scale, 1.0)));
    for (const QRect &target : targets)
        painter.drawRect(target);
    // Each press itself as a small dot, so that a single one shows where it was exactly.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Heat);
    for (QPointF at : misses)
        painter.drawEllipse(at, 3.0 / qMin(scale, 1.0), 3.0 / qMin(scale, 1.0));
    return map;
}

QImage screenPhotograph(const Course &course, int screen, const QString &folder, QString *problem)
{
    if (screen < 1 || screen > course.lessonCount()) {
        *problem = QStringLiteral("the course has no screen %1").arg(screen);
        return {};
    }
    const LessonDesign &design = course.screens[size_t(screen - 1)];
    const QString path = resolveContentPath(design.firstPhotograph, folder);
    if (path.isEmpty()) {
        *problem = contentLookupDetail(design.firstPhotograph, folder);
        return {};
    }
    // A page that fits its photographs is decoded straight at the page's size, as the screen reads it.
    QImage picture = readCompletePicture(path, *problem, design.fitPictures ? LessonPictureSize : QSize());
    if (picture.isNull())
        return {};
    if (design.fitPictures)
        return letterboxed(picture, LessonPictureSize);
    // Drawn unscaled from the page's top-left corner, as the screen draws it.
    QImage page(LessonPictureSize, QImage::Format_RGB32);
    page.fill(Qt::black);
    QPainter(&page).drawImage(0, 0, picture);
    return page;
}

QList<QRect> stepTargets(const Course &course, int screen)
{
    QList<QRect> targets;
    if (screen < 1 || screen > course.lessonCount())
        return targets;
    const LessonDesign &design = course.screens[size_t(screen - 1)];
    for (const StepDesign &step : design.steps) {
        QRect rect;
        for (const MarkDesign &mark : design.marks) {
            if (mark.name == step.mark)
                rect = rect.united(mark.rect);
        }
        targets << rect;
    }
    return targets;
}

} // namespace kelvora
