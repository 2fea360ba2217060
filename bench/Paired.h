// What the paired benchmarks share: medians, and the least a window must do to
// show a photograph at a size (the floor the trainer's pages are measured against).
#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace bench {

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The median of the ratios of paired runs: steadier than the ratio of medians
// while other work on the machine comes and goes.
inline double medianRatio(const std::vector<double> &values, const std::vector<double> &floors)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < values.size() && i < floors.size(); ++i)
        ratios.push_back(values[i] / floors[i]);
    return median(ratios);
}

// The window sizes the benchmarks run at: the design size, scaled down as on a
// 1366 x 768 desktop, and full screen on a 3840 x 2160 display.
inline QSize windowSize(int which)
{
    switch (which) {
    case 1: return {926, 695};
    case 2: return {3840, 2160};
    default: return {1024, 768};
    }
}
inline const char *windowSizeName(int which)
{
    switch (which) {
    case 1: return "scaled down 926x695";
    case 2: return "full screen 3840x2160";
    default: return "1:1 1024x768";
    }
}

// The photograph fitted into a window of that size as once-scaled pixels (the
// trainer draws it with the same filter), letterboxed in black.
inline QImage fitted(const QImage &photograph, QSize window)
{
    if (window == photograph.size())
        return photograph;
    QImage out(window, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF placed = QSizeF(photograph.size()).scaled(QSizeF(window), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(QPointF((window.width() - placed.width()) / 2, (window.height() - placed.height()) / 2),
                             placed),
                      photograph);
    return out;
}

// A bare window that shows one image, painting each pixel once.
class ImageWindow final : public QWidget {
public:
    ImageWindow() { setAttribute(Qt::WA_OpaquePaintEvent); }
    void setImage(QImage image)
    {
        m_image = std::move(image);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_image);
    }

private:
    QImage m_image;
};

// Waits until the display server has what the window put on it: one pixel read
// back from the server, a round trip behind everything sent before. Nothing on
// the offscreen platform, where the backing store is the screen.
inline void seenOnScreen(QWidget &window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    window.screen()->grabWindow(window.winId(), 0, 0, 1, 1);
}

} // namespace bench
