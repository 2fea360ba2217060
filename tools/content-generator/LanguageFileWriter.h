#pragma once

#include <QString>

namespace kelvora::content {

// Turns a UTF-8 text of explanation lines (LF or CR LF, optional byte-order
// mark) into a language file the trainer reads: windows-1254, CR LF after
// every line. Throws std::runtime_error naming the source file and line when a
// character has no windows-1254 byte, and when fewer lines than a run takes
// are given.
class LanguageFileWriter {
public:
    static constexpr int LinesPerRun = 50; // the start-up course's

    explicit LanguageFileWriter(int linesPerRun = LinesPerRun) : m_linesPerRun(linesPerRun) {}

    void write(const QString &sourcePath, const QString &targetPath) const;

private:
    int m_linesPerRun;
};

} // namespace kelvora::content
