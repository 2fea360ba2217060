#include "ResultsScreen.h"

#include "MissMap.h"
#include "RunSummary.h"
#include "screens/Look.h"
#include "screens/Run.h"
#include "screens/Shape.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace kelvora {

namespace {
struct Captions {
    const char *title;
    const char *columns[4];
    const char *total;
    const char *close;
};

// The page's captions follow the language's place, as the lesson buttons' captions do.
const Captions &captionsFor(int language)
{
    static const Captions turkish{"Sonuçlar", {"Ekran", "Süre", "Hatalı basış", "İpucu"}, "Toplam", "Kapat"};
    static const Captions english{"Results", {"Screen", "Time", "Misses", "Hints"}, "Total", "Close"};
    static const Captions french{"Résultats", {"Écran", "Temps", "Erreurs", "Indices"}, "Total", "Fermer"};
    switch (language) {
    case 1: return turkish;
    case 3: return french;
    default: return english;
    }
}

// The score of a check run, in the language the run was taught in (by its tag).
struct ScoreWords {
    const char *score;
    const char *passed;
    const char *notPassed;
};

const ScoreWords &scoreWordsFor(const QString &tag)
{
    static const ScoreWords english{"Score", "passed", "not passed"};
    static const ScoreWords turkish{"Puan", "geçti", "geçmedi"};
    static const ScoreWords german{"Punktzahl", "bestanden", "nicht bestanden"};
    static const ScoreWords french{"Score", "réussi", "non réussi"};
    const QString language = tag.section(QLatin1Char('-'), 0, 0).toLower();
    if (language == QLatin1String("tr"))
        return turkish;
    if (language == QLatin1String("de"))
        return german;
    if (language == QLatin1String("fr"))
        return french;
    return english;
}

constexpr int ColumnLeft[] = {212, 412, 572, 772};
// Beside the trainee's miss map the table moves to the left half.
constexpr int NarrowColumnLeft[] = {24, 124, 234, 344};
constexpr int ColumnWidth = 180;
constexpr int NarrowColumnWidth = 110;
constexpr QRect MissMapPlace{484, 114, 520, 390};
constexpr int TableTop = 84;
constexpr int RowHeight = 30;

class Table {
public:
    Table(QWidget *page, bool narrow) : m_page(page), m_left(narrow ? NarrowColumnLeft : ColumnLeft),
        m_width(narrow ? NarrowColumnWidth : ColumnWidth) {}

    void addRow(const QStringList &cells, const QColor &color)
    {
        for (int column = 0; column < cells.size(); ++column) {
            auto *cell = new QLabel(cells[column], m_page);
            cell->setObjectName(QStringLiteral("Cell%1_%2").arg(m_row).arg(column));
            cell->setGeometry(m_left[column], TableTop + m_row * RowHeight, m_width, RowHeight);
            cell->setFont(captionFont());
            setTextColor(cell, color);
            cell->setAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        }
        ++m_row;
    }

private:
    QWidget *m_page;
    const int *m_left;
    int m_width;
    int m_row = 0;
};
} // namespace

ResultsScreen::ResultsScreen(Run &run, const RunRecord *record) : Screen(run, QSize(1024, 768)), m_record(record)
{
    setObjectName(QStringLiteral("Results"));
}

void ResultsScreen::load()
{
    const Captions &captions = captionsFor(run().language);
    setWindowTitle(run().course().title + QStringLiteral(" - ") + QString::fromUtf8(captions.title));

    auto *title = new QLabel(QString::fromUtf8(captions.title), this);
    title->setObjectName(QStringLiteral("Title"));
    title->setGeometry(ColumnLeft[0], 40, 560, 30);
    title->setFont(captionFont());
    setTextColor(title, MarkYellow);

    // The screen the trainee missed most on, where there was a miss at all.
    const ScreenRecord *mostMissed = nullptr;
    if (m_record) {
        for (const ScreenRecord &screen : m_record->screens) {
            if (screen.misses() > 0 && (!mostMissed || screen.misses() > mostMissed->misses()))
                mostMissed = &screen;
        }
    }
    if (mostMissed)
        title->move(NarrowColumnLeft[0], title->y());
    Table table(this, mostMissed);
    QStringList header;
    for (const char *column : captions.columns)
        header << QString::fromUtf8(column);
    table.addRow(header, MarkYellow);
    if (const RunRecord *record = m_record) {
        for (const ScreenRecord &screen : record->screens) {
            table.addRow({QString::number(screen.screen), clockDuration(screen.durationMs()),
                          QString::number(screen.misses()), QString::number(screen.hints())},
                         Qt::white);
        }
        table.addRow({QString::fromUtf8(captions.total), clockDuration(record->durationMs()),
                      QString::number(record->misses()), QString::number(record->hints())},
                     MarkYellow);
        if (record->mode == QLatin1String("check") && record->stepCount() > 0) {
            const ScoreWords &words = scoreWordsFor(record->language);
            auto *score = new QLabel(QStringLiteral("%1: %2 % (%3/%4), %5")
                                         .arg(QString::fromUtf8(words.score))
                                         .arg(qRound(record->score() * 100))
                                         .arg(record->cleanSteps())
                                         .arg(record->stepCount())
                                         .arg(QString::fromUtf8(record->passed() ? words.passed : words.notPassed)),
                                     this);
            score->setObjectName(QStringLiteral("Score"));
            score->setGeometry(ColumnLeft[0], 712, 600, 43);
            score->setFont(captionFont());
            setTextColor(score, record->passed() ? MarkYellow : Qt::white);
        }
    }
    if (mostMissed)
        showMissMap(*mostMissed);

    QPushButton *close = addButton(this, "Close", {850, 712, 163, 43}, QString::fromUtf8(captions.close));
    close->setFont(captionFont());
    connect(close, &QPushButton::clicked, this, &ResultsScreen::finish);
    close->setFocus();
}

void ResultsScreen::showMissMap(const ScreenRecord &screen)
{
    MissMap map;
    for (const StepRecord &step : screen.steps)
        map.misses << step.misses;
    const Course &course = run().course();
    map.targets = stepTargets(course, screen.screen);
    // Without its photograph the map still shows where the presses went.
    QString problem;
    map.photograph = screenPhotograph(course, screen.screen, run().contentRoot(), &problem);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("MissMap"));
    picture->setGeometry(MissMapPlace);
    picture->setStyleSheet(QStringLiteral("border: 1px solid grey"));
    picture->setPixmap(QPixmap::fromImage(map.paint(MissMapPlace.width())));
    auto *caption = new QLabel(QString::fromUtf8(captionsFor(run().language).columns[0]) + QLatin1Char(' ') +
                                   QString::number(screen.screen), this);
    caption->setObjectName(QStringLiteral("MissMapScreen"));
    caption->setGeometry(MissMapPlace.left(), MissMapPlace.top() - RowHeight, MissMapPlace.width(), RowHeight);
    caption->setFont(captionFont());
    setTextColor(caption, MarkYellow);
}

void ResultsScreen::finish()
{
    run().end(0);
}

} // namespace kelvora
