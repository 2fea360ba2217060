#pragma once

#include <QStringList>

namespace kelvora {

// The language file of a language number given as text ("1", "2", "3"):
// Lang<n>.txt in the folder, whatever the current directory is, unless the
// names of the files of languages 1, 2, ... are given (a course's own); found
// without regard to letter case (lang2.txt will do).
QString languageFilePath(const QString &languageNumberText, const QStringList &fileNames, const QString &folder);

// Line lineNumber (1-based) of a language file, read from the first line on:
// lines end at CR LF, CR or LF. Single-byte windows-1254 text unless the file
// starts with a UTF-8 byte-order mark or the line is UTF-8 with multi-byte
// letters (files saved by today's editors).
// Throws RuntimeError: file not found, or input past end of file.
QString readLanguageLine(const QString &path, int lineNumber);

} // namespace kelvora
