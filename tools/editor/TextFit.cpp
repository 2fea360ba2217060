#include "TextFit.h"

#include "course/PageControls.h"

#include "content/ExplanationFit.h"
#include "course/author/AuthorCompiler.h"

namespace kelvora {

namespace {
// The explanation label of a lesson page of an author's course, as the checker measures it.
const QRect Label = PageControls(authorsLayout()).explanation;
const int LabelWidth = Label.width();
const int LabelHeight = Label.height();
} // namespace

bool textFits(const QString &text)
{
    return text.size() <= LongestTextLaidOut && fitsLabel(text, explanationFont(), LabelWidth, LabelHeight);
}

QString textFitMark(const QString &text)
{
    if (textFits(text))
        return QStringLiteral("fits");
    if (text.size() > LongestTextLaidOut)
        return QStringLiteral("far too long (%1 characters)").arg(text.size());
    const WrappedText wrapped = wrapText(text, explanationFont(), LabelWidth);
    const int rowsShown = std::max(1, LabelHeight / std::max(1, wrapped.lineSpacing));
    if (wrapped.rows > rowsShown)
        return wrapped.rows - rowsShown == 1 ? QStringLiteral("1 row too long")
                                             : QStringLiteral("%1 rows too long").arg(wrapped.rows - rowsShown);
    return QStringLiteral("a word too wide (%1 px)").arg(wrapped.widestRow);
}

} // namespace kelvora
