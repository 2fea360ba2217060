#include "ReportPage.h"

#include "ReportCharts.h"
#include "record/MissMap.h"
#include "record/RunSummary.h"

#include <QBuffer>
#include <QImage>

namespace kelvora {

namespace {
const char *Style = R"(
@page { size: A4; margin: 12mm; }
body { font-family: "Liberation Sans", Arial, sans-serif; margin: 1.5em auto; max-width: 980px; color: #222; }
h1 { font-size: 1.6em; } h2 { font-size: 1.3em; border-bottom: 2px solid #5a8cd2; margin-top: 1.6em; }
h3 { font-size: 1.05em; }
section, figure, table.glance { break-inside: avoid; page-break-inside: avoid; }
img { max-width: 100%; height: auto; }
table { border-collapse: collapse; margin: 0.5em 0; }
th, td { border: 1px solid #bbb; padding: 0.2em 0.5em; text-align: left; }
td.n { text-align: right; }
th[data-sort] { cursor: pointer; background: #eef3fa; }
tr.most td { background: #fde3df; }
.maps { display: flex; flex-wrap: wrap; gap: 1em; }
.maps figure { margin: 0; width: 470px; }
figcaption { font-size: 0.9em; }
@media print { body { max-width: none; margin: 0; } .maps figure { width: 48%; } }
)";

// Sorts the table whose heading was clicked by that column, numbers as numbers; a second click turns it round.
const char *Sorting = R"(
document.querySelectorAll('th[data-sort]').forEach(function (th) {
  th.addEventListener('click', function () {
    var table = th.closest('table'), body = table.tBodies[0], column = th.cellIndex;
    var down = th.getAttribute('data-down') !== 'true';
    table.querySelectorAll('th').forEach(function (h) { h.removeAttribute('data-down'); });
    th.setAttribute('data-down', down);
    var rows = Array.prototype.slice.call(body.rows);
    rows.sort(function (a, b) {
      var x = a.cells[column].getAttribute('data-value'), y = b.cells[column].getAttribute('data-value');
      var d = (x !== null && y !== null) ? Number(x) - Number(y) : a.cells[column].textContent.localeCompare(b.cells[column].textContent);
      return down ? -d : d;
    });
    rows.forEach(function (row) { body.appendChild(row); });
  });
});
)";

QString esc(const QString &text)
{
    return text.toHtmlEscaped();
}

QString svgImage(const QByteArray &svg, const QString &alt)
{
    return QStringLiteral("<img alt=\"%1\" src=\"data:image/svg+xml;base64,%2\">").arg(esc(alt), QString::fromLatin1(svg.toBase64()));
}

QString pngImage(const QImage &image, const QString &alt)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("<img alt=\"%1\" width=\"%2\" height=\"%3\" src=\"data:image/png;base64,%4\">")
        .arg(esc(alt))
        .arg(image.width())
        .arg(image.height())
        .arg(QString::fromLatin1(buffer.data().toBase64()));
}

QString minutes(qint64 ms)
{
    return clockDuration(ms);
}

QString secondsText(qint64 ms)
{
    return QString::number(double(ms) / 1000.0, 'f', 1);
}

QString cell(const QString &text)
{
    return QStringLiteral("<td>") + esc(text) + QStringLiteral("</td>");
}

QString numberCell(const QString &text, double value)
{
    return QStringLiteral("<td class=\"n\" data-value=\"%1\">%2</td>").arg(value).arg(esc(text));
}

bool passedOf(const ReportRun &run, const ReportRequest &request)
{
    if (request.passMark && run.score)
        return run.completed() && *run.score >= *request.passMark;
    return run.success.value_or(false);
}

struct CourseSection {
    const ClassFigures &figures;
    const Course *course;
    const CourseShelf &shelf;
    const ReportWords &words;
    const ReportRequest &request;
    QString html;

    void glance()
    {
        html += QStringLiteral("<section><h3>%1</h3><table class=\"glance\"><tbody>").arg(esc(words(Word::AtAGlance)));
        const auto row = [&](Word word, const QString &value) {
            html += QStringLiteral("<tr><th scope=\"row\">%1</th><td class=\"n\">%2</td></tr>").arg(esc(words(word)), esc(value));
        };
        row(Word::Runs, QString::number(figures.runs.size()));
        row(Word::Trainees, QString::number(figures.trainees));
        row(Word::Completion, QStringLiteral("%1 / %2").arg(figures.completed).arg(figures.runs.size()));
        if (figures.totalTime.count > 0) {
            row(Word::MedianTime, minutes(figures.totalTime.median));
            row(Word::Spread, minutes(figures.totalTime.lower) + QStringLiteral(" – ") + minutes(figures.totalTime.upper));
        }
        row(Word::Misses, QString::number(figures.misses));
        row(Word::Hints, QString::number(figures.hints));
        int scored = 0, passed = 0;
        double scores = 0;
        for (const ReportRun &run : figures.runs) {
            if (!run.score)
                continue;
            ++scored;
            scores += *run.score;
            passed += passedOf(run, request) ? 1 : 0;
        }
        if (scored) {
            row(Word::Score, QStringLiteral("%1 %").arg(qRound(scores / scored * 100)));
            row(Word::Passed, QStringLiteral("%1 / %2").arg(passed).arg(scored));
        }
        if (figures.mostMissedStep >= 0) {
            const StepFigures &step = figures.steps[figures.mostMissedStep];
            row(Word::MostMissed, QStringLiteral("%1 (%2)").arg(step.name).arg(step.misses));
        }
        html += QStringLiteral("</tbody></table></section>\n");
    }

    void screenTimes()
    {
        if (figures.screens.isEmpty())
            return;
        QString slowest;
        if (figures.slowestScreen >= 0) {
            const ScreenFigures &screen = figures.screens[figures.slowestScreen];
            slowest = QStringLiteral(" (%1: %2)").arg(words(Word::Slowest), esc(screen.name));
        }
        html += QStringLiteral("<section><h3>%1%2</h3><figure>%3</figure></section>\n")
                    .arg(esc(words(Word::TimePerScreen)), slowest,
                         svgImage(screenTimesChart(figures, words), words(Word::TimePerScreen)));
    }

    void steps()
    {
        if (figures.steps.isEmpty())
            return;
        html += QStringLiteral("<section><h3>%1</h3><figure>%2</figure>\n")
                    .arg(esc(words(Word::PerStep)), svgImage(stepChart(figures, words), words(Word::PerStep)));
        html += QStringLiteral("<table class=\"steps\"><thead><tr><th data-sort>%1</th><th data-sort>%2</th>"
                               "<th data-sort>%3</th><th data-sort>%4</th><th data-sort>%5</th></tr></thead><tbody>\n")
                    .arg(esc(words(Word::Screen)), esc(words(Word::Step)), esc(words(Word::MedianToPress)),
                         esc(words(Word::Misses)), esc(words(Word::Hints)));
        for (qsizetype i = 0; i < figures.steps.size(); ++i) {
            const StepFigures &step = figures.steps[i];
            const ScreenFigures *screen = figures.screen(step.screenId);
            const int number = screen ? screen->number : 0;
            html += QStringLiteral("<tr%1>").arg(i == figures.mostMissedStep ? QStringLiteral(" class=\"most\"") : QString());
            html += numberCell(QString::number(number), number * 1000 + step.step);
            html += QStringLiteral("<td data-value=\"%1\">%2</td>").arg(number * 1000 + step.step).arg(esc(step.name));
            html += numberCell(secondsText(step.medianMs) + QLatin1Char(' ') + words(Word::Seconds), double(step.medianMs));
            html += numberCell(QString::number(step.misses), step.misses);
            html += numberCell(QString::number(step.hints), step.hints);
            html += QStringLiteral("</tr>\n");
        }
        html += QStringLiteral("</tbody></table></section>\n");
    }

    // The screen's photograph with misses on it; the course's screen number comes from the shelf's course.
    QString missMap(const ScreenFigures &screen, const QList<QPointF> &misses, int width) const
    {
        MissMap map;
        map.misses = misses;
        if (course) {
            const int number = CourseShelf::screenNumber(*course, screen.id, screen.name);
            QString problem;
            map.photograph = screenPhotograph(*course, number, shelf.folderOf(*course), &problem);
            map.targets = stepTargets(*course, number);
        }
        return pngImage(map.paint(width), words(Word::WhereMissesLand) + QLatin1Char(' ') + screen.name);
    }

    void missMaps()
    {
        QString maps;
        for (const ScreenFigures &screen : figures.screens) {
            if (screen.misses.isEmpty())
                continue;
            maps += QStringLiteral("<figure>%1<figcaption>%2 %3: %4, %5 %6</figcaption></figure>\n")
                        .arg(missMap(screen, screen.misses, 470), esc(words(Word::Screen)))
                        .arg(screen.number)
                        .arg(esc(screen.name))
                        .arg(screen.misses.size())
                        .arg(esc(words(Word::Misses)));
        }
        if (maps.isEmpty())
            return;
        html += QStringLiteral("<section><h3>%1</h3><p>%2</p><div class=\"maps\">%3</div></section>\n")
                    .arg(esc(words(Word::WhereMissesLand)),
                         QStringLiteral("<span style=\"color:#28dc50\">&#9632;</span> ") + esc(words(Word::Target)), maps);
    }

    void trainees()
    {
        html += QStringLiteral("<section><h3>%1</h3>\n").arg(esc(words(Word::PerTrainee)));
        for (auto it = figures.byTrainee.begin(); it != figures.byTrainee.end(); ++it) {
            html += QStringLiteral("<h4>%1</h4><figure>%2</figure>\n")
                        .arg(esc(it.key()), svgImage(traineeChart(figures, it.key(), words), it.key()));
            if (it.key() == request.trainee)
                traineeMaps(it.value());
        }
        html += QStringLiteral("</section>\n");
    }

    void traineeMaps(const QList<int> &runs)
    {
        QString maps;
        for (const ScreenFigures &screen : figures.screens) {
            QList<QPointF> misses;
            for (int index : runs) {
                for (const ScreenRun &shown : figures.runs[index].screens) {
                    if (shown.id == screen.id) {
                        for (const StepRun &step : shown.steps)
                            misses << step.misses;
                    }
                }
            }
            if (!misses.isEmpty())
                maps += QStringLiteral("<figure>%1<figcaption>%2 %3: %4 %5</figcaption></figure>\n")
                            .arg(missMap(screen, misses, 470), esc(words(Word::Screen)))
                            .arg(screen.number)
                            .arg(misses.size())
                            .arg(esc(words(Word::Misses)));
        }
        if (!maps.isEmpty())
            html += QStringLiteral("<p>%1 %2</p><div class=\"maps\">%3</div>\n")
                        .arg(esc(words(Word::MissMapOf)), esc(request.trainee), maps);
    }

    void apart()
    {
        if (figures.apart.isEmpty())
            return;
        html += QStringLiteral("<section><h3>%1</h3><table><thead><tr><th>%2</th><th>%3</th><th>%4</th></tr></thead><tbody>\n")
                    .arg(esc(words(Word::Apart)), esc(words(Word::Trainees)), esc(words(Word::RunStart)), esc(words(Word::Result)));
        for (const RunApart &apart : figures.apart) {
            const ReportRun &run = figures.runs[apart.run];
            const QString why = apart.lateStart && !run.screens.isEmpty()
                                    ? words(Word::StartedAt) + QLatin1Char(' ') + run.screens.first().name + QStringLiteral("; ") + run.result
                                    : run.result;
            html += QStringLiteral("<tr>") + cell(run.trainee) + cell(run.start.toUTC().toString(Qt::ISODate)) + cell(why) +
                    QStringLiteral("</tr>\n");
        }
        html += QStringLiteral("</tbody></table></section>\n");
    }
};
} // namespace

QByteArray reportPage(const QList<ClassFigures> &courses, const CourseShelf &shelf, const ReportWords &words,
                      const ReportRequest &request)
{
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>%2</title>\n<style>%3</style>\n</head>\n<body>\n<h1>%2</h1>\n<p>%4: %5</p>\n")
                       .arg(words.tag(), esc(words(Word::Title)), QString::fromLatin1(Style), esc(words(Word::Source)),
                            esc(request.source));
    for (const ClassFigures &figures : courses) {
        CourseSection section{figures, shelf.find(figures.courseId), shelf, words, request, {}};
        section.html = QStringLiteral("<h2>%1</h2>\n").arg(esc(figures.course));
        section.glance();
        section.screenTimes();
        section.steps();
        section.missMaps();
        section.trainees();
        section.apart();
        html += section.html;
    }
    html += QStringLiteral("<script>%1</script>\n</body>\n</html>\n").arg(QString::fromLatin1(Sorting));
    return html.toUtf8();
}

} // namespace kelvora
