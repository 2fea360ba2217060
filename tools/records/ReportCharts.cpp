#include "ReportCharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QBuffer>
#include <QChart>
#include <QDateTimeAxis>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>

#include <cmath>

namespace kelvora {

namespace {
// Counts are whole: ticks one or more whole numbers apart.
void countAxis(QValueAxis *axis, double most)
{
    const double top = std::ceil(most * 1.1);
    axis->setRange(0, qMax(1.0, top));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(qMax(1.0, std::ceil(top / 5)));
    axis->setLabelFormat(QStringLiteral("%d"));
}

double seconds(qint64 ms)
{
    return double(ms) / 1000.0;
}

QByteArray svgOf(QChart *chart, QSize size)
{
    // Read on paper at about two thirds of this size.
    QFont labels(QStringLiteral("Liberation Sans"));
    labels.setPixelSize(15);
    QFont titles = labels;
    titles.setBold(true);
    for (QAbstractAxis *axis : chart->axes()) {
        axis->setLabelsFont(labels);
        axis->setTitleFont(titles);
    }
    chart->legend()->setFont(labels);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    QGraphicsScene scene;
    scene.addItem(chart); // the scene owns it from here
    chart->setGeometry(QRectF(QPointF(0, 0), size));
    scene.setSceneRect(chart->geometry());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter(&generator);
    scene.render(&painter, QRectF(QPointF(0, 0), size), scene.sceneRect());
    painter.end();
    return buffer.data();
}

QString screenLabel(const ScreenFigures &screen)
{
    return QString::number(screen.number);
}
} // namespace

QByteArray screenTimesChart(const ClassFigures &figures, const ReportWords &words)
{
    auto *chart = new QChart;
    auto *series = new QBoxPlotSeries;
    QStringList categories;
    double most = 1;
    for (qsizetype i = 0; i < figures.screens.size(); ++i) {
        const ScreenFigures &screen = figures.screens[i];
        auto *box = new QBoxSet(seconds(screen.time.least), seconds(screen.time.lower), seconds(screen.time.median),
                                seconds(screen.time.upper), seconds(screen.time.most), screenLabel(screen));
        if (i == figures.slowestScreen)
            box->setBrush(QColor(220, 60, 40));
        else
            box->setBrush(QColor(90, 140, 210));
        series->append(box);
        categories << screenLabel(screen);
        most = qMax(most, seconds(screen.time.most));
    }
    chart->addSeries(series);
    chart->legend()->hide();
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    x->setTitleText(words(Word::Screen));
    auto *y = new QValueAxis;
    y->setRange(0, most * 1.1);
    y->setTitleText(words(Word::Time) + QStringLiteral(" (") + words(Word::Seconds) + QLatin1Char(')'));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return svgOf(chart, QSize(960, 360));
}

QByteArray stepChart(const ClassFigures &figures, const ReportWords &words)
{
    auto *chart = new QChart;
    auto *misses = new QBarSet(words(Word::Misses));
    auto *hints = new QBarSet(words(Word::Hints));
    misses->setColor(QColor(220, 60, 40));
    hints->setColor(QColor(240, 180, 40));
    auto *times = new QLineSeries;
    times->setName(words(Word::MedianToPress) + QStringLiteral(" (") + words(Word::Seconds) + QLatin1Char(')'));
    times->setPointsVisible(true);
    QStringList categories;
    double mostCount = 1, mostTime = 1;
    for (qsizetype i = 0; i < figures.steps.size(); ++i) {
        const StepFigures &step = figures.steps[i];
        const ScreenFigures *screen = figures.screen(step.screenId);
        categories << QStringLiteral("%1.%2").arg(screen ? screen->number : 0).arg(step.step);
        *misses << step.misses;
        *hints << step.hints;
        times->append(double(i), seconds(step.medianMs));
        mostCount = qMax(mostCount, double(qMax(step.misses, step.hints)));
        mostTime = qMax(mostTime, seconds(step.medianMs));
    }
    auto *bars = new QBarSeries;
    bars->append(misses);
    bars->append(hints);
    chart->addSeries(bars);
    chart->addSeries(times);
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    x->setTitleText(words(Word::Step));
    x->setLabelsAngle(categories.size() > 24 ? -90 : 0);
    auto *counts = new QValueAxis;
    countAxis(counts, mostCount);
    auto *time = new QValueAxis;
    time->setRange(0, mostTime * 1.1);
    time->setTitleText(words(Word::Seconds));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    chart->addAxis(time, Qt::AlignRight);
    bars->attachAxis(x);
    bars->attachAxis(counts);
    times->attachAxis(x);
    times->attachAxis(time);
    chart->legend()->setAlignment(Qt::AlignTop);
    return svgOf(chart, QSize(960, 380));
}

QByteArray traineeChart(const ClassFigures &figures, const QString &trainee, const ReportWords &words)
{
    auto *chart = new QChart;
    auto *time = new QLineSeries;
    time->setName(words(Word::Time) + QStringLiteral(" (") + words(Word::Minutes) + QLatin1Char(')'));
    auto *misses = new QLineSeries;
    misses->setName(words(Word::Misses));
    time->setPointsVisible(true);
    misses->setPointsVisible(true);
    double mostTime = 1, mostMisses = 1;
    QDateTime first, last;
    for (int index : figures.byTrainee.value(trainee)) {
        const ReportRun &run = figures.runs[index];
        const double at = double(run.start.toMSecsSinceEpoch());
        time->append(at, double(run.durationMs) / 60000.0);
        misses->append(at, run.misses);
        mostTime = qMax(mostTime, double(run.durationMs) / 60000.0);
        mostMisses = qMax(mostMisses, double(run.misses));
        first = first.isValid() ? qMin(first, run.start) : run.start;
        last = last.isValid() ? qMax(last, run.start) : run.start;
    }
    chart->addSeries(time);
    chart->addSeries(misses);
    auto *x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    // One run still gets an axis an hour wide around it.
    x->setRange(first.addSecs(-1800), qMax(last, first.addSecs(1)).addSecs(1800));
    x->setTickCount(4);
    auto *y = new QValueAxis;
    y->setRange(0, mostTime * 1.15);
    y->setLabelFormat(QStringLiteral("%.1f"));
    auto *y2 = new QValueAxis;
    countAxis(y2, mostMisses);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    chart->addAxis(y2, Qt::AlignRight);
    time->attachAxis(x);
    time->attachAxis(y);
    misses->attachAxis(x);
    misses->attachAxis(y2);
    chart->legend()->setAlignment(Qt::AlignTop);
    return svgOf(chart, QSize(640, 260));
}

} // namespace kelvora
