#pragma once

#include "RunObserver.h"
#include "RunState.h"
#include "course/Course.h"
#include "platform/RuntimeError.h"
#include "platform/SoundPlayer.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

namespace kelvora {

class Narrator;
class Screen;

// How a run is set up, besides its course.
struct RunOptions {
    RunMode mode = RunMode::Guided;
    // Where the lessons' content names resolve; empty: the current directory.
    QString contentRoot = {};
    // Where the language files lie; empty: the executable's folder.
    QString languageFolder = {};
    bool authorMode = false;
    AccessOptions access = {};
};

// One trainer run: the course it teaches and everything its pages share while
// it runs. Pages are made for a run and reach it through Screen::run(); nothing
// of a run is kept anywhere else, so two runs can live side by side.
class Run {
public:
    explicit Run(Course course, RunOptions options = {});
    ~Run();
    Run(const Run &) = delete;
    Run &operator=(const Run &) = delete;

    const Course &course() const { return m_course; }
    // Another course, before any page is made: its folder holds its content and its language files.
    void useCourse(Course course);
    // Another course whose content lies where the run's does.
    void setCourse(Course course) { m_course = std::move(course); }
    RunMode mode() const { return m_options.mode; }
    bool authorMode() const { return m_options.authorMode; }
    const AccessOptions &access() const { return m_options.access; }
    // Before any page is made (a test, a tool).
    void setMode(RunMode mode) { m_options.mode = mode; }
    void setAuthorMode(bool on) { m_options.authorMode = on; }
    void setAccess(AccessOptions access) { m_options.access = access; }
    void placeContent(const QString &contentRoot, const QString &languageFolder)
    {
        m_options.contentRoot = contentRoot;
        m_options.languageFolder = languageFolder;
    }
    QString contentRoot() const { return m_options.contentRoot; }
    QString languageFolder() const { return m_options.languageFolder; }
    // The path of a content name in the run's content, or an empty string.
    QString resolve(const QString &name) const;
    // The language file of a language number given as text ("1", "2", ...).
    QString languageFilePath(const QString &languageNumberText) const;

    // 0 until a language is chosen, then its place in the course, from 1.
    int language = 0;
    // The number of the explanation line on display; 0 before the first lesson.
    int explanationCursor = 0;
    // The lesson screen the run started at: 1 unless it started further on.
    int startedAt = 1;
    // The chosen language's tag ("de"), empty before one is chosen.
    QString languageTag() const;

    // The one voice; silent until one is set. Not owned.
    SoundPlayer &voice() const;
    void setVoice(SoundPlayer *player);
    bool play(std::string_view name, int module, unsigned flags) const;
    // The looping sound the voice plays, as far as the run's own requests tell; empty when none.
    QString loopPlaying() const { return m_loop; }

    // The voice that reads the explanations aloud, if narration is on; nullptr otherwise. Not owned.
    Narrator *narrator() const;
    void setNarrator(Narrator *narrator);

    // What is told about the run as it happens; ignored until one is set. Not owned.
    RunObserver &observer() const;
    void setObserver(RunObserver *observer);
    // Tells the observer how the run ended, in the run's language and with where it started.
    void ended(RunResult result) const;

    // The page that follows the last screen of a check run, made by whoever records the run;
    // without one the run ends there.
    void setResultsPage(std::function<Screen *(Run &)> make) { m_resultsPage = std::move(make); }
    Screen *makeResultsPage() { return m_resultsPage ? m_resultsPage(*this) : nullptr; }

    // The end of the run with a status, and the report of a run-time error that
    // stopped it: by default the program's end and the error box; a test or a
    // tool records them instead.
    void end(int status) const;
    void report(const RuntimeError &error) const;
    std::function<void(int status)> onEnd;
    std::function<void(const RuntimeError &error)> onError;

    // The run's pages: a page is made for one run and counted here until it is destroyed.
    void adopt(Screen &page);
    QList<Screen *> pages() const;
    // Stops the run: its pages' timers stop and none of them takes a press any more.
    // Other runs' pages go on.
    void stop();

private:
    Course m_course;
    RunOptions m_options;
    SoundPlayer *m_sound = nullptr;
    mutable QString m_loop;
    RunObserver *m_observer = nullptr;
    QPointer<Narrator> m_narrator;
    std::function<Screen *(Run &)> m_resultsPage;
    QList<QPointer<Screen>> m_pages;
};

} // namespace kelvora
