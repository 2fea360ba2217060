#include "PrgModule.h"

#include "Run.h"
#include "RunWindow.h"
#include "Screen.h"
#include "content/LanguageFile.h"
#include "course/ControlNames.h"

#include <QLabel>
#include <QPushButton>

namespace kelvora {

void ShowNextExplanation(Screen &screen, const QString &languageNumber)
{
    Run &run = screen.run();
    const int cursor = run.explanationCursor = checkedIncrement(run.explanationCursor, "ExplanationCursor");
    const std::vector<QStringList> &held = run.course().lines;
    const size_t language = size_t(languageNumber.toInt() - 1);
    const QString line = held.empty() ? readLanguageLine(run.languageFilePath(languageNumber), cursor)
                         : language < held.size() ? held[language].value(cursor - 1)
                                                  : QString();
    screen.control<QLabel>(names::Explain)->setText(line);
}

void GoToScreen(Screen &current, Screen &next)
{
    if (RunWindow *window = RunWindow::hosting(current)) {
        window->handOver(current, next);
        return;
    }
    current.leave();
    next.open();
    current.unload();
}

void PlayCue(const Screen &screen, const QString &cueName)
{
    const QString path = QStringLiteral("Sounds\\") + cueName + QStringLiteral(".wav");
    screen.run().play(path.toStdString(), SoundModule, SoundSync);
}

void LocalizeScreen(Screen &screen, int languageCode)
{
    if (const CourseLanguage *language = screen.run().course().language(languageCode)) {
        screen.control<QPushButton>(names::Next)->setText(language->captions.next);
        screen.control<QPushButton>(names::Exit)->setText(language->captions.exit);
        screen.control<QLabel>(names::ContinueLabel)->setText(language->captions.continueLabel);
    }
    screen.control<QPushButton>(names::Next)->hide();
    screen.control<QPushButton>(names::ReadMore)->hide();
    QPushButton *exit = screen.control<QPushButton>(names::Exit);
    exit->resize(LocalizedExitWidth, exit->height());
    exit->move(exit->x() - LocalizedExitShift, exit->y());
}

} // namespace kelvora
