#pragma once

#include "ClassFigures.h"
#include "CourseShelf.h"
#include "ReportWords.h"

namespace kelvora {

struct ReportRequest {
    QString source;  // the folder or store the runs came from, as the report names it
    QString trainee; // whose own miss map to add; empty for none
    std::optional<double> passMark; // judges the scores again; else each run's own judgement
};

// One self-contained HTML page: every chart and picture inside it as a data: URI, its
// only script the table's sorting; it prints on A4.
QByteArray reportPage(const QList<ClassFigures> &courses, const CourseShelf &shelf, const ReportWords &words,
                      const ReportRequest &request);

} // namespace kelvora
