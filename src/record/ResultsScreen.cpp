#include "ResultsScreen.h"

#include "MissMap.h"
#include "RunSummary.h"
#include "screens/Look.h"
#include "screens/Run.h"
#include "screens/Shape.h"

#include <QLabel>
#include <QPixmap>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

#include <map>

namespace kelvora {

namespace {
// The page's words in one language.
struct ResultsWords {
    const char *title;
    const char *columns[4];
    const char *total;
    const char *close;
    const char *score;
    const char *passed;
    const char *notPassed;
    const char *startedAt; // %1: the screen
};

// By the run's language tag, English where the trainer has no words for it. A course that names no tags keeps
// the places its languages had: Turkish, English, French.
const ResultsWords &wordsFor(const Run &run)
{
    static const ResultsWords english{"Results", {"Screen", "Time", "Misses", "Hints"}, "Total", "Close",
                                      "Score", "passed", "not passed", "Started at screen %1"};
    static const std::map<QString, ResultsWords> words{
        {QStringLiteral("tr"),
         {"Sonuçlar", {"Ekran", "Süre", "Hatalı basış", "İpucu"}, "Toplam", "Kapat", "Puan", "geçti", "geçmedi",
          "%1. ekrandan başladı"}},
        {QStringLiteral("en"), english},
        {QStringLiteral("fr"),
         {"Résultats", {"Écran", "Temps", "Erreurs", "Indices"}, "Total", "Fermer", "Score", "réussi", "non réussi",
          "Commencé à l'écran %1"}},
        {QStringLiteral("de"),
         {"Ergebnisse", {"Bildschirm", "Zeit", "Fehlgriffe", "Hinweise"}, "Gesamt", "Schließen", "Punktzahl", "bestanden",
          "nicht bestanden", "Begonnen bei Bildschirm %1"}},
    };
    static const char *const places[] = {"en", "tr", "en", "fr"};
    QString tag = run.languageTag().section(QLatin1Char('-'), 0, 0).toLower();
    if (tag.isEmpty() && run.language >= 0 && run.language < int(std::size(places)))
        tag = QLatin1String(places[run.language]);
    const auto found = words.find(tag);
    return found == words.end() ? english : found->second;
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Where each column's text starts (the first, aligned left) or ends (the others, aligned right).
constexpr int TextEdge[] = {212, 592, 752, 952};
// Beside the trainee's miss map the table moves to the left half.
constexpr int NarrowTextEdge[] = {24, 234, 344, 454};
constexpr QRect MissMapPlace{484, 114, 520, 390};
constexpr int TableTop = 84;
constexpr int RowHeight = 30;

// A table in the page's look: no grid, frame or background, the header in yellow, rows of the page's height.
QTableWidget *addTable(QWidget *page, const QStringList &header, bool narrow)
{
    auto *table = new QTableWidget(0, int(header.size()), page);
    table->setObjectName(QStringLiteral("Table"));
    table->setHorizontalHeaderLabels(header);
    table->setFrameShape(QFrame::NoFrame);
    table->setShowGrid(false);
    table->setFocusPolicy(Qt::NoFocus);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setFont(captionFont());
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(RowHeight);
    QHeaderView *columns = table->horizontalHeader();
    columns->setFont(captionFont());
    columns->setFixedHeight(RowHeight + 1); // the rows' text then stands where a label of the row's height puts it
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setHighlightSections(false);
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    table->setStyleSheet(QStringLiteral("QTableWidget { background: transparent; color: white; }"
                                        "QHeaderView { background: transparent; }"
                                        "QHeaderView::section { background: transparent; color: %1; border: none;"
                                        " padding: 0 %2px; }")
                             .arg(QColor(MarkYellow).name())
                             .arg(margin));
    table->viewport()->setAutoFillBackground(false);
    const int *edge = narrow ? NarrowTextEdge : TextEdge;
    const int left = edge[0] - margin;
    int right = left + (edge[1] - edge[0]) / 2; // the first column's end: half way to the second's text
    table->setColumnWidth(0, right - left);
    for (int column = 1; column < table->columnCount(); ++column) {
        table->setColumnWidth(column, edge[column] + margin - right);
        right = edge[column] + margin;
    }
    for (int column = 0; column < table->columnCount(); ++column)
        table->model()->setHeaderData(column, Qt::Horizontal,
                                      int((column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter),
                                      Qt::TextAlignmentRole);
    table->setGeometry(left, TableTop, right - left, RowHeight);
    return table;
}

void addRow(QTableWidget *table, const QStringList &cells, const QColor &color)
{
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < cells.size(); ++column) {
        auto *cell = new QTableWidgetItem(cells[column]);
        cell->setForeground(color);
        cell->setTextAlignment((column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        table->setItem(row, column, cell);
    }
    table->resize(table->width(), table->horizontalHeader()->height() + RowHeight * (row + 1));
}
} // namespace

ResultsScreen::ResultsScreen(Run &run, const RunRecord *record) : Screen(run, QSize(1024, 768)), m_record(record)
{
    setObjectName(QStringLiteral("Results"));
}

void ResultsScreen::load()
{
    const ResultsWords &words = wordsFor(run());
    setWindowTitle(run().course().titleIn(run().language) + QStringLiteral(" - ") + text(words.title));

    auto *title = new QLabel(text(words.title), this);
    title->setObjectName(QStringLiteral("Title"));
    title->setGeometry(TextEdge[0], 40, 560, 30);
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
        title->move(NarrowTextEdge[0], title->y());
    if (run().startedAt > 1) {
        auto *startedAt = new QLabel(text(words.startedAt).arg(run().startedAt), this);
        startedAt->setObjectName(QStringLiteral("StartedAt"));
        startedAt->setFont(captionFont());
        setTextColor(startedAt, Qt::white);
        const int left = title->x() + title->fontMetrics().horizontalAdvance(title->text()) + 2 * RowHeight;
        startedAt->setGeometry(left, title->y(), width() - left - RowHeight, title->height());
    }
    QStringList header;
    for (const char *column : words.columns)
        header << text(column);
    QTableWidget *table = addTable(this, header, mostMissed);
    table->setAccessibleName(title->text());
    if (const RunRecord *record = m_record) {
        for (const ScreenRecord &screen : record->screens) {
            addRow(table, {QString::number(screen.screen), clockDuration(screen.durationMs()),
                           QString::number(screen.misses()), QString::number(screen.hints())},
                   Qt::white);
        }
        addRow(table, {text(words.total), clockDuration(record->durationMs()), QString::number(record->misses()),
                       QString::number(record->hints())},
               MarkYellow);
        if (record->mode == QLatin1String("check") && record->stepCount() > 0) {
            auto *score = new QLabel(QStringLiteral("%1: %2 % (%3/%4), %5")
                                         .arg(text(words.score))
                                         .arg(qRound(record->score() * 100))
                                         .arg(record->cleanSteps())
                                         .arg(record->stepCount())
                                         .arg(text(record->passed() ? words.passed : words.notPassed)),
                                     this);
            score->setObjectName(QStringLiteral("Score"));
            score->setGeometry(TextEdge[0], 712, 600, 43);
            score->setFont(captionFont());
            setTextColor(score, record->passed() ? MarkYellow : Qt::white);
        }
    }
    if (mostMissed)
        showMissMap(*mostMissed);

    QPushButton *close = addButton(this, "Close", {850, 712, 163, 43}, text(words.close));
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
    auto *caption = new QLabel(text(wordsFor(run()).columns[0]) + QLatin1Char(' ') +
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
