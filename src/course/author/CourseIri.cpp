#include "CourseIri.h"

#include <QList>
#include <QString>

namespace kelvora {

namespace {
bool isAsciiLetter(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isHex(QChar c)
{
    return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f');
}

// iunreserved, sub-delims and the general delimiters the rest of an IRI may hold.
bool isIriCharacter(char32_t c)
{
    if (c < 0x80)
        return isAsciiLetter(c) || (c >= '0' && c <= '9') || QStringView(u"-._~!$&'()*+,;=:@/?#[]").contains(QChar(c));
    // ucschar and iprivate, less the non-characters
    if ((c >= 0xA0 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFEF))
        return true;
    if (c >= 0xE000 && c <= 0xF8FF)
        return true;
    return c >= 0x10000 && c <= 0x10FFFD && (c & 0xFFFE) != 0xFFFE;
}
} // namespace

bool isCourseIri(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 1 || colon + 1 >= text.size() || !isAsciiLetter(text.front().unicode()))
        return false;
    for (QChar c : text.left(colon)) {
        if (!(isAsciiLetter(c.unicode()) || c.isDigit() || c == u'+' || c == u'-' || c == u'.') || c.unicode() > 0x7F)
            return false;
    }
    const QString rest = text.mid(colon + 1).toString();
    if (rest.count(u'#') > 1)
        return false;
    const QList<uint> codes = rest.toUcs4();
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (codes[i] == '%') {
            if (i + 2 >= codes.size() || !isHex(QChar(codes[i + 1])) || !isHex(QChar(codes[i + 2])))
                return false;
            i += 2;
        } else if (!isIriCharacter(codes[i])) {
            return false;
        }
    }
    return true;
}

} // namespace kelvora
