#include "LanguageFile.h"

#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace kelvora {

namespace {
QStringList &courseLanguageFiles()
{
    static QStringList files;
    return files;
}
} // namespace

void setLanguageFileNames(const QStringList &fileNames)
{
    courseLanguageFiles() = fileNames;
}

QString languageFilePath(const QString &languageNumberText)
{
    // The number goes through a floating-point value and back, so "1" and "1.0" both name Lang1.txt.
    const double value = languageNumberText.trimmed().toDouble();
    const QString number = QString::number(value);
    const QStringList &named = courseLanguageFiles();
    if (value >= 1 && value <= named.size() && value == int(value))
        return QDir(programFolder()).filePath(named.at(int(value) - 1));
    return QDir(programFolder()).filePath(QStringLiteral("Lang%1.txt").arg(number));
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
    if (hasNonAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    QStringDecoder singleByte("windows-1254");
    return singleByte(bytes);
}
} // namespace

QString readLanguageLine(const QString &path, int lineNumber)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeError::Kind::FileNotFound, QDir::toNativeSeparators(path), file.errorString());
    const QByteArray content = file.readAll();
    file.close();

    QByteArrayView rest(content);
    const bool utf8File = rest.startsWith("\xEF\xBB\xBF");
    if (utf8File)
        rest = rest.sliced(3);

    for (int line = 1; !rest.isEmpty(); ++line) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != Cr && rest[end] != Lf)
            ++end;
        if (line == lineNumber)
            return decodeLine(rest.first(end), utf8File);
        qsizetype next = end;
        if (next < rest.size() && rest[next] == Cr)
            ++next;
        if (next < rest.size() && rest[next] == Lf)
            ++next; // the LF of CR LF, or an LF alone
        rest = rest.sliced(next);
    }
    throw RuntimeError(RuntimeError::Kind::InputPastEndOfFile, QDir::toNativeSeparators(path),
                       QStringLiteral("line %1 was asked for").arg(lineNumber));
}

} // namespace kelvora
