#pragma once

#include "RunRecord.h"

#include <QJsonArray>

namespace kelvora {

// The record of one run as xAPI statements, in the order things happened:
// "initialized" at the start, "experienced" for each screen, "interacted" for
// each click step, and last "completed", "exited" or "terminated" with the
// run's result and totals. All share one registration, the run's.
QJsonArray xapiStatements(const RunRecord &record);

// ISO 8601 durations as xAPI writes them: "PT1M2.5S", "PT0S".
QString isoDuration(qint64 ms);
// -1 where the text is not such a duration.
qint64 parseIsoDuration(const QString &text);

// The extension keys of the final statement, which the instructor's summary reads.
namespace xapi {
QString extension(const char *name);
// The id of a course that gives none of its own, from its folder's name.
QString courseId(const QString &folderName);
inline constexpr const char *Platform = "KELVORA trainer"; // the statements' context names this trainer
inline constexpr const char *Mode = "mode";
inline constexpr const char *Result = "result";
inline constexpr const char *Screen = "screen";
inline constexpr const char *Misses = "misses";
inline constexpr const char *Hints = "hints";
inline constexpr const char *Error = "error";
inline constexpr const char *Started = "started";
inline constexpr const char *PassMark = "passMark";
} // namespace xapi

} // namespace kelvora
