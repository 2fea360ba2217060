#include "Form000.h"

#include "ProgramIcon.h"
#include "screens/LessonChain.h"
#include "screens/PrgModule.h"
#include "screens/Run.h"
#include "screens/RunGuard.h"
#include "screens/Look.h"
#include "screens/Shape.h"
#include "screens/TextPlate.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace kelvora {

namespace {
// The language buttons stand in rows under the title, at least three of them (hidden where the course has
// fewer languages), five to a row.
constexpr int ButtonsAtLeast = 3;
constexpr int ButtonsPerRow = 5;

QRect languageButtonPlace(int i)
{
    return {344 + 122 * (i % ButtonsPerRow), 34 + 26 * (i / ButtonsPerRow), 119, 23};
}

constexpr QRect ExitPlace{980, 4, 37, 27};
constexpr QRect CurrentLanguagePlace{642, 584, 103, 21};
constexpr QRect LanguageNamePlace{736, 580, 143, 21};
constexpr int LanguageLineRight = 1013; // the credit line's right end
constexpr int NameGap = 4;
constexpr int ButtonPadding = 12; // the button's frame and a little air either side of its word

// As a label lays its text out (a pixel wider than the advance where the last letter overhangs).
int widthOf(const QFontMetrics &metrics, const QString &text)
{
    return metrics.size(Qt::TextSingleLine, text).width();
}

QLabel *addLabel(QWidget *parent, const char *name, const QRect &rect, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setFont(controlFont());
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Enough for any real name; the record's file name keeps a shorter part of it.
constexpr int MaxTraineeNameLength = 200;
} // namespace

Form000::Form000(Run &run) : Screen(run, QSize(1022, 768))
{
    setObjectName(QStringLiteral("Form000"));
    setWindowTitle(run.course().title);
    setWindowIcon(programIcon());
    // Its labels stand on the photograph, not on a window: a dark desktop palette would make them unreadable there.
    setPalette(style()->standardPalette());

    m_title = addLabel(this, "Label1", {344, 10, 557, 21}, run.course().title);
    m_title->setProperty("index", 0);
    m_title->setFont(captionFont());
    setTextColor(m_title, MarkYellow);

    QList<QPushButton *> languageButtons;
    const int buttons = std::max(ButtonsAtLeast, int(run.course().languages.size()));
    for (int code = 1; code <= buttons; ++code) {
        const CourseLanguage *language = run.course().language(code);
        languageButtons << addButton(this, QStringLiteral("Lang%1").arg(code), languageButtonPlace(code - 1),
                                     language ? language->name : QString());
        if (!language)
            languageButtons.back()->hide();
        connect(languageButtons.back(), &QPushButton::clicked, this, guarded(this, [this, code] { chooseLanguage(code); }));
    }
    QPushButton *exit = m_exit = addButton(this, "Command2", ExitPlace, QStringLiteral("Exit"));
    connect(exit, &QPushButton::clicked, this, guarded(this, [this] { exitProgram(); }));

    m_credit = addLabel(this, "Label2", {642, 562, 371, 17}, QString());
    m_credit->setAutoFillBackground(true);

    m_currentLanguage = addLabel(this, "Label1", CurrentLanguagePlace, QString());
    m_currentLanguage->setProperty("index", 1);

    m_languageName = addLabel(this, "lbllang2", LanguageNamePlace, QString());
    m_languageName->setFont(captionFont());
    setTextColor(m_languageName, Qt::white);

    m_start = addButton(this, "BtnStart", {642, 610, 235, 119}, QString());
    m_start->setFont(captionFont());
    m_start->hide();
    connect(m_start, &QPushButton::clicked, this, guarded(this, [this] { startLessons(); }));
    showCaptions(run.course().languages.front());
    if (run.course().fitsPictures) { // a photograph of any size, under the start screen's labels
        fitPictures();
        m_currentLanguage->setAutoFillBackground(true);
    }

    // A recorded run with no trainee named: shared logins say nothing about who sat there.
    if (run.observer().wantsTraineeName()) {
        addLabel(this, "TraineeLabel", {642, 536, 70, 21}, QStringLiteral("Trainee:"));
        m_traineeName = new QLineEdit(this);
        m_traineeName->setObjectName(QStringLiteral("TraineeName"));
        m_traineeName->setGeometry(716, 536, 161, 21);
        m_traineeName->setFont(controlFont());
        m_traineeName->setMaxLength(MaxTraineeNameLength);
        m_traineeName->setPlaceholderText(QStringLiteral("your name"));
        connect(m_traineeName, &QLineEdit::textChanged, this, [this] { m_start->setEnabled(!traineeName().isEmpty()); });
        m_start->setEnabled(false);
    }

    // Operated from the keyboard, Tab goes as the screen reads: the languages, the trainee's name, Start, then
    // Exit. Otherwise it keeps the order the start screen was designed with.
    QList<QWidget *> order;
    if (run.access().keyboard) {
        order = {languageButtons.begin(), languageButtons.end()};
        if (m_traineeName)
            order << m_traineeName;
        order << m_start << exit;
    } else {
        order = {languageButtons[1], exit, languageButtons[0], m_start, languageButtons[2]};
        if (m_traineeName)
            order.prepend(m_traineeName);
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    if (m_traineeName) {
        m_traineeName->setFocus();
    } else {
        languageButtons[1]->setFocus();
    }
}

QString Form000::traineeName() const
{
    return m_traineeName ? m_traineeName->text().simplified() : QString();
}

QList<PictureShown> Form000::picturesAhead() const
{
    return openingPictures(run(), 1);
}

void Form000::load()
{
    if (!run().course().startPicture.isEmpty())
        setPicture(run().course().startPicture);
}

void Form000::pictureChanged()
{
    for (QLabel *label : {m_title, m_languageName, m_currentLanguage})
        plateWhereUnreadable(*label, picture());
}

void Form000::chooseLanguage(int code)
{
    if (const CourseLanguage *language = run().course().language(code)) {
        run().language = code;
        showCaptions(*language);
        setWindowTitle(run().course().titleIn(code));
        m_start->show();
        m_languageName->setText(language->name);
        placeLanguageName();
    }
}

// The start screen speaks the first language until the trainee chooses one.
void Form000::showCaptions(const CourseLanguage &language)
{
    if (!run().course().titles.empty())
        m_title->setText(run().course().titleIn(run().language >= 1 ? run().language : 1));
    m_credit->setText(language.captions.credit);
    m_currentLanguage->setText(language.captions.currentLanguage);
    m_start->setText(language.captions.start);
    if (run().course().startExitInLanguage) {
        m_exit->setText(language.captions.exit);
        // Grows to the left, from the page's corner, for a longer word.
        const int width = std::max(ExitPlace.width(), m_exit->fontMetrics().horizontalAdvance(m_exit->text()) + ButtonPadding);
        m_exit->setGeometry(ExitPlace.right() + 1 - width, ExitPlace.y(), width, ExitPlace.height());
    }
    placeLanguageName();
}

void Form000::placeLanguageName()
{
    const auto textWidth = [](const QLabel &label) { return widthOf(label.fontMetrics(), label.text()); };
    // The caption keeps its place and grows as its words need, leaving the name room for a few letters.
    const int captionRoom = LanguageLineRight - CurrentLanguagePlace.x() - NameGap - LanguageNamePlace.width() / 2;
    QRect caption = CurrentLanguagePlace;
    // It ends with its words: a plate behind it would otherwise reach under the name.
    caption.setWidth(std::min(textWidth(*m_currentLanguage), captionRoom));
    m_currentLanguage->setGeometry(caption);
    if (textWidth(*m_currentLanguage) > caption.width()) {
        m_currentLanguage->setText(m_currentLanguage->fontMetrics().elidedText(m_currentLanguage->text(), Qt::ElideRight,
                                                                               caption.width() - 1));
    }

    // The name starts where it always did, or after a longer caption; a long name takes a smaller size,
    // down to the caption's, and is shortened only past that.
    QRect name = LanguageNamePlace;
    name.moveLeft(std::max(LanguageNamePlace.x(), caption.right() + 1 + NameGap));
    name.setRight(LanguageLineRight);
    const QString full = run().course().language(run().language) ? run().course().language(run().language)->name
                                                                   : m_languageName->text();
    QFont font = captionFont();
    const int smallest = QFontInfo(controlFont()).pixelSize();
    while (widthOf(QFontMetrics(font), full) > name.width() && font.pixelSize() > smallest)
        font.setPixelSize(font.pixelSize() - 1);
    m_languageName->setFont(font);
    m_languageName->setText(QFontMetrics(font).elidedText(full, Qt::ElideRight, name.width() - 1));
    m_languageName->setToolTip(full == m_languageName->text() ? QString() : full);
    m_languageName->setAccessibleName(full);
    name.setWidth(std::max(LanguageNamePlace.width(), widthOf(QFontMetrics(font), m_languageName->text())));
    name.setRight(std::min(name.right(), LanguageLineRight));
    m_languageName->setGeometry(name);
    if (!picture().isNull()) // a plate where the photograph under the new places would make them unreadable
        pictureChanged();
}

void Form000::startLessons()
{
    if (isLeaving() || !m_start->isEnabled())
        return;
    if (m_traineeName)
        run().observer().traineeNamed(traineeName());
    GoToScreen(*this, *createLessonScreen(run(), 1));
}

void Form000::exitProgram()
{
    run().ended(RunResult::left());
    run().play(ExitClickSound, SoundModule, SoundAsync);
    run().end(0);
}

} // namespace kelvora
