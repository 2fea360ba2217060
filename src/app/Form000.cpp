#include "Form000.h"

#include "ProgramIcon.h"
#include "screens/RunState.h"
#include "content/ContentPath.h"
#include "course/CurrentCourse.h"
#include "platform/ProgramEnd.h"
#include "platform/SoundPlayer.h"
#include "screens/RunObserver.h"
#include "screens/LessonChain.h"
#include "screens/PrgModule.h"
#include "screens/RunGuard.h"
#include "screens/Look.h"
#include "screens/Shape.h"

#include <QLabel>
#include <QPushButton>

namespace kelvora {

namespace {
// The places of the language buttons; the course gives their languages.
struct LanguageButton {
    int code;
    const char *name;
    QRect rect;
};
const LanguageButton LanguageButtons[] = {
    {1, "Lang1", {344, 34, 119, 23}},
    {2, "Lang2", {466, 34, 119, 23}},
    {3, "Lang3", {588, 34, 119, 23}},
};

QLabel *addLabel(QWidget *parent, const char *name, const QRect &rect, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setFont(controlFont());
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

Form000::Form000() : Screen(QSize(1022, 768))
{
    setObjectName(QStringLiteral("Form000"));
    setWindowTitle(currentCourse().title);
    setWindowIcon(programIcon());

    QLabel *title = addLabel(this, "Label1", {344, 10, 557, 21}, currentCourse().title);
    title->setProperty("index", 0);
    title->setFont(captionFont());
    setTextColor(title, MarkYellow);

    QPushButton *languageButtons[3];
    for (int i = 0; i < 3; ++i) {
        const LanguageButton &place = LanguageButtons[i];
        const CourseLanguage *language = currentCourse().language(place.code);
        languageButtons[i] = addButton(this, place.name, place.rect, language ? language->name : QString());
        if (!language)
            languageButtons[i]->hide();
        connect(languageButtons[i], &QPushButton::clicked, this, guarded([this, code = place.code] { chooseLanguage(code); }));
    }
    QPushButton *exit = addButton(this, "Command2", {980, 4, 37, 27}, QStringLiteral("Exit"));
    connect(exit, &QPushButton::clicked, this, guarded([this] { exitProgram(); }));

    QLabel *credit = addLabel(this, "Label2", {642, 562, 371, 17},
                              QStringLiteral("Training material by the KELVORA training team"));
    credit->setAutoFillBackground(true);

    addLabel(this, "Label1", {642, 584, 103, 21}, QStringLiteral("Current Language:"))->setProperty("index", 1);

    m_languageName = addLabel(this, "lbllang2", {736, 580, 143, 21}, QString());
    m_languageName->setFont(captionFont());
    setTextColor(m_languageName, Qt::white);

    m_start = addButton(this, "BtnStart", {642, 610, 235, 119}, QStringLiteral("Başla"));
    m_start->setFont(captionFont());
    m_start->hide();
    connect(m_start, &QPushButton::clicked, this, guarded([this] { startLessons(); }));

    setTabOrder(languageButtons[1], exit);
    setTabOrder(exit, languageButtons[0]);
    setTabOrder(languageButtons[0], m_start);
    setTabOrder(m_start, languageButtons[2]);
    languageButtons[1]->setFocus();
}

void Form000::load()
{
    setPicture(StartPicture);
}

void Form000::chooseLanguage(int code)
{
    if (const CourseLanguage *language = currentCourse().language(code)) {
        CurrentLanguage = code;
        m_start->show();
        m_start->setText(language->startCaption);
        m_languageName->setText(language->name);
    }
}

void Form000::startLessons()
{
    if (isLeaving())
        return;
    GoToScreen(*this, *createLessonScreen(1));
}

void Form000::exitProgram()
{
    RunObserver::current().runEnded(RunResult::left());
    playSound(ExitClickSound, SoundModule, SoundAsync);
    endProgram(0);
}

} // namespace kelvora
