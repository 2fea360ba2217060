#include "PrgModule.h"

#include "RunWindow.h"
#include "Screen.h"
#include "screens/RunState.h"
#include "content/LanguageFile.h"
#include "course/ControlNames.h"
#include "platform/SoundPlayer.h"

#include <QLabel>
#include <QPushButton>

namespace kelvora {

void ShowNextExplanation(Screen &screen, const QString &languageNumber)
{
    ExplanationCursor = checkedIncrement(ExplanationCursor, "ExplanationCursor");
    const QString line = readLanguageLine(languageFilePath(languageNumber), ExplanationCursor);
    screen.control<QLabel>(names::Explain)->setText(line);
}

void GoToScreen(Screen &current, Screen &next)
{
    if (RunWindow *window = RunWindow::hosting(current)) {
        window->handOver(current, next);
        return;
    }
    next.open();
    current.unload();
}

void PlayCue(const QString &cueName)
{
    const QString path = QStringLiteral("Sounds\\") + cueName + QStringLiteral(".wav");
    playSound(path.toStdString(), SoundModule, SoundSync);
}

namespace {
struct Captions {
    const char *next;
    const char *exit;
    const char *continueLabel;
};

const Captions *captionsFor(int languageCode)
{
    static const Captions turkish{"İleri", "Çıkış", "Devam"};
    static const Captions english{"Next", "Exit", "Continue"};
    static const Captions french{"Poursuivre", "Fermer", "Continuer"};
    switch (languageCode) {
    case 1: return &turkish;
    case 2: return &english;
    case 3: return &french;
    default: return nullptr;
    }
}
} // namespace

void LocalizeScreen(Screen &screen, int languageCode)
{
    if (const Captions *captions = captionsFor(languageCode)) {
        screen.control<QPushButton>(names::Next)->setText(QString::fromUtf8(captions->next));
        screen.control<QPushButton>(names::Exit)->setText(QString::fromUtf8(captions->exit));
        screen.control<QLabel>(QStringLiteral("labelDVM"))->setText(QString::fromUtf8(captions->continueLabel));
    }
    screen.control<QPushButton>(QStringLiteral("command1"))->hide();
    screen.control<QPushButton>(QStringLiteral("command3"))->hide();
    QPushButton *exit = screen.control<QPushButton>(QStringLiteral("command2"));
    exit->resize(55, exit->height());
    exit->move(exit->x() - 18, exit->y());
}

} // namespace kelvora
