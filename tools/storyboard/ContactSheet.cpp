#include "ContactSheet.h"

#include <QPainter>

namespace kelvora {

namespace {
constexpr int Margin = 8;
constexpr int CaptionHeight = 20;
constexpr int TitleHeight = 32;

QFont sheetFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
} // namespace

QImage contactSheet(const QList<StoryFrame> &frames, const QString &title, int columns)
{
    QSize cell(256, 192);
    if (!frames.isEmpty())
        cell = frames.first().thumbnail.size();
    const int rows = (int(frames.size()) + columns - 1) / columns;
    const int cellWidth = cell.width() + Margin;
    const int cellHeight = cell.height() + CaptionHeight + Margin;

    QImage sheet(Margin + columns * cellWidth, TitleHeight + Margin + rows * cellHeight, QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x30, 0x30));
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    painter.setFont(sheetFont(18, true));
    painter.drawText(QRect(Margin, 0, sheet.width() - 2 * Margin, TitleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);

    painter.setFont(sheetFont(12, false));
    for (int i = 0; i < frames.size(); ++i) {
        const StoryFrame &frame = frames.at(i);
        const QPoint at(Margin + (i % columns) * cellWidth, TitleHeight + Margin + (i / columns) * cellHeight);
        painter.drawImage(at, frame.thumbnail);
        const QRect caption(at.x(), at.y() + cell.height(), cell.width(), CaptionHeight);
        const QString text = QStringLiteral("Screen %1 · %2").arg(frame.screen).arg(frame.state);
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(text, Qt::ElideRight, caption.width()));
    }
    return sheet;
}

} // namespace kelvora
