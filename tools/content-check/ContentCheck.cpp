#include "ContentCheck.h"
#include "SoundDecode.h"

#include "content/PackFiles.h"
#include "content/ContentPath.h"
#include "content/PictureCheck.h"
#include "content/ExplanationFit.h"
#include "content/LanguageFile.h"
#include "course/CourseAssets.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFontInfo>

namespace kelvora {

namespace {
QString sizeText(QSize size)
{
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

// The replacement character is what a decoder leaves for bytes it cannot read;
// control characters would show as boxes in the label.
bool readsAsText(const QString &line)
{
    for (QChar c : line) {
        if (c == QChar::ReplacementCharacter || (c.category() == QChar::Other_Control && c != u'\t'))
            return false;
    }
    return true;
}
} // namespace

QString ContentProblem::toString() const
{
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(file, message);
}

ContentCheck::ContentCheck(const QString &contentFolder, const QString &programFolder, Course course)
    : m_course(std::move(course)), m_contentFolder(contentFolder), m_programFolder(programFolder)
{
}

QList<ContentProblem> ContentCheck::run()
{
    m_problems.clear();
    m_filesChecked = 0;
    for (const PackFile &file : coursePackFiles(m_course)) {
        ++m_filesChecked;
        const bool language = file.kind == PackFileKind::LanguageFile;
        const QString path = resolveContentPath(file.path, language ? m_programFolder : m_contentFolder);
        if (path.isEmpty()) {
            report(file.path, 0, QStringLiteral("missing (looked for it in %1, in any letter case)")
                                     .arg(QDir(language ? m_programFolder : m_contentFolder).absolutePath()));
            continue;
        }
        switch (file.kind) {
        case PackFileKind::Photograph:
        case PackFileKind::Inset:
        case PackFileKind::ThrottleQuadrant: checkPicture(file.path, path, file.pictureSize); break;
        case PackFileKind::Sound: checkSound(file.path, path); break;
        case PackFileKind::LanguageFile: checkLanguageFile(file.path, path); break;
        }
    }
    return m_problems;
}

void ContentCheck::checkPicture(const QString &file, const QString &path, QSize expected)
{
    const PictureCheckResult checked = PictureChecks::shared().check(path);
    if (!checked.problem.isEmpty())
        report(file, 0, QStringLiteral("does not decode as a picture: %1").arg(checked.problem));
    else if (expected.isValid() && checked.size != expected)
        report(file, 0, QStringLiteral("is %1 pixels, the screens expect %2").arg(sizeText(checked.size), sizeText(expected)));
}

void ContentCheck::checkSound(const QString &file, const QString &path)
{
    const QString problem = soundProblem(path);
    if (!problem.isEmpty())
        report(file, 0, problem);
}

void ContentCheck::checkLanguageFile(const QString &file, const QString &path)
{
    const QFont font = explanationFont();
    const bool rightFont = QFontInfo(font).family() == font.family();
    if (!rightFont)
        report(file, 0, QStringLiteral("line widths not checked: the font %1 is not installed").arg(font.family()));

    const int linesRead = m_course.linesRead();
    for (int number = 1; number <= linesRead; ++number) {
        QString line;
        try {
            line = readLanguageLine(path, number);
        } catch (const RuntimeError &) {
            report(file, 0, QStringLiteral("has %1 lines; a complete run reads %2").arg(number - 1).arg(linesRead));
            return;
        }
        if (!readsAsText(line)) {
            report(file, number, QStringLiteral("does not decode as windows-1254 or UTF-8 text"));
            continue;
        }
        const int screen = m_course.screenOfLine(number);
        const int height = m_course.screens[size_t(screen - 1)].layout.explainHeight;
        if (line.size() > LongestTextLaidOut) {
            report(file, number, QStringLiteral("does not fit the label of screen %1 (%2 x %3 px): %4 characters")
                                     .arg(screen).arg(ExplainWidth).arg(height).arg(line.size()));
        } else if (rightFont && !fitsLabel(line, font, ExplainWidth, height)) {
            const WrappedText wrapped = wrapText(line, font, ExplainWidth);
            report(file, number, QStringLiteral("does not fit the label of screen %1 (%2 x %3 px): %4 row(s), widest %5 px")
                                     .arg(screen).arg(ExplainWidth).arg(height).arg(wrapped.rows).arg(wrapped.widestRow));
        }
    }
}

void ContentCheck::report(const QString &file, int line, const QString &message)
{
    m_problems.append({file, line, message});
}

} // namespace kelvora
