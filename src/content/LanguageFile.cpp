#include "LanguageFile.h"

#include "ContentPath.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace kelvora {

QString languageFilePath(const QString &languageNumberText, const QStringList &named, const QString &folder)
{
    // The number goes through a floating-point value and back, so "1" and "1.0" both name Lang1.txt.
    const double value = languageNumberText.trimmed().toDouble();
    const QString name = value >= 1 && value <= named.size() && value == int(value)
                             ? named.at(int(value) - 1)
                             : QStringLiteral("Lang%1.txt").arg(QString::number(value));
    // Like every content name, in any letter case; a missing file keeps its own name for the error.
    const QString found = resolveContentPath(name, folder);
    return found.isEmpty() ? QDir(folder).filePath(name) : found;
}

namespace {
constexpr char Cr = '\r';
constexpr char Lf = '\n';

bool hasNonAscii(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

QString decodeLine(QByteArrayView bytes, bool utf8File)
{
    if (utf8File)
        return QStringDecoder(QStringDecoder::Utf8)(bytes);
    // Plain ASCII reads the same in either encoding, and needs no code page converter loaded.
    if (!hasNonAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder singleByte("windows-1254");
    return singleByte(bytes);
}
} // namespace

QString readLanguageLine(const QString &path, int lineNumber)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeError::Kind::FileNotFound, QDir::toNativeSeparators(path), file.errorString());

    // Read in blocks and keep only the bytes of the wanted line: a file with
    // one huge line costs that line, not copies of the whole file.
    const bool utf8File = file.peek(3) == QByteArrayView("\xEF\xBB\xBF");
    if (utf8File)
        file.skip(3);
    constexpr qint64 BlockSize = 64 * 1024;
    QByteArray block(BlockSize, Qt::Uninitialized);
    QByteArray wanted;
    int line = 1;
    bool lineStarted = false; // a line exists once a byte of it, or its terminator, was read
    bool afterCr = false;     // the previous block ended in CR: an LF that follows belongs to it
    for (qint64 got; (got = file.read(block.data(), BlockSize)) > 0;) {
        QByteArrayView rest(block.constData(), got);
        if (afterCr && rest.front() == Lf)
            rest = rest.sliced(1);
        afterCr = false;
        while (!rest.isEmpty()) {
            const auto stop = std::find_if(rest.begin(), rest.end(), [](char c) { return c == Cr || c == Lf; });
            const qsizetype end = stop - rest.begin();
            if (line == lineNumber)
                wanted.append(rest.first(end));
            lineStarted = true;
            if (stop == rest.end())
                break; // the line goes on in the next block
            if (line == lineNumber)
                return decodeLine(wanted, utf8File);
            ++line;
            lineStarted = false;
            qsizetype next = end + 1;
            if (*stop == Cr) {
                if (next == rest.size())
                    afterCr = true;
                else if (rest[next] == Lf)
                    ++next; // the LF of CR LF
            }
            rest = rest.sliced(next);
        }
    }
    if (line == lineNumber && lineStarted)
        return decodeLine(wanted, utf8File); // the last line, without a terminator
    throw RuntimeError(RuntimeError::Kind::InputPastEndOfFile, QDir::toNativeSeparators(path),
                       QStringLiteral("line %1 was asked for").arg(lineNumber));
}

} // namespace kelvora
