#include "ExplanationFit.h"

#include <QFontMetrics>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace kelvora {

QFont explanationFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

WrappedText wrapText(const QString &text, const QFont &font, int width)
{
    WrappedText result;
    result.lineSpacing = QFontMetrics(font).lineSpacing();
    if (text.isEmpty())
        return result;

    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++result.rows;
        result.widestRow = std::max(result.widestRow, int(std::ceil(line.naturalTextWidth())));
    }
    layout.endLayout();
    return result;
}

bool fitsLabel(const QString &text, const QFont &font, int width, int height)
{
    const WrappedText wrapped = wrapText(text, font, width);
    return wrapped.height() <= height && wrapped.widestRow <= width;
}

} // namespace kelvora
