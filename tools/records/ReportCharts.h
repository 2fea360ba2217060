#pragma once

#include "ClassFigures.h"
#include "ReportWords.h"

#include <QByteArray>

namespace kelvora {

// The report's charts as SVG documents, drawn by Qt Charts.
QByteArray screenTimesChart(const ClassFigures &figures, const ReportWords &words);
QByteArray stepChart(const ClassFigures &figures, const ReportWords &words);
QByteArray traineeChart(const ClassFigures &figures, const QString &trainee, const ReportWords &words);

} // namespace kelvora
