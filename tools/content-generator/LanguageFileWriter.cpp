#include "LanguageFileWriter.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringList>

#include <stdexcept>

namespace kelvora::content {

namespace {
std::string where(const QString &path, int line)
{
    return path.toStdString() + ":" + std::to_string(line);
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(file.readAll());
    if (utf8.hasError())
        throw std::runtime_error(path.toStdString() + " is not UTF-8 text");
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast(); // the end of the last line, not an empty line after it
    return lines;
}

// The windows-1254 bytes of a line, checked by decoding them back: a character
// the code page lacks would otherwise turn silently into a substitute.
QByteArray encodeLine(const QString &line, const QString &path, int lineNumber)
{
    QStringEncoder encoder("windows-1254");
    QStringDecoder decoder("windows-1254");
    if (!encoder.isValid() || !decoder.isValid())
        throw std::runtime_error("this Qt has no windows-1254 converter");
    const QByteArray bytes = encoder(line);
    if (!encoder.hasError() && QString(decoder(bytes)) == line)
        return bytes;
    for (qsizetype i = 0; i < line.size(); ++i) {
        QStringEncoder one("windows-1254");
        QStringDecoder back("windows-1254");
        const QString character = line.mid(i, line.at(i).isHighSurrogate() ? 2 : 1);
        const QByteArray encoded = one(character);
        if (one.hasError() || QString(back(encoded)) != character) {
            throw std::runtime_error(where(path, lineNumber) + ": the character U+"
                                     + QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, QLatin1Char('0')).toStdString()
                                     + " (column " + std::to_string(i + 1) + ") has no windows-1254 byte");
        }
    }
    throw std::runtime_error(where(path, lineNumber) + ": cannot be written in windows-1254");
}
} // namespace

void LanguageFileWriter::write(const QString &sourcePath, const QString &targetPath) const
{
    const QStringList lines = readLines(sourcePath);
    if (lines.size() < m_linesPerRun) {
        throw std::runtime_error(sourcePath.toStdString() + " has " + std::to_string(lines.size())
                                 + " lines; a run shows " + std::to_string(m_linesPerRun));
    }
    QByteArray content;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).contains(QLatin1Char('\r')))
            throw std::runtime_error(where(sourcePath, static_cast<int>(i + 1))
                                     + ": a carriage return inside the line would split it in two");
        content += encodeLine(lines.at(i), sourcePath, static_cast<int>(i + 1));
        content += "\r\n";
    }
    QSaveFile file(targetPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw std::runtime_error("cannot write " + targetPath.toStdString() + ": " + file.errorString().toStdString());
}

} // namespace kelvora::content
