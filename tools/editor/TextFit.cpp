#include "TextFit.h"

#include "course/PageControls.h"

#include "content/ExplanationFit.h"
#include "course/author/AuthorCompiler.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("kelvora::TextFit", "fits");
    if (text.size() > LongestTextLaidOut)
        return QCoreApplication::translate("kelvora::TextFit", "far too long (%1 characters)").arg(text.size());
    const WrappedText wrapped = wrapText(text, explanationFont(), LabelWidth);
    const int rowsShown = std::max(1, LabelHeight / std::max(1, wrapped.lineSpacing));
    if (wrapped.rows > rowsShown)
        return wrapped.rows - rowsShown == 1 ? QCoreApplication::translate("kelvora::TextFit", "1 row too long")
                                             : QCoreApplication::translate("kelvora::TextFit", "%1 rows too long").arg(wrapped.rows - rowsShown);
    return QCoreApplication::translate("kelvora::TextFit", "a word too wide (%1 px)").arg(wrapped.widestRow);
}

} // namespace kelvora
