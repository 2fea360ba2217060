#include "Run.h"

#include "Narrator.h"
#include "Screen.h"
#include "content/ContentPath.h"
#include "content/LanguageFile.h"
#include "platform/ErrorReport.h"
#include "platform/ProgramEnd.h"
#include "platform/ProgramFolder.h"

#include <QDir>

namespace kelvora {

namespace {
class SilentPlayer final : public SoundPlayer {
public:
    bool play(std::string_view, int, unsigned) override { return false; }
};

} // namespace

Run::Run(Course course, RunOptions options) : m_course(std::move(course)), m_options(std::move(options))
{
    if (m_options.contentRoot.isEmpty())
        m_options.contentRoot = QDir::currentPath();
    if (m_options.languageFolder.isEmpty())
        m_options.languageFolder = programFolder();
}

void Run::useCourse(Course course)
{
    m_course = std::move(course);
    m_options.contentRoot = m_options.languageFolder = m_course.folder;
}

Run::~Run()
{
    stop();
}

QString Run::resolve(const QString &name) const
{
    return resolveContentPath(name, m_options.contentRoot);
}

QString Run::languageFilePath(const QString &languageNumberText) const
{
    QStringList files;
    for (const CourseLanguage &language : m_course.languages)
        files << language.file;
    return kelvora::languageFilePath(languageNumberText, files, m_options.languageFolder);
}

QString Run::languageTag() const
{
    const CourseLanguage *chosen = m_course.language(language);
    return chosen ? chosen->tag : QString();
}

SoundPlayer &Run::voice() const
{
    static SilentPlayer silent; // holds nothing
    return m_sound ? *m_sound : silent;
}

void Run::setVoice(SoundPlayer *player)
{
    m_sound = player;
    m_loop.clear();
}

bool Run::play(std::string_view name, int module, unsigned flags) const
{
    const bool played = voice().play(name, module, flags);
    if (played || !(flags & SoundNoStop)) // anything but a request that gave way replaced what played
        m_loop = played && (flags & SoundLoop) ? QString::fromUtf8(name.data(), qsizetype(name.size())) : QString();
    return played;
}

Narrator *Run::narrator() const
{
    return m_narrator;
}

void Run::setNarrator(Narrator *narrator)
{
    m_narrator = narrator;
}

RunObserver &Run::observer() const
{
    static RunObserver ignoring; // holds nothing
    return m_observer ? *m_observer : ignoring;
}

void Run::setObserver(RunObserver *observer)
{
    m_observer = observer;
}

void Run::ended(RunResult result) const
{
    result.language = languageTag();
    result.startedAt = startedAt;
    observer().runEnded(result);
}

void Run::end(int status) const
{
    if (onEnd)
        onEnd(status);
    else
        endProgram(status);
}

void Run::report(const RuntimeError &error) const
{
    if (onError) {
        onError(error);
        return;
    }
    showRuntimeError(error);
    end(1);
}

void Run::adopt(Screen &page)
{
    m_pages.removeAll(nullptr);
    m_pages.append(&page);
}

QList<Screen *> Run::pages() const
{
    QList<Screen *> alive;
    for (const QPointer<Screen> &page : m_pages) {
        if (page)
            alive.append(page);
    }
    return alive;
}

void Run::stop()
{
    for (Screen *page : pages())
        page->leave();
}

} // namespace kelvora
