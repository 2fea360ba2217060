#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora {

// One run as the instructor's summary lists it, read back from its record.
struct RunSummary {
    QString trainee;
    QString course;
    QString mode;
    QString result;
    qint64 durationMs = 0;
    int misses = 0;
    int hints = 0;

    // trainee, course, mode, result, total time ("0:04:05"), misses, hints
    QStringList fields() const;
};

// The summary of the xAPI statements of one run; nothing if they are not a
// record this trainer wrote.
std::optional<RunSummary> readRunSummary(const QByteArray &json);

// "0:04:05"
QString clockDuration(qint64 ms);

} // namespace kelvora
