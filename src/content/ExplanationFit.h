#pragma once

#include <QFont>
#include <QString>

namespace kelvora {

// Far more characters than any label of the screens can show. Laying out a
// longer text only to cut it off would cost hundreds of MB for a few MB of text.
constexpr qsizetype LongestTextLaidOut = 4000;

// The explanation label's font: Liberation Sans Bold at 16 pixels, the size that
// 12 pt bold has at 96 dpi. Pixel sizes keep wrapping the same on every display.
QFont explanationFont();

struct WrappedText {
    int rows = 0;        // text rows after word wrapping
    int widestRow = 0;   // pixels, the widest row's natural width rounded up
    int lineSpacing = 0; // pixels from one row to the next
    int height() const { return rows * lineSpacing; }
};

// Lays text out the way a word-wrapping label does: rows break at word boundaries
// only, and a word wider than the width stays whole on a row of its own.
WrappedText wrapText(const QString &text, const QFont &font, int width);

// Whether the wrapped text lies within a label of that width and height: the
// label cuts off rows below its lower edge and a word too long for its width.
bool fitsLabel(const QString &text, const QFont &font, int width, int height);

} // namespace kelvora
